#pragma once
// Snapshots: any control or form painted into a bitmap or a PNG file, so a window can be looked
// at without a display.

#include <string_view>

#include "platform/controls/Controls.h"
#include "platform/graphics/Bitmap.h"

class TForm;
class TMenuItem;

// Sizes the bitmap to the control (24-bit) and paints the control and its children into it;
// a form's open menus are painted over it.
void RenderControl(TControl& control, TBitmap& bitmap);
// Sizes the bitmap to the menu of item's children and paints it, Highlighted lit.
void RenderMenu(TMenuItem& menu, TBitmap& bitmap, const TMenuItem* highlighted = nullptr);
// Raises EPngError when the file cannot be written.
void SaveControlToPng(TControl& control, const AnsiString& fileName);

// A form built from description text for looking at it: the root becomes a plain TForm
// whatever class it names (no code of that class runs), event bindings are left out, and
// the components' classes must be registered. Raises EParserError or EReadError; the caller
// frees the form.
TForm* FormFromDescription(std::string_view text);
