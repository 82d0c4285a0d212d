#pragma once
// The pictures of AvResD5.so as text-art: one character per pixel, rows of equal length,
// square images side by side. Each character names a colour of the palette in AvResD5.cpp.

#include <vector>

struct TPictureArt {
  int Number;
  std::vector<const char*> Rows;
};

// By ascending number.
const std::vector<TPictureArt>& Pictures();
