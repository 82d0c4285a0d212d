#pragma once
// TKvBtnDBCombo of the component package AvpkgExF9D5: a data-aware combo box with a speed
// button beside it (its SpeedButton, a one-image glyph of three dots). The button sits right
// of the combo box, as high and as wide as the box is high, and follows its parent, enabling
// and visibility; its click runs OnButtonClick with the combo box.

#include "platform/controls/Buttons.h"
#include "platform/controls/DBCtrls.h"

class TKvBtnDBCombo : public TDBComboBox {
  PAVANE_CLASS(TKvBtnDBCombo, TDBComboBox)
public:
  explicit TKvBtnDBCombo(TComponent* owner);
  // nullptr once the button is gone.
  TSpeedButton* SpeedButton() const { return button_; }
  int ButtonSpacing() const { return buttonSpacing_; }
  // A negative spacing is ignored.
  void SetButtonSpacing(int spacing);

  void SetBounds(int left, int top, int width, int height) override;
  void SetParent(TWinControl* parent) override;
  void Loaded() override;

  TNotifyEvent OnButtonClick;

protected:
  void EnabledChanged() override;
  void VisibleChanged() override;
  void Notification(TComponent* component, TOperation operation) override;

private:
  void PlaceButton();
  void ButtonClicked(TObject* sender);

  TSpeedButton* button_ = nullptr;
  int buttonSpacing_ = 2;
};

void RegisterAvpkgExClasses();
