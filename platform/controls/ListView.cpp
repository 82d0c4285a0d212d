#include "platform/controls/ListView.h"

#include <algorithm>

#include "platform/classes/ClassDecl.h"

const TTypeInfo& TypeInfoOf(TViewStyle*) {
  static const TTypeInfo t = EnumTypeInfo("TViewStyle", {"vsIcon", "vsSmallIcon", "vsList", "vsReport"});
  return t;
}
const TTypeInfo& TypeInfoOf(TSortType*) {
  static const TTypeInfo t = EnumTypeInfo("TSortType", {"stNone", "stData", "stText", "stBoth"});
  return t;
}
const TTypeInfo& TypeInfoOf(TItemChange*) {
  static const TTypeInfo t = EnumTypeInfo("TItemChange", {"ctText", "ctImage", "ctState"});
  return t;
}
const TTypeInfo& TypeInfoOf(TIconArrangement*) {
  static const TTypeInfo t = EnumTypeInfo("TIconArrangement", {"iaTop", "iaLeft"});
  return t;
}

#define PAVANE_EVENT_TYPE(T)                            \
  const TTypeInfo& TypeInfoOf(T*) {                     \
    static const TTypeInfo t = EventTypeInfo(#T);       \
    return t;                                           \
  }
PAVANE_EVENT_TYPE(TLVCompareEvent)
PAVANE_EVENT_TYPE(TLVColumnClickEvent)
PAVANE_EVENT_TYPE(TLVEditingEvent)
PAVANE_EVENT_TYPE(TLVEditedEvent)
PAVANE_EVENT_TYPE(TLVChangeEvent)
PAVANE_EVENT_TYPE(TLVChangingEvent)
PAVANE_EVENT_TYPE(TLVSelectItemEvent)
#undef PAVANE_EVENT_TYPE

TListItem::TListItem(TListItems& owner) : owner_(owner), subItems_(std::make_unique<TStrings>()) {}

void TListItem::SetCaption(const AnsiString& caption) {
  if (caption == caption_) return;
  TListView& view = ListView();
  if (!view.Changing(this, ctText)) return;
  caption_ = caption;
  view.Change(this, ctText);
  view.CaptionChanged(this);
}

void TListItem::SetImageIndex(int index) {
  if (index == imageIndex_ || !ListView().Changing(this, ctImage)) return;
  imageIndex_ = index;
  ListView().Change(this, ctImage);
}

void TListItem::SetSelected(bool selected) {
  if (selected == selected_) return;
  TListView& view = ListView();
  if (selected && !view.multiSelect_)
    for (auto& other : owner_.items_)
      if (other.get() != this && other->selected_) other->SetSelected(false);
  if (!view.Changing(this, ctState)) return;
  selected_ = selected;
  view.Change(this, ctState);
  view.OnSelectItem(&view, this, selected);
}

bool TListItem::Focused() const { return ListView().focused_ == this; }

void TListItem::SetFocused(bool focused) {
  if (focused) ListView().focused_ = this;
  else if (Focused()) ListView().focused_ = nullptr;
}

int TListItem::Index() const { return owner_.IndexOf(this); }

TListView& TListItem::ListView() const { return owner_.view_; }

bool TListItem::EditCaption() { return ListView().BeginEditing(this); }

TListItem* TListItems::Add() { return Insert(Count()); }

TListItem* TListItems::Insert(int index) {
  index = std::clamp(index, 0, Count());
  auto at = items_.insert(items_.begin() + index, std::make_unique<TListItem>(*this));
  return at->get();
}

void TListItems::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  view_.ItemRemoving(Item(index));
  items_.erase(items_.begin() + index);
}

void TListItems::Clear() {
  while (Count() > 0) Delete(Count() - 1);
}

void TListItems::Move(int from, int to) {
  if (from < 0 || from >= Count() || to < 0 || to >= Count() || from == to) return;
  auto at = items_.begin();
  std::unique_ptr<TListItem> moving = std::move(at[from]);
  if (from < to) std::move(at + from + 1, at + to + 1, at + from);
  else std::move_backward(at + to, at + from, at + from + 1);
  at[to] = std::move(moving);
}

int TListItems::IndexOf(const TListItem* item) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i].get() == item) return static_cast<int>(i);
  return -1;
}

const TClassInfo& TListColumn::StaticClass() {
  static const TClassInfo info = DescribeClass<TListColumn>(
      "TListColumn", {Prop("Caption", &TListColumn::Caption, &TListColumn::SetCaption),
                      Prop("Width", &TListColumn::Width, &TListColumn::SetWidth),
                      Prop("Alignment", &TListColumn::Alignment, &TListColumn::SetAlignment)});
  return info;
}

