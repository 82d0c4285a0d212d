#pragma once
// The application (this module's windows on the process's window system, its message loop, hint
// settings, exception handling, the responder of headless modal runs) and the screen (forms,
// active form and control, fonts).

#include <functional>
#include <vector>

#include "platform/controls/Forms.h"

using TExceptionEvent = TEvent<TObject*, const Exception&>;
const TTypeInfo& TypeInfoOf(TExceptionEvent*);

class TApplication {
public:
  TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  // Handles: numbers, unique for the life of the process.
  HWND AllocateHandle(TWinControl* control);
  void ReleaseHandle(HWND handle);
  // The control of one of this module's handles; nullptr for a window that is gone or belongs
  // to another module.
  TWinControl* FindControl(HWND handle) const;

  // Synchronous delivery to any window of the process; 0 for a handle without window.
  LRESULT SendMessage(HWND handle, unsigned msg, WPARAM wParam, LPARAM lParam);
  // Queued delivery; false for a handle without window. Messages of windows that are gone by
  // the time they come up are dropped.
  bool PostMessage(HWND handle, unsigned msg, WPARAM wParam, LPARAM lParam);
  // Delivers the process's queued messages, to whichever module's windows, until the queue is
  // empty; failures go to HandleException.
  void ProcessMessages();
  bool HasPendingMessages() const { return HasQueuedMessages(); }

  void Terminate() { terminated_ = true; }
  bool Terminated() const { return terminated_; }

  void HandleException(TObject* sender, const std::exception& e);
  // The last exception that reached HandleException without OnException.
  const AnsiString& LastExceptionMessage() const { return lastException_; }
  TExceptionEvent OnException;

  // Answers this module's modal windows in a headless run: it gets the window and sets a modal
  // result, closes it or clicks one of its buttons. Unset: the process's WindowResponder gets
  // the window's handle; without either a modal run raises EModalNotAnswered.
  std::function<void(TCustomForm&)> ModalResponder;

  // The plain message box: a modal dialog with the caption and the buttons and icon the flags
  // name (MB_OK, MB_YESNO, MB_ICONWARNING, ...); answers IDOK, IDYES, ...
  int MessageBox(const AnsiString& text, const AnsiString& caption, int flags);
  // The caption of custom message dialogs.
  AnsiString Title = "Pavane";

  HWND ForegroundWindow() const { return GetForegroundWindow(); }
  void SetForegroundWindow(HWND handle) { ::SetForegroundWindow(handle); }

  bool ShowHint = true;
  int HintPause = 500;
  int HintShortPause = 50;
  int HintHidePause = 2500;
  TColor HintColor = clInfoBk;

private:
  bool terminated_ = false;
  AnsiString lastException_;
};

class TScreen {
public:
  TScreen();
  TScreen(const TScreen&) = delete;
  TScreen& operator=(const TScreen&) = delete;

  int FormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int index) const { return forms_.at(static_cast<size_t>(index)); }
  TCustomForm* ActiveForm() const { return activeForm_; }
  TWinControl* ActiveControl() const { return activeForm_ ? activeForm_->FocusedControl() : nullptr; }

  TFont* IconFont() const { return iconFont_.get(); }
  TFont* HintFont() const { return hintFont_.get(); }
  TFont* MenuFont() const { return menuFont_.get(); }
  TCursor Cursor = crDefault;
  int Width = 1024;
  int Height = 768;
  int PixelsPerInch = ScreenPixelsPerInch;

private:
  friend class TCustomForm;
  void AddForm(TCustomForm* form);
  void RemoveForm(TCustomForm* form);
  void SetActiveForm(TCustomForm* form);

  std::vector<TCustomForm*> forms_;
  TCustomForm* activeForm_ = nullptr;
  std::unique_ptr<TFont> iconFont_;
  std::unique_ptr<TFont> hintFont_;
  std::unique_ptr<TFont> menuFont_;
};

// The process's application and screen. Never destroyed: forms may outlive static destruction.
extern TApplication* const Application;
extern TScreen* const Screen;
