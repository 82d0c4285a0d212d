#pragma once
// The spin edit of the schedule page: a sign typed after the first character is dropped, and
// OnChange stays silent while the text is blank.

#include "platform/controls/Spin.h"

class TKvSpinEdit : public TSpinEdit {
  PAVANE_CLASS(TKvSpinEdit, TSpinEdit)
public:
  using TSpinEdit::TSpinEdit;

protected:
  void Change() override;
};

void RegisterKvSpinClass();
