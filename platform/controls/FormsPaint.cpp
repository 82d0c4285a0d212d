// The form's frame: border, caption bar, menu bar and client area in the classic look.

#include "platform/controls/Forms.h"
#include "platform/controls/MenusPaint.h"
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

TRect FrameMargins(const TCustomForm& form) {
  return form.BorderStyle() == bsNone ? TRect{} : FormClientMargins(FrameStyle(form));
}

bool ShowsMenuBar(const TCustomForm& form) {
  if (!form.Menu()) return false;
  TMenuItem& top = *form.Menu()->Items();
  for (int i = 0; i < top.Count(); ++i)
    if (top.Items(i)->Visible()) return true;
  return false;
}

}  // namespace

void TCustomForm::Paint(TCanvas& canvas) {
  if (BorderStyle() != bsNone) DrawFormFrame(canvas, Bounds(0, 0, Width(), Height()), Caption(), FrameStyle(*this), Color());
  PaintMenuBar(canvas, *this);
}

TRect TCustomForm::MenuBarBounds() const {
  if (!ShowsMenuBar(*this)) return {};
  TRect m = FrameMargins(*this);
  return {m.Left, m.Top, std::max(m.Left, Width() - m.Right), m.Top + MenuBarHeight};
}

TRect TCustomForm::ClientBounds() const {
  TRect m = FrameMargins(*this);
  int top = m.Top + (ShowsMenuBar(*this) ? MenuBarHeight : 0);
  return {m.Left, top, std::max(m.Left, Width() - m.Right), std::max(top, Height() - m.Bottom)};
}

void TCustomForm::SetClientWidth(int width) {
  SetWidth(width + Width() - ClientBounds().Width());
}

void TCustomForm::SetClientHeight(int height) {
  SetHeight(height + Height() - ClientBounds().Height());
}
