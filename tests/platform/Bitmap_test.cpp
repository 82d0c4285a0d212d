#include <gtest/gtest.h>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace {

TEST(Bitmap, ResizingKeepsThePixelsThatFitAndFillsNewOnesWhite) {
  TBitmap b(3, 2);
  b.SetPixel(2, 1, clRed);
  b.SetPixel(0, 0, clBlue);
  b.SetSize(4, 3);
  EXPECT_EQ(b.Pixel(2, 1), clRed);
  EXPECT_EQ(b.Pixel(0, 0), clBlue);
  EXPECT_EQ(b.Pixel(3, 2), clWhite);
  b.SetWidth(1);
  EXPECT_EQ(b.Width(), 1);
  EXPECT_EQ(b.Pixel(0, 0), clBlue);
  b.SetHeight(-5);
  EXPECT_TRUE(b.Empty());
}

TEST(Bitmap, PixelsOutsideReadBlackAndAreNotWritten) {
  TBitmap b(2, 2);
  b.SetPixel(-1, 0, clRed);
  b.SetPixel(2, 0, clRed);
  EXPECT_EQ(b.Pixel(5, 5), clBlack);
  EXPECT_EQ(b.Pixel(1, 0), clWhite);
}

TEST(Bitmap, SystemColoursAreStoredAsTheirRgbValues) {
  TBitmap b(1, 1);
  b.SetPixel(0, 0, clBtnFace);
  EXPECT_EQ(b.Pixel(0, 0), 0xC0C0C0);
}

TEST(Bitmap, MonochromeTurnsLightPixelsWhiteAndDarkOnesBlack) {
  struct Case {
    TColor in, out;
  };
  const std::vector<Case> cases = {{0x808080, clWhite}, {0x7F8080, clBlack}, {clRed, clBlack},
                                   {clYellow, clWhite}, {clBlack, clBlack},  {clWhite, clWhite}};
  TBitmap b(static_cast<int>(cases.size()), 1);
  for (int i = 0; i < b.Width(); ++i) b.SetPixel(i, 0, cases[static_cast<std::size_t>(i)].in);
  b.SetMonochrome(true);
  EXPECT_EQ(b.PixelFormat(), pf1bit);
  for (int i = 0; i < b.Width(); ++i) EXPECT_EQ(b.Pixel(i, 0), cases[static_cast<std::size_t>(i)].out) << i;
  b.SetPixel(0, 0, clSilver);
  EXPECT_EQ(b.Pixel(0, 0), clWhite);
}

TEST(Bitmap, MaskMakesTheColourWhiteAndEverythingElseBlack) {
  TBitmap b(3, 1);
  b.SetPixel(0, 0, clOlive);
  b.SetPixel(1, 0, clBlack);
  b.SetPixel(2, 0, clWhite);
  b.Mask(clOlive);
  EXPECT_TRUE(b.Monochrome());
  EXPECT_EQ(b.Pixel(0, 0), clWhite);
  EXPECT_EQ(b.Pixel(1, 0), clBlack);
  EXPECT_EQ(b.Pixel(2, 0), clBlack);
}

TEST(Bitmap, TransparentColourIsTheBottomLeftPixelUntilFixed) {
  TBitmap b(2, 2);
  b.SetPixel(0, 1, clFuchsia);
  EXPECT_EQ(b.TransparentColor(), clFuchsia);
  EXPECT_EQ(b.TransparentMode(), tmAuto);
  b.SetTransparentColor(clBtnFace);
  EXPECT_EQ(b.TransparentMode(), tmFixed);
  EXPECT_EQ(b.TransparentColor(), 0xC0C0C0);
  b.SetTransparentColor(clDefault);
  EXPECT_EQ(b.TransparentColor(), clFuchsia);
}

TEST(Bitmap, AssignCopiesPixelsFormatAndTransparency) {
  TBitmap a(2, 1);
  a.SetPixel(1, 0, clGreen);
  a.SetTransparentColor(clGreen);
  a.SetTransparent(true);
  TBitmap b;
  b.Assign(a);
  a.SetPixel(1, 0, clRed);
  EXPECT_EQ(b.Width(), 2);
  EXPECT_EQ(b.Pixel(1, 0), clGreen);
  EXPECT_TRUE(b.Transparent());
  EXPECT_EQ(b.TransparentColor(), clGreen);
  EXPECT_NE(b.Canvas(), a.Canvas());
}

TEST(Bitmap, ItsCanvasFollowsItsSize) {
  TBitmap b(2, 2);
  TCanvas* c = b.Canvas();
  b.SetSize(5, 4);
  c->Brush()->SetColor(clRed);
  c->FillRect(Bounds(0, 0, 10, 10));
  EXPECT_EQ(b.Pixel(4, 3), clRed);
}

}  // namespace
