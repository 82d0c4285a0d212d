#include "tests/platform/ControlFixture.h"

class ListViews : public ControlTest {
protected:
  void SetUp() override {
    ControlTest::SetUp();
    view = Add<TListView>("lvSchemes", 10, 10, 300, 200);
    view->SetViewStyle(vsReport);
    for (const char* caption : {"Name", "Owner"}) {
      TListColumn* column = view->Columns()->Add();
      column->SetCaption(caption);
      column->SetWidth(100);
    }
    for (const char* caption : {"beta", "Alpha", "gamma"}) {
      TListItem* item = view->Items()->Add();
      item->SetCaption(caption);
      item->SubItems()->Add(AnsiString("owner of ") + caption);
    }
    view->OnColumnClick = Bind<&TEventLog::ColumnClicked>(log);
    view->OnEdited = Bind<&TEventLog::Edited>(log);
    form->Show();
  }
  // The middle of row i of the report.
  void ClickRow(int row, TShiftState shift = {}) {
    ClickAt(*view, 20, TListView::HeaderHeight + row * TListView::RowHeight + 5, shift);
  }
  std::vector<AnsiString> Captions() const {
    std::vector<AnsiString> out;
    for (int i = 0; i < view->Items()->Count(); ++i) out.push_back(view->Items()->Item(i)->Caption());
    return out;
  }
  TListView* view;
};

TEST_F(ListViews, ClickSelectsARowAndArrowsMoveTheSelection) {
  ClickRow(1);
  EXPECT_EQ(view->Selected(), view->Items()->Item(1));
  EXPECT_EQ(form->FocusedControl(), view);
  PressKey(*form, VK_DOWN);
  EXPECT_EQ(view->Selected(), view->Items()->Item(2));
  EXPECT_EQ(view->SelCount(), 1);
  // Outside the first column only RowSelect makes the click the row's.
  ClickAt(*view, 150, TListView::HeaderHeight + 5);
  EXPECT_EQ(view->Selected(), nullptr);
  view->SetRowSelect(true);
  ClickAt(*view, 150, TListView::HeaderHeight + 5);
  EXPECT_EQ(view->Selected(), view->Items()->Item(0));
}

TEST_F(ListViews, MultiSelectTakesCtrlAndShift) {
  view->SetMultiSelect(true);
  ClickRow(0);
  ClickRow(2, TShiftState{ssCtrl});
  EXPECT_EQ(view->SelCount(), 2);
  ClickRow(1, TShiftState{ssShift});
  EXPECT_EQ(view->SelCount(), 2);
  EXPECT_TRUE(view->Items()->Item(1)->Selected());
  view->SetMultiSelect(false);
  EXPECT_EQ(view->SelCount(), 1);
}

TEST_F(ListViews, HeaderClickReportsTheColumnOnlyWhenColumnClickIsOn) {
  ClickAt(*view, 150, 5);
  view->SetColumnClick(false);
  ClickAt(*view, 50, 5);
  EXPECT_EQ(log->Lines, std::vector<AnsiString>{"column Owner"});
}

TEST_F(ListViews, SortingByTextOrByTheCompareHook) {
  view->SetSortType(stText);
  EXPECT_EQ(Captions(), (std::vector<AnsiString>{"Alpha", "beta", "gamma"}));
  view->Items()->Item(0)->SetCaption("zeta");
  EXPECT_EQ(Captions(), (std::vector<AnsiString>{"beta", "gamma", "zeta"}));
  view->OnCompare = Bind<&TEventLog::Compare>(log);
  view->AlphaSort();
  EXPECT_EQ(Captions(), (std::vector<AnsiString>{"zeta", "gamma", "beta"}));
  // Sub-items go with their items.
  EXPECT_EQ(view->Items()->Item(0)->SubItems()->Strings(0), "owner of Alpha");
}

TEST_F(ListViews, InPlaceEditingEndsInOnEditedWhichMayChangeTheName) {
  ClickRow(0);
  ClickRow(0);
  ASSERT_TRUE(view->IsEditing());
  TypeText(*form, "\b\b\b\bnew");
  PressKey(*form, VK_RETURN);
  EXPECT_EQ(view->Items()->Item(0)->Caption(), "new");
  log->Rename = "renamed";
  PressKey(*form, VK_F2);
  TypeText(*form, "x\r");
  EXPECT_EQ(log->Lines, (std::vector<AnsiString>{"edited beta -> new", "edited new -> newx"}));
  EXPECT_EQ(view->Items()->Item(0)->Caption(), "renamed");
  // Escape leaves the caption; a read-only view edits nothing.
  PressKey(*form, VK_F2);
  TypeText(*form, "y");
  PressKey(*form, VK_ESCAPE);
  EXPECT_EQ(view->Items()->Item(0)->Caption(), "renamed");
  view->SetReadOnly(true);
  PressKey(*form, VK_F2);
  EXPECT_FALSE(view->IsEditing());
}

TEST_F(ListViews, ItemPlacesFollowTheViewStyle) {
  struct TPlaceCase {
    TViewStyle Style;
    int Index;
    int Left, Top;
  };
  view->SetWidth(160);
  view->SetHeight(40);
  for (const TPlaceCase& c : {TPlaceCase{vsIcon, 2, 0, TListView::IconCellHeight},
                              TPlaceCase{vsSmallIcon, 1, 0, TListView::RowHeight},
                              TPlaceCase{vsList, 2, TListView::ListColumnWidth, 0},
                              TPlaceCase{vsReport, 2, 0, TListView::HeaderHeight + 2 * TListView::RowHeight}}) {
    view->SetViewStyle(c.Style);
    TItemPlace place = view->ItemRect(c.Index);
    EXPECT_EQ(place.Left, c.Left) << c.Style;
    EXPECT_EQ(place.Top, c.Top) << c.Style;
    EXPECT_EQ(view->GetItemAt(place.Left + 1, place.Top + 1), view->Items()->Item(c.Index)) << c.Style;
  }
  EXPECT_EQ(view->ItemRect(7).Width, 0);
}

TEST_F(ListViews, DeletingTheEditedOrSelectedItemForgetsIt) {
  ClickRow(0);
  PressKey(*form, VK_F2);
  view->Items()->Delete(0);
  EXPECT_FALSE(view->IsEditing());
  EXPECT_EQ(view->ItemFocused(), nullptr);
  view->Items()->Delete(10);
  view->Items()->Clear();
  PressKey(*form, VK_DOWN);
  EXPECT_EQ(view->Selected(), nullptr);
}
