#pragma once
// Menus on the screen in the classic look: the bar of a form's main menu under its caption and
// the open menus (the open one with the menus it was opened from), their geometry in the form's
// coordinates, their painting and the clicks on them.

#include <vector>

#include "platform/controls/Menus.h"
#include "platform/graphics/Canvas.h"

// Rows have fixed heights so that hit testing does not depend on the installed fonts; widths
// follow the captions.
inline constexpr int MenuBarHeight = 19;
inline constexpr int MenuRowHeight = 17;
inline constexpr int MenuLineHeight = 9;

// The platform's menu font in the character set of the form's font.
void AssignMenuFont(TFont& font, TFontCharset charset);

struct TMenuEntry {
  TMenuItem* Item = nullptr;
  TRect Bounds;
};

// The visible top items of the form's main menu on its bar.
std::vector<TMenuEntry> MenuBarEntries(const TCustomForm& form);

// One shown menu: the visible children of Menu, one row each, inside a raised frame.
struct TMenuBox {
  TMenuItem* Menu = nullptr;
  TRect Bounds;
  std::vector<TMenuEntry> Rows;
  TMenuItem* Highlighted = nullptr;
};

// The menu of item's children with its top-left corner at the point.
TMenuBox MenuBoxAt(TMenuItem& menu, TPoint at, TFontCharset charset);
// The open menus that belong to the form, outermost first: a pop-up menu at its point, a main
// menu's item below the bar, each sub-menu beside its row. Empty when none is open.
std::vector<TMenuBox> OpenMenuBoxes(const TCustomForm& form);

void PaintMenuBar(TCanvas& canvas, const TCustomForm& form);
void PaintMenuBox(TCanvas& canvas, const TMenuBox& box, TFontCharset charset);
// The form's open menus over what is painted; the canvas's origin is the form's top-left corner.
void PaintOpenMenus(TCanvas& canvas, const TCustomForm& form);

// A click at a point of the form (its own coordinates, not the client area's) on the bar or
// while a menu is open: an item of the bar opens its menu (or closes it when it is open), an
// item of an open menu is chosen, and a click anywhere else closes the menus. Answers whether
// the menus took the click.
bool MenuClick(TCustomForm& form, TPoint at);
