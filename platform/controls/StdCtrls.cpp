#include "platform/controls/StdCtrls.h"

#include "platform/classes/ClassDecl.h"
#include "platform/controls/Forms.h"

const TClassInfo& TLabel::StaticClass() {
  static const TClassInfo info = DescribeClass<TLabel>(
      "TLabel", {Prop("Caption", &TLabel::Caption, &TLabel::SetCaption),
                 Prop("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl)});
  return info;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 65, 17);
  SetParentColor(true);
}

void TLabel::SetFocusControl(TWinControl* control) {
  focusControl_ = control;
  if (control) control->FreeNotification(this);
}

void TLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}

const TClassInfo& TButton::StaticClass() {
  static const TClassInfo info = DescribeClass<TButton>(
      "TButton", {Prop("Caption", &TButton::Caption, &TButton::SetCaption),
                  Prop("ModalResult", &TButton::ModalResult, &TButton::SetModalResult),
                  Prop("Default", &TButton::Default, &TButton::SetDefault),
                  Prop("Cancel", &TButton::Cancel, &TButton::SetCancel)});
  return info;
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
  SetColor(clBtnFace);
}

void TButton::Click() {
  if (TCustomForm* form = ParentForm()) form->SetModalResult(modalResult_);
  TWinControl::Click();
}

const TClassInfo& TEdit::StaticClass() {
  static const TClassInfo info = DescribeClass<TEdit>(
      "TEdit", {Prop("Text", &TEdit::Text, &TEdit::SetText), Prop("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly),
                Prop("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength), Prop("OnChange", &TEdit::OnChange)});
  return info;
}

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 21);
  SetTabStop(true);
}

void TEdit::KeyPress(char& key) {
  TWinControl::KeyPress(key);
  if (key == 0 || readOnly_) return;
  AnsiString text = Text();
  if (key == '\b') {
    if (!text.empty()) text.pop_back();
  } else if (static_cast<unsigned char>(key) >= ' ' && (maxLength_ == 0 || static_cast<int>(text.size()) < maxLength_)) {
    text += key;
  }
  SetText(text);
}

const TClassInfo& TMemo::StaticClass() {
  static const TClassInfo info = DescribeClass<TMemo>(
      "TMemo", {Prop("Lines", &TMemo::Lines, &TMemo::SetLines), Prop("OnChange", &TMemo::OnChange)});
  return info;
}

TMemo::TMemo(TComponent* owner) : TWinControl(owner), lines_(std::make_unique<TStrings>()) {
  SetBounds(0, 0, 185, 89);
  SetTabStop(true);
  setCaptionFromName_ = false;
  lines_->OnChange = [this] { OnChange(this); };
}

void TMemo::SetLines(TStrings* lines) {
  if (lines) lines_->Assign(*lines);
}

const TTypeInfo& TypeInfoOf(TPanelBevel*) {
  static const TTypeInfo t = EnumTypeInfo("TPanelBevel", {"bvNone", "bvLowered", "bvRaised", "bvSpace"});
  return t;
}

const TClassInfo& TPanel::StaticClass() {
  static const TClassInfo info = DescribeClass<TPanel>(
      "TPanel", {Prop("Caption", &TPanel::Caption, &TPanel::SetCaption),
                 Prop("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter),
                 Prop("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner)});
  return info;
}

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
}

void TPanel::SetBevelOuter(TPanelBevel bevel) {
  bevelOuter_ = bevel;
  Invalidate();
}

void TPanel::SetBevelInner(TPanelBevel bevel) {
  bevelInner_ = bevel;
  Invalidate();
}

const TClassInfo& TGroupBox::StaticClass() {
  static const TClassInfo info =
      DescribeClass<TGroupBox>("TGroupBox", {Prop("Caption", &TGroupBox::Caption, &TGroupBox::SetCaption)});
  return info;
}

TGroupBox::TGroupBox(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 185, 105);
  SetColor(clBtnFace);
}

void RegisterStandardControls() {
  for (const TClassInfo* c : {&TForm::StaticClass(), &TLabel::StaticClass(), &TButton::StaticClass(),
                              &TEdit::StaticClass(), &TMemo::StaticClass(), &TPanel::StaticClass(),
                              &TGroupBox::StaticClass()})
    RegisterClass(*c);
}
