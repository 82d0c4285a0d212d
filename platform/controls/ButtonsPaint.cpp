// Check boxes, radio buttons, bitmap and speed buttons painted in the classic look.

#include "platform/controls/Buttons.h"
#include "platform/graphics/ClassicLook.h"

namespace {

TRect Whole(const TControl& control) { return Bounds(0, 0, control.Width(), control.Height()); }

// The mark at the left (or at the right edge), the caption beside it, the focus rectangle round
// the caption.
void PaintMarkedCaption(TCanvas& canvas, const TWinControl& control, int markWidth, bool markRight = false) {
  TRect text = markRight ? TRect{0, 0, control.Width() - markWidth - 4, control.Height()}
                         : TRect{markWidth + 4, 0, control.Width(), control.Height()};
  DrawCaption(canvas, control.Caption(), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE, control.Enabled());
  if (!control.Focused() || control.Caption().empty()) return;
  TRect extent = text;
  canvas.DrawText(control.Caption(), extent, DT_CALCRECT | DT_SINGLELINE);
  int top = (control.Height() - extent.Height()) / 2;
  canvas.DrawFocusRect({text.Left - 1, top - 1, text.Left + extent.Width() + 1, top + extent.Height() + 1});
}

// A glyph and a caption side by side, centred in Content, as the layout places them.
void PaintGlyphAndCaption(TCanvas& canvas, TBitmap& glyph, int numGlyphs, int image, const AnsiString& caption,
                          TButtonLayout layout, int spacing, const TRect& content, bool enabled) {
  int glyphWidth = glyph.Empty() ? 0 : glyph.Width() / numGlyphs;
  int glyphHeight = glyph.Empty() ? 0 : glyph.Height();
  TRect textExtent = content;
  if (!caption.empty()) canvas.DrawText(caption, textExtent, DT_CALCRECT | DT_SINGLELINE);
  int textWidth = caption.empty() ? 0 : textExtent.Width();
  int textHeight = caption.empty() ? 0 : textExtent.Height();
  int gap = glyphWidth > 0 && textWidth > 0 ? spacing : 0;
  bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
  int totalWidth = horizontal ? glyphWidth + gap + textWidth : std::max(glyphWidth, textWidth);
  int totalHeight = horizontal ? std::max(glyphHeight, textHeight) : glyphHeight + gap + textHeight;
  int left = content.Left + (content.Width() - totalWidth) / 2;
  int top = content.Top + (content.Height() - totalHeight) / 2;
  int glyphX = left, glyphY = top + (totalHeight - glyphHeight) / 2;
  int textX = left + glyphWidth + gap, textY = top + (totalHeight - textHeight) / 2;
  switch (layout) {
    case blGlyphLeft: break;
    case blGlyphRight:
      textX = left;
      glyphX = left + textWidth + gap;
      break;
    case blGlyphTop:
      glyphX = left + (totalWidth - glyphWidth) / 2;
      glyphY = top;
      textX = left + (totalWidth - textWidth) / 2;
      textY = top + glyphHeight + gap;
      break;
    case blGlyphBottom:
      textX = left + (totalWidth - textWidth) / 2;
      textY = top;
      glyphX = left + (totalWidth - glyphWidth) / 2;
      glyphY = top + textHeight + gap;
      break;
  }
  if (glyphWidth > 0) DrawGlyph(canvas, glyph, numGlyphs, image, glyphX, glyphY);
  if (textWidth > 0)
    DrawCaption(canvas, caption, Bounds(textX, textY, textWidth, textHeight), DT_LEFT | DT_SINGLELINE, enabled);
}

}  // namespace

void DrawGlyph(TCanvas& canvas, TBitmap& glyph, int count, int index, int x, int y) {
  if (glyph.Empty() || count < 1) return;
  int width = glyph.Width() / count;
  if (index >= count) index = 0;
  TCanvas::TStateSaver saved(canvas);
  canvas.Brush()->SetStyle(bsClear);
  canvas.BrushCopy(Bounds(x, y, width, glyph.Height()), glyph, Bounds(index * width, 0, width, glyph.Height()),
                   glyph.TransparentColor());
}

void TCheckBox::Paint(TCanvas& canvas) {
  TCheckMarkState mark = state_ == cbChecked ? cmsChecked : state_ == cbGrayed ? cmsGrayed : cmsUnchecked;
  DrawCheckBoxMark(canvas, 0, (Height() - 13) / 2, mark, Enabled());
  PaintMarkedCaption(canvas, *this, 13);
}

void TRadioButton::Paint(TCanvas& canvas) { PaintRadioButtonFace(canvas, *this, checked_, taRightJustify); }

void PaintRadioButtonFace(TCanvas& canvas, const TWinControl& button, bool checked, TAlignment alignment) {
  bool markRight = alignment == taLeftJustify;
  DrawRadioMark(canvas, markRight ? button.Width() - 12 : 0, (button.Height() - 12) / 2, checked, button.Enabled());
  PaintMarkedCaption(canvas, button, 12, markRight);
}

void TBitBtn::Paint(TCanvas& canvas) {
  bool focused = Focused();
  TRect content = DrawButtonFace(canvas, Whole(*this), false, Default() || focused, focused);
  PaintGlyphAndCaption(canvas, *glyph_, numGlyphs_, Enabled() ? 0 : 1, Caption(), layout_, spacing_, content, Enabled());
}

void TSpeedButton::Paint(TCanvas& canvas) {
  bool sunk = pressed_ || down_;
  TRect content = InflateRect(Whole(*this), -2, -2);
  if (!flat_) {
    content = DrawButtonFace(canvas, Whole(*this), sunk, false, false);
  } else if (sunk) {
    Frame3D(canvas, Whole(*this), clBtnShadow, clBtnHighlight);
  }
  // A down button shows its face in the light dither colour of the platform.
  if (down_ && !pressed_) {
    TCanvas::TStateSaver saved(canvas);
    canvas.Brush()->SetColor(cl3DLight);
    canvas.FillRect(content);
  }
  if (sunk) content = OffsetRect(content, flat_ ? 1 : 0, flat_ ? 1 : 0);
  int image = !Enabled() ? 1 : pressed_ ? 2 : down_ ? 3 : 0;
  PaintGlyphAndCaption(canvas, *glyph_, numGlyphs_, image, Caption(), layout_, 4, content, Enabled());
}
