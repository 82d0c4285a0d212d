#include "controls/ConditionControls.h"

#include "controls/BtChkBox.h"
#include "controls/F2Button.h"
#include "controls/GSpdBtn.h"
#include "controls/KvRadioButton.h"
#include "controls/KvRadioGroup.h"

void RegisterConditionControls() {
  for (const TClassInfo* c : {&TGSpeedButton::StaticClass(), &TF2Button::StaticClass()}) RegisterClass(*c);
  RegisterBitCheckBoxClasses();
  RegisterKvRadioButtonClass();
  RegisterKvRadioGroupClass();
}
