#include "tests/platform/ControlFixture.h"

#include "platform/controls/ComCtrls.h"
#include "platform/controls/DBCtrls.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Grids.h"
#include "platform/controls/Spin.h"
#include "platform/controls/Tabs.h"

TEST_F(ControlTest, SpinEditStepsWithinItsBoundsAndTakesDigitsOnly) {
  auto* spin = Add<TSpinEdit>("seDays", 10, 10, 60, 21);
  spin->SetMinValue(1);
  spin->SetMaxValue(31);
  spin->SetValue(30);
  auto* other = Add<TEdit>("edOther", 10, 40, 60, 21);
  form->Show();
  PressKey(*form, VK_UP);
  PressKey(*form, VK_UP);
  EXPECT_EQ(spin->Value(), 31);
  ClickAt(*spin, spin->Width() - 3, spin->Height() - 3);
  EXPECT_EQ(spin->Value(), 30);
  TypeText(*form, "x9");
  EXPECT_EQ(spin->Text(), "309");
  EXPECT_EQ(spin->Value(), 31);
  // Leaving puts a number out of the bounds back, and no number becomes the minimum.
  other->SetFocus();
  EXPECT_EQ(spin->Text(), "31");
  spin->SetText("abc");
  EXPECT_EQ(spin->Value(), 1);
  // Equal bounds do not bound.
  spin->SetMaxValue(1);
  spin->SetValue(-500);
  EXPECT_EQ(spin->Value(), -500);
}

TEST_F(ControlTest, StringGridMovesByKeysAndClicksAndEditsWhenAllowed) {
  auto* grid = Add<TStringGrid>("sgCells", 10, 10, 320, 130);
  grid->SetColCount(3);
  grid->SetRowCount(4);
  grid->SetCells(1, 1, "a");
  form->Show();
  PressKey(*form, VK_RIGHT);
  PressKey(*form, VK_DOWN);
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_EQ(grid->Row(), 2);
  // Fixed cells are not selected.
  PressKey(*form, VK_HOME);
  EXPECT_EQ(grid->Col(), 1);
  ClickAt(*grid, 2 * grid->DefaultColWidth() + 3, 3 * grid->DefaultRowHeight() + 3);
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_EQ(grid->Row(), 3);
  TypeText(*form, "zz");
  EXPECT_EQ(grid->Cells(2, 3), "");
  grid->SetOptions(TGridOptions{goEditing});
  TypeText(*form, "zz");
  EXPECT_EQ(grid->Cells(2, 3), "zz");
  // Cells outside are empty, shrinking keeps the rest.
  EXPECT_EQ(grid->Cells(9, 9), "");
  grid->SetColCount(2);
  EXPECT_EQ(grid->Cells(1, 1), "a");
  EXPECT_EQ(grid->Col(), 1);
}

TEST_F(ControlTest, SplitterDragResizesTheControlAgainstIt) {
  auto* left = Add<TPanel>("pnlLeft", 0, 0, 100, 200);
  left->SetAlign(alLeft);
  auto* splitter = Add<TSplitter>("splMain", 100, 0, 3, 200);
  splitter->OnMoved = Bind<&TEventLog::Changed>(log);
  form->Show();
  Drag(*form, 101, 50, 141, 60);
  EXPECT_EQ(left->Width(), 140);
  EXPECT_EQ(splitter->Left(), 140);
  Drag(*form, 141, 50, 0, 50);
  EXPECT_EQ(left->Width(), splitter->MinSize());
  EXPECT_EQ(log->Lines.size(), 2u);
}

TEST_F(ControlTest, StatusBarPanelsAreAPublishedCollection) {
  auto* bar = Add<TStatusBar>("sbMain", 0, 340, 480, 19);
  bar->Panels()->Add()->SetText("Ready");
  bar->Panels()->Add()->SetWidth(120);
  const TPropInfo* panels = GetPropInfo(*bar, "Panels");
  ASSERT_NE(panels, nullptr);
  EXPECT_EQ(panels->PropType->Name, "TStatusPanels");
  auto* copy = Add<TStatusBar>("sbCopy", 0, 320, 480, 19);
  copy->SetPanels(bar->Panels());
  EXPECT_EQ(copy->Panels()->Count(), 2);
  EXPECT_EQ(copy->Panels()->Items(0)->Text(), "Ready");
  EXPECT_EQ(copy->Panels()->Items(1)->Width(), 120);
}

TEST_F(ControlTest, TreeViewWalksTheShownNodes) {
  auto* tree = Add<TTreeView>("tvModules", 10, 10, 200, 200);
  TTreeNode* root = tree->Items()->Add(nullptr, "Reports");
  TTreeNode* child = tree->Items()->AddChild(root, "Sales");
  tree->Items()->AddChild(child, "Daily");
  tree->Items()->Add(root, "Settings");
  tree->OnChange = TTVChangedEvent();
  form->Show();
  ClickAt(*tree, 5, 3);
  EXPECT_EQ(tree->Selected(), root);
  PressKey(*form, VK_DOWN);
  EXPECT_EQ(tree->Selected()->Text(), "Settings");
  PressKey(*form, VK_UP);
  PressKey(*form, VK_RIGHT);
  PressKey(*form, VK_DOWN);
  EXPECT_EQ(tree->Selected(), child);
  EXPECT_EQ(child->Level(), 1);
  PressKey(*form, VK_LEFT);
  EXPECT_EQ(tree->Selected(), root);
  EXPECT_EQ(tree->Items()->Count(), 4);
  tree->SetSelected(child);
  tree->Items()->Delete(root);
  EXPECT_EQ(tree->Selected(), nullptr);
  EXPECT_EQ(tree->Items()->Count(), 1);
}

TEST_F(ControlTest, TabSetAsksBeforeItChanges) {
  auto* tabs = Add<TTabSet>("tsDays", 10, 10, 300, 21);
  tabs->Tabs()->SetText("Mon\r\nTue\r\nWed");
  form->Show();
  ClickAt(*tabs, tabs->TabLeft(1) + 3, 5);
  EXPECT_EQ(tabs->TabIndex(), 1);
  tabs->Tabs()->Delete(2);
  tabs->Tabs()->Delete(1);
  EXPECT_EQ(tabs->TabIndex(), 0);
  tabs->SetTabIndex(5);
  EXPECT_EQ(tabs->TabIndex(), 0);
}

TEST_F(ControlTest, NavigatorHintsAndButtons) {
  auto* nav = Add<TDBNavigator>("dbnMain", 10, 10, 100, 25);
  nav->SetVisibleButtons(TButtonSet{nbFirst, nbPrior, nbNext, nbLast});
  nav->Hints()->SetText("Erste\r\n\r\nNext one");
  EXPECT_EQ(nav->ButtonHint(nbFirst), "Erste");
  EXPECT_EQ(nav->ButtonHint(nbPrior), "Prior record");
  EXPECT_EQ(nav->ButtonHint(nbRefresh), "Refresh data");
  TNavigateBtn button = nbFirst;
  ASSERT_TRUE(nav->ButtonAt(80, button));
  EXPECT_EQ(button, nbLast);
  EXPECT_FALSE(nav->ButtonAt(100, button));
}

TEST_F(ControlTest, AnimationNeedsAClipToPlay) {
  auto* animation = Add<TAnimate>("aniWait", 10, 10, 80, 50);
  animation->SetActive(true);
  EXPECT_FALSE(animation->Active());
  animation->SetCommonAVI(aviFindFile);
  animation->SetActive(true);
  EXPECT_TRUE(animation->Active());
}
