#pragma once
// Form classes of the platform tests, with their descriptions in tests/platform/forms.

#include <vector>

#include "platform/classes/ClassDecl.h"
#include "platform/controls/Application.h"
#include "platform/controls/StdCtrls.h"

class TfrmTestBase : public TForm {
  PAVANE_CLASS(TfrmTestBase, TForm)
public:
  using TForm::TForm;

  TPanel* pnlTop = nullptr;
  TEdit* edFirst = nullptr;
  TEdit* edSecond = nullptr;
  TButton* btnOk = nullptr;
  std::vector<AnsiString> Log;

  void FormShow(TObject*) { Log.push_back("show"); }
  void ControlEnter(TObject* sender) { Log.push_back("enter " + static_cast<TComponent*>(sender)->Name()); }
  void ControlExit(TObject* sender) { Log.push_back("exit " + static_cast<TComponent*>(sender)->Name()); }
  void btnOkClick(TObject*) { Log.push_back("base ok"); }
};

class TfrmTestDerived : public TfrmTestBase {
  PAVANE_CLASS(TfrmTestDerived, TfrmTestBase)
public:
  using TfrmTestBase::TfrmTestBase;

  TMemo* memNotes = nullptr;
  void DerivedOkClick(TObject*) { Log.push_back("derived ok"); }
};

// Registers the standard controls and the test forms.
void RegisterTestForms();

// Frees a free-standing component at the end of a scope.
template <class T>
class TScopedFree {
public:
  explicit TScopedFree(T* c) : c_(c) {}
  ~TScopedFree() {
    if (c_) c_->Free();
  }
  TScopedFree(const TScopedFree&) = delete;
  TScopedFree& operator=(const TScopedFree&) = delete;
  T* operator->() const { return c_; }
  T* get() const { return c_; }
  // The component freed itself.
  void Forget() { c_ = nullptr; }

private:
  T* c_;
};
