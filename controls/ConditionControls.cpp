#include "controls/ConditionControls.h"

#include "controls/F2Button.h"
#include "controls/GSpdBtn.h"

void RegisterConditionControls() {
  for (const TClassInfo* c : {&TGSpeedButton::StaticClass(), &TF2Button::StaticClass()}) RegisterClass(*c);
}
