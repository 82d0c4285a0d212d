#include "outside/avres/AvResD5.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

#include "outside/avres/Pictures.h"
#include "platform/graphics/Bitmap.h"

namespace {

// Fuchsia is the background: no picture uses it.
TColor PaletteColor(char c) {
  switch (c) {
    case '.': return clFuchsia;
    case 'k': return clBlack;
    case 'w': return clWhite;
    case 'g': return clGray;
    case 's': return clSilver;
    case 'r': return clRed;
    case 'b': return clNavy;
    case 'c': return clTeal;
    case 'G': return clGreen;
    case 'y': return clYellow;
    case 'n': return clOlive;
    case 'p': return static_cast<TColor>(0x99CCFF);
    default: throw std::runtime_error(std::string("picture colour '") + c + "' unknown");
  }
}

const TPictureArt* FindPicture(int index) {
  const auto& pictures = Pictures();
  auto at = std::find_if(pictures.begin(), pictures.end(), [index](const TPictureArt& p) { return p.Number == index; });
  return at == pictures.end() ? nullptr : &*at;
}

// Checked before the caller's bitmap is touched, so a bad picture leaves it as it was.
void CheckShape(const TPictureArt& art, int& width, int& height) {
  height = static_cast<int>(art.Rows.size());
  width = height ? static_cast<int>(std::strlen(art.Rows[0])) : 0;
  bool square = height > 0 && width > 0 && width % height == 0;
  for (const char* row : art.Rows) square = square && static_cast<int>(std::strlen(row)) == width;
  if (!square) throw std::runtime_error("picture " + std::to_string(art.Number) + " is no strip of square images");
  for (const char* row : art.Rows)
    for (const char* c = row; *c; ++c) PaletteColor(*c);
}

}  // namespace

int GetMaxBmpID() { return Pictures().empty() ? 0 : Pictures().back().Number; }

bool LoadBmp(TBitmap* bitmap, int index) {
  const TPictureArt* art = FindPicture(index);
  if (!art || !bitmap) return false;
  int width = 0, height = 0;
  CheckShape(*art, width, height);
  bitmap->SetPixelFormat(pf24bit);
  bitmap->SetSize(width, height);
  for (int y = 0; y < height; ++y) {
    std::uint32_t* line = bitmap->ScanLine(y);
    for (int x = 0; x < width; ++x) line[x] = static_cast<std::uint32_t>(PaletteColor(art->Rows[static_cast<size_t>(y)][x]));
  }
  bitmap->SetTransparentMode(tmAuto);
  return true;
}
