#include "platform/graphics/Fonts.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <array>
#include <cmath>
#include <map>
#include <memory>
#include <tuple>
#include <unordered_map>

#include "platform/Exceptions.h"

namespace {

constexpr const char* CjkFamily = "WenQuanYi Zen Hei";
constexpr const char* SansFamily = "DejaVu Sans";

struct TFontAlias {
  const char* name;  // UTF-8
  const char* family;
};

// The platform's font names the forms use, and what draws them here.
constexpr std::array<TFontAlias, 26> Aliases = {{
    {"宋体", CjkFamily},          {"新宋体", CjkFamily},       {"黑体", CjkFamily},
    {"楷体_GB2312", CjkFamily},   {"仿宋_GB2312", CjkFamily},  {"細明體", CjkFamily},
    {"新細明體", CjkFamily},      {"標楷體", CjkFamily},       {"SimSun", CjkFamily},
    {"NSimSun", CjkFamily},       {"SimHei", CjkFamily},       {"KaiTi_GB2312", CjkFamily},
    {"MingLiU", CjkFamily},       {"PMingLiU", CjkFamily},     {"Tahoma", SansFamily},
    {"MS Sans Serif", SansFamily}, {"Microsoft Sans Serif", SansFamily}, {"Arial", SansFamily},
    {"Verdana", SansFamily},      {"System", SansFamily},      {"MS Shell Dlg", SansFamily},
    {"MS Shell Dlg 2", SansFamily}, {"Times New Roman", "DejaVu Serif"}, {"Courier New", "DejaVu Sans Mono"},
    {"Courier", "DejaVu Sans Mono"}, {"Fixedsys", "DejaVu Sans Mono"},
}};

bool IsAscii(std::string_view s) {
  for (unsigned char c : s)
    if (c >= 0x80) return false;
  return true;
}

std::u32string WideToCharacters(const WideString& wide) {
  std::u32string out;
  out.reserve(wide.size());
  for (std::size_t i = 0; i < wide.size(); ++i) {
    char32_t c = wide[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 && wide[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
      ++i;
    }
    out.push_back(c);
  }
  return out;
}

struct TFaceFile {
  std::string path;
  int index = 0;
  bool bold = false;    // the file itself is bold
  bool italic = false;  // the file itself slants
};

TFaceFile MatchFamily(const std::string& family, bool bold, bool italic) {
  TFaceFile file;
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (!match) return file;
  FcChar8* path = nullptr;
  if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) file.path = reinterpret_cast<const char*>(path);
  FcPatternGetInteger(match, FC_INDEX, 0, &file.index);
  int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
  FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
  FcPatternGetInteger(match, FC_SLANT, 0, &slant);
  file.bold = weight >= FC_WEIGHT_DEMIBOLD;
  file.italic = slant != FC_SLANT_ROMAN;
  FcPatternDestroy(match);
  return file;
}

struct TFtFaceDeleter {
  void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using TFtFacePtr = std::unique_ptr<std::remove_pointer_t<FT_Face>, TFtFaceDeleter>;

class TFreeTypeFace : public TFontFace {
public:
  TFreeTypeFace(TFtFacePtr primary, TFtFacePtr fallback, bool embolden, bool oblique, TFontMetrics metrics)
      : primary_(std::move(primary)), fallback_(std::move(fallback)), embolden_(embolden), oblique_(oblique),
        metrics_(metrics) {}

  const TFontMetrics& Metrics() const override { return metrics_; }
  void SetAverageWidth(int width) { metrics_.AveCharWidth = width; }

  const TGlyph& Glyph(char32_t character) override {
    auto found = glyphs_.find(character);
    if (found != glyphs_.end()) return found->second;
    return glyphs_.emplace(character, Render(character)).first->second;
  }

private:
  TGlyph Render(char32_t character) {
    FT_Face face = primary_.get();
    FT_UInt index = FT_Get_Char_Index(face, character);
    if (index == 0 && fallback_) {
      FT_UInt other = FT_Get_Char_Index(fallback_.get(), character);
      if (other != 0) {
        face = fallback_.get();
        index = other;
      }
    }
    TGlyph glyph;
    if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_MONO) != 0) return glyph;
    FT_GlyphSlot slot = face->glyph;
    if (embolden_) FT_GlyphSlot_Embolden(slot);
    if (oblique_) FT_GlyphSlot_Oblique(slot);
    if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.Left = slot->bitmap_left;
    glyph.Top = slot->bitmap_top;
    glyph.Width = static_cast<int>(bitmap.width);
    glyph.Rows = static_cast<int>(bitmap.rows);
    glyph.Advance = static_cast<int>((slot->advance.x + 32) >> 6);
    glyph.Pitch = (glyph.Width + 7) / 8;
    glyph.Bits.assign(static_cast<std::size_t>(glyph.Pitch) * static_cast<std::size_t>(glyph.Rows), 0);
    for (int y = 0; y < glyph.Rows; ++y)
      for (int x = 0; x < glyph.Width; ++x) {
        const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
        bool on = bitmap.pixel_mode == FT_PIXEL_MODE_MONO ? ((row[x / 8] >> (7 - x % 8)) & 1) != 0 : row[x] >= 128;
        if (on) glyph.Bits[static_cast<std::size_t>(y * glyph.Pitch + x / 8)] |= static_cast<unsigned char>(0x80 >> (x % 8));
      }
    return glyph;
  }

