#include "controls/KvSpin.h"

#include "tests/platform/ControlFixture.h"

class KvSpinTest : public ControlTest {
protected:
  void SetUp() override {
    ControlTest::SetUp();
    spin = Add<TKvSpinEdit>("meWeek", 10, 10, 60, 21);
    spin->SetText("");
    spin->OnChange = Bind<&TEventLog::Changed>(log);
    form->Show();
    spin->SetFocus();
  }
  TKvSpinEdit* spin = nullptr;
};

TEST_F(KvSpinTest, ASignAfterTheFirstCharacterIsDropped) {
  TypeText(*form, "12+");
  EXPECT_EQ(spin->Text(), "12");
  TypeText(*form, "-");
  EXPECT_EQ(spin->Text(), "12");
  // "1", "12", and "12" again for each sign taken back.
  EXPECT_EQ(log->Lines, (std::vector<AnsiString>{"change meWeek", "change meWeek", "change meWeek", "change meWeek"}));
  spin->SetText("");
  TypeText(*form, "-5");
  EXPECT_EQ(spin->Text(), "-5");
  EXPECT_EQ(spin->Value(), -5);
  spin->SetText("3+4");
  EXPECT_EQ(spin->Text(), "3");
}

TEST_F(KvSpinTest, BlankTextRaisesNoChange) {
  TypeText(*form, "7");
  log->Lines.clear();
  PressKey(*form, VK_BACK);
  EXPECT_EQ(spin->Text(), "");
  spin->SetText("  ");
  EXPECT_TRUE(log->Lines.empty());
  spin->SetText("8");
  EXPECT_EQ(log->Lines, std::vector<AnsiString>{"change meWeek"});
}
