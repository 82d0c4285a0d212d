#include "tests/platform/ControlFixture.h"

#include "platform/controls/PageControl.h"

class Pages : public ControlTest {
protected:
  void SetUp() override {
    ControlTest::SetUp();
    pages = Add<TPageControl>("pgOption", 10, 10, 300, 200);
    for (const char* name : {"tsOne", "tsTwo", "tsThree"}) {
      auto* sheet = New<TTabSheet>(form);
      sheet->SetName(name);
      sheet->SetPageControl(pages);
      sheets.push_back(sheet);
    }
    sheets[0]->SetCaption("&One");
    sheets[1]->SetCaption("Two");
    sheets[2]->SetCaption("Three");
    editOnTwo = Add<TEdit>("edTwo", 5, 5, 80, 21, sheets[1]);
    editOnOne = Add<TEdit>("edOne", 5, 5, 80, 21, sheets[0]);
    pages->OnChanging = Bind<&TEventLog::Changing>(log);
    pages->OnChange = Bind<&TEventLog::Changed>(log);
    form->Show();
  }
  void ClickTab(int tab) {
    TTabPlace r = pages->TabRect(tab);
    ClickAt(*pages, r.Left + r.Width / 2, r.Top + r.Height / 2);
  }
  TPageControl* pages;
  std::vector<TTabSheet*> sheets;
  TEdit* editOnOne;
  TEdit* editOnTwo;
};

TEST_F(Pages, TheFirstPageIsActiveAndOnlyTheActivePageIsShown) {
  EXPECT_EQ(pages->ActivePage(), sheets[0]);
  EXPECT_TRUE(sheets[0]->Visible());
  EXPECT_FALSE(sheets[1]->Visible());
  int lx = 0, ly = 0, fx = 0, fy = 0;
  At(*editOnTwo, 2, 2, fx, fy);
  EXPECT_EQ(FindControlAt(*form, fx, fy, lx, ly), editOnOne);
}

TEST_F(Pages, ClickOnATabAsksChangingThenChanges) {
  ClickTab(2);
  EXPECT_EQ(pages->ActivePage(), sheets[2]);
  EXPECT_EQ(log->Lines, (std::vector<AnsiString>{"changing pgOption", "change pgOption"}));
  log->Refuse = true;
  ClickTab(0);
  EXPECT_EQ(pages->ActivePage(), sheets[2]);
  // In code nothing is asked or reported.
  pages->SetActivePage(sheets[1]);
  EXPECT_EQ(log->Lines.size(), 3u);
  EXPECT_EQ(pages->ActivePageIndex(), 1);
}

TEST_F(Pages, HiddenTabsHaveNoTabAndCannotStayActive) {
  sheets[1]->SetTabVisible(false);
  EXPECT_EQ(pages->VisibleTabs().size(), 2u);
  EXPECT_EQ(sheets[2]->TabIndex(), 1);
  EXPECT_EQ(sheets[1]->TabIndex(), -1);
  ClickTab(1);
  EXPECT_EQ(pages->ActivePage(), sheets[2]);
  sheets[2]->SetTabVisible(false);
  EXPECT_EQ(pages->ActivePage(), sheets[0]);
  EXPECT_EQ(pages->IndexOfTabAt(-5, -5), -1);
}

TEST_F(Pages, CtrlTabTurnsThePagesAndTheFocusLeavesAHiddenPage) {
  editOnOne->SetFocus();
  PressKey(*form, VK_TAB, TShiftState{ssCtrl});
  EXPECT_EQ(pages->ActivePage(), sheets[1]);
  EXPECT_EQ(form->FocusedControl(), editOnTwo);
  PressKey(*form, VK_TAB, TShiftState{ssCtrl, ssShift});
  EXPECT_EQ(pages->ActivePage(), sheets[0]);
  EXPECT_EQ(form->FocusedControl(), editOnOne);
}

TEST_F(Pages, SheetsLeavingOrJoiningKeepThePageControlWhole) {
  sheets[0]->SetPageIndex(2);
  EXPECT_EQ(pages->Pages(2), sheets[0]);
  sheets[0]->Free();
  EXPECT_EQ(pages->PageCount(), 2);
  EXPECT_EQ(pages->ActivePage(), sheets[1]);
  auto* moved = sheets[2];
  moved->SetParent(form);
  EXPECT_EQ(pages->PageCount(), 1);
  EXPECT_EQ(moved->PageControl(), nullptr);
}
