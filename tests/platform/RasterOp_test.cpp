#include <gtest/gtest.h>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace {

// One pixel of destination D, a source pixel S and the pattern P (the destination's brush).
TColor Blt(DWORD rop, TColor p, TColor s, TColor d) {
  TBitmap dest(1, 1), source(1, 1);
  dest.SetPixel(0, 0, d);
  source.SetPixel(0, 0, s);
  dest.Canvas()->Brush()->SetColor(p);
  BitBlt(*dest.Canvas(), 0, 0, 1, 1, source.Canvas(), 0, 0, rop);
  return dest.Pixel(0, 0);
}

TEST(RasterOp, EveryOperationFollowsItsIndexForEachBitCombination) {
  for (unsigned index = 0; index < 256; ++index) {
    DWORD rop = index << 16;
    for (int bits = 0; bits < 8; ++bits) {
      TColor p = (bits & 4) ? clWhite : clBlack, s = (bits & 2) ? clWhite : clBlack, d = (bits & 1) ? clWhite : clBlack;
      TColor expected = ((index >> bits) & 1) ? clWhite : clBlack;
      ASSERT_EQ(Blt(rop, p, s, d), expected) << "rop " << index << " bits " << bits;
    }
  }
}

TEST(RasterOp, TheNamedOperationsOnColours) {
  struct Case {
    const char* name;
    DWORD rop;
    TColor expected;
  };
  const TColor p = 0x00F0F0, s = 0x3C3CCC, d = 0xAA55AA;
  const std::vector<Case> cases = {
      {"SRCCOPY", SRCCOPY, s},
      {"SRCAND", SRCAND, s & d},
      {"SRCPAINT", SRCPAINT, s | d},
      {"SRCINVERT", SRCINVERT, s ^ d},
      {"SRCERASE", SRCERASE, s & (~d & 0xFFFFFF)},
      {"NOTSRCCOPY", NOTSRCCOPY, ~s & 0xFFFFFF},
      {"MERGECOPY", MERGECOPY, p & s},
      {"MERGEPAINT", MERGEPAINT, (~s & 0xFFFFFF) | d},
      {"PATCOPY", PATCOPY, p},
      {"PATINVERT", PATINVERT, p ^ d},
      {"DSTINVERT", DSTINVERT, ~d & 0xFFFFFF},
      {"BLACKNESS", BLACKNESS, clBlack},
      {"WHITENESS", WHITENESS, clWhite},
      {"0x00E20746 (source picks pattern over destination)", 0x00E20746, (s & p) | (~s & d & 0xFFFFFF)},
      {"0x00B8074A (source picks destination over pattern)", 0x00B8074A, (s & d) | (~s & p & 0xFFFFFF)},
  };
  for (const Case& c : cases) EXPECT_EQ(Blt(c.rop, p, s, d), c.expected) << c.name;
}

// A monochrome mask combined into a colour bitmap: black becomes the text colour, white the
// background colour, so 0x00E20746 paints the brush where the mask is white.
TEST(RasterOp, MonochromeSourceTakesTextAndBackgroundColours) {
  TBitmap mask(2, 1);
  mask.SetPixel(0, 0, clBlack);
  mask.SetMonochrome(true);
  TBitmap glyph(2, 1);
  TCanvas& c = *glyph.Canvas();
  c.Brush()->SetColor(clBtnFace);
  c.FillRect(Bounds(0, 0, 2, 1));
  c.Brush()->SetColor(clBtnHighlight);
  c.Font()->SetColor(clBlack);
  c.SetBkColor(clWhite);
  BitBlt(c, 0, 0, 2, 1, mask.Canvas(), 0, 0, 0x00E20746);
  EXPECT_EQ(glyph.Pixel(0, 0), 0xC0C0C0);
  EXPECT_EQ(glyph.Pixel(1, 0), clWhite);

  c.Font()->SetColor(clRed);
  c.SetBkColor(clBlue);
  BitBlt(c, 0, 0, 2, 1, mask.Canvas(), 0, 0, SRCCOPY);
  EXPECT_EQ(glyph.Pixel(0, 0), clRed);
  EXPECT_EQ(glyph.Pixel(1, 0), clBlue);
}

