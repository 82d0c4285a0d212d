// The form's frame: border, caption bar and client area in the classic look.

#include "platform/controls/Forms.h"
#include "platform/graphics/ClassicLook.h"

namespace {

TFormFrameStyle FrameStyle(const TCustomForm& form) {
  TFormFrameStyle style;
  TFormBorderStyle border = form.BorderStyle();
  style.Sizeable = border == bsSizeable || border == bsSizeToolWin;
  style.ToolWindow = border == bsToolWindow || border == bsSizeToolWin;
  style.HasCaption = border != bsNone;
  style.Active = form.Active() || !form.Visible();
  style.CloseButton = form.BorderIcons().Contains(biSystemMenu);
  style.MinMaxButtons = style.CloseButton && border != bsDialog &&
                        (form.BorderIcons().Contains(biMinimize) || form.BorderIcons().Contains(biMaximize));
  return style;
}

}  // namespace

void TCustomForm::Paint(TCanvas& canvas) {
  if (BorderStyle() == bsNone) return;
  DrawFormFrame(canvas, Bounds(0, 0, Width(), Height()), Caption(), FrameStyle(*this), Color());
}

TRect TCustomForm::ClientBounds() const {
  if (BorderStyle() == bsNone) return Bounds(0, 0, Width(), Height());
  TRect m = FormClientMargins(FrameStyle(*this));
  return {m.Left, m.Top, std::max(m.Left, Width() - m.Right), std::max(m.Top, Height() - m.Bottom)};
}

void TCustomForm::SetClientWidth(int width) {
  SetWidth(width + Width() - ClientBounds().Width());
}

void TCustomForm::SetClientHeight(int height) {
  SetHeight(height + Height() - ClientBounds().Height());
}
