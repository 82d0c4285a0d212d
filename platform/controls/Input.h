#pragma once
// The input path of a person at the keyboard and mouse: points in the form's client
// coordinates are hit-tested down the parent chain, clicks move the focus to a focusable
// control, keys go to the focused control (after the form's key preview), unconsumed keys
// become characters, Tab moves in tab order, Enter and Escape reach the default and cancel
// buttons, Alt+letter the accelerators, and an open menu takes the keys while it is open.

#include <string_view>

#include "platform/controls/Forms.h"

// The top-most visible child of parent at (x, y) in parent's coordinates, nullptr when none.
TControl* ControlAtPos(const TWinControl& parent, int x, int y);
// The deepest visible control at (x, y) of the form (the form itself when no child is there);
// localX/localY become the point in that control's coordinates.
TControl* FindControlAt(TCustomForm& form, int x, int y, int& localX, int& localY);
// The control's top-left corner in the form's coordinates.
void ControlOrigin(const TControl& control, int& x, int& y);

void Click(TCustomForm& form, int x, int y, TShiftState shift = {});
void DoubleClick(TCustomForm& form, int x, int y);
void RightClick(TCustomForm& form, int x, int y);
// Presses the left button at one point and lets it go at another; the control under the first
// point gets all three messages (it holds the mouse), in its own coordinates.
void Drag(TCustomForm& form, int fromX, int fromY, int toX, int toY);
// A click in the middle of the control.
void ClickOn(TControl& control, TShiftState shift = {});

// A key press (down, the character it makes unless the key was consumed, up) as the focused
// control receives it. Alt with a letter or digit is an accelerator.
void PressKey(TCustomForm& form, WORD key, TShiftState shift = {});
// Types the characters one by one: "\t" is Tab, "\r" and "\n" are Enter, others are characters.
void TypeText(TCustomForm& form, std::string_view text);
