// Text on the canvas: TextOut, TextRect, the extents and DrawText with the platform's flags.

#include <algorithm>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Fonts.h"

namespace {

struct TTextLine {
  std::u32string Text;
  int Underlined = -1;
};

// Removes the accelerator marks: "&&" is one "&", "&x" underlines x.
TTextLine StripPrefix(const std::u32string& text) {
  TTextLine line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == U'&' && i + 1 < text.size()) {
      ++i;
      if (text[i] != U'&' && line.Underlined < 0) line.Underlined = static_cast<int>(line.Text.size());
    } else if (text[i] == U'&') {
      continue;
    }
    line.Text.push_back(text[i]);
  }
  return line;
}

std::vector<std::u32string> SplitLines(const std::u32string& text) {
  std::vector<std::u32string> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') continue;
    if (text[i] == U'\n' || text[i] == U'\r')
      lines.emplace_back();
    else
      lines.back().push_back(text[i]);
  }
  return lines;
}

}  // namespace

TFontFace& TCanvas::Face() {
  if (!face_ || !(faceFont_ == *font_)) {
    face_ = &FontFaceFor(*font_);
    faceFont_.Assign(*font_);
  }
  return *face_;
}

int TCanvas::Width(const std::u32string& text) {
  TFontFace& face = Face();
  int width = 0;
  for (char32_t c : text) width += face.Glyph(c).Advance;
  return width;
}

void TCanvas::DrawTextLine(int x, int y, const std::u32string& text, int underlined) {
  TFontFace& face = Face();
  const TFontMetrics& metrics = face.Metrics();
  auto color = static_cast<std::uint32_t>(ColorToRGB(font_->Color()));
  int width = Width(text);
  if (brush_->Style() != bsClear) FillRect(Bounds(x, y, width, metrics.Height()));
  int baseline = y + metrics.Ascent + origin_.Y;
  int penX = x + origin_.X;
  int underlineY = baseline + std::max(1, metrics.Descent / 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const TGlyph& glyph = face.Glyph(text[i]);
    int left = penX + glyph.Left, top = baseline - glyph.Top;
    TRect box = IntersectRect(Bounds(left, top, glyph.Width, glyph.Rows), clip_);
    for (int gy = box.Top; gy < box.Bottom; ++gy) {
      const unsigned char* bits = glyph.Bits.data() + static_cast<std::ptrdiff_t>(gy - top) * glyph.Pitch;
      std::uint32_t* row = target_->ScanLine(gy);
      for (int gx = box.Left; gx < box.Right; ++gx) {
        int col = gx - left;
        if ((bits[col / 8] >> (7 - col % 8)) & 1) row[gx] = color;
      }
    }
    if (static_cast<int>(i) == underlined) FillDevice(Bounds(penX, underlineY, glyph.Advance, 1), color);
    penX += glyph.Advance;
  }
  if (font_->Style().Contains(fsUnderline)) FillDevice(Bounds(x + origin_.X, underlineY, width, 1), color);
  if (font_->Style().Contains(fsStrikeOut))
    FillDevice(Bounds(x + origin_.X, baseline - metrics.Ascent / 3, width, 1), color);
}

void TCanvas::TextOut(int x, int y, const AnsiString& text) {
  std::u32string characters = DecodeFontText(text, font_->Charset());
  DrawTextLine(x, y, characters, -1);
  penPos_ = {x + Width(characters), y};
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const AnsiString& text) {
  TStateSaver saved(*this);
  IntersectClipRect(rect);
  // The rectangle is the text's background, as the platform's opaque clipped text output does.
  FillRect(rect);
  brush_->SetStyle(bsClear);
  DrawTextLine(x, y, DecodeFontText(text, font_->Charset()), -1);
}

int TCanvas::TextWidth(const AnsiString& text) { return Width(DecodeFontText(text, font_->Charset())); }

int TCanvas::TextHeight(const AnsiString&) { return Face().Metrics().Height(); }

TPoint TCanvas::TextExtent(const AnsiString& text) { return {TextWidth(text), TextHeight(text)}; }

int TCanvas::DrawText(const AnsiString& text, TRect& rect, unsigned flags) {
  std::u32string characters = DecodeFontText(text, font_->Charset());
  if (flags & DT_EXPANDTABS) {
    std::u32string expanded;
    for (char32_t c : characters) expanded.append(c == U'\t' ? 8 : 1, c == U'\t' ? U' ' : c);
    characters = std::move(expanded);
  }
  std::vector<std::u32string> raw;
  if (flags & DT_SINGLELINE) {
    std::u32string joined;
    for (char32_t c : characters)
      if (c != U'\r' && c != U'\n') joined.push_back(c);
    raw.push_back(std::move(joined));
  } else {
    raw = SplitLines(characters);
  }
  std::vector<TTextLine> lines;
  for (const std::u32string& r : raw) {
    TTextLine line = (flags & DT_NOPREFIX) ? TTextLine{r, -1} : StripPrefix(r);
    if (!(flags & DT_WORDBREAK) || (flags & DT_SINGLELINE)) {
      lines.push_back(std::move(line));
      continue;
    }
    // Breaks after the last blank that keeps a line inside the rectangle; a word wider
    // than the rectangle stays whole.
    std::u32string rest = line.Text;
    int underline = line.Underlined;
    do {
      std::size_t cut = rest.size();
      while (cut > 0 && Width(rest.substr(0, cut)) > rect.Width()) {
        std::size_t blank = rest.find_last_of(U' ', cut - 1);
        if (blank == std::u32string::npos || blank == 0) break;
        cut = blank;
      }
      TTextLine piece{rest.substr(0, cut), underline < static_cast<int>(cut) ? underline : -1};
      underline = underline >= static_cast<int>(cut) ? underline - static_cast<int>(cut) : -1;
      lines.push_back(std::move(piece));
      std::size_t next = cut;
      while (next < rest.size() && rest[next] == U' ') {
        ++next;
        if (underline >= 0) --underline;
      }
      rest = rest.substr(next);
    } while (!rest.empty());
  }
  if ((flags & DT_END_ELLIPSIS) && (flags & DT_SINGLELINE) && Width(lines[0].Text) > rect.Width()) {
    std::u32string& t = lines[0].Text;
    while (!t.empty() && Width(t + U"...") > rect.Width()) t.pop_back();
    t += U"...";
  }
  int lineHeight = Face().Metrics().Height();
  int height = lineHeight * static_cast<int>(lines.size());
  if (flags & DT_CALCRECT) {
    int widest = 0;
    for (const TTextLine& line : lines) widest = std::max(widest, Width(line.Text));
    rect.Right = rect.Left + widest;
    rect.Bottom = rect.Top + height;
    return height;
  }
  int top = rect.Top;
  if (flags & DT_SINGLELINE) {
    if (flags & DT_VCENTER)
      top = rect.Top + (rect.Height() - lineHeight) / 2;
    else if (flags & DT_BOTTOM)
      top = rect.Bottom - lineHeight;
  }
  TStateSaver saved(*this);
  if (!(flags & DT_NOCLIP)) IntersectClipRect(rect);
  for (const TTextLine& line : lines) {
    int width = Width(line.Text);
    int left = rect.Left;
    if (flags & DT_CENTER)
      left = rect.Left + (rect.Width() - width) / 2;
    else if (flags & DT_RIGHT)
      left = rect.Right - width;
    DrawTextLine(left, top, line.Text, line.Underlined);
    top += lineHeight;
  }
  return height;
}
