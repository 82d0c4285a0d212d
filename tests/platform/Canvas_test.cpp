#include <gtest/gtest.h>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace {

// The bitmap's rows as text, one letter a pixel: '.' white, 'R' red, 'K' black, '?' other.
std::vector<std::string> Picture(const TBitmap& b) {
  std::vector<std::string> rows;
  for (int y = 0; y < b.Height(); ++y) {
    std::string row;
    for (int x = 0; x < b.Width(); ++x) {
      TColor c = b.Pixel(x, y);
      row += c == clWhite ? '.' : c == clRed ? 'R' : c == clBlack ? 'K' : '?';
    }
    rows.push_back(row);
  }
  return rows;
}

TEST(Canvas, FillAndFrameUseTheBrushAndLeaveRightAndBottomOut) {
  TBitmap b(5, 4);
  TCanvas& c = *b.Canvas();
  c.Brush()->SetColor(clRed);
  c.FrameRect(Rect(0, 0, 4, 3));
  EXPECT_EQ(Picture(b), (std::vector<std::string>{"RRRR.", "R..R.", "RRRR.", "....."}));
  c.Brush()->SetColor(clBlack);
  c.FillRect(Rect(1, 1, 3, 2));
  EXPECT_EQ(Picture(b)[1], "RKKR.");
}

TEST(Canvas, AClearBrushFillsNothingAndAColourMakesItSolidAgain) {
  TBitmap b(2, 1);
  TCanvas& c = *b.Canvas();
  c.Brush()->SetStyle(bsClear);
  c.FillRect(Rect(0, 0, 2, 1));
  EXPECT_EQ(Picture(b)[0], "..");
  c.Brush()->SetColor(clRed);
  EXPECT_EQ(c.Brush()->Style(), bsSolid);
  c.FillRect(Rect(0, 0, 2, 1));
  EXPECT_EQ(Picture(b)[0], "RR");
}

TEST(Canvas, OriginAndClipPlaceAndLimitDrawing) {
  TBitmap b(4, 3);
  TCanvas& c = *b.Canvas();
  c.SetOrigin({1, 1});
  c.IntersectClipRect(Rect(0, 0, 2, 1));
  EXPECT_EQ(c.ClipRect(), Rect(0, 0, 2, 1));
  c.Brush()->SetColor(clRed);
  c.FillRect(Rect(-1, -1, 10, 10));
  EXPECT_EQ(Picture(b), (std::vector<std::string>{"....", ".RR.", "...."}));
  {
    TCanvas::TStateSaver saved(c);
    c.MoveOrigin(5, 5);
    c.Brush()->SetColor(clBlack);
  }
  EXPECT_EQ(c.Origin(), Point(1, 1));
  EXPECT_EQ(c.Brush()->Color(), clRed);
}

TEST(Canvas, LinesLeaveOutTheirEndPoint) {
  TBitmap b(4, 4);
  TCanvas& c = *b.Canvas();
  c.Pen()->SetColor(clRed);
  c.MoveTo(0, 0);
  c.LineTo(3, 0);
  c.LineTo(3, 3);
  EXPECT_EQ(Picture(b), (std::vector<std::string>{"RRRR", "...R", "...R", "...."}));
  EXPECT_EQ(c.PenPos(), Point(3, 3));
}

TEST(Canvas, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
  TBitmap b(4, 4);
  TCanvas& c = *b.Canvas();
  c.Pen()->SetColor(clBlack);
  c.Brush()->SetColor(clRed);
  c.Rectangle(0, 0, 4, 4);
  EXPECT_EQ(Picture(b), (std::vector<std::string>{"KKKK", "KRRK", "KRRK", "KKKK"}));
}

TEST(Canvas, FocusRectangleInvertsEveryOtherPixelAndTwiceRemovesIt) {
  TBitmap b(4, 3);
  TCanvas& c = *b.Canvas();
  c.DrawFocusRect(Rect(0, 0, 4, 3));
  EXPECT_EQ(Picture(b), (std::vector<std::string>{"K.K.", "...K", "K.K."}));
  c.DrawFocusRect(Rect(0, 0, 4, 3));
  EXPECT_EQ(Picture(b), (std::vector<std::string>{"....", "....", "...."}));
}

TEST(Canvas, DrawLeavesOutTheTransparentColourOfATransparentBitmap) {
  TBitmap glyph(2, 2);
  glyph.SetPixel(0, 0, clRed);
  glyph.SetPixel(1, 0, clBlack);
  glyph.SetPixel(0, 1, clBlack);
  glyph.SetPixel(1, 1, clBlack);  // bottom-left is black: black is transparent
  TBitmap b(3, 2);
  b.Canvas()->Brush()->SetColor(clYellow);
  b.Canvas()->FillRect(Rect(0, 0, 3, 2));
  b.Canvas()->Draw(1, 0, glyph);
  EXPECT_EQ(b.Pixel(2, 0), clBlack);
  glyph.SetTransparent(true);
  b.Canvas()->FillRect(Rect(0, 0, 3, 2));
  b.Canvas()->Draw(1, 0, glyph);
  EXPECT_EQ(b.Pixel(1, 0), clRed);
  EXPECT_EQ(b.Pixel(2, 0), clYellow);
  EXPECT_EQ(b.Pixel(2, 1), clYellow);
}

TEST(Canvas, BrushCopyPutsTheBrushWhereTheColourWasOrLeavesItUnderAClearBrush) {
  TBitmap glyph(4, 1);
  glyph.SetPixel(0, 0, clRed);
  glyph.SetPixel(1, 0, clBlack);
  glyph.SetPixel(2, 0, clRed);
  glyph.SetPixel(3, 0, clBlack);
  TBitmap b(2, 1);
  TCanvas& c = *b.Canvas();
  c.Brush()->SetColor(clBlue);
  c.BrushCopy(Rect(0, 0, 2, 1), glyph, Rect(2, 0, 4, 1), clBlack);
  EXPECT_EQ(b.Pixel(0, 0), clRed);
  EXPECT_EQ(b.Pixel(1, 0), clBlue);
  c.Brush()->SetColor(clWhite);
  c.FillRect(Rect(0, 0, 2, 1));
  c.Brush()->SetStyle(bsClear);
  c.BrushCopy(Rect(0, 0, 2, 1), glyph, Rect(0, 0, 2, 1), clBlack);
  EXPECT_EQ(Picture(b)[0], "R.");
}

}  // namespace
