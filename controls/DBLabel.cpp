#include "controls/DBLabel.h"

#include <algorithm>

#include "platform/classes/ClassDecl.h"
#include "platform/classes/TypInfo.h"
#include "platform/controls/Dialogs.h"
#include "platform/db/DataSource.h"

const TTypeInfo& TypeInfoOf(TDBLabelPos*) {
  static const TTypeInfo t = EnumTypeInfo("TDBLabelPos", {"psTop", "psLeft", "psRight", "psBottom"});
  return t;
}

const TClassInfo& TDBLabel::StaticClass() {
  static const TClassInfo info = DescribeClass<TDBLabel>(
      "TDBLabel", {Prop("AutoAlign", &TDBLabel::AutoAlign, &TDBLabel::SetAutoAlign),
                   Prop("AutoCaption", &TDBLabel::AutoCaption, &TDBLabel::SetAutoCaption),
                   Prop<TDBLabel>("FocusControl", &TDBLabel::FocusControl, &TDBLabel::SetFocusControl),
                   Prop("Gap", &TDBLabel::Gap, &TDBLabel::SetGap, &TypeInfoOf(static_cast<std::uint8_t*>(nullptr))),
                   Prop("Pos", &TDBLabel::Pos, &TDBLabel::SetPos)});
  return info;
}

TDBLabel::TDBLabel(TComponent* owner) : TLabel(owner) { SetCaption(GbText("挂靠标签")); }

void TDBLabel::SetAutoAlign(bool autoAlign) {
  autoAlign_ = autoAlign;
  Adjust();
}

void TDBLabel::SetAutoCaption(bool autoCaption) {
  autoCaption_ = autoCaption;
  Adjust();
}

void TDBLabel::SetGap(int gap) {
  if (gap < 0 || gap > 255 || gap == gap_) return;
  gap_ = static_cast<std::uint8_t>(gap);
  Adjust();
}

void TDBLabel::SetPos(TDBLabelPos pos) {
  if (pos == pos_) return;
  pos_ = pos;
  Adjust();
}

bool TDBLabel::TakenByAnother(const TWinControl* control) const {
  if (!Parent()) return false;
  for (int i = 0; i < Parent()->ComponentCount(); ++i) {
    auto* other = dynamic_cast<TDBLabel*>(Parent()->Components(i));
    if (other && other != this && other->FocusControl() == control) return true;
  }
  return false;
}

void TDBLabel::SetFocusControl(TWinControl* control) {
  if (control && control != FocusControl() && TakenByAnother(control)) {
    MessageDlg(GbText("不能同时有两个 DBLabel 指到同一个 Control."), mtError, {mbOK});
    return;
  }
  TLabel::SetFocusControl(control);
  Adjust();
}

void TDBLabel::Adjust() {
  RefreshCaption();
  Place();
}

void TDBLabel::Loaded() {
  TLabel::Loaded();
  Adjust();
}

void TDBLabel::RefreshCaption() {
  TWinControl* control = FocusControl();
  if (!autoCaption_ || !control) return;
  const TPropInfo* sourceProp = GetPropInfo(*control, "DataSource");
  const TPropInfo* fieldProp = GetPropInfo(*control, "DataField");
  if (!sourceProp || sourceProp->PropType->Kind != tkClass || !fieldProp || fieldProp->PropType->Kind != tkString)
    return;
  auto* source = dynamic_cast<TDataSource*>(GetObjectProp(*control, *sourceProp));
  if (!source || !source->DataSet()) return;
  if (TField* field = source->DataSet()->FindField(GetStrProp(*control, *fieldProp)))
    SetCaption(field->DisplayLabel());
}

void TDBLabel::Place() {
  const TWinControl* c = FocusControl();
  if (!autoAlign_ || !c || IsLoading()) return;
  // Beside the control: the same top when the heights agree, else centred on it.
  int middle = Height() == c->Height() ? c->Top() : std::max(c->Top() + c->Height() / 2 - Height() / 2, 0);
  int left = Left(), top = Top();
  switch (pos_) {
    case psTop:
      left = c->Left();
      top = std::max(c->Top() - Height() - gap_, 0);
      break;
    case psLeft:
      left = std::max(c->Left() - Width() - gap_, 0);
      top = middle;
      break;
    case psRight:
      left = std::max(c->Left() + c->Width() + gap_, 0);
      top = middle;
      break;
    case psBottom:
      left = c->Left();
      top = std::max(c->Top() + c->Height() + gap_, 0);
      break;
  }
  SetBounds(left, top, Width(), Height());
}

void RegisterDBLabelClass() { RegisterClass(TDBLabel::StaticClass()); }
