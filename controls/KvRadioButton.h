#pragma once
// The radio button of the forms: a native radio button whose caption the control paints again
// with its own font.

#include "platform/controls/StdCtrls.h"

class TKvRadioButton : public TButtonControl {
  PAVANE_CLASS(TKvRadioButton, TButtonControl)
public:
  explicit TKvRadioButton(TComponent* owner);

  bool Checked() const override { return checked_; }
  // Checking unchecks the TKvRadioButtons beside it (same parent) and raises OnClick; the
  // checked button is the tab stop.
  void SetChecked(bool checked) override;
  // taLeftJustify puts the caption left of the mark.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

  void Paint(TCanvas& canvas) override;
  // The window's click checks the button, its double click raises OnDblClick; the accelerator
  // focuses it.
  void WndProc(TMessage& message) override;

protected:
  void EnabledChanged() override { Invalidate(); }

private:
  bool checked_ = false;
  TAlignment alignment_ = taRightJustify;
};

// How far right of the button's left edge its caption starts, for a font of that many points.
int RadioCaptionOffset(int points);

// Registers TKvRadioButton for creation by name.
void RegisterKvRadioButtonClass();
