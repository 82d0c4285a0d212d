#include "outside/avpkgex/BtnDBCombo.h"

#include "platform/classes/ClassDecl.h"
#include "platform/graphics/Canvas.h"

namespace {

constexpr int GlyphSize = 12;

// Three dots on a transparent ground (the bottom-left colour).
void DrawDots(TBitmap& glyph) {
  glyph.SetSize(GlyphSize, GlyphSize);
  glyph.Canvas()->Brush()->SetColor(clOlive);
  glyph.Canvas()->FillRect(Bounds(0, 0, GlyphSize, GlyphSize));
  glyph.Canvas()->Brush()->SetColor(clBlack);
  for (int dot = 0; dot < 3; ++dot) glyph.Canvas()->FillRect(Bounds(1 + dot * 4, 8, 2, 2));
}

}  // namespace

const TClassInfo& TKvBtnDBCombo::StaticClass() {
  static const TClassInfo info = DescribeClass<TKvBtnDBCombo>(
      "TKvBtnDBCombo", {Prop("SpeedButton", &TKvBtnDBCombo::SpeedButton, nullptr),
                        Prop("ButtonSpacing", &TKvBtnDBCombo::ButtonSpacing, &TKvBtnDBCombo::SetButtonSpacing),
                        Prop("OnButtonClick", &TKvBtnDBCombo::OnButtonClick)});
  return info;
}

TKvBtnDBCombo::TKvBtnDBCombo(TComponent* owner) : TDBComboBox(owner) {
  button_ = New<TSpeedButton>(this);
  button_->SetName("SpeedButton");
  button_->FreeNotification(this);
  DrawDots(*button_->Glyph());
  button_->SetNumGlyphs(1);
  button_->OnClick = Bind<&TKvBtnDBCombo::ButtonClicked>(this);
  PlaceButton();
}

void TKvBtnDBCombo::SetButtonSpacing(int spacing) {
  if (spacing < 0) return;
  buttonSpacing_ = spacing;
  PlaceButton();
}

void TKvBtnDBCombo::SetBounds(int left, int top, int width, int height) {
  TDBComboBox::SetBounds(left, top, width, height);
  PlaceButton();
}

void TKvBtnDBCombo::SetParent(TWinControl* parent) {
  TDBComboBox::SetParent(parent);
  if (button_) button_->SetParent(parent);
}

void TKvBtnDBCombo::Loaded() {
  TDBComboBox::Loaded();
  // The button was made while the combo box was being read; its reading ends with the box's.
  if (button_ && button_->IsLoading()) static_cast<TComponent*>(button_)->Loaded();
}

void TKvBtnDBCombo::EnabledChanged() {
  TDBComboBox::EnabledChanged();
  if (button_) button_->SetEnabled(Enabled());
}

void TKvBtnDBCombo::VisibleChanged() {
  TDBComboBox::VisibleChanged();
  if (button_) button_->SetVisible(Visible());
}

void TKvBtnDBCombo::Notification(TComponent* component, TOperation operation) {
  TDBComboBox::Notification(component, operation);
  if (operation == opRemove && component == button_) button_ = nullptr;
}

void TKvBtnDBCombo::PlaceButton() {
  if (button_) button_->SetBounds(Left() + Width() + buttonSpacing_, Top(), Height(), Height());
}

void TKvBtnDBCombo::ButtonClicked(TObject*) { OnButtonClick(this); }

void RegisterAvpkgExClasses() { RegisterClass(TKvBtnDBCombo::StaticClass()); }
