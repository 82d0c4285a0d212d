#pragma once
// The controller the shell drives: the type it compiles against. The shell calls the
// operations by position and reads and writes the data members directly, so their order is
// fixed.

#include "platform/Variant.h"
#include "platform/classes/Events.h"
#include "platform/classes/Object.h"
#include "platform/controls/Messages.h"

class TDLLBaseController;

// The shell's notification handler: (Code, Controller).
using TDLLNotifyEvent = TEvent<int, TDLLBaseController*>;
inline const TTypeInfo& TypeInfoOf(TDLLNotifyEvent*) {
  static const TTypeInfo t = EventTypeInfo("TDLLNotifyEvent");
  return t;
}

class TDLLBaseController : public TObject {
  PAVANE_CLASS(TDLLBaseController, TObject)
public:
  TDLLBaseController() = default;

  virtual void GetVersion(WideString& text) = 0;
  virtual std::int32_t GetFormVisible() = 0;
  virtual void SetFormVisible(std::int16_t value) = 0;
  virtual HWND GetFormHandle() = 0;
  virtual std::int32_t CreateForm(const Variant& param) = 0;
  virtual std::int32_t ReceiveData(const Variant& data) = 0;
  virtual std::int32_t ReceiveTypedData(int kind, int reserved, const Variant& data) = 0;
  virtual Variant ShowFormModal() = 0;
  virtual void FreeForm() = 0;
  virtual std::int32_t GetResults(Variant& results) = 0;
  virtual bool IsFormGone() = 0;
  virtual void DoFormCreated(TObject* sender);
  virtual void DoFormShow(TObject* sender);
  virtual void DoFormHide(TObject* sender);
  virtual void DoFormDestroy(TObject* sender);
  virtual void DoFormEvent5(TObject* sender);
  virtual void Notify(int code);
  virtual void Reserved();

  Variant WorkCenter;
  std::int32_t ResultCode = 0;
  Variant ResultValue;
  TDLLNotifyEvent OnNotify;
};

// Notification codes.
inline constexpr int NotifyFormCreated = 256, NotifyFormShow = 272, NotifyFormHide = 288, NotifyFormDestroy = 304,
                     NotifyFormEvent5 = 320;

// The exported entry point; the shell owns and deletes the controller it returns.
extern "C" TDLLBaseController* GetController();
using TGetControllerFunc = TDLLBaseController* (*)();
