#include "controls/TarnListView.h"

#include <algorithm>
#include <exception>

#include "platform/classes/ClassDecl.h"
#include "platform/controls/Application.h"
#include "platform/graphics/Fonts.h"

const TTypeInfo& TypeInfoOf(TCheckDuplicate*) {
  static const TTypeInfo t = EnumTypeInfo("TCheckDuplicate", {"cd_None", "cd_CheckCase", "cd_CaseInsensitive"});
  return t;
}

const TClassInfo& TTarnListView::StaticClass() {
  static const TClassInfo info = DescribeClass<TTarnListView>(
      "TTarnListView", {Prop("ColumnsAutoSize", &TTarnListView::ColumnsAutoSize, &TTarnListView::SetColumnsAutoSize)});
  return info;
}

TTarnListView::TTarnListView(TComponent* owner) : TListView(owner) {}

const AnsiString& TTarnListView::ColumnText(const TListItem& row, int column) {
  static const AnsiString missing;
  if (column == 0) return row.Caption();
  return column <= row.SubItems()->Count() ? row.SubItems()->Strings(column - 1) : missing;
}

int TTarnListView::CompareRows(TListItem* a, TListItem* b) const {
  const int c = sortColumn_;
  int k = c;
  int result = 0;
  for (;;) {
    result = CompareText(ColumnText(*a, k), ColumnText(*b, k));
    if (result != 0) break;
    if (k == 0 && c != 1) k = 1;
    else if (k == c && c > 0) k = 0;
    else break;
  }
  return sortAscending_ ? result : -result;
}

void TTarnListView::SetSortOrder(int column, bool ascending) {
  if (column == sortColumn_ && ascending == sortAscending_) return;
  sortColumn_ = column;
  sortAscending_ = ascending;
  ordered_ = false;
}

void TTarnListView::SortRows() {
  AlphaSort();
  ordered_ = true;
}

// Equal captions may have become neighbours; and a sort by another rule than CompareRows (a
// custom one) leaves the rows out of its order.
void TTarnListView::ItemsSorted() {
  ordered_ = false;
  freeOfDuplicates_ = cd_None;
}

bool TTarnListView::SameCaption(const TListItem& a, const TListItem& b) const {
  if (checkDuplicate_ == cd_CheckCase) return a.Caption() == b.Caption();
  return SameText(a.Caption(), b.Caption());
}

void TTarnListView::RemoveDuplicates() {
  if (checkDuplicate_ == cd_None) return;
  removingDuplicates_ = true;
  for (int i = Items()->Count() - 1; i >= 1; --i)
    if (SameCaption(*Items()->Item(i), *Items()->Item(i - 1))) Items()->Delete(i);
  removingDuplicates_ = false;
  freeOfDuplicates_ = checkDuplicate_;
}

// Only the new row can equal a neighbour: the others were free of duplicates before, and equal
// captions are transitive, so it equals at most one of them.
void TTarnListView::RemoveDuplicatesAround(int index) {
  if (checkDuplicate_ == cd_None) {
    freeOfDuplicates_ = cd_None;
    return;
  }
  if (freeOfDuplicates_ < checkDuplicate_) return RemoveDuplicates();
  removingDuplicates_ = true;
  TListItems& rows = *Items();
  if (index + 1 < rows.Count() && SameCaption(*rows[index + 1], *rows[index])) rows.Delete(index + 1);
  if (index > 0 && SameCaption(*rows[index], *rows[index - 1])) rows.Delete(index);
  removingDuplicates_ = false;
  freeOfDuplicates_ = checkDuplicate_;
}

void TTarnListView::PadSubItems() {
  int most = 0;
  for (int i = 0; i < Items()->Count(); ++i) most = std::max(most, Items()->Item(i)->SubItems()->Count());
  for (int i = 0; i < Items()->Count(); ++i) {
    TStrings& subItems = *Items()->Item(i)->SubItems();
    while (subItems.Count() < most) subItems.Add("");
  }
}

int TTarnListView::CharWidth() {
  if (charWidth_ < 0 || !(measuredFont_ == *Font())) {
    measuredFont_.Assign(*Font());
    charWidth_ = TextWidthIn(*Font(), "W");
  }
  return charWidth_;
}

void TTarnListView::AutoSizeColumns() {
  const int w = CharWidth();
  for (int k = 0; k < Columns()->Count(); ++k) {
    size_t longest = Columns()->Items(k)->Caption().size();
    for (int i = 0; i < Items()->Count(); ++i) {
      const TListItem& row = *Items()->Item(i);
      if (k == 0 || k <= row.SubItems()->Count()) longest = std::max(longest, ColumnText(row, k).size());
    }
    Columns()->Items(k)->SetWidth(w * static_cast<int>(longest));
  }
}

void TTarnListView::FitColumns() {
  const int w = CharWidth();
  for (int k = 0; k < Columns()->Count(); ++k) {
    TListColumn& column = *Columns()->Items(k);
    int width = w * std::max(static_cast<int>(column.Caption().size()), lengths_.Longest(k));
    if (column.Width() != width) column.SetWidth(width);
  }
}

