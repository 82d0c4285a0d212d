#include "platform/os/Windows.h"

#include <deque>
#include <unordered_map>

namespace {

struct TWindow {
  TWindowProcedure Procedure;
  void* Object;
};

// The window system of the process; everything runs on the interface thread.
struct TWindowSystem {
  std::unordered_map<HWND, TWindow> windows;
  std::deque<TQueuedMessage> queue;
  HWND nextHandle = 0x10000;
  HWND foreground = 0;
  TWindowResponder responder;
};

TWindowSystem& System() {
  static TWindowSystem* system = new TWindowSystem();  // windows may outlive static destruction
  return *system;
}

const TWindow* Find(HWND handle) {
  auto& windows = System().windows;
  auto it = windows.find(handle);
  return it == windows.end() ? nullptr : &it->second;
}

}  // namespace

HWND CreateWindowHandle(TWindowProcedure procedure, void* window) {
  TWindowSystem& system = System();
  HWND handle = system.nextHandle;
  system.nextHandle += 4;
  system.windows[handle] = {procedure, window};
  return handle;
}

void DestroyWindowHandle(HWND handle) {
  TWindowSystem& system = System();
  system.windows.erase(handle);
  if (system.foreground == handle) system.foreground = 0;
}

bool IsWindow(HWND handle) { return Find(handle) != nullptr; }

void* WindowObject(HWND handle, TWindowProcedure procedure) {
  const TWindow* window = Find(handle);
  return window && window->Procedure == procedure ? window->Object : nullptr;
}

LRESULT SendMessage(HWND handle, unsigned msg, WPARAM wParam, LPARAM lParam) {
  const TWindow* window = Find(handle);
  if (!window) return 0;
  TMessage message{msg, wParam, lParam, 0};
  TWindow target = *window;  // the procedure may destroy the window
  target.Procedure(target.Object, message);
  return message.Result;
}

bool PostMessage(HWND handle, unsigned msg, WPARAM wParam, LPARAM lParam) {
  if (!Find(handle)) return false;
  System().queue.push_back({handle, TMessage{msg, wParam, lParam, 0}});
  return true;
}

bool PeekMessage(TQueuedMessage& message) {
  auto& queue = System().queue;
  while (!queue.empty()) {
    message = queue.front();
    queue.pop_front();
    if (Find(message.Handle)) return true;
  }
  return false;
}

bool HasQueuedMessages() { return !System().queue.empty(); }

void DispatchMessage(TQueuedMessage& message) {
  const TWindow* window = Find(message.Handle);
  if (!window) return;
  TWindow target = *window;
  target.Procedure(target.Object, message.Message);
}

HWND GetForegroundWindow() { return System().foreground; }

bool SetForegroundWindow(HWND handle) {
  if (!Find(handle)) return false;
  System().foreground = handle;
  return true;
}

void SetWindowResponder(TWindowResponder responder) { System().responder = std::move(responder); }

const TWindowResponder& WindowResponder() { return System().responder; }
