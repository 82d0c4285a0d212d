#pragma once
// The string grid: cells of text in columns and rows with fixed (heading) columns and rows,
// the current cell moved by the arrow keys and by clicks, and typing into the current cell
// when editing is allowed.

#include <vector>

#include "platform/controls/Controls.h"

enum TGridOption { goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected,
                   goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect,
                   goAlwaysShowEditor, goThumbTracking };
using TGridOptions = TSet<TGridOption>;
const TTypeInfo& TypeInfoOf(TGridOption*);
const TTypeInfo& TypeInfoOf(TGridOptions*);
using TSelectCellEvent = TEvent<TObject*, int, int, bool&>;
const TTypeInfo& TypeInfoOf(TSelectCellEvent*);

class TStringGrid : public TCustomControl {
  PAVANE_CLASS(TStringGrid, TCustomControl)
public:
  explicit TStringGrid(TComponent* owner);
  void Paint(TCanvas& canvas) override;

  int ColCount() const { return colCount_; }
  void SetColCount(int count);
  int RowCount() const { return rowCount_; }
  void SetRowCount(int count);
  int FixedCols() const { return fixedCols_; }
  void SetFixedCols(int count);
  int FixedRows() const { return fixedRows_; }
  void SetFixedRows(int count);
  int DefaultColWidth() const { return defaultColWidth_; }
  void SetDefaultColWidth(int width);
  int DefaultRowHeight() const { return defaultRowHeight_; }
  void SetDefaultRowHeight(int height);
  int ColWidths(int col) const;
  void SetColWidths(int col, int width);
  TGridOptions Options() const { return options_; }
  void SetOptions(TGridOptions options) { options_ = options; }

  // Cells outside the grid read as empty and are not stored.
  AnsiString Cells(int col, int row) const;
  void SetCells(int col, int row, const AnsiString& text);

  // The current cell; a move asks OnSelectCell first.
  int Col() const { return col_; }
  void SetCol(int col) { MoveTo(col, row_); }
  int Row() const { return row_; }
  void SetRow(int row) { MoveTo(col_, row); }
  // The cell at a point of the control; false outside the cells.
  bool MouseToCell(int x, int y, int& col, int& row) const;

  bool FocusOnClick() const override { return true; }
  bool WantsChars() const override { return options_.Contains(goEditing); }

  TSelectCellEvent OnSelectCell;

protected:
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void WndProc(TMessage& message) override;

private:
  bool MoveTo(int col, int row);
  void Resize();

  int colCount_ = 5;
  int rowCount_ = 5;
  int fixedCols_ = 1;
  int fixedRows_ = 1;
  int defaultColWidth_ = 64;
  int defaultRowHeight_ = 24;
  std::vector<int> colWidths_;
  TGridOptions options_{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
  std::vector<AnsiString> cells_;
  int col_ = 1;
  int row_ = 1;
};

void RegisterGridClasses();
