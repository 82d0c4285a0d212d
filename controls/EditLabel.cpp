#include "controls/EditLabel.h"

#include "platform/classes/ClassDecl.h"

const TTypeInfo& TypeInfoOf(TLabelPosition*) {
  static const TTypeInfo t = EnumTypeInfo("TLabelPosition", {"lpAbove", "lpBelow", "lpLeft", "lpRight"});
  return t;
}

void TEditLabelLink::Create(TWinControl& edit) {
  edit_ = &edit;
  label_ = New<TLabel>(&edit);
  label_->SetName("EditLabel");
  label_->SetCaption("");
  label_->SetFocusControl(&edit);
  label_->FreeNotification(&edit);
  FollowParent();
  Place();
}

void TEditLabelLink::SetCaption(const AnsiString& caption) {
  if (!label_) return;
  label_->SetCaption(caption);
  Place();
}

void TEditLabelLink::SetPosition(TLabelPosition position) {
  position_ = position;
  Place();
}

void TEditLabelLink::SetSpacing(int spacing) {
  if (spacing < 0) return;
  spacing_ = spacing;
  Place();
}

void TEditLabelLink::Place() {
  if (!label_) return;
  const TWinControl& e = *edit_;
  int width = label_->Width(), height = label_->Height();
  int left = e.Left(), top = e.Top();
  switch (position_) {
    case lpAbove: top = e.Top() - height - spacing_; break;
    case lpBelow: top = e.Top() + e.Height() + spacing_; break;
    case lpLeft:
      left = e.Left() - width - spacing_;
      top = e.Top() + (e.Height() - height) / 2;
      break;
    case lpRight:
      left = e.Left() + e.Width() + spacing_;
      top = e.Top() + (e.Height() - height) / 2;
      break;
  }
  label_->SetBounds(left, top, width, height);
}

void TEditLabelLink::FollowParent() {
  if (label_) label_->SetParent(edit_->Parent());
}

void TEditLabelLink::FollowState() {
  if (!label_) return;
  label_->SetEnabled(edit_->Enabled());
  label_->SetVisible(edit_->Visible());
}

void TEditLabelLink::Forget(const TComponent* component) {
  if (component == label_) label_ = nullptr;
}

void TEditLabelLink::Loaded() {
  if (!label_) return;
  if (label_->IsLoading()) static_cast<TComponent*>(label_)->Loaded();
  Place();
}
