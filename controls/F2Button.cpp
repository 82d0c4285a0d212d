#include "controls/F2Button.h"

#include "platform/classes/ClassDecl.h"
#include "platform/controls/Application.h"
#include "platform/controls/Dialogs.h"

const TClassInfo& TF2Button::StaticClass() {
  static const TClassInfo info = DescribeClass<TF2Button>(
      "TF2Button", {Prop("AutoAlign", &TF2Button::AutoAlign, &TF2Button::SetAutoAlign),
                    Prop("F2Control", &TF2Button::F2Control, &TF2Button::SetF2Control),
                    Prop("Gap", &TF2Button::Gap, &TF2Button::SetGap)});
  return info;
}

TF2Button::TF2Button(TComponent* owner) : TGSpeedButton(owner) {
  SetFlat(true);
  SetGlyphIndex(8);
}

void TF2Button::SetAutoAlign(bool autoAlign) {
  autoAlign_ = autoAlign;
  Place();
}

void TF2Button::SetF2Control(TWinControl* control) {
  if (control && !IsUniqueFor(control)) return;
  if (f2Control_ && f2Control_ != control) f2Control_->RemoveFreeNotification(this);
  f2Control_ = control;
  if (!control) return;
  // A button must not go on pointing at a control that was freed.
  control->FreeNotification(this);
  Place();
}

void TF2Button::SetGap(std::uint8_t gap) {
  if (gap == gap_) return;
  gap_ = gap;
  Place();
}

bool TF2Button::IsUniqueFor(TWinControl* control) const {
  if (!Parent()) return true;
  for (int i = 0; i < Parent()->ComponentCount(); ++i) {
    auto* other = dynamic_cast<TF2Button*>(Parent()->Components(i));
    if (!other || other->f2Control_ != control) continue;
    // This button already pointing at it keeps it, without a word.
    if (other != this)
      Application->MessageBox(GbText("不能同时有两个 F2Button 指到同一个 Edit."), Application->Title,
                              MB_OK | MB_ICONERROR);
    return false;
  }
  return true;
}

void TF2Button::Place() {
  if (!autoAlign_ || !f2Control_) return;
  const TWinControl& c = *f2Control_;
  SetBounds(c.Left() + c.Width() + gap_, c.Top(), c.Height(), c.Height());
}

void TF2Button::Click() {
  TGSpeedButton::Click();
  if (!f2Control_ || !f2Control_->Enabled()) return;
  if (f2Control_->CanFocus()) f2Control_->SetFocus();
  if (!f2Control_->Focused()) return;
  if (auto* owner = dynamic_cast<TWinControl*>(f2Control_->Owner()))
    SendMessage(owner->Handle(), WM_F2REQUEST, 0, reinterpret_cast<LPARAM>(f2Control_));
}

void TF2Button::Notification(TComponent* component, TOperation operation) {
  TGSpeedButton::Notification(component, operation);
  if (operation == opRemove && component == f2Control_) f2Control_ = nullptr;
}
