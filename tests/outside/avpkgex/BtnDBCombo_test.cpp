#include "outside/avpkgex/BtnDBCombo.h"

#include "tests/platform/ControlFixture.h"

class BtnDBComboTest : public ControlTest {
protected:
  void SetUp() override {
    ControlTest::SetUp();
    combo = Add<TKvBtnDBCombo>("cboNotify", 100, 8, 85, 21);
    combo->OnButtonClick = Bind<&TEventLog::Clicked>(log);
    form->Show();
  }
  TKvBtnDBCombo* combo = nullptr;
};

TEST_F(BtnDBComboTest, ButtonSitsBesideTheBoxWithAOneImageGlyph) {
  TSpeedButton* button = combo->SpeedButton();
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Owner(), combo);
  EXPECT_EQ(button->Parent(), form);
  EXPECT_EQ(button->NumGlyphs(), 1);
  EXPECT_EQ(button->Glyph()->Width(), button->Glyph()->Height());
  EXPECT_EQ(button->Left(), 187);
  EXPECT_EQ(button->Top(), 8);
  EXPECT_EQ(button->Width(), 21);
  EXPECT_EQ(button->Height(), 21);
  combo->SetButtonSpacing(-1);
  combo->SetButtonSpacing(5);
  EXPECT_EQ(button->Left(), 190);
  const TPropInfo* published = GetPropInfo(*combo, "SpeedButton");
  ASSERT_NE(published, nullptr);
  EXPECT_EQ(GetObjectProp(*combo, *published), button);
  EXPECT_NE(GetPropInfo(*combo, "DataSource"), nullptr);
}

TEST_F(BtnDBComboTest, ButtonClickReportsTheBoxUnlessDisabled) {
  ClickOn(*combo->SpeedButton());
  EXPECT_EQ(log->Lines, std::vector<AnsiString>{"click cboNotify"});
  combo->SetEnabled(false);
  EXPECT_FALSE(combo->SpeedButton()->Enabled());
  ClickOn(*combo->SpeedButton());
  EXPECT_EQ(log->Lines.size(), 1u);
  combo->Hide();
  EXPECT_FALSE(combo->SpeedButton()->Visible());
}
