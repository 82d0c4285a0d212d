#include "tests/platform/ControlFixture.h"

#include "platform/controls/Buttons.h"

TEST_F(ControlTest, CheckBoxCyclesItsStatesByClickSpaceAndAccelerator) {
  auto* check = Add<TCheckBox>("chkAll", 10, 10, 97, 17);
  check->SetCaption("&All");
  check->OnClick = Bind<&TEventLog::Clicked>(log);
  form->Show();
  ClickOn(*check);
  EXPECT_EQ(check->State(), cbChecked);
  PressKey(*form, VK_SPACE);
  EXPECT_EQ(check->State(), cbUnchecked);
  check->SetAllowGrayed(true);
  PressKey(*form, 'A', TShiftState{ssAlt});
  PressKey(*form, 'A', TShiftState{ssAlt});
  EXPECT_EQ(check->State(), cbGrayed);
  // A change by program runs OnClick too, as the platform does; no change, no click.
  check->SetChecked(false);
  check->SetChecked(false);
  EXPECT_EQ(log->Lines.size(), 5u);
}

TEST_F(ControlTest, RadioButtonsBesideEachOtherExcludeEachOther) {
  auto* group = Add<TGroupBox>("grpKind", 10, 10, 200, 100);
  auto* a = Add<TRadioButton>("rbA", 8, 16, 80, 17, group);
  auto* b = Add<TRadioButton>("rbB", 8, 36, 80, 17, group);
  auto* other = Add<TRadioButton>("rbOther", 10, 150, 80, 17);
  a->SetChecked(true);
  other->SetChecked(true);
  form->Show();
  ClickOn(*b);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(b->Checked());
  EXPECT_TRUE(other->Checked());
  // The arrow keys move to the neighbour and check it.
  PressKey(*form, VK_UP);
  EXPECT_EQ(form->FocusedControl(), a);
  EXPECT_TRUE(a->Checked());
  EXPECT_FALSE(b->Checked());
}

TEST_F(ControlTest, SpeedButtonGroupsStayDownAndAllUpIsOptional) {
  auto* bold = Add<TSpeedButton>("btnBold", 10, 10, 23, 22);
  auto* italic = Add<TSpeedButton>("btnItalic", 40, 10, 23, 22);
  auto* plain = Add<TSpeedButton>("btnPlain", 70, 10, 23, 22);
  for (TSpeedButton* b : {bold, italic}) b->SetGroupIndex(1);
  plain->OnClick = Bind<&TEventLog::Clicked>(log);
  form->Show();
  ClickOn(*bold);
  EXPECT_TRUE(bold->Down());
  ClickOn(*italic);
  EXPECT_FALSE(bold->Down());
  EXPECT_TRUE(italic->Down());
  // Without AllowAllUp the down button stays down.
  ClickOn(*italic);
  EXPECT_TRUE(italic->Down());
  bold->SetAllowAllUp(true);
  EXPECT_TRUE(italic->AllowAllUp());
  ClickOn(*italic);
  EXPECT_FALSE(italic->Down());
  // Ungrouped buttons never stay down, are not focused and click.
  plain->SetDown(true);
  ClickOn(*plain);
  EXPECT_FALSE(plain->Down());
  EXPECT_EQ(log->Lines, std::vector<AnsiString>{"click btnPlain"});
  EXPECT_EQ(form->FocusedControl(), form);
  // NumGlyphs holds one to four images.
  plain->SetNumGlyphs(7);
  EXPECT_EQ(plain->NumGlyphs(), 4);
  plain->SetNumGlyphs(0);
  EXPECT_EQ(plain->NumGlyphs(), 1);
}

TEST_F(ControlTest, BitButtonKindsAndModalResults) {
  struct TKindCase {
    TBitBtnKind Kind;
    const char* Caption;
    int Result;
    bool Default;
    bool Cancel;
  };
  for (const TKindCase& k : {TKindCase{bkOK, "OK", mrOk, true, false}, TKindCase{bkCancel, "Cancel", mrCancel, false, true},
                             TKindCase{bkYes, "&Yes", mrYes, true, false}, TKindCase{bkNo, "&No", mrNo, false, true},
                             TKindCase{bkRetry, "&Retry", mrRetry, false, false}}) {
    auto* b = New<TBitBtn>(form);
    b->SetParent(form);
    b->SetKind(k.Kind);
    EXPECT_EQ(b->Caption(), k.Caption);
    EXPECT_EQ(b->ModalResult(), k.Result);
    EXPECT_EQ(b->Default(), k.Default);
    EXPECT_EQ(b->Cancel(), k.Cancel);
  }
}

TEST_F(ControlTest, ModalFormAnsweredByClickingItsButton) {
  auto* ok = Add<TBitBtn>("btnOk", 10, 10, 75, 25);
  ok->SetKind(bkOK);
  Application->ModalResponder = [ok](TCustomForm&) { ClickOn(*ok); };
  EXPECT_EQ(form->ShowModal(), mrOk);
}

namespace {

// A native button window that records the notifications it reports.
class TNotifyingButton : public TButtonControl {
  PAVANE_CLASS(TNotifyingButton, TButtonControl)
public:
  using TButtonControl::TButtonControl;
  std::vector<WPARAM> Codes;
  void WndProc(TMessage& message) override {
    if (message.Msg == CN_COMMAND) Codes.push_back(message.WParam);
    TButtonControl::WndProc(message);
  }
};

}  // namespace

const TClassInfo& TNotifyingButton::StaticClass() {
  static const TClassInfo info = DescribeClass<TNotifyingButton>("TNotifyingButton");
  return info;
}

TEST_F(ControlTest, ButtonWindowsReportClicksSpaceAndDoubleClicksAsNotifications) {
  auto* button = Add<TNotifyingButton>("rbNative", 10, 10, 113, 17);
  button->OnClick = Bind<&TEventLog::Clicked>(log);
  form->Show();
  ClickOn(*button);
  EXPECT_EQ(form->FocusedControl(), button);
  PressKey(*form, VK_SPACE);
  int x = 0, y = 0;
  ControlOrigin(*button, x, y);
  DoubleClick(*form, x + 5, y + 5);
  EXPECT_EQ(button->Codes, (std::vector<WPARAM>{BN_CLICKED, BN_CLICKED, BN_CLICKED, BN_DOUBLECLICKED}));
  // Released outside, the press is no click; the mouse-up itself clicks nothing.
  button->Perform(WM_LBUTTONDOWN, 0, MakePointParam(5, 5));
  button->Perform(WM_LBUTTONUP, 0, MakePointParam(200, 5));
  EXPECT_EQ(button->Codes.size(), 4u);
  EXPECT_TRUE(log->Lines.empty());
}

TEST_F(ControlTest, Ctl3DFollowsTheParentUntilSetItself) {
  auto* panel = Add<TPanel>("pnlOptions", 10, 10, 200, 100);
  auto* inner = Add<TCheckBox>("chkInner", 8, 8, 97, 17, panel);
  auto* own = Add<TCheckBox>("chkOwn", 8, 30, 97, 17, panel);
  own->SetCtl3D(true);
  EXPECT_FALSE(own->ParentCtl3D());
  form->SetCtl3D(false);
  EXPECT_FALSE(panel->Ctl3D());
  EXPECT_FALSE(inner->Ctl3D());
  EXPECT_TRUE(inner->ParentCtl3D());
  EXPECT_TRUE(own->Ctl3D());
  own->SetParentCtl3D(true);
  EXPECT_FALSE(own->Ctl3D());
}