void TListColumn::Assign(const TPersistent& source) {
  if (auto* c = dynamic_cast<const TListColumn*>(&source)) {
    caption_ = c->caption_;
    width_ = c->width_;
    alignment_ = c->alignment_;
    return;
  }
  TCollectionItem::Assign(source);
}

const TClassInfo& TListColumns::StaticClass() {
  static const TClassInfo info = DescribeClass<TListColumns>("TListColumns");
  return info;
}

const TClassInfo& TIconOptions::StaticClass() {
  static const TClassInfo info = DescribeClass<TIconOptions>(
      "TIconOptions", {Prop("Arrangement", &TIconOptions::Arrangement, &TIconOptions::SetArrangement),
                       Prop("AutoArrange", &TIconOptions::AutoArrange, &TIconOptions::SetAutoArrange),
                       Prop("WrapText", &TIconOptions::WrapText, &TIconOptions::SetWrapText)});
  return info;
}

void TIconOptions::Assign(const TPersistent& source) {
  if (auto* o = dynamic_cast<const TIconOptions*>(&source)) {
    arrangement_ = o->arrangement_;
    autoArrange_ = o->autoArrange_;
    wrapText_ = o->wrapText_;
    return;
  }
  TPersistent::Assign(source);
}

const TClassInfo& TListView::StaticClass() {
  static const TClassInfo info = DescribeClass<TListView>(
      "TListView", {Prop("Columns", &TListView::Columns, &TListView::SetColumns),
                    Prop("IconOptions", &TListView::IconOptions, &TListView::SetIconOptions),
                    Prop("LargeImages", &TListView::LargeImages, &TListView::SetLargeImages),
                    Prop("SmallImages", &TListView::SmallImages, &TListView::SetSmallImages),
                    Prop("ViewStyle", &TListView::ViewStyle, &TListView::SetViewStyle),
                    Prop("MultiSelect", &TListView::MultiSelect, &TListView::SetMultiSelect),
                    Prop("RowSelect", &TListView::RowSelect, &TListView::SetRowSelect),
                    Prop("ReadOnly", &TListView::ReadOnly, &TListView::SetReadOnly),
                    Prop("ColumnClick", &TListView::ColumnClick, &TListView::SetColumnClick),
                    Prop("HideSelection", &TListView::HideSelection, &TListView::SetHideSelection),
                    Prop("GridLines", &TListView::GridLines, &TListView::SetGridLines),
                    Prop("ShowColumnHeaders", &TListView::ShowColumnHeaders, &TListView::SetShowColumnHeaders),
                    Prop("SortType", &TListView::SortType, &TListView::SetSortType),
                    Prop("OnCompare", &TListView::OnCompare), Prop("OnColumnClick", &TListView::OnColumnClick),
                    Prop("OnEditing", &TListView::OnEditing), Prop("OnEdited", &TListView::OnEdited),
                    Prop("OnChange", &TListView::OnChange), Prop("OnChanging", &TListView::OnChanging),
                    Prop("OnSelectItem", &TListView::OnSelectItem)});
  return info;
}

TListView::TListView(TComponent* owner)
    : TWinControl(owner),
      items_(std::make_unique<TListItems>(*this)),
      columns_(std::make_unique<TListColumns>()),
      iconOptions_(std::make_unique<TIconOptions>()) {
  SetBounds(0, 0, 250, 150);
  SetTabStop(true);
  setCaptionFromName_ = false;
}

TListView::~TListView() {
  // Items go without change events.
  editing_ = focused_ = anchor_ = nullptr;
  items_->items_.clear();
}

void TListView::SetLargeImages(TImageList* images) {
  largeImages_ = images;
  if (images) images->FreeNotification(this);
}

void TListView::SetSmallImages(TImageList* images) {
  smallImages_ = images;
  if (images) images->FreeNotification(this);
}

void TListView::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == largeImages_) largeImages_ = nullptr;
  if (component == smallImages_) smallImages_ = nullptr;
}

void TListView::SetColumns(TListColumns* columns) {
  if (columns) columns_->Assign(*columns);
}

void TListView::SetIconOptions(TIconOptions* options) {
  if (options) iconOptions_->Assign(*options);
}

