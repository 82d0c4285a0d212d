#include "plugin/DLLFunc.h"

TDLLControllerClass DLLControllerClass = nullptr;
const TClassInfo* frmBaseGeneClass = nullptr;

extern "C" TDLLBaseController* GetController() {
  if (!DLLControllerClass) throw Exception("ORVO DLL Internal Error :\rNot Assign \"DLLControllerClass\" varible");
  return DLLControllerClass();
}