void TTarnListView::AddColumnsFor(int count) {
  for (int number = Columns()->Count() + 1; number <= count; ++number) Columns()->Add()->SetCaption("Data" + IntToStr(number));
}

TListItem* TTarnListView::AppendRow(const std::vector<AnsiString>& values) {
  TListItem* row = Items()->Add();
  newRowAt_ = Items()->Count() - 1;
  adding_ = true;
  try {
    row->SetCaption(values[0]);
  } catch (...) {
    adding_ = false;
    throw;
  }
  adding_ = false;
  for (size_t i = 1; i < values.size(); ++i) row->SubItems()->Add(values[i]);
  return row;
}

void TTarnListView::CaptionChanged(TListItem* item) {
  if (!adding_) {
    known_ = false;
    return TListView::CaptionChanged(item);
  }
  if (Sorting()) PlaceNewRow(item);
}

// The rows before the new one are in order, so the new one goes after every row that does not
// sort after it: where a stable sort of all rows would put it.
void TTarnListView::PlaceNewRow(TListItem* item) {
  TListItems& rows = *Items();
  if (!ordered_) {
    SortRows();
    newRowAt_ = rows.IndexOf(item);
    return;
  }
  int low = 0, high = rows.Count() - 1;
  while (low < high) {
    int middle = low + (high - low) / 2;
    if (CompareRows(item, rows[middle]) < 0) high = middle;
    else low = middle + 1;
  }
  rows.Move(rows.Count() - 1, low);
  newRowAt_ = low;
}

bool TTarnListView::InOrderAt(int index) {
  TListItems& rows = *Items();
  if (index > 0 && CompareRows(rows[index], rows[index - 1]) < 0) return false;
  return index + 1 >= rows.Count() || CompareRows(rows[index + 1], rows[index]) >= 0;
}

void TTarnListView::CountRow(const TListItem& row, bool add) {
  const TStrings& subItems = *row.SubItems();
  if (add) lengths_.Add(0, row.Caption());
  else lengths_.Remove(0, row.Caption());
  for (int k = 0; k < subItems.Count(); ++k)
    if (add) lengths_.Add(k + 1, subItems.Strings(k));
    else lengths_.Remove(k + 1, subItems.Strings(k));
}

void TTarnListView::WndProc(TMessage& message) {
  if (message.Msg == WM_LBUTTONDOWN && Enabled()) {
    if (!Focused() && CanFocus()) SetFocus();
    if (!Focused()) return;
  }
  TListView::WndProc(message);
}

void TTarnListView::ItemRemoving(TListItem* item) {
  TListView::ItemRemoving(item);
  if (!removingDuplicates_) freeOfDuplicates_ = cd_None;
  if (!KnowsRows()) {
    known_ = false;
    return;
  }
  CountRow(*item, false);
  --knownCount_;
}

void TTarnListView::AddRowQuickly(const std::vector<AnsiString>& values) {
  const int subItemsBefore = knownCount_ == 0 ? 0 : subItemCount_;
  ++knownCount_;
  TListItem* row = AppendRow(values);
  const int subItems = static_cast<int>(values.size()) - 1;
  if (subItems > subItemsBefore) {
    PadSubItems();
    subItemCount_ = subItems;
  } else {
    while (row->SubItems()->Count() < subItemsBefore) row->SubItems()->Add("");
    subItemCount_ = subItemsBefore;
  }
  CountRow(*row, true);
  ordered_ = Sorting() && ordered_ && InOrderAt(newRowAt_);
  RemoveDuplicatesAround(newRowAt_);
  if (columnsAutoSize_) FitColumns();
}

void TTarnListView::AddRowOverAll(const std::vector<AnsiString>& values) {
  ordered_ = false;
  AppendRow(values);
  PadSubItems();
  RemoveDuplicates();
  if (columnsAutoSize_) AutoSizeColumns();
  LearnRows();
}

void TTarnListView::LearnRows() {
  TListItems& rows = *Items();
  lengths_.Clear();
  subItemCount_ = 0;
  ordered_ = Sorting();
  for (int i = 0; i < rows.Count(); ++i) {
    CountRow(*rows[i], true);
    subItemCount_ = std::max(subItemCount_, rows[i]->SubItems()->Count());
    if (i > 0 && ordered_ && CompareRows(rows[i], rows[i - 1]) < 0) ordered_ = false;
  }
  if (checkDuplicate_ == cd_None) freeOfDuplicates_ = cd_None;
  knownCount_ = rows.Count();
  known_ = true;
}

bool TTarnListView::AddRow(const std::vector<AnsiString>& values) {
  if (values.empty()) return false;
  try {
    AddColumnsFor(static_cast<int>(values.size()));
    if (KnowsRows()) AddRowQuickly(values);
    else AddRowOverAll(values);
    return true;
  } catch (const std::exception& e) {
    known_ = false;
    Application->HandleException(this, e);
    return false;
  }
}

void TTarnListView::ClearRows() {
  Items()->Clear();
  lengths_.Clear();
  subItemCount_ = 0;
  knownCount_ = 0;
  known_ = true;
  ordered_ = true;
  freeOfDuplicates_ = cd_CaseInsensitive;
}
