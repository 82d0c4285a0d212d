#pragma once
// Fonts through fontconfig and FreeType. The platform's font names map to installed families
// ("宋体", "SimSun" and the other Chinese faces to the CJK font, "Tahoma" and "MS Sans Serif"
// to a sans font); metrics come from the font; glyphs are rendered once per face and size
// and kept. Characters a face lacks are taken from the CJK font.

#include <string>

#include "platform/classes/Graphics.h"
#include "platform/Text.h"

// The code page that decodes 8-bit text drawn in a font of the character set:
// GB2312_CHARSET 936, CHINESEBIG5_CHARSET 950, SHIFTJIS 932, HANGEUL 949, OEM 437,
// ANSI_CHARSET and DEFAULT_CHARSET (and any other set) the system code page.
int CharsetCodePage(TFontCharset charset);

// The fontconfig family a platform font name is drawn with (UTF-8).
std::string FontFamilyFor(const AnsiString& fontName);

struct TFontMetrics {
  int Ascent = 0;
  int Descent = 0;
  int Height() const { return Ascent + Descent; }
  // The width of "x"-like average characters, for layouts that need a character width.
  int AveCharWidth = 0;
};

// One glyph, rendered monochrome: Rows of Pitch bytes, most significant bit leftmost.
struct TGlyph {
  int Left = 0;     // from the pen position to the first column
  int Top = 0;      // from the baseline up to the first row
  int Width = 0;
  int Rows = 0;
  int Pitch = 0;
  int Advance = 0;
  std::basic_string<unsigned char> Bits;
};

// A font resolved to its faces at one pixel size, shared by every canvas that draws with it.
class TFontFace {
public:
  virtual ~TFontFace() = default;
  virtual const TFontMetrics& Metrics() const = 0;
  virtual const TGlyph& Glyph(char32_t character) = 0;
};

// The face for a font's name, height and bold and italic styles, from the cache (a missing
// family falls back to fontconfig's default). Underline and strike-out are drawn by the canvas.
TFontFace& FontFaceFor(const TFont& font);

// 8-bit text of the font's character set as characters.
std::u32string DecodeFontText(const AnsiString& text, TFontCharset charset);

// What a canvas with the font measures, for controls that size themselves without painting: the
// width of one line of 8-bit text and the font's line height.
int TextWidthIn(const TFont& font, const AnsiString& text);
int TextHeightIn(const TFont& font);
