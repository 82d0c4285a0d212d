#include "tests/platform/ControlFixture.h"

#include "platform/controls/ListControls.h"

class ListControls : public ControlTest {
protected:
  void SetUp() override {
    ControlTest::SetUp();
    combo = Add<TComboBox>("cboKind", 10, 10, 145, 21);
    combo->Items()->SetText("Daily\r\nWeekly\r\nMonthly\r\nMore");
    combo->OnChange = Bind<&TEventLog::Changed>(log);
    list = Add<TListBox>("lstNames", 10, 50, 121, 65);
    list->Items()->SetText("a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng");
    list->OnClick = Bind<&TEventLog::Clicked>(log);
  }
  TComboBox* combo;
  TListBox* list;
};

TEST_F(ListControls, DropDownListSelectsByArrowsAndLettersAndShowsOnlyItems) {
  combo->SetStyle(csDropDownList);
  form->Show();
  PressKey(*form, VK_DOWN);
  PressKey(*form, VK_DOWN);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->Text(), "Weekly");
  TypeText(*form, "m");
  EXPECT_EQ(combo->Text(), "Monthly");
  TypeText(*form, "m");
  EXPECT_EQ(combo->Text(), "More");
  TypeText(*form, "x");
  EXPECT_EQ(combo->ItemIndex(), 3);
  combo->SetText("Nothing");
  EXPECT_EQ(combo->Text(), "More");
  EXPECT_EQ(log->Lines.size(), 4u);
}

TEST_F(ListControls, DropDownTypingEditsTheTextAndLeavesTheSelection) {
  form->Show();
  combo->SetItemIndex(0);
  TypeText(*form, "!");
  EXPECT_EQ(combo->Text(), "Daily!");
  EXPECT_EQ(combo->ItemIndex(), -1);
  combo->SetText("Weekly");
  EXPECT_EQ(combo->ItemIndex(), 1);
  // Opening the list with Alt+Down, moving in it, closing it with Enter.
  PressKey(*form, VK_DOWN, TShiftState{ssAlt});
  EXPECT_TRUE(combo->DroppedDown());
  PressKey(*form, VK_DOWN);
  PressKey(*form, VK_RETURN);
  EXPECT_EQ(combo->Text(), "Monthly");
  EXPECT_FALSE(combo->DroppedDown());
  // A click on the arrow opens it again.
  ClickAt(*combo, combo->Width() - 5, 5);
  EXPECT_TRUE(combo->DroppedDown());
}

TEST_F(ListControls, ItemIndexOutsideTheItemsSelectsNothingAndFollowsItemChanges) {
  combo->SetItemIndex(3);
  combo->SetItemIndex(9);
  EXPECT_EQ(combo->ItemIndex(), -1);
  combo->SetItemIndex(3);
  combo->Items()->Delete(3);
  EXPECT_EQ(combo->ItemIndex(), -1);
  list->SetItemIndex(-5);
  EXPECT_EQ(list->ItemIndex(), -1);
  combo->SetSorted(true);
  EXPECT_EQ(combo->Items()->Text(), "Daily\r\nMonthly\r\nWeekly\r\n");
  combo->Items()->Add("Annual");
  EXPECT_EQ(combo->Items()->Strings(0), "Annual");
}

TEST_F(ListControls, ListBoxSelectsByClickAndArrowsAndScrolls) {
  form->Show();
  ClickAt(*list, 5, 2 * list->ItemHeight() + 1);
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(form->FocusedControl(), list);
  PressKey(*form, VK_END);
  EXPECT_EQ(list->ItemIndex(), 6);
  // Five rows fit; the last one is scrolled into view.
  EXPECT_EQ(list->TopIndex(), 2);
  EXPECT_EQ(list->ItemAtPos(5, 1), 2);
  EXPECT_EQ(log->Lines, (std::vector<AnsiString>{"click lstNames", "click lstNames"}));
  ClickAt(*list, 5, list->Height() - 1);
  EXPECT_EQ(list->ItemIndex(), 6);
}

TEST_F(ListControls, MultiSelectWithCtrlAndShift) {
  list->SetMultiSelect(true);
  form->Show();
  ClickAt(*list, 5, 1);
  ClickAt(*list, 5, 2 * list->ItemHeight() + 1, TShiftState{ssCtrl});
  EXPECT_EQ(list->SelCount(), 2);
  ClickAt(*list, 5, 4 * list->ItemHeight() + 1, TShiftState{ssShift});
  EXPECT_EQ(list->SelCount(), 3);
  EXPECT_TRUE(list->Selected(3));
  EXPECT_FALSE(list->Selected(0));
  ClickAt(*list, 5, 1);
  EXPECT_EQ(list->SelCount(), 1);
}

TEST_F(ListControls, StylesCarryTheirTypeNames) {
  const TPropInfo* style = GetPropInfo(*combo, "Style");
  ASSERT_NE(style, nullptr);
  EXPECT_EQ(style->PropType->Name, "TComboBoxStyle");
  EXPECT_EQ(GetPropInfo(*list, "Style")->PropType->Name, "TListBoxStyle");
  EXPECT_EQ(GetPropInfo(*list, "Items")->PropType->Name, "TStrings");
}
