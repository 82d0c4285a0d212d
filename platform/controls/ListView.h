#pragma once
// The list view: items with a caption, sub-items, an image index and a selection, shown as
// icons, small icons, a list or a report with columns; selection by click (Ctrl and Shift with
// MultiSelect) and by the arrow keys, sorting by text or by a compare hook, column clicks, and
// in-place editing of a caption (F2, or a click on the selected item) ending in OnEdited,
// which may change the new caption.

#include <functional>
#include <memory>
#include <vector>

#include "platform/classes/Collection.h"
#include "platform/classes/Strings.h"
#include "platform/controls/Controls.h"
#include "platform/graphics/ImageList.h"

class TListView;
class TListItems;

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
const TTypeInfo& TypeInfoOf(TViewStyle*);
enum TSortType { stNone, stData, stText, stBoth };
const TTypeInfo& TypeInfoOf(TSortType*);
enum TItemChange { ctText, ctImage, ctState };
const TTypeInfo& TypeInfoOf(TItemChange*);
enum TIconArrangement { iaTop, iaLeft };
const TTypeInfo& TypeInfoOf(TIconArrangement*);

class TListItem {
public:
  explicit TListItem(TListItems& owner);
  TListItem(const TListItem&) = delete;
  TListItem& operator=(const TListItem&) = delete;

  const AnsiString& Caption() const { return caption_; }
  void SetCaption(const AnsiString& caption);
  TStrings* SubItems() const { return subItems_.get(); }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  bool Selected() const { return selected_; }
  // Asks OnChanging, then reports OnChange and OnSelectItem.
  void SetSelected(bool selected);
  bool Focused() const;
  void SetFocused(bool focused);
  void* Data() const { return data_; }
  void SetData(void* data) { data_ = data; }
  int Index() const;
  TListView& ListView() const;
  // Starts editing the caption in place; false when the view is read-only or OnEditing refuses.
  bool EditCaption();

private:
  friend class TListView;
  TListItems& owner_;
  AnsiString caption_;
  std::unique_ptr<TStrings> subItems_;
  int imageIndex_ = -1;
  bool selected_ = false;
  void* data_ = nullptr;
};

class TListItems {
public:
  explicit TListItems(TListView& view) : view_(view) {}
  TListItem* Add();
  TListItem* Insert(int index);
  void Delete(int index);
  void Clear();
  int Count() const { return static_cast<int>(items_.size()); }
  TListItem* Item(int index) const { return items_.at(static_cast<size_t>(index)).get(); }
  TListItem* operator[](int index) const { return Item(index); }
  int IndexOf(const TListItem* item) const;
  // Moves the item at from to the place to, the items between shifting by one.
  void Move(int from, int to);
  TListView& Owner() const { return view_; }

private:
  friend class TListView;
  friend class TListItem;
  TListView& view_;
  std::vector<std::unique_ptr<TListItem>> items_;
};

class TListColumn : public TCollectionItem {
  PAVANE_CLASS(TListColumn, TCollectionItem)
public:
  using TCollectionItem::TCollectionItem;
  const AnsiString& Caption() const { return caption_; }
  void SetCaption(const AnsiString& caption) {
    caption_ = caption;
    Changed();
  }
  int Width() const { return width_; }
  void SetWidth(int width) {
    width_ = width;
    Changed();
  }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment) { alignment_ = alignment; }
  void Assign(const TPersistent& source) override;

private:
  AnsiString caption_;
  int width_ = 50;
  TAlignment alignment_ = taLeftJustify;
};

class TListColumns : public TCollection {
  PAVANE_CLASS(TListColumns, TCollection)
public:
  TListColumns() : TCollection(ItemsOf<TListColumn>()) {}
  TListColumn* Add() { return static_cast<TListColumn*>(TCollection::Add()); }
  TListColumn* Items(int index) const { return static_cast<TListColumn*>(TCollection::Items(index)); }
};

class TIconOptions : public TPersistent {
  PAVANE_CLASS(TIconOptions, TPersistent)
public:
  TIconArrangement Arrangement() const { return arrangement_; }
  void SetArrangement(TIconArrangement a) { arrangement_ = a; }
  bool AutoArrange() const { return autoArrange_; }
  void SetAutoArrange(bool autoArrange) { autoArrange_ = autoArrange; }
  bool WrapText() const { return wrapText_; }
  void SetWrapText(bool wrapText) { wrapText_ = wrapText; }
  void Assign(const TPersistent& source) override;

private:
  TIconArrangement arrangement_ = iaTop;
  bool autoArrange_ = false;
  bool wrapText_ = true;
};

using TLVCompareEvent = TEvent<TObject*, TListItem*, TListItem*, int, int&>;
using TLVColumnClickEvent = TEvent<TObject*, TListColumn*>;
using TLVEditingEvent = TEvent<TObject*, TListItem*, bool&>;
using TLVEditedEvent = TEvent<TObject*, TListItem*, AnsiString&>;
using TLVChangeEvent = TEvent<TObject*, TListItem*, TItemChange>;
using TLVChangingEvent = TEvent<TObject*, TListItem*, TItemChange, bool&>;
using TLVSelectItemEvent = TEvent<TObject*, TListItem*, bool>;
const TTypeInfo& TypeInfoOf(TLVCompareEvent*);
const TTypeInfo& TypeInfoOf(TLVColumnClickEvent*);
const TTypeInfo& TypeInfoOf(TLVEditingEvent*);
const TTypeInfo& TypeInfoOf(TLVEditedEvent*);
const TTypeInfo& TypeInfoOf(TLVChangeEvent*);
const TTypeInfo& TypeInfoOf(TLVChangingEvent*);
const TTypeInfo& TypeInfoOf(TLVSelectItemEvent*);

