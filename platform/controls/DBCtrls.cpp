#include "platform/controls/DBCtrls.h"

#include "platform/classes/ClassDecl.h"
#include "platform/graphics/ClassicLook.h"

const TTypeInfo& TypeInfoOf(TNavigateBtn*) {
  static const TTypeInfo t = EnumTypeInfo("TNavigateBtn", {"nbFirst", "nbPrior", "nbNext", "nbLast", "nbInsert",
                                                           "nbDelete", "nbEdit", "nbPost", "nbCancel", "nbRefresh"});
  return t;
}
const TTypeInfo& TypeInfoOf(TButtonSet*) {
  static const TTypeInfo t = SetTypeInfo("TButtonSet", TypeInfoFor<TNavigateBtn>());
  return t;
}
const TTypeInfo& TypeInfoOf(TNavClickEvent*) {
  static const TTypeInfo t = EventTypeInfo("ENavClick");
  return t;
}

const TClassInfo& TDBNavigator::StaticClass() {
  static const TClassInfo info = DescribeClass<TDBNavigator>(
      "TDBNavigator", {Prop("VisibleButtons", &TDBNavigator::VisibleButtons, &TDBNavigator::SetVisibleButtons),
                       Prop("Hints", &TDBNavigator::Hints, &TDBNavigator::SetHints),
                       Prop("OnClick", &TDBNavigator::OnNavigateClick)});
  return info;
}

TDBNavigator::TDBNavigator(TComponent* owner) : TCustomControl(owner), hints_(std::make_unique<TStrings>()) {
  SetBounds(0, 0, 240, 25);
  SetColor(clBtnFace);
  setCaptionFromName_ = false;
}

void TDBNavigator::SetHints(TStrings* hints) {
  if (hints) hints_->Assign(*hints);
}

AnsiString TDBNavigator::ButtonHint(TNavigateBtn button) const {
  static const char* const defaults[] = {"First record", "Prior record", "Next record",   "Last record",
                                         "Insert record", "Delete record", "Edit record", "Post edit",
                                         "Cancel edit",   "Refresh data"};
  int index = static_cast<int>(button);
  if (index < hints_->Count() && !hints_->Strings(index).empty()) return hints_->Strings(index);
  return defaults[index];
}

std::vector<TNavigateBtn> TDBNavigator::ShownButtons() const {
  std::vector<TNavigateBtn> shown;
  for (int b = nbFirst; b <= nbRefresh; ++b)
    if (visibleButtons_.Contains(static_cast<TNavigateBtn>(b))) shown.push_back(static_cast<TNavigateBtn>(b));
  return shown;
}

bool TDBNavigator::ButtonAt(int x, TNavigateBtn& button) const {
  std::vector<TNavigateBtn> shown = ShownButtons();
  if (shown.empty() || x < 0 || x >= Width()) return false;
  size_t index = static_cast<size_t>(x) * shown.size() / static_cast<size_t>(Width());
  button = shown[index];
  return true;
}

void TDBNavigator::BtnClick(TNavigateBtn button) { OnNavigateClick(this, button); }

void TDBNavigator::WndProc(TMessage& message) {
  if (message.Msg == WM_LBUTTONDOWN && Enabled()) pressed_ = true;
  if (message.Msg == WM_LBUTTONUP && pressed_) {
    pressed_ = false;
    TNavigateBtn button = nbFirst;
    if (ButtonAt(static_cast<std::int16_t>(message.LParam & 0xFFFF), button)) BtnClick(button);
    return;
  }
  TCustomControl::WndProc(message);
}

void TDBNavigator::Paint(TCanvas& canvas) {
  std::vector<TNavigateBtn> shown = ShownButtons();
  if (shown.empty()) return;
  // Each button shows the first letter of its hint; the pictures come with the data controls.
  int count = static_cast<int>(shown.size());
  for (int i = 0; i < count; ++i) {
    int left = Width() * i / count, right = Width() * (i + 1) / count;
    TRect content = DrawButtonFace(canvas, {left, 0, right, Height()}, false, false, false);
    DrawCaption(canvas, ButtonHint(shown[static_cast<size_t>(i)]).substr(0, 1), content,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, Enabled());
  }
}

void TFieldDataLink::SetDataSource(TDataSource* dataSource, TComponent& control) {
  dataSource_ = dataSource;
  if (dataSource) dataSource->FreeNotification(&control);
}

TField* TFieldDataLink::Field() const {
  if (!dataSource_ || !dataSource_->DataSet()) return nullptr;
  return dataSource_->DataSet()->FindField(fieldName_);
}

void TFieldDataLink::Forget(const TComponent* component) {
  if (component == dataSource_) dataSource_ = nullptr;
}

const TClassInfo& TDBEdit::StaticClass() {
  static const TClassInfo info = DescribeClass<TDBEdit>(
      "TDBEdit", {Prop("DataSource", &TDBEdit::DataSource, &TDBEdit::SetDataSource),
                  Prop("DataField", &TDBEdit::DataField, &TDBEdit::SetDataField)});
  return info;
}

void TDBEdit::Notification(TComponent* component, TOperation operation) {
  TEdit::Notification(component, operation);
  if (operation == opRemove) link_.Forget(component);
}

const TClassInfo& TDBComboBox::StaticClass() {
  static const TClassInfo info = DescribeClass<TDBComboBox>(
      "TDBComboBox", {Prop("DataSource", &TDBComboBox::DataSource, &TDBComboBox::SetDataSource),
                      Prop("DataField", &TDBComboBox::DataField, &TDBComboBox::SetDataField)});
  return info;
}

void TDBComboBox::Notification(TComponent* component, TOperation operation) {
  TComboBox::Notification(component, operation);
  if (operation == opRemove) link_.Forget(component);
}

void RegisterDataControlClasses() {
  for (const TClassInfo* c : {&TDBNavigator::StaticClass(), &TDBEdit::StaticClass(), &TDBComboBox::StaticClass(),
                              &TDataSet::StaticClass(), &TDataSource::StaticClass()})
    RegisterClass(*c);
}