void TListView::SetMultiSelect(bool multi) {
  multiSelect_ = multi;
  if (multi) return;
  bool first = true;
  for (auto& item : items_->items_)
    if (item->selected_) {
      if (!first) item->SetSelected(false);
      first = false;
    }
}

void TListView::SetSortType(TSortType sortType) {
  sortType_ = sortType;
  if ((sortType == stText || sortType == stBoth) && !IsLoading()) AlphaSort();
}

bool TListView::Changing(TListItem* item, TItemChange change) {
  bool allow = true;
  if (!sorting_) OnChanging(this, item, change, allow);
  return allow;
}

void TListView::Change(TListItem* item, TItemChange change) {
  if (!sorting_) OnChange(this, item, change);
}

void TListView::ItemRemoving(TListItem* item) {
  if (editing_ == item) editing_ = nullptr;
  if (focused_ == item) focused_ = nullptr;
  if (anchor_ == item) anchor_ = nullptr;
}

void TListView::SortBy(const std::function<int(TListItem*, TListItem*)>& compare) {
  if (sorting_) return;
  sorting_ = true;
  std::stable_sort(items_->items_.begin(), items_->items_.end(),
                   [&](const auto& a, const auto& b) { return compare(a.get(), b.get()) < 0; });
  sorting_ = false;
  ItemsSorted();
}

int TListView::CompareItems(TListItem* a, TListItem* b) {
  if (!OnCompare) return CompareText(a->Caption(), b->Caption());
  int result = 0;
  OnCompare(this, a, b, 0, result);
  return result;
}

void TListView::CaptionChanged(TListItem*) {
  if (sortType_ == stText || sortType_ == stBoth) AlphaSort();
}

bool TListView::AlphaSort() {
  SortBy([this](TListItem* a, TListItem* b) { return CompareItems(a, b); });
  return true;
}

bool TListView::CustomSort(TCompareFunction compare, int data) {
  if (!compare) return AlphaSort();
  SortBy([compare, data](TListItem* a, TListItem* b) { return compare(a, b, data); });
  return true;
}

TListItem* TListView::Selected() const {
  for (const auto& item : items_->items_)
    if (item->selected_) return item.get();
  return nullptr;
}

void TListView::SetSelected(TListItem* item) {
  ClearSelection();
  if (item) {
    item->SetSelected(true);
    focused_ = item;
  }
}

int TListView::SelCount() const {
  return static_cast<int>(std::count_if(items_->items_.begin(), items_->items_.end(),
                                        [](const auto& item) { return item->selected_; }));
}

void TListView::ClearSelection() {
  for (auto& item : items_->items_)
    if (item->selected_) item->SetSelected(false);
}

int TListView::ItemsPerLine() const {
  switch (viewStyle_) {
    case vsIcon: return std::max(Width() / IconCellWidth, 1);
    case vsSmallIcon: return std::max(Width() / SmallIconCellWidth, 1);
    case vsList: return std::max(Height() / RowHeight, 1);
    case vsReport: return 1;
  }
  return 1;
}

TItemPlace TListView::ItemRect(int index) const {
  if (index < 0 || index >= items_->Count()) return {};
  int perLine = ItemsPerLine();
  switch (viewStyle_) {
    case vsIcon:
      return {index % perLine * IconCellWidth, index / perLine * IconCellHeight, IconCellWidth, IconCellHeight};
    case vsSmallIcon:
      return {index % perLine * SmallIconCellWidth, index / perLine * RowHeight, SmallIconCellWidth, RowHeight};
    case vsList:
      return {index / perLine * ListColumnWidth, index % perLine * RowHeight, ListColumnWidth, RowHeight};
    case vsReport: {
      int top = (showColumnHeaders_ ? HeaderHeight : 0) + index * RowHeight;
      int width = 0;
      for (int c = 0; c < columns_->Count(); ++c) width += columns_->Items(c)->Width();
      // Without RowSelect only the first column's cell belongs to the item.
      int itemWidth = rowSelect_ || columns_->Count() == 0 ? std::max(width, Width()) : columns_->Items(0)->Width();
      return {0, top, itemWidth, RowHeight};
    }
  }
  return {};
}

TListItem* TListView::GetItemAt(int x, int y) const {
  for (int i = 0; i < items_->Count(); ++i)
    if (ItemRect(i).Contains(x, y)) return items_->Item(i);
  return nullptr;
}

int TListView::ColumnAt(int x) const {
  int left = 0;
  for (int c = 0; c < columns_->Count(); ++c) {
    int width = columns_->Items(c)->Width();
    if (x >= left && x < left + width) return c;
    left += width;
  }
  return -1;
}