// Item places in the control's coordinates.
struct TItemPlace {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool Contains(int x, int y) const { return x >= Left && y >= Top && x < Left + Width && y < Top + Height; }
};

class TListView : public TWinControl {
  PAVANE_CLASS(TListView, TWinControl)
public:
  explicit TListView(TComponent* owner);
  ~TListView() override;

  void Paint(TCanvas& canvas) override;
  TListItems* Items() const { return items_.get(); }
  // The images of the icon view, and of the other views.
  TImageList* LargeImages() const { return largeImages_; }
  void SetLargeImages(TImageList* images);
  TImageList* SmallImages() const { return smallImages_; }
  void SetSmallImages(TImageList* images);
  TListColumns* Columns() const { return columns_.get(); }
  void SetColumns(TListColumns* columns);
  TIconOptions* IconOptions() const { return iconOptions_.get(); }
  void SetIconOptions(TIconOptions* options);
  TViewStyle ViewStyle() const { return viewStyle_; }
  void SetViewStyle(TViewStyle style) { viewStyle_ = style; }
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool multi);
  bool RowSelect() const { return rowSelect_; }
  void SetRowSelect(bool rowSelect) { rowSelect_ = rowSelect; }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  bool ColumnClick() const { return columnClick_; }
  void SetColumnClick(bool columnClick) { columnClick_ = columnClick; }
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool hide) { hideSelection_ = hide; }
  bool GridLines() const { return gridLines_; }
  void SetGridLines(bool gridLines) { gridLines_ = gridLines; }
  bool ShowColumnHeaders() const { return showColumnHeaders_; }
  void SetShowColumnHeaders(bool show) { showColumnHeaders_ = show; }
  // Text sorting keeps the items in order as captions change; stNone leaves them as they are.
  TSortType SortType() const { return sortType_; }
  void SetSortType(TSortType sortType);
  // Sorts by OnCompare when it is set, else by caption without letter case; equal items keep their order.
  bool AlphaSort();
  using TCompareFunction = int (*)(TListItem*, TListItem*, int);
  bool CustomSort(TCompareFunction compare, int data);

  // The first selected item, nullptr when none.
  TListItem* Selected() const;
  void SetSelected(TListItem* item);
  TListItem* ItemFocused() const { return focused_; }
  void SetItemFocused(TListItem* item) { focused_ = item; }
  int SelCount() const;
  void ClearSelection();

  // Places of the items and the column header, for hit testing and painting.
  static constexpr int RowHeight = 17, HeaderHeight = 17, IconCellWidth = 75, IconCellHeight = 70,
                       SmallIconCellWidth = 120, ListColumnWidth = 120;
  TItemPlace ItemRect(int index) const;
  TListItem* GetItemAt(int x, int y) const;
  // The column whose header is at x in report view, -1 when none.
  int ColumnAt(int x) const;

  // In-place editing of a caption.
  bool IsEditing() const { return editing_ != nullptr; }
  TListItem* EditingItem() const { return editing_; }
  const AnsiString& EditorText() const { return editorText_; }
  // Ends the editing: accepted, OnEdited may change the new caption; else the caption stays.
  void EndEditing(bool accept);

  bool FocusOnClick() const override { return true; }
  bool WantsChars() const override { return IsEditing(); }

  TLVCompareEvent OnCompare;
  TLVColumnClickEvent OnColumnClick;
  TLVEditingEvent OnEditing;
  TLVEditedEvent OnEdited;
  TLVChangeEvent OnChange;
  TLVChangingEvent OnChanging;
  TLVSelectItemEvent OnSelectItem;

protected:
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void DoExit() override;
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  // The order of two items for every sort: OnCompare when it is set, else the captions without case.
  virtual int CompareItems(TListItem* a, TListItem* b);
  // The caption of an item changed; a view sorted by text sorts itself again.
  virtual void CaptionChanged(TListItem* item);
  // The item is about to leave the view.
  virtual void ItemRemoving(TListItem* item);
  // A sort may have put the items in another order.
  virtual void ItemsSorted() {}

private:
  friend class TListItem;
  friend class TListItems;
  bool Changing(TListItem* item, TItemChange change);
  void Change(TListItem* item, TItemChange change);
  bool BeginEditing(TListItem* item);
  void UserSelect(TListItem* item, TShiftState shift);
  void SortBy(const std::function<int(TListItem*, TListItem*)>& compare);
  int ItemsPerLine() const;

  std::unique_ptr<TListItems> items_;
  std::unique_ptr<TListColumns> columns_;
  std::unique_ptr<TIconOptions> iconOptions_;
  TImageList* largeImages_ = nullptr;
  TImageList* smallImages_ = nullptr;
  TViewStyle viewStyle_ = vsIcon;
  bool multiSelect_ = false;
  bool rowSelect_ = false;
  bool readOnly_ = false;
  bool columnClick_ = true;
  bool hideSelection_ = true;
  bool gridLines_ = false;
  bool showColumnHeaders_ = true;
  TSortType sortType_ = stNone;
  TListItem* focused_ = nullptr;
  TListItem* anchor_ = nullptr;
  TListItem* editing_ = nullptr;
  AnsiString editorText_;
  bool sorting_ = false;
};
