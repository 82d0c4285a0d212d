#pragma once
// The condition controls, registered so that form descriptions can create them by name.

void RegisterConditionControls();
