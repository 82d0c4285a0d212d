#include "platform/controls/Application.h"

#include <cstdio>

#include "platform/controls/Dialogs.h"

TApplication* const Application = new TApplication();
TScreen* const Screen = new TScreen();

const TTypeInfo& TypeInfoOf(TExceptionEvent*) {
  static const TTypeInfo t = EventTypeInfo("TExceptionEvent");
  return t;
}

TApplication::TApplication() = default;

namespace {

// This module's window procedure: its handles lead to its controls.
void DeliverToControl(void* window, TMessage& message) { static_cast<TWinControl*>(window)->WndProc(message); }

}  // namespace

HWND TApplication::AllocateHandle(TWinControl* control) { return CreateWindowHandle(&DeliverToControl, control); }

void TApplication::ReleaseHandle(HWND handle) { DestroyWindowHandle(handle); }

TWinControl* TApplication::FindControl(HWND handle) const {
  return static_cast<TWinControl*>(WindowObject(handle, &DeliverToControl));
}

LRESULT TApplication::SendMessage(HWND handle, unsigned msg, WPARAM wParam, LPARAM lParam) {
  return ::SendMessage(handle, msg, wParam, lParam);
}

bool TApplication::PostMessage(HWND handle, unsigned msg, WPARAM wParam, LPARAM lParam) {
  return ::PostMessage(handle, msg, wParam, lParam);
}

void TApplication::ProcessMessages() {
  for (TQueuedMessage next; PeekMessage(next);) {
    try {
      DispatchMessage(next);
    } catch (const std::exception& e) {
      HandleException(FindControl(next.Handle), e);
    }
  }
}

void TApplication::HandleException(TObject* sender, const std::exception& e) {
  auto* platformError = dynamic_cast<const Exception*>(&e);
  if (OnException && platformError) return OnException(sender, *platformError);
  lastException_ = e.what();
  std::fprintf(stderr, "%s: %s\n", platformError ? platformError->ClassName().c_str() : "Exception", e.what());
}

int TApplication::MessageBox(const AnsiString& text, const AnsiString& caption, int flags) {
  return ShowMessageBox(text, caption, flags);
}

TScreen::TScreen()
    : iconFont_(std::make_unique<TFont>()), hintFont_(std::make_unique<TFont>()), menuFont_(std::make_unique<TFont>()) {}

void TScreen::AddForm(TCustomForm* form) { forms_.push_back(form); }

void TScreen::RemoveForm(TCustomForm* form) {
  std::erase(forms_, form);
  if (activeForm_ == form) activeForm_ = nullptr;
}

void TScreen::SetActiveForm(TCustomForm* form) {
  if (activeForm_ == form) return;
  if (activeForm_) activeForm_->active_ = false;
  activeForm_ = form;
  if (form) form->active_ = true;
}