TEST(RasterOp, ColourSourceIntoMonochromeTurnsTheBackgroundColourWhite) {
  TBitmap colour(3, 1);
  colour.SetPixel(0, 0, clOlive);
  colour.SetPixel(1, 0, clWhite);
  colour.SetPixel(2, 0, clYellow);
  colour.Canvas()->SetBkColor(clOlive);
  TBitmap mono(3, 1);
  mono.SetMonochrome(true);
  BitBlt(*mono.Canvas(), 0, 0, 3, 1, colour.Canvas(), 0, 0, SRCCOPY);
  EXPECT_EQ(mono.Pixel(0, 0), clWhite);
  EXPECT_EQ(mono.Pixel(1, 0), clBlack);
  EXPECT_EQ(mono.Pixel(2, 0), clBlack);
}

TEST(RasterOp, TransfersAreClippedAndOffsetByTheOrigins) {
  TBitmap source(4, 4), dest(4, 4);
  source.Canvas()->Brush()->SetColor(clRed);
  source.Canvas()->FillRect(Bounds(0, 0, 4, 4));
  TCanvas& c = *dest.Canvas();
  c.SetOrigin({1, 1});
  c.IntersectClipRect(Bounds(0, 0, 2, 2));
  BitBlt(c, -1, -1, 4, 4, source.Canvas(), 0, 0, SRCCOPY);
  EXPECT_EQ(dest.Pixel(0, 0), clWhite);
  EXPECT_EQ(dest.Pixel(1, 1), clRed);
  EXPECT_EQ(dest.Pixel(2, 2), clRed);
  EXPECT_EQ(dest.Pixel(3, 3), clWhite);
}

TEST(RasterOp, CopyOntoItselfReadsTheSourceFirst) {
  TBitmap b(4, 1);
  for (int x = 0; x < 4; ++x) b.SetPixel(x, 0, static_cast<TColor>(x + 1));
  BitBlt(*b.Canvas(), 1, 0, 3, 1, b.Canvas(), 0, 0, SRCCOPY);
  EXPECT_EQ(b.Pixel(1, 0), 1);
  EXPECT_EQ(b.Pixel(2, 0), 2);
  EXPECT_EQ(b.Pixel(3, 0), 3);
}

TEST(RasterOp, OperationsReadingASourceDoNothingWithoutOne) {
  TBitmap b(1, 1);
  BitBlt(*b.Canvas(), 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY);
  EXPECT_EQ(b.Pixel(0, 0), clWhite);
  b.Canvas()->Brush()->SetColor(clGreen);
  PatBlt(*b.Canvas(), 0, 0, 1, 1, PATCOPY);
  EXPECT_EQ(b.Pixel(0, 0), clGreen);
}

TEST(RasterOp, CopyRectStretchesAndUsesTheCopyMode) {
  TBitmap source(2, 1), dest(4, 2);
  source.SetPixel(0, 0, clRed);
  source.SetPixel(1, 0, clBlue);
  TCanvas& c = *dest.Canvas();
  c.CopyRect(Bounds(0, 0, 4, 2), *source.Canvas(), Bounds(0, 0, 2, 1));
  EXPECT_EQ(dest.Pixel(1, 1), clRed);
  EXPECT_EQ(dest.Pixel(2, 0), clBlue);
  c.SetCopyMode(cmSrcInvert);
  c.CopyRect(Bounds(0, 0, 4, 2), *source.Canvas(), Bounds(0, 0, 2, 1));
  EXPECT_EQ(dest.Pixel(0, 0), clBlack);
}

}  // namespace