bool TListView::BeginEditing(TListItem* item) {
  if (!item || readOnly_) return false;
  if (editing_) EndEditing(true);
  bool allow = true;
  OnEditing(this, item, allow);
  if (!allow) return false;
  editing_ = item;
  editorText_ = item->Caption();
  return true;
}

void TListView::EndEditing(bool accept) {
  TListItem* item = editing_;
  editing_ = nullptr;
  if (!item || !accept) return;
  AnsiString text = editorText_;
  OnEdited(this, item, text);
  item->SetCaption(text);
}

void TListView::UserSelect(TListItem* item, TShiftState shift) {
  if (!item) {
    if (!shift.Contains(ssCtrl)) ClearSelection();
    return;
  }
  if (multiSelect_ && shift.Contains(ssShift) && anchor_) {
    int from = std::min(anchor_->Index(), item->Index());
    int to = std::max(anchor_->Index(), item->Index());
    for (int i = 0; i < items_->Count(); ++i) items_->Item(i)->SetSelected(i >= from && i <= to);
  } else if (multiSelect_ && shift.Contains(ssCtrl)) {
    item->SetSelected(!item->Selected());
    anchor_ = item;
  } else {
    for (auto& other : items_->items_)
      if (other.get() != item && other->selected_) other->SetSelected(false);
    item->SetSelected(true);
    anchor_ = item;
  }
  focused_ = item;
}

void TListView::KeyDown(WORD& key, TShiftState shift) {
  TWinControl::KeyDown(key, shift);
  if (key == 0) return;
  if (editing_) {
    if (key == VK_RETURN || key == VK_ESCAPE) EndEditing(key == VK_RETURN);
    else if (key != VK_LEFT && key != VK_RIGHT && key != VK_HOME && key != VK_END) return;
    key = 0;
    return;
  }
  int count = items_->Count();
  int at = focused_ ? focused_->Index() : -1;
  int next = -2;
  bool acrossLines = viewStyle_ == vsIcon || viewStyle_ == vsSmallIcon;
  int line = ItemsPerLine();
  switch (key) {
    case VK_F2:
      if (focused_) BeginEditing(focused_);
      key = 0;
      return;
    case VK_DOWN: next = at + (acrossLines ? line : 1); break;
    case VK_UP: next = at - (acrossLines ? line : 1); break;
    case VK_RIGHT: next = at + (viewStyle_ == vsList ? line : acrossLines ? 1 : 0); break;
    case VK_LEFT: next = at - (viewStyle_ == vsList ? line : acrossLines ? 1 : 0); break;
    case VK_HOME: next = 0; break;
    case VK_END: next = count - 1; break;
    default: return;
  }
  key = 0;
  if (count == 0) return;
  next = std::clamp(at < 0 ? 0 : next, 0, count - 1);
  UserSelect(items_->Item(next), shift.Contains(ssShift) ? TShiftState{ssShift} : TShiftState{});
}

void TListView::KeyPress(char& key) {
  TWinControl::KeyPress(key);
  if (key == 0 || !editing_) return;
  if (key == '\b') {
    if (!editorText_.empty()) editorText_.pop_back();
  } else if (static_cast<unsigned char>(key) >= ' ') {
    editorText_ += key;
  }
  key = 0;
}

void TListView::DoExit() {
  if (editing_) EndEditing(true);
  TWinControl::DoExit();
}

void TListView::WndProc(TMessage& message) {
  if (message.Msg == WM_LBUTTONDOWN && Enabled()) {
    auto x = static_cast<std::int16_t>(message.LParam & 0xFFFF);
    auto y = static_cast<std::int16_t>((message.LParam >> 16) & 0xFFFF);
    auto shift = TShiftState::FromBits(static_cast<std::uint32_t>(message.WParam));
    if (editing_) EndEditing(true);
    TWinControl::WndProc(message);
    if (viewStyle_ == vsReport && showColumnHeaders_ && y < HeaderHeight) {
      int column = ColumnAt(x);
      if (columnClick_ && column >= 0) OnColumnClick(this, columns_->Items(column));
      return;
    }
    TListItem* item = GetItemAt(x, y);
    // A click on the item that alone was selected and focused edits its caption.
    bool edit = item && shift.Empty() && item == focused_ && item->Selected() && SelCount() == 1;
    UserSelect(item, shift);
    if (edit) BeginEditing(item);
    return;
  }
  TWinControl::WndProc(message);
}
