#include "platform/controls/Application.h"

#include <cstdio>

TApplication* const Application = new TApplication();
TScreen* const Screen = new TScreen();

const TTypeInfo& TypeInfoOf(TExceptionEvent*) {
  static const TTypeInfo t = EventTypeInfo("TExceptionEvent");
  return t;
}

TApplication::TApplication() = default;

HWND TApplication::AllocateHandle(TWinControl* control) {
  HWND handle = nextHandle_;
  nextHandle_ += 4;
  windows_[handle] = control;
  return handle;
}

void TApplication::ReleaseHandle(HWND handle) {
  windows_.erase(handle);
  if (foreground_ == handle) foreground_ = 0;
}

TWinControl* TApplication::FindControl(HWND handle) const {
  auto it = windows_.find(handle);
  return it == windows_.end() ? nullptr : it->second;
}

LRESULT TApplication::SendMessage(HWND handle, unsigned msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = FindControl(handle);
  return control ? control->Perform(msg, wParam, lParam) : 0;
}

bool TApplication::PostMessage(HWND handle, unsigned msg, WPARAM wParam, LPARAM lParam) {
  if (!FindControl(handle)) return false;
  queue_.push_back({handle, TMessage{msg, wParam, lParam, 0}});
  return true;
}

void TApplication::ProcessMessages() {
  while (!queue_.empty()) {
    TQueued next = queue_.front();
    queue_.pop_front();
    TWinControl* control = FindControl(next.Handle);
    if (!control) continue;
    try {
      control->WndProc(next.Message);
    } catch (const std::exception& e) {
      HandleException(control, e);
    }
  }
}

void TApplication::HandleException(TObject* sender, const std::exception& e) {
  auto* platformError = dynamic_cast<const Exception*>(&e);
  if (OnException && platformError) return OnException(sender, *platformError);
  lastException_ = e.what();
  std::fprintf(stderr, "%s: %s\n", platformError ? platformError->ClassName().c_str() : "Exception", e.what());
}

void TApplication::SetForegroundWindow(HWND handle) {
  if (FindControl(handle)) foreground_ = handle;
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
