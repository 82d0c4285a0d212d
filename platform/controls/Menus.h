#pragma once
// Menus: items in a tree (caption, checked, radio items in groups, enabled, visible, default,
// image index, short cut), the main menu of a form and pop-up menus shown at a point. A menu
// that is open takes the keys (arrows, Enter, Escape, accelerator letters) until an item is
// chosen or it is closed.

#include <vector>

#include "platform/classes/Component.h"
#include "platform/classes/Events.h"
#include "platform/controls/Messages.h"

class TMenu;
class TCustomForm;

class TMenuItem : public TComponent {
  PAVANE_CLASS(TMenuItem, TComponent)
public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  const AnsiString& Caption() const { return caption_; }
  void SetCaption(const AnsiString& caption) { caption_ = caption; }
  bool Checked() const { return checked_; }
  // Checking a radio item unchecks the other radio items of its group among its siblings.
  void SetChecked(bool checked);
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool radioItem);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int groupIndex) { groupIndex_ = groupIndex; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  bool Default() const { return default_; }
  void SetDefault(bool value) { default_ = value; }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index) { imageIndex_ = index; }
  int ShortCut() const { return shortCut_; }
  void SetShortCut(int shortCut) { shortCut_ = shortCut; }
  const AnsiString& Hint() const { return hint_; }
  void SetHint(const AnsiString& hint) { hint_ = hint; }
  // A caption of "-" makes a separator line.
  bool IsLine() const { return caption_ == "-"; }

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
  int IndexOf(const TMenuItem* item) const;
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  // Takes the item out of this one (it stays with its owner).
  void Remove(TMenuItem* item);
  TMenuItem* Parent() const { return parent_; }
  // The menu this item belongs to, through its parents.
  TMenu* GetParentMenu() const;

  virtual void Click();

  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;

  TNotifyEvent OnClick;

private:
  friend class TMenu;
  AnsiString caption_;
  bool checked_ = false;
  bool radioItem_ = false;
  int groupIndex_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  bool default_ = false;
  int imageIndex_ = -1;
  int shortCut_ = 0;
  AnsiString hint_;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;
};

class TMenu : public TComponent {
  PAVANE_CLASS(TMenu, TComponent)
public:
  explicit TMenu(TComponent* owner);
  // The root item; the menu's items are its children.
  TMenuItem* Items() const { return items_; }
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool ownerDraw) { ownerDraw_ = ownerDraw; }

private:
  TMenuItem* items_;
  bool ownerDraw_ = false;
};

class TMainMenu : public TMenu {
  PAVANE_CLASS(TMainMenu, TMenu)
public:
  using TMenu::TMenu;
};

class TPopupMenu : public TMenu {
  PAVANE_CLASS(TPopupMenu, TMenu)
public:
  explicit TPopupMenu(TComponent* owner);
  // Shows the menu at a point of the screen: OnPopup, then the menu is open for the keys.
  virtual void Popup(int x, int y);
  int PopupX() const { return popupX_; }
  int PopupY() const { return popupY_; }
  // The control that was right-clicked to show the menu.
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* component) { popupComponent_ = component; }
  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool autoPopup) { autoPopup_ = autoPopup; }

  TNotifyEvent OnPopup;

private:
  int popupX_ = 0, popupY_ = 0;
  TComponent* popupComponent_ = nullptr;
  bool autoPopup_ = true;
};

// Short cuts are a virtual key in the low byte with these shift bits.
inline constexpr int scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;
// "Ctrl+S", "Shift+Ctrl+F2", "Del"; empty for no short cut or a key without a name.
AnsiString ShortCutToText(int shortCut);

// The item whose children are shown as the open menu, nullptr when no menu is open.
TMenuItem* OpenMenu();
// The highlighted child of the open menu, -1 when none.
int OpenMenuHighlight();
void OpenMenuOf(TMenuItem& item);
void CloseMenus();
// What choosing an item does: one with sub-items opens them, any other closes the menus and
// clicks; a disabled, invisible or separator item does nothing.
void ChooseMenuItem(TMenuItem& item);
// The keys and characters of the open menu.
void MenuKey(TMenuItem& open, WORD key, TShiftState shift);
void MenuChar(TMenuItem& open, char key);
// Alt+letter on a form: opens (or chooses) the main menu's top item with that accelerator.
bool AltMenuKey(TCustomForm& form, char key);

void RegisterMenuClasses();
