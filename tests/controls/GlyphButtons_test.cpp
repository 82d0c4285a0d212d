#include <gtest/gtest.h>

#include "controls/ConditionControls.h"
#include "controls/F2Button.h"
#include "outside/avres/AvResD5.h"
#include "platform/controls/Dialogs.h"
#include "tests/platform/ControlFixture.h"
#include "tests/support/ScopedEnv.h"

namespace {

// A form that records the F2 requests it is sent, with whatever had the focus at that moment.
class TLookupForm : public TForm {
  PAVANE_CLASS(TLookupForm, TForm)
public:
  using TForm::TForm;
  struct TRequest {
    WPARAM WParam;
    TControl* Control;
    TWinControl* Focused;
  };
  std::vector<TRequest> Requests;

  void WndProc(TMessage& message) override {
    if (message.Msg == WM_F2REQUEST)
      Requests.push_back({message.WParam, reinterpret_cast<TControl*>(message.LParam), FocusedControl()});
    TForm::WndProc(message);
  }
};

}  // namespace

const TClassInfo& TLookupForm::StaticClass() {
  static const TClassInfo info = DescribeClass<TLookupForm>("TLookupForm");
  return info;
}

namespace {

TRect PlaceOf(const TControl& c) { return Bounds(c.Left(), c.Top(), c.Width(), c.Height()); }

class GlyphButtons : public ControlTest {
protected:
  void SetUp() override {
    ControlTest::SetUp();
    RegisterConditionControls();
    ClearShownDialogs();
    Application->ModalResponder = [](TCustomForm& dialog) { PressKey(dialog, VK_RETURN); };
  }
  ScopedCodePage codePage{936};
};

TEST_F(GlyphButtons, GlyphIndexLoadsThePictureAndClearsTheCaption) {
  auto* button = Add<TGSpeedButton>("btnLook", 10, 10, 23, 22);
  button->SetGlyphIndex(8);
  EXPECT_EQ(button->Caption(), "");
  EXPECT_EQ(button->Glyph()->Width(), 16);
  EXPECT_EQ(button->Glyph()->Height(), 16);
  EXPECT_EQ(button->NumGlyphs(), 1);
  button->SetGlyphIndex(4);
  EXPECT_EQ(button->Glyph()->Width(), 32);
  EXPECT_EQ(button->NumGlyphs(), 2);
  EXPECT_TRUE(ShownDialogs().empty());
}

TEST_F(GlyphButtons, GlyphIndexZeroDropsThePictureAndShowsTheNumber) {
  auto* button = Add<TGSpeedButton>("btnLook", 10, 10, 23, 22);
  button->SetGlyphIndex(9);
  button->SetGlyphIndex(0);
  EXPECT_TRUE(button->Glyph()->Empty());
  EXPECT_EQ(button->Caption(), "0");
}

TEST_F(GlyphButtons, NumberBeyondTheLibraryShowsAsCaptionWithoutMessage) {
  auto* button = Add<TGSpeedButton>("btnLook", 10, 10, 23, 22);
  button->SetGlyphIndex(8);
  button->SetGlyphIndex(GetMaxBmpID() + 1);
  EXPECT_TRUE(button->Glyph()->Empty());
  EXPECT_EQ(button->Caption(), IntToStr(GetMaxBmpID() + 1));
  EXPECT_TRUE(ShownDialogs().empty());
}

TEST_F(GlyphButtons, NewF2ButtonIsFlatWithTheLookupPicture) {
  auto* button = Add<TF2Button>("btnF2", 0, 0, 23, 22);
  EXPECT_TRUE(button->Flat());
  EXPECT_EQ(button->GlyphIndex(), 8);
  EXPECT_FALSE(button->Glyph()->Empty());
  EXPECT_TRUE(button->AutoAlign());
  EXPECT_EQ(button->Gap(), 2);
  EXPECT_EQ(button->F2Control(), nullptr);
}

TEST_F(GlyphButtons, F2ButtonSitsBesideItsControl) {
  auto* edit = Add<TEdit>("edDate", 100, 8, 85, 21);
  auto* button = Add<TF2Button>("btnDate", 0, 0, 23, 22);
  button->SetF2Control(edit);
  EXPECT_EQ(button->Left(), 187);
  EXPECT_EQ(button->Top(), 8);
  EXPECT_EQ(button->Width(), 21);
  EXPECT_EQ(button->Height(), 21);
}

}  // namespace

