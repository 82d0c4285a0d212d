#include "platform/controls/Grids.h"

#include <algorithm>

#include "platform/classes/ClassDecl.h"
#include "platform/graphics/ClassicLook.h"

const TTypeInfo& TypeInfoOf(TGridOption*) {
  static const TTypeInfo t = EnumTypeInfo(
      "TGridOption", {"goFixedVertLine", "goFixedHorzLine", "goVertLine", "goHorzLine", "goRangeSelect",
                      "goDrawFocusSelected", "goRowSizing", "goColSizing", "goRowMoving", "goColMoving", "goEditing",
                      "goTabs", "goRowSelect", "goAlwaysShowEditor", "goThumbTracking"});
  return t;
}
const TTypeInfo& TypeInfoOf(TGridOptions*) {
  static const TTypeInfo t = SetTypeInfo("TGridOptions", TypeInfoFor<TGridOption>());
  return t;
}
const TTypeInfo& TypeInfoOf(TSelectCellEvent*) {
  static const TTypeInfo t = EventTypeInfo("TSelectCellEvent");
  return t;
}

const TClassInfo& TStringGrid::StaticClass() {
  static const TClassInfo info = DescribeClass<TStringGrid>(
      "TStringGrid", {Prop("ColCount", &TStringGrid::ColCount, &TStringGrid::SetColCount),
                      Prop("RowCount", &TStringGrid::RowCount, &TStringGrid::SetRowCount),
                      Prop("FixedCols", &TStringGrid::FixedCols, &TStringGrid::SetFixedCols),
                      Prop("FixedRows", &TStringGrid::FixedRows, &TStringGrid::SetFixedRows),
                      Prop("DefaultColWidth", &TStringGrid::DefaultColWidth, &TStringGrid::SetDefaultColWidth),
                      Prop("DefaultRowHeight", &TStringGrid::DefaultRowHeight, &TStringGrid::SetDefaultRowHeight),
                      Prop("Options", &TStringGrid::Options, &TStringGrid::SetOptions),
                      Prop("OnSelectCell", &TStringGrid::OnSelectCell)});
  return info;
}

TStringGrid::TStringGrid(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 320, 120);
  SetTabStop(true);
  setCaptionFromName_ = false;
  Resize();
}

void TStringGrid::Resize() {
  std::vector<AnsiString> cells(static_cast<size_t>(colCount_ * rowCount_));
  int oldCols = static_cast<int>(colWidths_.size());
  for (int r = 0; r < rowCount_; ++r)
    for (int c = 0; c < std::min(colCount_, oldCols); ++c) {
      size_t from = static_cast<size_t>(r * oldCols + c);
      if (from < cells_.size()) cells[static_cast<size_t>(r * colCount_ + c)] = std::move(cells_[from]);
    }
  cells_ = std::move(cells);
  colWidths_.resize(static_cast<size_t>(colCount_), defaultColWidth_);
  fixedCols_ = std::min(fixedCols_, colCount_ - 1);
  fixedRows_ = std::min(fixedRows_, rowCount_ - 1);
  col_ = std::clamp(col_, fixedCols_, colCount_ - 1);
  row_ = std::clamp(row_, fixedRows_, rowCount_ - 1);
}

void TStringGrid::SetColCount(int count) {
  colCount_ = std::max(count, 1);
  Resize();
}

void TStringGrid::SetRowCount(int count) {
  rowCount_ = std::max(count, 1);
  Resize();
}

void TStringGrid::SetFixedCols(int count) {
  fixedCols_ = std::clamp(count, 0, colCount_ - 1);
  Resize();
}

void TStringGrid::SetFixedRows(int count) {
  fixedRows_ = std::clamp(count, 0, rowCount_ - 1);
  Resize();
}

void TStringGrid::SetDefaultColWidth(int width) {
  defaultColWidth_ = width;
  std::fill(colWidths_.begin(), colWidths_.end(), width);
}

void TStringGrid::SetDefaultRowHeight(int height) { defaultRowHeight_ = std::max(height, 1); }

int TStringGrid::ColWidths(int col) const {
  return col >= 0 && col < colCount_ ? colWidths_[static_cast<size_t>(col)] : defaultColWidth_;
}

void TStringGrid::SetColWidths(int col, int width) {
  if (col >= 0 && col < colCount_) colWidths_[static_cast<size_t>(col)] = std::max(width, 0);
}

AnsiString TStringGrid::Cells(int col, int row) const {
  if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_) return {};
  return cells_[static_cast<size_t>(row * colCount_ + col)];
}

