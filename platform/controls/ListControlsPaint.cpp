// Combo boxes and list boxes painted in the classic look: a sunken box, the items, the
// selected item in the highlight colours.

#include "platform/controls/ListControls.h"
#include "platform/graphics/ClassicLook.h"

namespace {

void PaintItem(TCanvas& canvas, const AnsiString& text, const TRect& rect, bool selected, bool focused) {
  TCanvas::TStateSaver saved(canvas);
  if (selected) {
    canvas.Brush()->SetColor(clHighlight);
    canvas.Font()->SetColor(clHighlightText);
  }
  canvas.FillRect(rect);
  TRect textRect = {rect.Left + 2, rect.Top, rect.Right, rect.Bottom};
  canvas.Brush()->SetStyle(bsClear);
  canvas.DrawText(text, textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if (focused) canvas.DrawFocusRect(rect);
}

// The drop-down arrow button at the right of a combo box.
void PaintArrowButton(TCanvas& canvas, const TRect& rect, bool enabled) {
  TRect content = DrawButtonFace(canvas, rect, false, false, false);
  TCanvas::TStateSaver saved(canvas);
  canvas.Brush()->SetColor(enabled ? clBtnText : clGrayText);
  int cx = (content.Left + content.Right) / 2, cy = (content.Top + content.Bottom) / 2 - 1;
  for (int row = 0; row < 4; ++row) canvas.FillRect({cx - 3 + row, cy + row, cx + 4 - row, cy + row + 1});
}

}  // namespace

void TComboBox::Paint(TCanvas& canvas) {
  TRect inner = DrawEdge(canvas, Bounds(0, 0, Width(), Height()), edSunken);
  if (!Enabled()) canvas.Font()->SetColor(clGrayText);
  canvas.FillRect(inner);
  TRect text = inner;
  if (style_ != csSimple) {
    text.Right -= TComboBox::ArrowWidth;
    PaintArrowButton(canvas, {text.Right, inner.Top, inner.Right, inner.Bottom}, Enabled());
  }
  bool focused = Focused();
  PaintItem(canvas, TControl::Text(), InflateRect(text, -1, -1), focused && !Editable(), focused && !Editable());
}

void TListBox::Paint(TCanvas& canvas) {
  TRect inner = DrawEdge(canvas, Bounds(0, 0, Width(), Height()), edSunken);
  canvas.FillRect(inner);
  canvas.IntersectClipRect(inner);
  if (!Enabled()) canvas.Font()->SetColor(clGrayText);
  bool focused = Focused();
  for (int i = topIndex_, y = inner.Top; i < itemsList_->Count() && y < inner.Bottom; ++i, y += itemHeight_)
    PaintItem(canvas, itemsList_->Strings(i), {inner.Left, y, inner.Right, y + itemHeight_}, Selected(i),
              focused && i == itemIndex_);
}
