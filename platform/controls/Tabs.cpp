#include "platform/controls/Tabs.h"

#include "platform/classes/ClassDecl.h"
#include "platform/graphics/ClassicLook.h"

const TTypeInfo& TypeInfoOf(TTabChangeEvent*) {
  static const TTypeInfo t = EventTypeInfo("TTabChangeEvent");
  return t;
}

const TClassInfo& TTabSet::StaticClass() {
  static const TClassInfo info = DescribeClass<TTabSet>(
      "TTabSet", {Prop("Tabs", &TTabSet::Tabs, &TTabSet::SetTabs), Prop("TabIndex", &TTabSet::TabIndex, &TTabSet::SetTabIndex),
                  Prop("OnChange", &TTabSet::OnChange)});
  return info;
}

TTabSet::TTabSet(TComponent* owner) : TCustomControl(owner), tabs_(std::make_unique<TStrings>()) {
  SetBounds(0, 0, 185, 21);
  SetColor(clBtnFace);
  setCaptionFromName_ = false;
  tabs_->OnChange = [this] {
    if (tabIndex_ >= tabs_->Count()) tabIndex_ = tabs_->Count() - 1;
  };
}

void TTabSet::SetTabs(TStrings* tabs) {
  if (tabs) tabs_->Assign(*tabs);
}

void TTabSet::SetTabIndex(int index) {
  if (IsLoading()) {
    loadedTabIndex_ = index;
    return;
  }
  if (index >= -1 && index < tabs_->Count()) tabIndex_ = index;
}

void TTabSet::Loaded() {
  TCustomControl::Loaded();
  if (loadedTabIndex_ >= 0) SetTabIndex(loadedTabIndex_);
}

int TTabSet::TabWidth(int index) const {
  return static_cast<int>(tabs_->Strings(index).size()) * CharWidth + TabPadding;
}

int TTabSet::TabLeft(int index) const {
  int left = StartMargin;
  for (int i = 0; i < index; ++i) left += TabWidth(i);
  return left;
}

int TTabSet::ItemAtPos(int x) const {
  for (int i = 0; i < tabs_->Count(); ++i)
    if (x >= TabLeft(i) && x < TabLeft(i) + TabWidth(i)) return i;
  return -1;
}

void TTabSet::WndProc(TMessage& message) {
  if (message.Msg == WM_LBUTTONDOWN && Enabled()) {
    int tab = ItemAtPos(static_cast<std::int16_t>(message.LParam & 0xFFFF));
    if (tab >= 0 && tab != tabIndex_) {
      bool allow = true;
      OnChange(this, tab, allow);
      if (allow) tabIndex_ = tab;
    }
  }
  TCustomControl::WndProc(message);
}

void TTabSet::Paint(TCanvas& canvas) {
  canvas.FillRect(Bounds(0, 0, Width(), Height()));
  TCanvas::TStateSaver saved(canvas);
  canvas.Brush()->SetColor(cl3DDkShadow);
  canvas.FillRect({0, 0, Width(), 1});
  for (int i = 0; i < tabs_->Count(); ++i) {
    TRect r = Bounds(TabLeft(i), 0, TabWidth(i), Height() - 2);
    bool current = i == tabIndex_;
    // The tabs hang below the line; the current one is joined to the page above it.
    canvas.Brush()->SetColor(current ? clBtnFace : clBtnShadow);
    canvas.FillRect(r);
    Frame3D(canvas, {r.Left, r.Top - 1, r.Right, r.Bottom}, current ? clBtnFace : clBtnShadow, cl3DDkShadow);
    DrawCaption(canvas, tabs_->Strings(i), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE, Enabled());
  }
}

void RegisterTabClasses() { RegisterClass(TTabSet::StaticClass()); }
