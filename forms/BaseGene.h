#pragma once
// The condition form: what the controller needs of it. Its windows, state and extension
// points grow with the condition-form framework.

#include "platform/controls/Forms.h"

class TfrmBaseGene : public TForm {
  PAVANE_CLASS(TfrmBaseGene, TForm)
public:
  using TForm::TForm;

  void SetModulePath(const AnsiString& path) { ModulePath = path; }
  // Starts the form with the shell's parameter array; false when the start-up failed.
  virtual bool Initialize(const Variant& param);
  // Pair: [flag, Data] from the controller.
  void ReceiveHostData(const Variant& pair);

  Variant WorkCenter;
  AnsiString ModulePath;
  AnsiString VersionText;
  AnsiString UserID;
  AnsiString CompanyID;
  AnsiString ProgramID;
  AnsiString ProgramTitle;
  std::int32_t ResultCode = 0;
  Variant ResultValue;
  Variant ReceivedData;
};
