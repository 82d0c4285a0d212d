#include "platform/controls/Input.h"

#include "platform/controls/Application.h"
#include "platform/controls/Menus.h"
#include "platform/controls/MenusPaint.h"

namespace {

bool Contains(const TControl& c, int x, int y) {
  return x >= c.Left() && y >= c.Top() && x < c.Left() + c.Width() && y < c.Top() + c.Height();
}

// The character a key makes, 0 for keys without one.
char KeyChar(WORD key, TShiftState shift) {
  if (key == VK_RETURN || key == VK_ESCAPE || key == VK_BACK || key == VK_SPACE) return static_cast<char>(key);
  // Ctrl with a letter makes the control character (Ctrl+A is 1), which edits do not take.
  if (key >= 'A' && key <= 'Z' && shift.Contains(ssCtrl)) return static_cast<char>(key - 'A' + 1);
  if (key >= 'A' && key <= 'Z') return static_cast<char>(shift.Contains(ssShift) ? key : key - 'A' + 'a');
  if (key >= '0' && key <= '9') return static_cast<char>(key);
  return 0;
}

TWinControl& KeyTarget(TCustomForm& form) {
  if (!form.Active() && form.Visible()) form.SetFocus();
  TWinControl* focused = form.FocusedControl();
  return focused ? *focused : form;
}

// The window whose end would also end the control (a graphic control lives in its parent's).
HWND WindowOf(TControl& control) {
  if (auto* win = dynamic_cast<TWinControl*>(&control)) return win->Handle();
  return control.Parent() ? control.Parent()->Handle() : 0;
}

void SendMouse(TCustomForm& form, int x, int y, unsigned down, unsigned up, TShiftState shift) {
  if (!form.Active() && form.Visible()) form.SetFocus();
  int lx = 0, ly = 0;
  TControl* target = FindControlAt(form, x, y, lx, ly);
  if (!target || !target->IsShowing()) return;
  HWND window = WindowOf(*target);
  LPARAM point = MakePointParam(lx, ly);
  target->Perform(down, shift.Bits(), point);
  if (Application->FindControl(window)) target->Perform(up, shift.Bits(), point);
}

// The menu bar lies above the client area, the open menus over it.
bool MenusTakeClick(TCustomForm& form, int x, int y) {
  TRect client = form.ClientBounds();
  return MenuClick(form, {x + client.Left, y + client.Top});
}

}  // namespace

TControl* ControlAtPos(const TWinControl& parent, int x, int y) {
  for (int i = parent.ControlCount() - 1; i >= 0; --i) {
    TControl* c = parent.Controls(i);
    if (c->Visible() && Contains(*c, x, y)) return c;
  }
  return nullptr;
}

TControl* FindControlAt(TCustomForm& form, int x, int y, int& localX, int& localY) {
  // The point walks down in each container's client coordinates.
  TControl* hit = &form;
  int px = x, py = y;
  while (auto* win = dynamic_cast<TWinControl*>(hit)) {
    TControl* child = ControlAtPos(*win, px, py);
    if (!child) break;
    TRect client = child->ClientBounds();
    px -= child->Left() + client.Left;
    py -= child->Top() + client.Top;
    hit = child;
  }
  TRect client = hit->ClientBounds();
  localX = hit == &form ? x : px + client.Left;
  localY = hit == &form ? y : py + client.Top;
  return hit;
}

void ControlOrigin(const TControl& control, int& x, int& y) {
  x = 0;
  y = 0;
  for (const TControl* c = &control; c->Parent(); c = c->Parent()) {
    x += c->Left();
    y += c->Top();
    if (c->Parent()->Parent()) {
      TRect client = c->Parent()->ClientBounds();
      x += client.Left;
      y += client.Top;
    }
  }
}

void Click(TCustomForm& form, int x, int y, TShiftState shift) {
  if (MenusTakeClick(form, x, y)) return;
  SendMouse(form, x, y, WM_LBUTTONDOWN, WM_LBUTTONUP, shift);
}

void DoubleClick(TCustomForm& form, int x, int y) {
  if (MenusTakeClick(form, x, y)) return;
  SendMouse(form, x, y, WM_LBUTTONDOWN, WM_LBUTTONUP, TShiftState{});
  SendMouse(form, x, y, WM_LBUTTONDBLCLK, WM_LBUTTONUP, TShiftState{});
}

void RightClick(TCustomForm& form, int x, int y) { SendMouse(form, x, y, WM_RBUTTONDOWN, WM_RBUTTONUP, TShiftState{}); }

void Drag(TCustomForm& form, int fromX, int fromY, int toX, int toY) {
  if (!form.Active() && form.Visible()) form.SetFocus();
  int lx = 0, ly = 0;
  TControl* target = FindControlAt(form, fromX, fromY, lx, ly);
  if (!target || !target->IsShowing()) return;
  HWND window = WindowOf(*target);
  LPARAM end = MakePointParam(lx + toX - fromX, ly + toY - fromY);
  target->Perform(WM_LBUTTONDOWN, 0, MakePointParam(lx, ly));
  if (Application->FindControl(window)) target->Perform(WM_MOUSEMOVE, TShiftState{ssLeft}.Bits(), end);
  if (Application->FindControl(window)) target->Perform(WM_LBUTTONUP, 0, end);
}

void ClickOn(TControl& control, TShiftState shift) {
  TCustomForm* form = control.ParentForm();
  if (!form) return;
  int x = 0, y = 0;
  ControlOrigin(control, x, y);
  Click(*form, x + control.Width() / 2, y + control.Height() / 2, shift);
}

void PressKey(TCustomForm& form, WORD key, TShiftState shift) {
  if (TMenuItem* menu = OpenMenu()) {
    MenuKey(*menu, key, shift);
    return;
  }
  TWinControl& target = KeyTarget(form);
  HWND window = target.Handle();
  char ch = KeyChar(key, shift);
  if (shift.Contains(ssAlt)) {
    if (ch && ch != VK_RETURN && ch != VK_ESCAPE && ch != VK_SPACE && ch != VK_BACK) {
      if (!AltMenuKey(form, ch)) target.Perform(WM_SYSCHAR, static_cast<unsigned char>(ch), 0);
    } else {
      target.Perform(WM_KEYDOWN, key, shift.Bits());
    }
    return;
  }
  LRESULT consumed = target.Perform(WM_KEYDOWN, key, shift.Bits());
  if (!Application->FindControl(window)) return;
  if (!consumed && ch) target.Perform(WM_CHAR, static_cast<unsigned char>(ch), 0);
  if (Application->FindControl(window)) target.Perform(WM_KEYUP, key, shift.Bits());
}

void TypeText(TCustomForm& form, std::string_view text) {
  for (char c : text) {
    if (c == '\t') {
      PressKey(form, VK_TAB);
    } else if (c == '\r' || c == '\n') {
      PressKey(form, VK_RETURN);
    } else if (TMenuItem* menu = OpenMenu()) {
      MenuChar(*menu, c);
    } else {
      TWinControl& target = KeyTarget(form);
      target.Perform(WM_CHAR, static_cast<unsigned char>(c), 0);
    }
  }
}
