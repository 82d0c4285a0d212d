#pragma once
// The operating system's windows, one set per process. Every module (the shell, each plug-in)
// has its own class library, as on the original platform, but they all share these handles and
// the one message queue, so the shell's message loop serves a plug-in's windows and the other
// way round. A handle is created by a module with its window procedure and the object behind it.

#include <cstdint>
#include <functional>

using HWND = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

struct TMessage {
  unsigned Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

struct TQueuedMessage {
  HWND Handle = 0;
  TMessage Message;
};

// Delivers a message to the module's object of a window; sets Message.Result.
using TWindowProcedure = void (*)(void* window, TMessage& message);

HWND CreateWindowHandle(TWindowProcedure procedure, void* window);
void DestroyWindowHandle(HWND handle);
bool IsWindow(HWND handle);
// The object behind a handle when it was created with this procedure (that is, by this
// module); nullptr for another module's window or one that is gone.
void* WindowObject(HWND handle, TWindowProcedure procedure);

// Delivers at once; 0 for a handle without window.
LRESULT SendMessage(HWND handle, unsigned msg, WPARAM wParam, LPARAM lParam);
// Queues; false for a handle without window.
bool PostMessage(HWND handle, unsigned msg, WPARAM wParam, LPARAM lParam);
// Takes the oldest queued message whose window still exists; false when none is left.
bool PeekMessage(TQueuedMessage& message);
bool HasQueuedMessages();
// Delivers a message taken from the queue to its window, if the window still exists.
void DispatchMessage(TQueuedMessage& message);

HWND GetForegroundWindow();
bool SetForegroundWindow(HWND handle);

// The person at the screen in a headless run: called with a modal window that waits for an
// answer, acting on it through messages (closing it, for one). Installed by the shell or a
// scripted driver; a module's own responder, where it has one, comes first.
using TWindowResponder = std::function<void(HWND)>;
void SetWindowResponder(TWindowResponder responder);
const TWindowResponder& WindowResponder();
