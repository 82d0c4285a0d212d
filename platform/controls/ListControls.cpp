#include "platform/controls/ListControls.h"

#include <algorithm>

#include "platform/classes/ClassDecl.h"

const TTypeInfo& TypeInfoOf(TComboBoxStyle*) {
  static const TTypeInfo t = EnumTypeInfo(
      "TComboBoxStyle", {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"});
  return t;
}
const TTypeInfo& TypeInfoOf(TListBoxStyle*) {
  static const TTypeInfo t = EnumTypeInfo("TListBoxStyle", {"lbStandard", "lbOwnerDrawFixed", "lbOwnerDrawVariable"});
  return t;
}

namespace {

// Sorts without letter case; a list already in order is left alone, so no change is reported.
void SortStrings(TStrings& items) {
  std::vector<AnsiString> lines;
  for (int i = 0; i < items.Count(); ++i) lines.push_back(items[i]);
  auto less = [](const AnsiString& a, const AnsiString& b) { return CompareText(a, b) < 0; };
  if (std::is_sorted(lines.begin(), lines.end(), less)) return;
  std::stable_sort(lines.begin(), lines.end(), less);
  TStringList sorted;
  for (const AnsiString& line : lines) sorted.Add(line);
  items.TStringList::Assign(sorted);
}

// The item after index that starts with the character (without letter case), -1 for none.
int NextStartingWith(const TStrings& items, int index, char c) {
  int count = items.Count();
  for (int step = 1; step <= count; ++step) {
    int i = (index + step + count) % count;
    if (!items[i].empty() && CompareText(items[i].substr(0, 1), AnsiString(1, c)) == 0) return i;
  }
  return -1;
}

// The item an arrow or paging key moves to from index.
int MoveIndex(WORD key, int index, int count, int page) {
  if (count == 0) return -1;
  switch (key) {
    case VK_DOWN:
    case VK_RIGHT: return std::min(index + 1, count - 1);
    case VK_UP:
    case VK_LEFT: return std::max(index - 1, 0);
    case VK_HOME: return 0;
    case VK_END: return count - 1;
    case VK_NEXT: return std::min(std::max(index, 0) + page, count - 1);
    case VK_PRIOR: return std::max(index - page, 0);
    default: return -2;
  }
}

}  // namespace

const TClassInfo& TComboBox::StaticClass() {
  static const TClassInfo info = DescribeClass<TComboBox>(
      "TComboBox", {Prop("Style", &TComboBox::Style, &TComboBox::SetStyle),
                    Prop("Items", &TComboBox::Items, &TComboBox::SetItems),
                    Prop("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex),
                    Prop("Text", &TComboBox::Text, &TComboBox::SetText),
                    Prop("Sorted", &TComboBox::Sorted, &TComboBox::SetSorted),
                    Prop("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount),
                    Prop("ItemHeight", &TComboBox::ItemHeight, &TComboBox::SetItemHeight),
                    Prop("MaxLength", &TComboBox::MaxLength, &TComboBox::SetMaxLength),
                    Prop("OnChange", &TComboBox::OnChange), Prop("OnDropDown", &TComboBox::OnDropDown)});
  return info;
}

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner), itemsList_(std::make_unique<TStrings>()) {
  SetBounds(0, 0, 145, 21);
  SetTabStop(true);
  setCaptionFromName_ = false;
  itemsList_->OnChange = [this] { ItemsChanged(); };
}

void TComboBox::SetItems(TStrings* items) {
  if (items) itemsList_->Assign(*items);
}

void TComboBox::ItemsChanged() {
  if (sorted_) SortStrings(*itemsList_);
  if (itemIndex_ >= itemsList_->Count()) itemIndex_ = -1;
  else if (itemIndex_ >= 0 && !Editable()) TControl::SetText(itemsList_->Strings(itemIndex_));
}

void TComboBox::SetSorted(bool sorted) {
  sorted_ = sorted;
  if (sorted) SortStrings(*itemsList_);
}

void TComboBox::SetItemIndex(int index) {
  if (IsLoading()) {
    loadedItemIndex_ = index;
    return;
  }
  if (index < -1 || index >= itemsList_->Count()) index = -1;
  itemIndex_ = index;
  TControl::SetText(index >= 0 ? itemsList_->Strings(index) : AnsiString());
}

void TComboBox::Loaded() {
  TWinControl::Loaded();
  if (loadedItemIndex_ >= 0) SetItemIndex(loadedItemIndex_);
}

void TComboBox::SetText(const AnsiString& text) {
  int found = itemsList_->IndexOf(text);
  if (!Editable()) {
    // A drop-down list shows only its items' texts.
    if (found >= 0 || text.empty()) SetItemIndex(found);
    return;
  }
  itemIndex_ = found;
  TControl::SetText(text);
}

void TComboBox::SetDroppedDown(bool dropped) {
  if (dropped == droppedDown_ || style_ == csSimple) return;
  droppedDown_ = dropped;
  if (dropped) OnDropDown(this);
}

void TComboBox::Select(int index) {
  if (index < 0 || index == itemIndex_) return;
  SetItemIndex(index);
  OnChange(this);
}

void TComboBox::KeyDown(WORD& key, TShiftState shift) {
  TWinControl::KeyDown(key, shift);
  if (key == 0) return;
  if ((key == VK_DOWN && shift.Contains(ssAlt)) || key == VK_F4) {
    SetDroppedDown(!droppedDown_);
  } else if (droppedDown_ && (key == VK_RETURN || key == VK_ESCAPE)) {
    SetDroppedDown(false);
  } else if (key == VK_UP || key == VK_DOWN || ((key == VK_HOME || key == VK_END) && !Editable())) {
    Select(MoveIndex(key, itemIndex_, itemsList_->Count(), dropDownCount_));
  } else {
    return;
  }
  key = 0;
}

void TComboBox::KeyPress(char& key) {
  TWinControl::KeyPress(key);
  if (key == 0 || (static_cast<unsigned char>(key) < ' ' && key != '\b')) return;
  if (!Editable()) {
    Select(NextStartingWith(*itemsList_, itemIndex_, key));
    return;
  }
  AnsiString text = Text();
  if (key == '\b') {
    if (!text.empty()) text.pop_back();
  } else if (maxLength_ == 0 || static_cast<int>(text.size()) < maxLength_) {
    text += key;
  }
  if (text == Text()) return;
  itemIndex_ = -1;
  TControl::SetText(text);
  OnChange(this);
}

void TComboBox::WndProc(TMessage& message) {
  // A click on a drop-down list, or on the arrow of a drop-down combo, opens or closes the list.
  if (message.Msg == WM_LBUTTONDOWN && Enabled() && style_ != csSimple &&
      (!Editable() || static_cast<std::int16_t>(message.LParam & 0xFFFF) >= Width() - ArrowWidth))
    SetDroppedDown(!droppedDown_);
  TWinControl::WndProc(message);
}

const TClassInfo& TListBox::StaticClass() {
  static const TClassInfo info = DescribeClass<TListBox>(
      "TListBox", {Prop("Style", &TListBox::Style, &TListBox::SetStyle), Prop("Items", &TListBox::Items, &TListBox::SetItems),
                   Prop("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex),
                   Prop("MultiSelect", &TListBox::MultiSelect, &TListBox::SetMultiSelect),
                   Prop("ExtendedSelect", &TListBox::ExtendedSelect, &TListBox::SetExtendedSelect),
                   Prop("Sorted", &TListBox::Sorted, &TListBox::SetSorted),
                   Prop("ItemHeight", &TListBox::ItemHeight, &TListBox::SetItemHeight)});
  return info;
}

TListBox::TListBox(TComponent* owner) : TWinControl(owner), itemsList_(std::make_unique<TStrings>()) {
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  setCaptionFromName_ = false;
  itemsList_->OnChange = [this] { ItemsChanged(); };
}

void TListBox::SetItems(TStrings* items) {
  if (items) itemsList_->Assign(*items);
}

void TListBox::ItemsChanged() {
  if (sorted_) SortStrings(*itemsList_);
  selected_.assign(static_cast<size_t>(itemsList_->Count()), false);
  if (itemIndex_ >= itemsList_->Count()) itemIndex_ = -1;
  if (itemIndex_ >= 0) selected_[static_cast<size_t>(itemIndex_)] = true;
  topIndex_ = std::clamp(topIndex_, 0, std::max(itemsList_->Count() - 1, 0));
}

void TListBox::SetSorted(bool sorted) {
  sorted_ = sorted;
  if (sorted) SortStrings(*itemsList_);
}

void TListBox::SetMultiSelect(bool multi) {
  multiSelect_ = multi;
  if (!multi) SetItemIndex(itemIndex_);
}

void TListBox::SetItemIndex(int index) {
  if (IsLoading()) {
    loadedItemIndex_ = index;
    return;
  }
  if (index < -1 || index >= itemsList_->Count()) index = -1;
  itemIndex_ = index;
  anchor_ = index;
  if (!multiSelect_) std::fill(selected_.begin(), selected_.end(), false);
  if (index >= 0) selected_[static_cast<size_t>(index)] = true;
  ScrollIntoView();
}

void TListBox::Loaded() {
  TWinControl::Loaded();
  if (loadedItemIndex_ >= 0) SetItemIndex(loadedItemIndex_);
}

bool TListBox::Selected(int index) const {
  return index >= 0 && index < static_cast<int>(selected_.size()) && selected_[static_cast<size_t>(index)];
}

void TListBox::SetSelected(int index, bool selected) {
  if (index < 0 || index >= static_cast<int>(selected_.size())) return;
  if (!multiSelect_) return SetItemIndex(selected ? index : (index == itemIndex_ ? -1 : itemIndex_));
  selected_[static_cast<size_t>(index)] = selected;
}

int TListBox::SelCount() const {
  return multiSelect_ ? static_cast<int>(std::count(selected_.begin(), selected_.end(), true)) : -1;
}

void TListBox::SetTopIndex(int index) { topIndex_ = std::clamp(index, 0, std::max(itemsList_->Count() - 1, 0)); }

void TListBox::ScrollIntoView() {
  int visible = std::max(Height() / itemHeight_, 1);
  if (itemIndex_ < 0) return;
  if (itemIndex_ < topIndex_) topIndex_ = itemIndex_;
  else if (itemIndex_ >= topIndex_ + visible) topIndex_ = itemIndex_ - visible + 1;
}

int TListBox::ItemAtPos(int x, int y) const {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return -1;
  int index = topIndex_ + y / itemHeight_;
  return index < itemsList_->Count() ? index : -1;
}

void TListBox::UserSelect(int index, TShiftState shift) {
  if (index < 0) return;
  if (multiSelect_ && extendedSelect_ && shift.Contains(ssShift) && anchor_ >= 0) {
    std::fill(selected_.begin(), selected_.end(), false);
    for (int i = std::min(anchor_, index); i <= std::max(anchor_, index); ++i) selected_[static_cast<size_t>(i)] = true;
    itemIndex_ = index;
  } else if (multiSelect_ && (shift.Contains(ssCtrl) || !extendedSelect_)) {
    selected_[static_cast<size_t>(index)] = !selected_[static_cast<size_t>(index)];
    itemIndex_ = anchor_ = index;
  } else {
    std::fill(selected_.begin(), selected_.end(), false);
    SetItemIndex(index);
  }
  ScrollIntoView();
  OnClick(this);
}

void TListBox::KeyDown(WORD& key, TShiftState shift) {
  TWinControl::KeyDown(key, shift);
  int page = std::max(Height() / itemHeight_ - 1, 1);
  int next = MoveIndex(key, itemIndex_, itemsList_->Count(), page);
  if (next == -2) return;
  key = 0;
  if (next != itemIndex_) UserSelect(next, shift);
}

void TListBox::WndProc(TMessage& message) {
  if (message.Msg == WM_LBUTTONDOWN && Enabled()) {
    TWinControl::WndProc(message);
    auto x = static_cast<std::int16_t>(message.LParam & 0xFFFF);
    auto y = static_cast<std::int16_t>((message.LParam >> 16) & 0xFFFF);
    UserSelect(ItemAtPos(x, y), TShiftState::FromBits(static_cast<std::uint32_t>(message.WParam)));
    return;
  }
  // The list's click is the selection's, not the mouse button's.
  if (message.Msg == WM_LBUTTONUP) return;
  TWinControl::WndProc(message);
}

void RegisterListControlClasses() {
  for (const TClassInfo* c : {&TComboBox::StaticClass(), &TListBox::StaticClass()}) RegisterClass(*c);
}
