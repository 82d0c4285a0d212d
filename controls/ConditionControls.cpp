#include "controls/ConditionControls.h"

#include "controls/BtChkBox.h"
#include "controls/DBLabel.h"
#include "controls/ExtPage.h"
#include "controls/F2Button.h"
#include "controls/GSpdBtn.h"
#include "controls/KvRadioButton.h"
#include "controls/KvRadioGroup.h"
#include "controls/KvSpin.h"
#include "controls/OrvoEdit.h"

void RegisterConditionControls() {
  for (const TClassInfo* c : {&TGSpeedButton::StaticClass(), &TF2Button::StaticClass()}) RegisterClass(*c);
  RegisterBitCheckBoxClasses();
  RegisterKvRadioButtonClass();
  RegisterKvRadioGroupClass();
  RegisterOrvoEditClasses();
  RegisterDBLabelClass();
  RegisterKvSpinClass();
  RegisterExtPageClass();
}
