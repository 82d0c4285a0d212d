#include "controls/ModuleResources.h"

#include <array>
#include <string_view>

#include "platform/Exceptions.h"
#include "platform/graphics/Bitmap.h"

namespace {

// The pictures as grids of the 16-colour palette: "." is the transparent olive of the
// background, "d" dark grey, "s" silver, "w" white, "k" black.
struct TBitmapResource {
  std::string_view Name;
  std::array<std::string_view, 14> Rows;
};

const TBitmapResource resources[] = {
    {"CHECKED",
     {
        "...................",
        "...ddddddddddddw...",
        "...dkkkkkkkkkksw...",
        "...dkwwwwwwwwwsw...",
        "...dkwwwwwwwkwsw...",
        "...dkwwwwwwkkwsw...",
        "...dkwkwwwkkkwsw...",
        "...dkwkkwkkkwwsw...",
        "...dkwkkkkkwwwsw...",
        "...dkwwkkkwwwwsw...",
        "...dkwwwkwwwwwsw...",
        "...dkwwwwwwwwwsw...",
        "...dsssssssssssw...",
        "...wwwwwwwwwwwww...",
     }},
    {"UNCHECKED",
     {
        "...................",
        "...ddddddddddddw...",
        "...dkkkkkkkkkksw...",
        "...dkwwwwwwwwwsw...",
        "...dkwwwwwwwwwsw...",
        "...dkwwwwwwwwwsw...",
        "...dkwwwwwwwwwsw...",
        "...dkwwwwwwwwwsw...",
        "...dkwwwwwwwwwsw...",
        "...dkwwwwwwwwwsw...",
        "...dkwwwwwwwwwsw...",
        "...dkwwwwwwwwwsw...",
        "...dsssssssssssw...",
        "...wwwwwwwwwwwww...",
     }},
    {"GRAYED",
     {
        "...................",
        "...ddddddddddddw...",
        "...dkkkkkkkkkksw...",
        "...dkssssssssssw...",
        "...dksssssssdssw...",
        "...dkssssssddssw...",
        "...dksdsssdddssw...",
        "...dksddsdddsssw...",
        "...dksdddddssssw...",
        "...dkssdddsssssw...",
        "...dksssdssssssw...",
        "...dkssssssssssw...",
        "...dsssssssssssw...",
        "...wwwwwwwwwwwww...",
     }},
};

TColor PaletteColor(char code) {
  switch (code) {
    case 'd': return clGray;
    case 's': return clSilver;
    case 'w': return clWhite;
    case 'k': return clBlack;
    default: return clOlive;
  }
}

}  // namespace

void LoadModuleBitmap(TBitmap& bitmap, const AnsiString& name) {
  for (const TBitmapResource& resource : resources) {
    if (resource.Name != name) continue;
    bitmap.SetSize(static_cast<int>(resource.Rows[0].size()), static_cast<int>(resource.Rows.size()));
    for (int y = 0; y < bitmap.Height(); ++y)
      for (int x = 0; x < bitmap.Width(); ++x)
        bitmap.SetPixel(x, y, PaletteColor(resource.Rows[static_cast<size_t>(y)][static_cast<size_t>(x)]));
    bitmap.SetTransparentMode(tmAuto);
    bitmap.SetTransparent(true);
    return;
  }
  throw Exception("Resource " + name + " not found");
}
