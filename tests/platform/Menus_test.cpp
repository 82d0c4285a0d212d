#include "tests/platform/ControlFixture.h"

#include "platform/controls/ComCtrls.h"
#include "platform/controls/Menus.h"

using Menus = ControlTest;

TEST_F(Menus, RightClickPopsTheMenuAtThePointAndKeysChooseAnItem) {
  auto* menu = New<TPopupMenu>(form);
  Item(*menu->Items(), "miOpen", "&Open");
  Item(*menu->Items(), "miLine", "-");
  auto* disabled = Item(*menu->Items(), "miLocked", "&Locked");
  disabled->SetEnabled(false);
  Item(*menu->Items(), "miDelete", "&Delete");
  auto* list = Add<TListView>("lvItems", 20, 30, 200, 100);
  list->SetPopupMenu(menu);
  form->Show();
  RightClick(*form, 25, 40);
  EXPECT_EQ(OpenMenu(), menu->Items());
  EXPECT_EQ(menu->PopupComponent(), list);
  // At the point on the screen: the form's corner, its frame, the point in the client area.
  TRect client = form->ClientBounds();
  EXPECT_EQ(menu->PopupX(), form->Left() + client.Left + 25);
  EXPECT_EQ(menu->PopupY(), form->Top() + client.Top + 40);
  // Down skips the line and the disabled item.
  PressKey(*form, VK_DOWN);
  PressKey(*form, VK_DOWN);
  EXPECT_EQ(OpenMenuHighlight(), 3);
  PressKey(*form, VK_RETURN);
  EXPECT_EQ(OpenMenu(), nullptr);
  EXPECT_EQ(log->Lines, std::vector<AnsiString>{"click miDelete"});
  // The accelerator letter chooses; a disabled one does nothing; Escape closes.
  RightClick(*form, 25, 40);
  TypeText(*form, "l");
  EXPECT_EQ(OpenMenu(), menu->Items());
  TypeText(*form, "o");
  RightClick(*form, 25, 40);
  PressKey(*form, VK_ESCAPE);
  EXPECT_EQ(OpenMenu(), nullptr);
  EXPECT_EQ(log->Lines, (std::vector<AnsiString>{"click miDelete", "click miOpen"}));
}

TEST_F(Menus, MainMenuOpensByAltAndWalksIntoSubMenus) {
  auto* menu = New<TMainMenu>(form);
  TMenuItem* file = Item(*menu->Items(), "miFile", "&File");
  Item(*file, "miNew", "&New");
  TMenuItem* recent = Item(*file, "miRecent", "&Recent");
  Item(*recent, "miFirst", "&1 first");
  form->Show();
  PressKey(*form, 'F', TShiftState{ssAlt});
  EXPECT_EQ(OpenMenu(), file);
  PressKey(*form, VK_DOWN);
  PressKey(*form, VK_DOWN);
  PressKey(*form, VK_RIGHT);
  EXPECT_EQ(OpenMenu(), recent);
  PressKey(*form, VK_LEFT);
  EXPECT_EQ(OpenMenu(), file);
  EXPECT_EQ(OpenMenuHighlight(), 1);
  TypeText(*form, "r1");
  EXPECT_EQ(log->Lines, std::vector<AnsiString>{"click miFirst"});
  EXPECT_EQ(OpenMenu(), nullptr);
}

TEST_F(Menus, RadioItemsOfAGroupExcludeEachOther) {
  auto* menu = New<TPopupMenu>(form);
  TMenuItem* a = Item(*menu->Items(), "miA", "A");
  TMenuItem* b = Item(*menu->Items(), "miB", "B");
  TMenuItem* other = Item(*menu->Items(), "miOther", "Other");
  for (TMenuItem* i : {a, b}) i->SetRadioItem(true);
  other->SetRadioItem(true);
  other->SetGroupIndex(2);
  a->SetChecked(true);
  other->SetChecked(true);
  b->SetChecked(true);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(b->Checked());
  EXPECT_TRUE(other->Checked());
  EXPECT_EQ(b->GetParentMenu(), menu);
}

TEST_F(Menus, FreeingTheOpenMenuClosesIt) {
  auto* menu = New<TPopupMenu>(form);
  TMenuItem* sub = Item(*menu->Items(), "miSub", "&Sub");
  Item(*sub, "miInner", "&Inner");
  menu->Popup(1, 1);
  PressKey(*form, VK_DOWN);
  PressKey(*form, VK_RETURN);
  EXPECT_EQ(OpenMenu(), sub);
  sub->Free();
  EXPECT_EQ(OpenMenu(), nullptr);
  EXPECT_EQ(menu->Items()->Count(), 0);
}

TEST_F(Menus, ToolButtonShowsItsDropDownMenuFromTheArrow) {
  auto* menu = New<TPopupMenu>(form);
  Item(*menu->Items(), "miFirst", "&First");
  auto* bar = Add<TToolBar>("tbMain", 0, 0, 300, 29);
  auto* plain = New<TToolButton>(form);
  plain->SetName("tbPlain");
  plain->OnClick = Bind<&TEventLog::Clicked>(log);
  plain->SetParent(bar);
  auto* drop = New<TToolButton>(form);
  drop->SetName("tbDrop");
  drop->SetStyle(tbsDropDown);
  drop->SetDropdownMenu(menu);
  drop->OnClick = Bind<&TEventLog::Clicked>(log);
  drop->SetParent(bar);
  bar->ArrangeButtons();
  EXPECT_EQ(drop->Left(), plain->Width());
  form->Show();
  ClickAt(*drop, 5, 5);
  EXPECT_EQ(OpenMenu(), nullptr);
  ClickAt(*drop, drop->Width() - 3, 5);
  EXPECT_EQ(OpenMenu(), menu->Items());
  EXPECT_EQ(menu->PopupComponent(), drop);
  PressKey(*form, VK_ESCAPE);
  ClickOn(*plain);
  EXPECT_EQ(log->Lines, (std::vector<AnsiString>{"click tbDrop", "click tbPlain"}));
  menu->Free();
  EXPECT_EQ(drop->DropdownMenu(), nullptr);
}
