#pragma once
// The module's own bitmap resources, built into the library and looked up by name: the check-box
// pictures "CHECKED", "UNCHECKED" and "GRAYED" (19 x 14, transparent background).

#include "platform/Text.h"

class TBitmap;

// Replaces the bitmap's picture with the resource's; an unknown name raises Exception.
void LoadModuleBitmap(TBitmap& bitmap, const AnsiString& name);
