#include "tests/platform/ControlFixture.h"

#include "platform/controls/Buttons.h"
#include "platform/controls/Menus.h"

class Input : public ControlTest {
protected:
  void SetUp() override {
    ControlTest::SetUp();
    panel = Add<TPanel>("pnlMain", 10, 10, 300, 200);
    first = Add<TEdit>("edFirst", 10, 10, 100, 21, panel);
    second = Add<TEdit>("edSecond", 10, 40, 100, 21, panel);
    label = Add<TLabel>("lblSecond", 120, 40, 60, 17, panel);
    label->SetCaption("Se&cond");
    first->SetText("");
    second->SetText("");
    label->SetFocusControl(second);
    ok = Add<TButton>("btnOk", 10, 250, 75, 25);
    ok->SetCaption("OK");
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    cancel = Add<TButton>("btnCancel", 100, 250, 75, 25);
    cancel->SetCaption("Cancel");
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    save = Add<TButton>("btnSave", 200, 250, 75, 25);
    save->SetCaption("&Save");
    for (TControl* c : std::initializer_list<TControl*>{ok, cancel, save}) c->OnClick = Bind<&TEventLog::Clicked>(log);
    form->Show();
  }
  TPanel* panel;
  TEdit* first;
  TEdit* second;
  TLabel* label;
  TButton* ok;
  TButton* cancel;
  TButton* save;
};

TEST_F(Input, HitTestingFindsTheDeepestVisibleControlInItsOwnCoordinates) {
  int lx = 0, ly = 0;
  EXPECT_EQ(FindControlAt(*form, 25, 55, lx, ly), second);
  EXPECT_EQ(lx, 5);
  EXPECT_EQ(ly, 5);
  EXPECT_EQ(FindControlAt(*form, 305, 205, lx, ly), panel);
  EXPECT_EQ(FindControlAt(*form, 400, 5, lx, ly), form);
  second->Hide();
  EXPECT_EQ(FindControlAt(*form, 25, 55, lx, ly), panel);
}

TEST_F(Input, ClickMovesTheFocusToFocusableControlsOnly) {
  EXPECT_EQ(form->FocusedControl(), first);
  ClickOn(*second);
  EXPECT_EQ(form->FocusedControl(), second);
  ClickOn(*panel);
  EXPECT_EQ(form->FocusedControl(), second);
  second->SetEnabled(false);
  ClickOn(*first);
  ClickOn(*second);
  EXPECT_EQ(form->FocusedControl(), first);
}

TEST_F(Input, ClickingAButtonClicksItAndSetsTheModalResult) {
  ClickOn(*cancel);
  EXPECT_EQ(log->Lines, std::vector<AnsiString>{"click btnCancel"});
  EXPECT_EQ(form->ModalResult(), mrCancel);
  EXPECT_EQ(form->FocusedControl(), cancel);
}

TEST_F(Input, TabAndShiftTabFollowTheTabOrder) {
  std::vector<TWinControl*> seen;
  for (int i = 0; i < 5; ++i) {
    PressKey(*form, VK_TAB);
    seen.push_back(form->FocusedControl());
  }
  EXPECT_EQ(seen, (std::vector<TWinControl*>{second, ok, cancel, save, first}));
  PressKey(*form, VK_TAB, TShiftState{ssShift});
  EXPECT_EQ(form->FocusedControl(), save);
}

TEST_F(Input, TypedTextGoesToTheFocusedEdit) {
  TypeText(*form, "abc\b");
  PressKey(*form, 'C', TShiftState{ssCtrl});
  PressKey(*form, VK_TAB);
  TypeText(*form, "xy");
  EXPECT_EQ(first->Text(), "ab");
  EXPECT_EQ(second->Text(), "xy");
}

TEST_F(Input, EnterClicksTheDefaultButtonEscapeTheCancelButton) {
  PressKey(*form, VK_RETURN);
  PressKey(*form, VK_ESCAPE);
  EXPECT_EQ(log->Lines, (std::vector<AnsiString>{"click btnOk", "click btnCancel"}));
  // A focused button takes Enter itself; Space clicks it too.
  save->SetFocus();
  PressKey(*form, VK_RETURN);
  PressKey(*form, VK_SPACE);
  EXPECT_EQ(log->Lines.back(), "click btnSave");
  EXPECT_EQ(log->Lines.size(), 4u);
}

TEST_F(Input, AcceleratorsFocusAndClick) {
  PressKey(*form, 'S', TShiftState{ssAlt});
  EXPECT_EQ(log->Lines, std::vector<AnsiString>{"click btnSave"});
  EXPECT_EQ(form->FocusedControl(), save);
  // With a button focused the letter alone is the accelerator; in an edit it is typed.
  first->SetFocus();
  PressKey(*form, 'S');
  EXPECT_EQ(first->Text(), "s");
  ok->SetFocus();
  PressKey(*form, 'S');
  EXPECT_EQ(log->Lines.size(), 2u);
  // A label's accelerator focuses its control.
  PressKey(*form, 'C', TShiftState{ssAlt});
  EXPECT_EQ(form->FocusedControl(), second);
}

TEST_F(Input, KeyPreviewSeesKeysFirstAndMayConsumeThem) {
  form->SetKeyPreview(true);
  form->OnKeyDown = Bind<&TEventLog::KeyPreview>(log);
  PressKey(*form, VK_F2);
  PressKey(*form, VK_RETURN);
  EXPECT_EQ(log->Lines, (std::vector<AnsiString>{"preview 113", "preview 13", "click btnOk"}));
}

TEST_F(Input, DisabledButtonsTakeNeitherClicksNorKeys) {
  ok->SetEnabled(false);
  ClickOn(*ok);
  PressKey(*form, VK_RETURN);
  EXPECT_TRUE(log->Lines.empty());
  EXPECT_EQ(form->FocusedControl(), first);
}

TEST_F(ControlTest, AutoSizeLabelsFollowTheirCaption) {
  auto* label = Add<TLabel>("lblName", 10, 10, 200, 40);
  label->SetCaption("&Name");
  int width = label->Width();
  EXPECT_GT(width, 10);
  EXPECT_LT(width, 60);
  label->SetCaption("&Name of the scheme");
  EXPECT_GT(label->Width(), width);
  EXPECT_EQ(label->Left(), 10);
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 300, 40);
  label->SetCaption("x");
  EXPECT_EQ(label->Width(), 300);
}
