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

void RegisterDataControlClasses() { RegisterClass(TDBNavigator::StaticClass()); }
