#include "plugin/DLLBaseCtrller.h"

const TClassInfo& TDLLBaseController::StaticClass() {
  static const TClassInfo info("TDLLBaseController", &TObject::StaticClass(), nullptr, {}, {}, {});
  return info;
}

void TDLLBaseController::DoFormCreated(TObject*) { Notify(NotifyFormCreated); }
void TDLLBaseController::DoFormShow(TObject*) { Notify(NotifyFormShow); }
void TDLLBaseController::DoFormHide(TObject*) { Notify(NotifyFormHide); }
void TDLLBaseController::DoFormDestroy(TObject*) { Notify(NotifyFormDestroy); }
void TDLLBaseController::DoFormEvent5(TObject*) { Notify(NotifyFormEvent5); }
void TDLLBaseController::Notify(int code) { OnNotify(code, this); }
void TDLLBaseController::Reserved() {}
