#pragma once
// The application (window handles, the message queue, hint settings, exception handling, the
// responder of headless modal runs) and the screen (forms, active form and control, fonts).

#include <deque>
#include <functional>
#include <unordered_map>
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
  // The control of a handle, nullptr when the window is gone.
  TWinControl* FindControl(HWND handle) const;

  // Synchronous delivery; 0 for a handle without window.
  LRESULT SendMessage(HWND handle, unsigned msg, WPARAM wParam, LPARAM lParam);
  // Queued delivery; false for a handle without window. Messages of windows that are gone by
  // the time they come up are dropped.
  bool PostMessage(HWND handle, unsigned msg, WPARAM wParam, LPARAM lParam);
  // Delivers queued messages until the queue is empty; failures go to HandleException.
  void ProcessMessages();
  bool HasPendingMessages() const { return !queue_.empty(); }

  void Terminate() { terminated_ = true; }
  bool Terminated() const { return terminated_; }

  void HandleException(TObject* sender, const std::exception& e);
  // The last exception that reached HandleException without OnException.
  const AnsiString& LastExceptionMessage() const { return lastException_; }
  TExceptionEvent OnException;

  // Answers modal windows in a headless run: it gets the window and sets a modal result,
  // closes it or clicks one of its buttons. Unset: a modal run raises EModalNotAnswered.
  std::function<void(TCustomForm&)> ModalResponder;

  HWND ForegroundWindow() const { return foreground_; }
  void SetForegroundWindow(HWND handle);

  bool ShowHint = true;
  int HintPause = 500;
  int HintShortPause = 50;
  int HintHidePause = 2500;
  TColor HintColor = clInfoBk;

private:
  std::unordered_map<HWND, TWinControl*> windows_;
  struct TQueued {
    HWND Handle;
    TMessage Message;
  };
  std::deque<TQueued> queue_;
  HWND nextHandle_ = 0x10000;
  HWND foreground_ = 0;
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

// The platform calls, for code that holds handles.
inline LRESULT SendMessage(HWND h, unsigned msg, WPARAM w, LPARAM l) { return Application->SendMessage(h, msg, w, l); }
inline bool PostMessage(HWND h, unsigned msg, WPARAM w, LPARAM l) { return Application->PostMessage(h, msg, w, l); }