namespace {

class F2Buttons : public GlyphButtons {
protected:
  void SetUp() override {
    GlyphButtons::SetUp();
    edit = Add<TEdit>("edDate", 100, 8, 85, 21);
    button = Add<TF2Button>("btnDate", 0, 40, 23, 22);
    button->OnClick = Bind<&TEventLog::Clicked>(log);
  }
  TEdit* edit = nullptr;
  TF2Button* button = nullptr;
};

TEST_F(F2Buttons, WithoutAutoAlignAssignmentsLeaveTheButtonWhereItIs) {
  button->SetAutoAlign(false);
  button->SetF2Control(edit);
  button->SetGap(10);
  EXPECT_EQ(PlaceOf(*button), Bounds(0, 40, 23, 22));
  button->SetAutoAlign(true);
  EXPECT_EQ(PlaceOf(*button), Bounds(195, 8, 21, 21));
}

TEST_F(F2Buttons, PlacedOnlyWhenAPropertyIsAssigned) {
  button->SetF2Control(edit);
  edit->SetBounds(50, 60, 100, 25);
  EXPECT_EQ(PlaceOf(*button), Bounds(187, 8, 21, 21));
  button->SetGap(4);
  EXPECT_EQ(PlaceOf(*button), Bounds(154, 60, 25, 25));
}

TEST_F(F2Buttons, SecondButtonForTheSameControlIsRefusedWithAMessage) {
  button->SetF2Control(edit);
  auto* second = Add<TF2Button>("btnDate2", 0, 70, 23, 22);
  second->SetF2Control(edit);
  EXPECT_EQ(second->F2Control(), nullptr);
  EXPECT_EQ(PlaceOf(*second), Bounds(0, 70, 23, 22));
  ASSERT_EQ(ShownDialogs().size(), 1u);
  EXPECT_EQ(ShownDialogs()[0].Text, GbText("不能同时有两个 F2Button 指到同一个 Edit."));
  EXPECT_EQ(ShownDialogs()[0].Kind, mtError);
  EXPECT_EQ(ShownDialogs()[0].Buttons, std::vector<AnsiString>{"OK"});

  button->SetF2Control(edit);
  EXPECT_EQ(button->F2Control(), edit);
  EXPECT_EQ(ShownDialogs().size(), 1u);
}

TEST_F(F2Buttons, ButtonForgetsAControlThatIsFreed) {
  button->SetF2Control(edit);
  edit->Free();
  EXPECT_EQ(button->F2Control(), nullptr);
  form->Show();
  ClickOn(*button);
  EXPECT_EQ(log->Lines, std::vector<AnsiString>{"click btnDate"});
}

class F2Requests : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterStandardControls();
    form = New<TLookupForm>(nullptr);
    form->SetBounds(0, 0, 300, 200);
    log = New<TEventLog>(form);
    edit = New<TEdit>(form);
    edit->SetName("edNote");
    edit->SetParent(form);
    edit->SetBounds(100, 8, 85, 21);
    other = New<TEdit>(form);
    other->SetParent(form);
    other->SetBounds(100, 40, 85, 21);
    button = New<TF2Button>(form);
    button->SetName("btnNote");
    button->SetParent(form);
    button->OnClick = Bind<&TEventLog::Clicked>(log);
    button->SetF2Control(edit);
    form->SetActiveControl(other);
    form->Show();
  }
  void TearDown() override { form->Free(); }
  ScopedCodePage codePage{936};
  TLookupForm* form = nullptr;
  TEventLog* log = nullptr;
  TEdit* edit = nullptr;
  TEdit* other = nullptr;
  TF2Button* button = nullptr;
};

TEST_F(F2Requests, ClickFocusesTheControlAndAsksTheFormAtOnce) {
  ClickOn(*button);
  EXPECT_EQ(log->Lines, std::vector<AnsiString>{"click btnNote"});
  ASSERT_EQ(form->Requests.size(), 1u);
  EXPECT_EQ(form->Requests[0].WParam, 0u);
  EXPECT_EQ(form->Requests[0].Control, edit);
  EXPECT_EQ(form->Requests[0].Focused, edit);
  EXPECT_FALSE(Application->HasPendingMessages());
}

TEST_F(F2Requests, DisabledOrHiddenControlGetsOnlyTheClick) {
  for (bool hide : {false, true}) {
    log->Lines.clear();
    edit->SetEnabled(hide);
    edit->SetVisible(!hide);
    ClickOn(*button);
    EXPECT_EQ(log->Lines, std::vector<AnsiString>{"click btnNote"}) << hide;
    EXPECT_TRUE(form->Requests.empty()) << hide;
    EXPECT_EQ(form->FocusedControl(), other) << hide;
  }
}

}  // namespace
