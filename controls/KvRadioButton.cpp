#include "controls/KvRadioButton.h"

#include "platform/classes/ClassDecl.h"
#include "platform/controls/Buttons.h"
#include "platform/graphics/Canvas.h"

const TClassInfo& TKvRadioButton::StaticClass() {
  static const TClassInfo info = DescribeClass<TKvRadioButton>(
      "TKvRadioButton", {Prop("Caption", &TKvRadioButton::Caption, &TKvRadioButton::SetCaption),
                         Prop("Checked", &TKvRadioButton::Checked, &TKvRadioButton::SetChecked),
                         Prop("Alignment", &TKvRadioButton::Alignment, &TKvRadioButton::SetAlignment)});
  return info;
}

TKvRadioButton::TKvRadioButton(TComponent* owner) : TButtonControl(owner) {
  SetBounds(0, 0, 113, 17);
  SetColor(clBtnFace);
}

void TKvRadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  SetTabStop(checked);
  Invalidate();
  if (!checked) return;
  // Radio buttons of other classes keep their state.
  if (Parent())
    for (int i = 0; i < Parent()->ControlCount(); ++i)
      if (auto* other = dynamic_cast<TKvRadioButton*>(Parent()->Controls(i)); other && other != this)
        other->SetChecked(false);
  if (!IsLoading()) Click();
}

// The window's look follows the alignment and the 3-D setting whenever it is painted, so
// neither needs the window made again.
void TKvRadioButton::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Invalidate();
}

void TKvRadioButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (message.WParam == BN_CLICKED) SetChecked(true);
      if (message.WParam == BN_DOUBLECLICKED) OnDblClick(this);
      return;
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<char>(message.WParam), Caption()) && CanFocus()) {
        SetFocus();
        message.Result = 1;
      }
      return;
    default:
      TButtonControl::WndProc(message);
  }
}

int RadioCaptionOffset(int points) {
  struct TOffset {
    int Last;
    int Pixels;
  };
  static const TOffset offsets[] = {{8, 17},  {15, 19}, {17, 20}, {23, 21}, {29, 23}, {35, 25},
                                    {41, 27}, {43, 29}, {60, 31}, {80, 39}};
  if (points < 1) return 44;
  for (const TOffset& o : offsets)
    if (points <= o.Last) return o.Pixels;
  return 44;
}

void TKvRadioButton::Paint(TCanvas& canvas) {
  PaintRadioButtonFace(canvas, *this, checked_, alignment_);
  // The caption again in the control's own font, over the one the window drew. With the caption
  // left of the mark the offset is taken from the right edge, so the mark stays visible.
  TRect text = Bounds(0, 0, ClientWidth(), ClientHeight());
  int offset = RadioCaptionOffset(Font()->Size());
  if (alignment_ == taLeftJustify)
    text.Right -= offset;
  else
    text.Left += offset;
  canvas.Pen()->SetColor(Color());
  canvas.Brush()->SetColor(Color());
  canvas.Rectangle(text.Left - 4, text.Top - 4, text.Right + 4, text.Bottom + 4);
  canvas.Brush()->SetStyle(bsClear);
  canvas.SetFont(Font());
  if (!Enabled()) canvas.Font()->SetColor(clGrayText);
  canvas.DrawText(Caption(), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

void RegisterKvRadioButtonClass() { RegisterClass(TKvRadioButton::StaticClass()); }
