#pragma once
// Pixel checks of painted bitmaps.

#include "platform/graphics/Bitmap.h"

// How many pixels of the rectangle have the colour.
inline int CountColor(const TBitmap& bitmap, const TRect& rect, TColor color) {
  TColor rgb = ColorToRGB(color);
  int count = 0;
  for (int y = rect.Top; y < rect.Bottom; ++y)
    for (int x = rect.Left; x < rect.Right; ++x)
      if (bitmap.Pixel(x, y) == rgb) ++count;
  return count;
}
