#include "plugin/DLLRPCtrller.h"

#include "platform/Files.h"
#include "platform/controls/Application.h"
#include "plugin/DLLFunc.h"

namespace {

// An address inside this plug-in, to find its own file.
const char moduleAnchor = 0;

// The controller unit's initialisation.
const bool controllerRegistered = (DLLControllerClass = &NewController<TDLLRPCtrller>, true);

}  // namespace

const TClassInfo& TDLLRPCtrller::StaticClass() {
  static const TClassInfo info("TDLLRPCtrller", &TDLLBaseController::StaticClass(), nullptr, {}, {}, {});
  return info;
}

TDLLRPCtrller::~TDLLRPCtrller() {
  (void)controllerRegistered;
  FreeForm();
}

void TDLLRPCtrller::GetVersion(WideString& text) {
  if (Form) text = AnsiToWide(Form->VersionText);
}

std::int32_t TDLLRPCtrller::GetFormVisible() { return Form && Form->Visible() ? -1 : 0; }

void TDLLRPCtrller::SetFormVisible(std::int16_t value) {
  if (!Form) return;
  Form->SetVisible(value != 0);
  if (value != 0 && Form) {
    if (Form->WindowState() == wsMinimized) Form->SetWindowState(wsNormal);
    Application->SetForegroundWindow(Form->Handle());
  }
}

HWND TDLLRPCtrller::GetFormHandle() { return Form ? Form->Handle() : 0; }

std::int32_t TDLLRPCtrller::CreateForm(const Variant& param) {
  std::int32_t result = -1;
  const Variant held = param;
  if (!Form) {
    if (!frmBaseGeneClass)
      throw Exception("ORVO DLL Internal Error :\rNot Assign \"frmBaseGeneClass\" varible");
    TComponent* created = frmBaseGeneClass->Create(nullptr);
    Form = dynamic_cast<TfrmBaseGene*>(created);
    if (!Form) {
      created->Free();
      throw Exception("ORVO DLL Internal Error :\r\"frmBaseGeneClass\" is no TfrmBaseGene");
    }
    Form->SetModulePath(GetModuleFileName(&moduleAnchor));
    Form->WorkCenter = WorkCenter;
    DoFormCreated(Form);
    // Hooks only for a new form: a repeated call must not record its own hooks as saved.
    InstallHooks();
  }
  if (Form->Initialize(held)) result = 0;
  return result;
}

void TDLLRPCtrller::InstallHooks() {
  SavedOnShow = Form->OnShow;
  Form->OnShow = Bind<&TDLLRPCtrller::DoFormShow>(this);
  SavedOnHide = Form->OnHide;
  Form->OnHide = Bind<&TDLLRPCtrller::DoFormHide>(this);
  SavedOnDestroy = Form->OnDestroy;
  Form->OnDestroy = Bind<&TDLLRPCtrller::DoFormDestroy>(this);
}

std::int32_t TDLLRPCtrller::ReceiveData(const Variant& data) {
  if (!Form || data.IsNull() || !data.IsArray()) return -1;
  try {
    Form->ReceiveHostData(VarArrayOf({true, data[1]}));
    return 0;
  } catch (...) {
    return -1;
  }
}

std::int32_t TDLLRPCtrller::ReceiveTypedData(int kind, int, const Variant& data) {
  if (!Form || (kind != 5 && kind != 9)) return -1;
  try {
    Form->ReceiveHostData(VarArrayOf({false, data}));
    return 0;
  } catch (...) {
    return -1;
  }
}

Variant TDLLRPCtrller::ShowFormModal() {
  if (!Form) return mrCancel;
  return Form->ShowModal();
}

void TDLLRPCtrller::FreeForm() {
  if (Form && !Form->IsDestroying()) Form->Free();
}

std::int32_t TDLLRPCtrller::GetResults(Variant& results) {
  if (!Form) return -1;
  results = VarArrayOf({Form->UserID, Form->CompanyID, Form->ProgramID, Form->ProgramTitle});
  return 0;
}

bool TDLLRPCtrller::IsFormGone() { return Form == nullptr; }

void TDLLRPCtrller::DoFormShow(TObject* sender) {
  SavedOnShow(sender);
  TDLLBaseController::DoFormShow(sender);
}

void TDLLRPCtrller::DoFormHide(TObject* sender) {
  SavedOnHide(sender);
  TDLLBaseController::DoFormHide(sender);
}

void TDLLRPCtrller::DoFormDestroy(TObject* sender) {
  if (Form) {
    ResultCode = Form->ResultCode;
    ResultValue = VarToOle(Form->ResultValue);
    SavedOnDestroy(sender);
    TDLLBaseController::DoFormDestroy(sender);
  }
  Form = nullptr;
}
