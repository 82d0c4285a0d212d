#pragma once
// The two class references that decide what the plug-in produces.

#include "plugin/DLLBaseCtrller.h"

// Makes a controller with its plain default constructor.
using TDLLControllerClass = TDLLBaseController* (*)();
extern TDLLControllerClass DLLControllerClass;
// The condition-form class the controller creates (a descendant of TfrmBaseGene).
extern const TClassInfo* frmBaseGeneClass;

template <class T>
TDLLBaseController* NewController() {
  return new T();
}
