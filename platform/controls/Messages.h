#pragma once
// Window messages, key codes and the shift state. Handles are numbers; headless key messages
// carry the shift state (TShiftState bits) in lParam.

#include <cstdint>

#include "platform/classes/Set.h"
#include "platform/classes/TypeInfo.h"
#include "platform/os/Windows.h"

using WORD = std::uint16_t;

inline constexpr unsigned WM_SETFOCUS = 0x0007, WM_KILLFOCUS = 0x0008, WM_CLOSE = 0x0010, WM_KEYDOWN = 0x0100,
                          WM_KEYUP = 0x0101, WM_CHAR = 0x0102, WM_MOUSEMOVE = 0x0200, WM_LBUTTONDOWN = 0x0201,
                          WM_LBUTTONUP = 0x0202, WM_LBUTTONDBLCLK = 0x0203, WM_RBUTTONDOWN = 0x0204,
                          WM_RBUTTONUP = 0x0205, WM_SYSKEYDOWN = 0x0104, WM_SYSCHAR = 0x0106,
                          WM_COMMAND = 0x0111, WM_USER = 0x0400;
// The class library's own messages.
inline constexpr unsigned CM_BASE = 0xB000, CM_ENTER = CM_BASE + 1, CM_EXIT = CM_BASE + 2, CM_RELEASE = CM_BASE + 3,
                          CM_DIALOGKEY = CM_BASE + 4, CM_DIALOGCHAR = CM_BASE + 5;
// Notifications of a native window reflected back to its control; a button's notification code
// (BN_CLICKED, BN_DOUBLECLICKED) is the wParam of CN_COMMAND.
inline constexpr unsigned CN_BASE = 0xBC00, CN_COMMAND = CN_BASE + WM_COMMAND;
inline constexpr unsigned BN_CLICKED = 0, BN_DOUBLECLICKED = 5;

inline constexpr WORD VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_SHIFT = 16, VK_CONTROL = 17, VK_MENU = 18,
                      VK_ESCAPE = 27, VK_SPACE = 32, VK_PRIOR = 33, VK_NEXT = 34, VK_END = 35, VK_HOME = 36,
                      VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40, VK_INSERT = 45, VK_DELETE = 46, VK_F1 = 0x70,
                      VK_F2 = 0x71, VK_F3 = 0x72, VK_F4 = 0x73, VK_F5 = 0x74, VK_F10 = 0x79, VK_F12 = 0x7B;

enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;
const TTypeInfo& TypeInfoOf(TShiftStateItem*);
const TTypeInfo& TypeInfoOf(TShiftState*);

enum TMouseButton { mbLeft, mbRight, mbMiddle };
const TTypeInfo& TypeInfoOf(TMouseButton*);

// Mouse messages carry the point in lParam: x in the low, y in the high 16 bits, and the shift
// state (TShiftState bits) in wParam.
constexpr LPARAM MakePointParam(int x, int y) {
  return static_cast<LPARAM>((static_cast<std::uint32_t>(y) << 16) | (static_cast<std::uint32_t>(x) & 0xFFFFu));
}
inline constexpr int mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
                     mrNo = 7, mrAll = 8, mrNoToAll = 9, mrYesToAll = 10;