void TStringGrid::SetCells(int col, int row, const AnsiString& text) {
  if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_) return;
  cells_[static_cast<size_t>(row * colCount_ + col)] = text;
}

bool TStringGrid::MoveTo(int col, int row) {
  col = std::clamp(col, fixedCols_, colCount_ - 1);
  row = std::clamp(row, fixedRows_, rowCount_ - 1);
  if (col == col_ && row == row_) return false;
  bool canSelect = true;
  OnSelectCell(this, col, row, canSelect);
  if (!canSelect) return false;
  col_ = col;
  row_ = row;
  return true;
}

bool TStringGrid::MouseToCell(int x, int y, int& col, int& row) const {
  if (x < 0 || y < 0) return false;
  int left = 0;
  for (col = 0; col < colCount_ && x >= left + ColWidths(col); ++col) left += ColWidths(col);
  row = y / defaultRowHeight_;
  return col < colCount_ && row < rowCount_;
}

void TStringGrid::KeyDown(WORD& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  switch (key) {
    case VK_LEFT: MoveTo(col_ - 1, row_); break;
    case VK_RIGHT: MoveTo(col_ + 1, row_); break;
    case VK_UP: MoveTo(col_, row_ - 1); break;
    case VK_DOWN: MoveTo(col_, row_ + 1); break;
    case VK_HOME: MoveTo(fixedCols_, row_); break;
    case VK_END: MoveTo(colCount_ - 1, row_); break;
    case VK_TAB:
      if (!options_.Contains(goTabs)) return;
      MoveTo(col_ + (shift.Contains(ssShift) ? -1 : 1), row_);
      break;
    default: return;
  }
  key = 0;
}

void TStringGrid::KeyPress(char& key) {
  TCustomControl::KeyPress(key);
  if (key == 0 || !options_.Contains(goEditing)) return;
  AnsiString text = Cells(col_, row_);
  if (key == '\b') {
    if (!text.empty()) text.pop_back();
  } else if (static_cast<unsigned char>(key) >= ' ') {
    text += key;
  }
  SetCells(col_, row_, text);
}

void TStringGrid::WndProc(TMessage& message) {
  if (message.Msg == WM_LBUTTONDOWN && Enabled()) {
    int col = 0, row = 0;
    auto x = static_cast<std::int16_t>(message.LParam & 0xFFFF);
    auto y = static_cast<std::int16_t>((message.LParam >> 16) & 0xFFFF);
    if (MouseToCell(x, y, col, row) && col >= fixedCols_ && row >= fixedRows_) MoveTo(col, row);
  }
  TCustomControl::WndProc(message);
}

void TStringGrid::Paint(TCanvas& canvas) {
  TRect inner = DrawEdge(canvas, Bounds(0, 0, Width(), Height()), edSunken);
  canvas.FillRect(inner);
  canvas.IntersectClipRect(inner);
  canvas.MoveOrigin(inner.Left, inner.Top);
  for (int row = 0, top = 0; row < rowCount_ && top < inner.Height(); ++row, top += defaultRowHeight_) {
    for (int col = 0, left = 0; col < colCount_ && left < inner.Width(); left += ColWidths(col), ++col) {
      TRect cell = Bounds(left, top, ColWidths(col), defaultRowHeight_);
      bool fixed = col < fixedCols_ || row < fixedRows_;
      TCanvas::TStateSaver saved(canvas);
      if (fixed) {
        canvas.Brush()->SetColor(clBtnFace);
        canvas.FillRect(cell);
        Frame3D(canvas, cell, clBtnHighlight, clBtnShadow);
      } else {
        bool current = col == col_ && row == row_;
        if (current && !options_.Contains(goEditing)) {
          canvas.Brush()->SetColor(clHighlight);
          canvas.Font()->SetColor(clHighlightText);
          canvas.FillRect(cell);
        }
        canvas.Brush()->SetColor(clSilver);
        if (options_.Contains(goVertLine)) canvas.FillRect({cell.Right - 1, cell.Top, cell.Right, cell.Bottom});
        if (options_.Contains(goHorzLine)) canvas.FillRect({cell.Left, cell.Bottom - 1, cell.Right, cell.Bottom});
        if (current && Focused()) canvas.DrawFocusRect(InflateRect(cell, -1, -1));
      }
      TRect text = {cell.Left + 2, cell.Top, cell.Right - 1, cell.Bottom};
      canvas.Brush()->SetStyle(bsClear);
      canvas.DrawText(Cells(col, row), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
  }
}

void RegisterGridClasses() { RegisterClass(TStringGrid::StaticClass()); }
