#pragma once
// The report controller: creates, starts, shows, hides, runs and frees one condition form and
// chains the form's show, hide and destroy events to tell the shell.

#include "forms/BaseGene.h"
#include "plugin/DLLBaseCtrller.h"

class TDLLRPCtrller : public TDLLBaseController {
  PAVANE_CLASS(TDLLRPCtrller, TDLLBaseController)
public:
  TDLLRPCtrller() = default;
  ~TDLLRPCtrller() override;

  void GetVersion(WideString& text) override;
  std::int32_t GetFormVisible() override;
  void SetFormVisible(std::int16_t value) override;
  HWND GetFormHandle() override;
  std::int32_t CreateForm(const Variant& param) override;
  std::int32_t ReceiveData(const Variant& data) override;
  std::int32_t ReceiveTypedData(int kind, int reserved, const Variant& data) override;
  Variant ShowFormModal() override;
  void FreeForm() override;
  std::int32_t GetResults(Variant& results) override;
  bool IsFormGone() override;
  void DoFormShow(TObject* sender) override;
  void DoFormHide(TObject* sender) override;
  void DoFormDestroy(TObject* sender) override;

  TfrmBaseGene* Form = nullptr;
  TNotifyEvent SavedOnShow;
  TNotifyEvent SavedOnHide;
  TNotifyEvent SavedOnDestroy;

private:
  void InstallHooks();
};