  TFtFacePtr primary_;
  TFtFacePtr fallback_;
  bool embolden_;
  bool oblique_;
  TFontMetrics metrics_;
  std::unordered_map<char32_t, TGlyph> glyphs_;
};

class TFontLibrary {
public:
  TFontLibrary() {
    if (FT_Init_FreeType(&library_) != 0) throw Exception("FreeType could not be initialised");
  }
  ~TFontLibrary() {
    faces_.clear();
    FT_Done_FreeType(library_);
    // Fontconfig keeps its configuration until told to let it go.
    FcFini();
  }
  TFontLibrary(const TFontLibrary&) = delete;
  TFontLibrary& operator=(const TFontLibrary&) = delete;

  TFontFace& Face(const std::string& family, int height, bool bold, bool italic) {
    auto key = std::make_tuple(family, height, bold, italic);
    auto found = faces_.find(key);
    if (found != faces_.end()) return *found->second;
    return *faces_.emplace(key, Make(family, height, bold, italic)).first->second;
  }

private:
  const TFaceFile& File(const std::string& family, bool bold, bool italic) {
    auto key = std::make_tuple(family, bold, italic);
    auto found = files_.find(key);
    if (found == files_.end()) found = files_.emplace(key, MatchFamily(family, bold, italic)).first;
    return found->second;
  }

  TFtFacePtr Open(const TFaceFile& file) {
    FT_Face face = nullptr;
    if (file.path.empty() || FT_New_Face(library_, file.path.c_str(), file.index, &face) != 0) return nullptr;
    return TFtFacePtr(face);
  }

  // Windows' negative heights are the em size, positive ones the cell (ascent + descent).
  static int EmPixels(FT_Face face, int height) {
    if (height < 0) return -height;
    if (height == 0) return 13;
    auto [ascent, descent] = DesignExtent(face);
    return std::max(1, static_cast<int>(std::lround(static_cast<double>(height) * face->units_per_EM / (ascent + descent))));
  }

  static std::pair<double, double> DesignExtent(FT_Face face) {
    if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2)); os2 && os2->usWinAscent > 0)
      return {os2->usWinAscent, os2->usWinDescent};
    return {static_cast<double>(face->ascender), static_cast<double>(-face->descender)};
  }

  std::unique_ptr<TFontFace> Make(const std::string& family, int height, bool bold, bool italic) {
    const TFaceFile& file = File(family, bold, italic);
    TFtFacePtr primary = Open(file);
    if (!primary) primary = Open(File(SansFamily, bold, italic));
    if (!primary) throw Exception("No font is installed for '" + family + "'");
    int em = EmPixels(primary.get(), height);
    FT_Set_Pixel_Sizes(primary.get(), 0, static_cast<FT_UInt>(em));
    TFtFacePtr fallback;
    const TFaceFile& cjk = File(CjkFamily, false, false);
    if (cjk.path != file.path || cjk.index != file.index) {
      fallback = Open(cjk);
      if (fallback) FT_Set_Pixel_Sizes(fallback.get(), 0, static_cast<FT_UInt>(em));
    }
    TFontMetrics metrics;
    auto [ascent, descent] = DesignExtent(primary.get());
    double scale = static_cast<double>(em) / primary->units_per_EM;
    metrics.Ascent = static_cast<int>(std::lround(ascent * scale));
    metrics.Descent = static_cast<int>(std::lround(descent * scale));
    auto face = std::make_unique<TFreeTypeFace>(std::move(primary), std::move(fallback), bold && !file.bold,
                                                italic && !file.italic, metrics);
    face->SetAverageWidth(face->Glyph(U'x').Advance);
    return face;
  }

  FT_Library library_ = nullptr;
  std::map<std::tuple<std::string, bool, bool>, TFaceFile> files_;
  std::map<std::tuple<std::string, int, bool, bool>, std::unique_ptr<TFontFace>> faces_;
};

TFontLibrary& Library() {
  static TFontLibrary library;
  return library;
}

}  // namespace

int CharsetCodePage(TFontCharset charset) {
  switch (charset) {
    case GB2312_CHARSET: return 936;
    case CHINESEBIG5_CHARSET: return 950;
    case 128: return 932;
    case 129: return 949;
    case 255: return 437;
    default: return GetACP();
  }
}

std::string FontFamilyFor(const AnsiString& fontName) {
  std::array<std::string, 3> spellings = {fontName, AnsiToUtf8(fontName, 936), AnsiToUtf8(fontName, 950)};
  for (const TFontAlias& alias : Aliases)
    for (const std::string& spelling : spellings)
      if (IsAscii(alias.name) ? SameText(spelling, alias.name) : spelling == alias.name) return alias.family;
  return IsAscii(fontName) ? fontName : AnsiToUtf8(fontName);
}

TFontFace& FontFaceFor(const TFont& font) {
  return Library().Face(FontFamilyFor(font.Name()), font.Height(), font.Style().Contains(fsBold),
                        font.Style().Contains(fsItalic));
}

std::u32string DecodeFontText(const AnsiString& text, TFontCharset charset) {
  if (IsAscii(text)) return std::u32string(text.begin(), text.end());
  return WideToCharacters(AnsiToWide(text, CharsetCodePage(charset)));
}

int TextWidthIn(const TFont& font, const AnsiString& text) {
  TFontFace& face = FontFaceFor(font);
  int width = 0;
  for (char32_t c : DecodeFontText(text, font.Charset())) width += face.Glyph(c).Advance;
  return width;
}

int TextHeightIn(const TFont& font) { return FontFaceFor(font).Metrics().Height(); }
