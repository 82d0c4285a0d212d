#pragma once
// The radio group of the forms: one TKvGroupButton per item, arranged in columns.

#include <memory>
#include <vector>

#include "controls/KvRadioButton.h"
#include "platform/classes/Strings.h"

class TKvRadioGroup;

// A button of a radio group; the group makes and frees it with its items.
class TKvGroupButton : public TKvRadioButton {
  PAVANE_CLASS(TKvGroupButton, TKvRadioButton)
public:
  TKvGroupButton(TComponent* owner, TKvRadioGroup& group);
  // The window's notifications, one at a time and only while the group allows a change;
  // a failure goes to the application's error handler.
  void WndProc(TMessage& message) override;

protected:
  // Keys go to the button, then to the group; Space and Backspace are swallowed while the group
  // allows no change.
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char& key) override;

private:
  TKvRadioGroup& group_;
  bool inClick_ = false;
};

class TKvRadioGroup : public TCustomGroupBox {
  PAVANE_CLASS(TKvRadioGroup, TCustomGroupBox)
public:
  explicit TKvRadioGroup(TComponent* owner);

  // One button each; changing them keeps ItemIndex below the count.
  TStrings* Items() const { return items_.get(); }
  void SetItems(TStrings* items);
  // The checked button, -1 for none; clamped to -1 .. count - 1.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  // 1 to 16.
  int Columns() const { return columns_; }
  void SetColumns(int columns);
  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TKvGroupButton* Buttons(int index) const { return buttons_.at(static_cast<size_t>(index)); }

  // Whether the user may change the selection.
  virtual bool AllowsChange() { return true; }

  void Loaded() override;

protected:
  void Resized() override { ArrangeButtons(); }
  void FontChanged() override;
  void EnabledChanged() override;

private:
  friend class TKvGroupButton;
  void ItemsChanged();
  void ButtonClick(TObject* sender);
  void UpdateButtons();
  void ArrangeButtons();

  std::unique_ptr<TStrings> items_;
  std::vector<TKvGroupButton*> buttons_;
  int itemIndex_ = -1;
  int columns_ = 1;
  bool updating_ = false;
};

// Registers TKvRadioGroup for creation by name.
void RegisterKvRadioGroupClass();
