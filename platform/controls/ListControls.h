#pragma once
// The combo box and the list box: items, the selected item, the styles (also owner-drawn
// ones, which the language conversion switches to), and their keyboard and mouse use.

#include <vector>

#include "platform/classes/Strings.h"
#include "platform/controls/Controls.h"

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
const TTypeInfo& TypeInfoOf(TComboBoxStyle*);
enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
const TTypeInfo& TypeInfoOf(TListBoxStyle*);

class TComboBox : public TWinControl {
  PAVANE_CLASS(TComboBox, TWinControl)
public:
  explicit TComboBox(TComponent* owner);
  void Paint(TCanvas& canvas) override;

  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle style) { style_ = style; }
  TStrings* Items() const { return itemsList_.get(); }
  void SetItems(TStrings* items);
  // -1 when no item is selected; an index outside the items selects none.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  // The text of a drop-down list is always its item's.
  const AnsiString& Text() const { return TControl::Text(); }
  void SetText(const AnsiString& text);
  // Sorted items stay sorted (without letter case) as they change.
  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int count) { dropDownCount_ = count; }
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int height) { itemHeight_ = height; }
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int length) { maxLength_ = length; }
  bool DroppedDown() const { return droppedDown_; }
  void SetDroppedDown(bool dropped);
  // The style lets the user type a text of their own.
  bool Editable() const { return style_ == csDropDown || style_ == csSimple; }

  bool FocusOnClick() const override { return true; }
  bool WantsChars() const override { return true; }
  void Loaded() override;

  // The arrow button at the right of the styles with a list to drop down.
  static constexpr int ArrowWidth = 17;

  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;

protected:
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void WndProc(TMessage& message) override;

private:
  // The user selected an item: the text follows, OnChange runs.
  void Select(int index);
  void ItemsChanged();

  std::unique_ptr<TStrings> itemsList_;
  TComboBoxStyle style_ = csDropDown;
  int itemIndex_ = -1;
  int loadedItemIndex_ = -1;
  int dropDownCount_ = 8;
  int itemHeight_ = 13;
  int maxLength_ = 0;
  bool droppedDown_ = false;
  bool sorted_ = false;
};

class TListBox : public TWinControl {
  PAVANE_CLASS(TListBox, TWinControl)
public:
  explicit TListBox(TComponent* owner);
  void Paint(TCanvas& canvas) override;

  TListBoxStyle Style() const { return style_; }
  void SetStyle(TListBoxStyle style) { style_ = style; }
  TStrings* Items() const { return itemsList_.get(); }
  void SetItems(TStrings* items);
  // The focused item (the selected one without MultiSelect); -1 for none.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool multi);
  bool ExtendedSelect() const { return extendedSelect_; }
  void SetExtendedSelect(bool extended) { extendedSelect_ = extended; }
  bool Selected(int index) const;
  void SetSelected(int index, bool selected);
  int SelCount() const;
  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int height) { itemHeight_ = height > 0 ? height : 13; }
  int TopIndex() const { return topIndex_; }
  void SetTopIndex(int index);
  // The item at a point of the control, -1 for none.
  int ItemAtPos(int x, int y) const;

  bool FocusOnClick() const override { return true; }
  void Loaded() override;

protected:
  void KeyDown(WORD& key, TShiftState shift) override;
  void WndProc(TMessage& message) override;

private:
  // The user moved to an item: selection as the shift state says, OnClick.
  void UserSelect(int index, TShiftState shift);
  void ItemsChanged();
  void ScrollIntoView();

  std::unique_ptr<TStrings> itemsList_;
  std::vector<bool> selected_;
  TListBoxStyle style_ = lbStandard;
  int itemIndex_ = -1;
  int loadedItemIndex_ = -1;
  int anchor_ = -1;
  bool multiSelect_ = false;
  bool extendedSelect_ = true;
  int itemHeight_ = 13;
  int topIndex_ = 0;
  bool sorted_ = false;
};

void RegisterListControlClasses();
