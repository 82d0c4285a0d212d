#pragma once
// The masked edit of the range selection panel: its text changes can be kept from raising
// OnChange while the panel swaps the mask under the text.

#include "platform/controls/Mask.h"

class TTarnMaskEdit : public TMaskEdit {
  PAVANE_CLASS(TTarnMaskEdit, TMaskEdit)
public:
  using TMaskEdit::TMaskEdit;
  bool ChangeSuppressed() const { return changeSuppressed_; }
  void SetChangeSuppressed(bool suppressed) { changeSuppressed_ = suppressed; }

protected:
  void TextChanged() override {
    if (!changeSuppressed_) TMaskEdit::TextChanged();
  }

private:
  bool changeSuppressed_ = false;
};
