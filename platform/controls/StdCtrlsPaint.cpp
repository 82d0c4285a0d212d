// The standard controls painted in the classic look.

#include "platform/controls/StdCtrls.h"
#include "platform/graphics/ClassicLook.h"

namespace {

TRect Whole(const TControl& control) { return Bounds(0, 0, control.Width(), control.Height()); }

// The sunken box of edits and memos with its window-coloured inside.
TRect PaintEditBox(TCanvas& canvas, const TControl& control) {
  TRect inner = DrawEdge(canvas, Whole(control), edSunken);
  canvas.FillRect(inner);
  return inner;
}

}  // namespace

void TLabel::Paint(TCanvas& canvas) {
  canvas.FillRect(Whole(*this));
  DrawCaption(canvas, Caption(), Whole(*this), DT_LEFT | DT_EXPANDTABS, Enabled());
}

void TButton::Paint(TCanvas& canvas) {
  bool focused = Focused();
  TRect content = DrawButtonFace(canvas, Whole(*this), false, default_ || focused, focused);
  DrawCaption(canvas, Caption(), content, DT_CENTER | DT_VCENTER | DT_SINGLELINE, Enabled());
}

void TEdit::Paint(TCanvas& canvas) {
  TRect inner = PaintEditBox(canvas, *this);
  TRect text = InflateRect(inner, -1, -1);
  canvas.IntersectClipRect(inner);
  canvas.Brush()->SetStyle(bsClear);
  if (!Enabled()) canvas.Font()->SetColor(clGrayText);
  canvas.TextOut(text.Left, text.Top, Text());
  if (Focused()) {
    int caret = text.Left + canvas.TextWidth(Text());
    canvas.Pen()->SetColor(clWindowText);
    canvas.MoveTo(caret, text.Top);
    canvas.LineTo(caret, text.Top + canvas.TextHeight("Wg"));
  }
}

void TMemo::Paint(TCanvas& canvas) {
  TRect inner = PaintEditBox(canvas, *this);
  canvas.IntersectClipRect(inner);
  canvas.Brush()->SetStyle(bsClear);
  if (!Enabled()) canvas.Font()->SetColor(clGrayText);
  int lineHeight = canvas.TextHeight("Wg");
  int y = inner.Top + 1;
  for (int i = 0; i < lines_->Count() && y < inner.Bottom; ++i, y += lineHeight)
    canvas.TextOut(inner.Left + 1, y, lines_->Strings(i));
}

void TPanel::Paint(TCanvas& canvas) {
  TRect r = Whole(*this);
  for (TPanelBevel bevel : {bevelOuter_, bevelInner_}) {
    if (bevel == bvNone) continue;
    if (bevel == bvSpace)
      r = InflateRect(r, -1, -1);
    else
      r = DrawEdge(canvas, r, bevel == bvRaised ? edRaisedInner : edSunkenOuter);
  }
  DrawCaption(canvas, Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE, Enabled());
}

void TCustomGroupBox::Paint(TCanvas& canvas) {
  int textHeight = canvas.TextHeight("0");
  DrawEdge(canvas, {0, textHeight / 2 - 1, Width(), Height()}, edEtched);
  if (Caption().empty()) return;
  TRect text = Bounds(8, 0, canvas.TextWidth(Caption()), textHeight);
  canvas.FillRect(InflateRect(text, 2, 0));
  DrawCaption(canvas, Caption(), text, DT_LEFT | DT_SINGLELINE, Enabled());
}
