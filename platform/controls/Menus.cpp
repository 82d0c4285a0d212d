#include "platform/controls/Menus.h"

#include <algorithm>

#include "platform/classes/ClassDecl.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"

namespace {

TMenuItem* openMenu = nullptr;
int highlight = -1;

bool Selectable(const TMenuItem& item) { return item.Visible() && item.Enabled() && !item.IsLine(); }

void MoveHighlight(TMenuItem& open, int step) {
  int count = open.Count();
  if (count == 0) return;
  int i = highlight;
  for (int tries = 0; tries < count; ++tries) {
    i = i < 0 ? (step > 0 ? 0 : count - 1) : (i + step + count) % count;
    if (Selectable(*open.Items(i))) {
      highlight = i;
      return;
    }
  }
}

AnsiString KeyName(int key) {
  static const std::pair<int, const char*> names[] = {
      {VK_BACK, "BkSp"}, {VK_TAB, "Tab"},     {VK_ESCAPE, "Esc"}, {VK_RETURN, "Enter"}, {VK_SPACE, "Space"},
      {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"},  {VK_END, "End"},    {VK_HOME, "Home"},    {VK_LEFT, "Left"},
      {VK_UP, "Up"},      {VK_RIGHT, "Right"}, {VK_DOWN, "Down"}, {VK_INSERT, "Ins"},   {VK_DELETE, "Del"}};
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return AnsiString(1, static_cast<char>(key));
  if (key >= VK_F1 && key < VK_F1 + 12) return "F" + IntToStr(key - VK_F1 + 1);
  for (const auto& [code, name] : names)
    if (code == key) return name;
  return {};
}

}  // namespace

AnsiString ShortCutToText(int shortCut) {
  AnsiString key = KeyName(shortCut & 0xFF);
  if (key.empty()) return {};
  AnsiString text;
  if (shortCut & scShift) text += "Shift+";
  if (shortCut & scCtrl) text += "Ctrl+";
  if (shortCut & scAlt) text += "Alt+";
  return text + key;
}

void ChooseMenuItem(TMenuItem& item) {
  if (!Selectable(item)) return;
  if (item.Count() > 0) {
    OpenMenuOf(item);
    return;
  }
  CloseMenus();
  item.Click();
}

const TClassInfo& TMenuItem::StaticClass() {
  static const TClassInfo info = DescribeClass<TMenuItem>(
      "TMenuItem", {Prop("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption),
                    Prop("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked),
                    Prop("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem),
                    Prop("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex),
                    Prop("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled),
                    Prop("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible),
                    Prop("Default", &TMenuItem::Default, &TMenuItem::SetDefault),
                    Prop("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex),
                    Prop("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut),
                    Prop("Hint", &TMenuItem::Hint, &TMenuItem::SetHint), Prop("OnClick", &TMenuItem::OnClick)});
  return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
  for (const TMenuItem* p = openMenu; p; p = p->parent_)
    if (p == this) {
      CloseMenus();
      break;
    }
  if (parent_) parent_->Remove(this);
  for (TMenuItem* item : items_) item->parent_ = nullptr;
}

void TMenuItem::SetChecked(bool checked) {
  checked_ = checked;
  if (!checked || !radioItem_ || !parent_) return;
  for (TMenuItem* sibling : parent_->items_)
    if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_) sibling->checked_ = false;
}

void TMenuItem::SetRadioItem(bool radioItem) {
  radioItem_ = radioItem;
  if (checked_) SetChecked(true);
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item || item == this) return;
  if (item->parent_) item->parent_->Remove(item);
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* item) {
  if (std::erase(items_, item) > 0) item->parent_ = nullptr;
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* top = this;
  while (top->parent_) top = top->parent_;
  return top->menu_;
}

void TMenuItem::Click() { OnClick(this); }

TComponent* TMenuItem::GetParentComponent() const {
  if (parent_ && parent_->menu_) return parent_->menu_;
  return parent_;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (auto* menu = dynamic_cast<TMenu*>(parent)) menu->Items()->Add(this);
  else if (auto* item = dynamic_cast<TMenuItem*>(parent)) item->Add(this);
}

const TClassInfo& TMenu::StaticClass() {
  static const TClassInfo info =
      DescribeClass<TMenu>("TMenu", {Prop("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw)});
  return info;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(New<TMenuItem>(this)) { items_->menu_ = this; }

const TClassInfo& TMainMenu::StaticClass() {
  static const TClassInfo info = DescribeClass<TMainMenu>("TMainMenu");
  return info;
}

const TClassInfo& TPopupMenu::StaticClass() {
  static const TClassInfo info = DescribeClass<TPopupMenu>(
      "TPopupMenu", {Prop("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup),
                     Prop("OnPopup", &TPopupMenu::OnPopup)});
  return info;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

void TPopupMenu::Popup(int x, int y) {
  popupX_ = x;
  popupY_ = y;
  OnPopup(this);
  OpenMenuOf(*Items());
}

TMenuItem* OpenMenu() { return openMenu; }
int OpenMenuHighlight() { return highlight; }

void OpenMenuOf(TMenuItem& item) {
  openMenu = &item;
  highlight = -1;
}

void CloseMenus() {
  openMenu = nullptr;
  highlight = -1;
}

void MenuKey(TMenuItem& open, WORD key, TShiftState) {
  switch (key) {
    case VK_DOWN:
      MoveHighlight(open, 1);
      return;
    case VK_UP:
      MoveHighlight(open, -1);
      return;
    case VK_RETURN:
    case VK_RIGHT:
      if (highlight >= 0 && highlight < open.Count() && (key == VK_RETURN || open.Items(highlight)->Count() > 0))
        ChooseMenuItem(*open.Items(highlight));
      return;
    case VK_LEFT:
    case VK_ESCAPE:
      // Back to the item's own menu; the root item (or a main menu's top item) closes the menus.
      if (open.Parent() && open.Parent()->Parent()) {
        TMenuItem* back = open.Parent();
        int at = back->IndexOf(&open);
        OpenMenuOf(*back);
        highlight = at;
      } else {
        CloseMenus();
      }
      return;
    default:
      if (key >= 'A' && key <= 'Z') MenuChar(open, static_cast<char>(key));
  }
}

void MenuChar(TMenuItem& open, char key) {
  for (int i = 0; i < open.Count(); ++i)
    if (IsAccel(key, open.Items(i)->Caption()) && Selectable(*open.Items(i))) {
      highlight = i;
      ChooseMenuItem(*open.Items(i));
      return;
    }
}

bool AltMenuKey(TCustomForm& form, char key) {
  // The form's menu, else any main menu the form owns.
  std::vector<TMainMenu*> menus;
  if (form.Menu()) menus.push_back(form.Menu());
  for (int i = 0; i < form.ComponentCount(); ++i)
    if (auto* menu = dynamic_cast<TMainMenu*>(form.Components(i)); menu && menu != form.Menu()) menus.push_back(menu);
  for (TMainMenu* menu : menus) {
    TMenuItem& top = *menu->Items();
    for (int j = 0; j < top.Count(); ++j)
      if (IsAccel(key, top.Items(j)->Caption()) && Selectable(*top.Items(j))) {
        ChooseMenuItem(*top.Items(j));
        return true;
      }
  }
  return false;
}

void RegisterMenuClasses() {
  for (const TClassInfo* c : {&TMenuItem::StaticClass(), &TMenu::StaticClass(), &TMainMenu::StaticClass(),
                              &TPopupMenu::StaticClass()})
    RegisterClass(*c);
}
