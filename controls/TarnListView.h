#pragma once
// The list of the range selection panel: one row per value (caption = the value, sub-items =
// further columns), rows added with AddRow, which grows the columns, pads the rows, drops
// neighbouring duplicates and fits the column widths. Rows sort by CompareRows.
//
// AddRow keeps what it needs of the rows (longest text per column, sub-item count, whether the
// rows are in order and free of neighbouring duplicates) from one call to the next, so a row costs
// a binary search and a look at its neighbours; when the rows changed behind its back (items added
// or captions changed other than by AddRow) it does every step over all rows and learns them again.

#include <vector>

#include "controls/ColumnLengths.h"
#include "platform/controls/ListView.h"

enum TCheckDuplicate { cd_None, cd_CheckCase, cd_CaseInsensitive };
const TTypeInfo& TypeInfoOf(TCheckDuplicate*);

class TTarnListView : public TListView {
  PAVANE_CLASS(TTarnListView, TListView)
public:
  explicit TTarnListView(TComponent* owner);

  bool ColumnsAutoSize() const { return columnsAutoSize_; }
  void SetColumnsAutoSize(bool autoSize) { columnsAutoSize_ = autoSize; }

  // Appends one row (caption first); false with no texts, or when a step failed.
  bool AddRow(const std::vector<AnsiString>& values);
  void ClearRows();
  // Gives every row as many sub-items as the row that has the most.
  void PadSubItems();
  // Column widths: the width of "W" times the longest text of the column or its caption.
  void AutoSizeColumns();

  // Which rows count as duplicates of their upper neighbour (the owning panel's setting).
  TCheckDuplicate CheckDuplicate() const { return checkDuplicate_; }
  void SetCheckDuplicate(TCheckDuplicate check) { checkDuplicate_ = check; }
  // Deletes every row whose caption equals the caption of the row above it.
  void RemoveDuplicates();

  // 0 = the caption, n = sub-item n.
  int SortColumn() const { return sortColumn_; }
  bool SortAscending() const { return sortAscending_; }
  // Stores the sort order without sorting.
  void SetSortOrder(int column, bool ascending);
  // Sorts all rows by CompareRows, whatever SortType says.
  void SortRows();
  int CompareRows(TListItem* a, TListItem* b) const;
  // The text of column k of a row: the caption, else sub-item k-1 or empty.
  static const AnsiString& ColumnText(const TListItem& row, int column);

protected:
  // A left press takes the focus first and selects only when the list then holds it, so a form
  // that keeps the focus elsewhere (a failed exit check) blocks clicks on the list.
  void WndProc(TMessage& message) override;
  int CompareItems(TListItem* a, TListItem* b) override { return CompareRows(a, b); }
  void CaptionChanged(TListItem* item) override;
  void ItemRemoving(TListItem* item) override;
  void ItemsSorted() override;

private:
  bool KnowsRows() const { return known_ && Items()->Count() == knownCount_; }
  bool Sorting() const { return SortType() == stText || SortType() == stBoth; }
  bool SameCaption(const TListItem& a, const TListItem& b) const;
  void AddColumnsFor(int count);
  void AddRowQuickly(const std::vector<AnsiString>& values);
  void AddRowOverAll(const std::vector<AnsiString>& values);
  TListItem* AppendRow(const std::vector<AnsiString>& values);
  void PlaceNewRow(TListItem* item);
  bool InOrderAt(int index);
  void RemoveDuplicatesAround(int index);
  void FitColumns();
  void CountRow(const TListItem& row, bool add);
  void LearnRows();
  int CharWidth();

  bool columnsAutoSize_ = true;
  TCheckDuplicate checkDuplicate_ = cd_None;
  int sortColumn_ = 0;
  bool sortAscending_ = true;

  // What AddRow knows of the rows while known_ holds and the count is knownCount_.
  bool known_ = true;
  int knownCount_ = 0;
  int subItemCount_ = 0;
  TColumnLengths lengths_;
  bool ordered_ = true;
  // The strictest rule under which no row equals its upper neighbour; cd_None: not known.
  TCheckDuplicate freeOfDuplicates_ = cd_CaseInsensitive;
  bool adding_ = false;
  bool removingDuplicates_ = false;
  int newRowAt_ = -1;

  TFont measuredFont_;
  int charWidth_ = -1;
};
