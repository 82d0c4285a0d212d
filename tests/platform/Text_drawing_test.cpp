#include <gtest/gtest.h>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Fonts.h"
#include "tests/support/ScopedEnv.h"

namespace {

// The bounding box of the pixels that are not white.
TRect Ink(const TBitmap& b) {
  TRect r{b.Width(), b.Height(), 0, 0};
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.Pixel(x, y) != clWhite) r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1)};
  return r.IsEmpty() ? TRect{} : r;
}

TEST(Fonts, PlatformNamesMapToTheInstalledFamilies) {
  ScopedCodePage cp(936);
  struct Case {
    AnsiString name;
    const char* family;
  };
  const std::vector<Case> cases = {{GbText("宋体"), "WenQuanYi Zen Hei"},
                                   {"宋体", "WenQuanYi Zen Hei"},
                                   {"SimSun", "WenQuanYi Zen Hei"},
                                   {"simsun", "WenQuanYi Zen Hei"},
                                   {Utf8ToAnsi("細明體", 950), "WenQuanYi Zen Hei"},
                                   {"Tahoma", "DejaVu Sans"},
                                   {"MS Sans Serif", "DejaVu Sans"},
                                   {"Courier New", "DejaVu Sans Mono"},
                                   {"DejaVu Serif", "DejaVu Serif"}};
  for (const Case& c : cases) EXPECT_EQ(FontFamilyFor(c.name), c.family) << AnsiToUtf8(c.name);
}

TEST(Fonts, TheCharsetDecidesTheCodePageOfDrawnText) {
  ScopedCodePage cp(1252);
  EXPECT_EQ(CharsetCodePage(GB2312_CHARSET), 936);
  EXPECT_EQ(CharsetCodePage(CHINESEBIG5_CHARSET), 950);
  EXPECT_EQ(CharsetCodePage(DEFAULT_CHARSET), 1252);
  EXPECT_EQ(CharsetCodePage(ANSI_CHARSET), 1252);
  const AnsiString gb = Utf8ToAnsi("中文", 936), big5 = Utf8ToAnsi("中文", 950);
  EXPECT_EQ(DecodeFontText(gb, GB2312_CHARSET), U"中文");
  EXPECT_EQ(DecodeFontText(big5, CHINESEBIG5_CHARSET), U"中文");
  EXPECT_EQ(DecodeFontText("\xE9t\xE9", DEFAULT_CHARSET), U"été");
  ScopedCodePage gbSystem(936);
  EXPECT_EQ(DecodeFontText(gb, DEFAULT_CHARSET), U"中文");
}

TEST(Fonts, SameCharactersMeasureTheSameWhateverTheirEncoding) {
  TBitmap b(10, 10);
  TCanvas& c = *b.Canvas();
  c.Font()->SetName("SimSun");
  c.Font()->SetCharset(GB2312_CHARSET);
  int gbWidth = c.TextWidth(Utf8ToAnsi("报表条件", 936));
  c.Font()->SetCharset(CHINESEBIG5_CHARSET);
  int big5Width = c.TextWidth(Utf8ToAnsi("報表條件", 950));
  EXPECT_GT(gbWidth, 0);
  EXPECT_EQ(gbWidth, big5Width);
}

TEST(Fonts, MetricsComeFromTheFont) {
  TBitmap b(10, 10);
  TCanvas& c = *b.Canvas();
  c.Font()->SetName("Tahoma");
  c.Font()->SetHeight(-11);
  int small = c.TextHeight("x");
  const TFontMetrics& m = FontFaceFor(*c.Font()).Metrics();
  EXPECT_EQ(small, m.Ascent + m.Descent);
  EXPECT_GT(small, 11);
  c.Font()->SetHeight(-22);
  EXPECT_GT(c.TextHeight("x"), small * 3 / 2);
  c.Font()->SetHeight(20);
  EXPECT_EQ(c.TextHeight("x"), 20);
  EXPECT_LT(c.TextWidth("iii"), c.TextWidth("WWW"));
  EXPECT_EQ(c.TextWidth(""), 0);
  EXPECT_EQ(c.TextExtent("ab"), Point(c.TextWidth("ab"), c.TextHeight("ab")));
}

TEST(TextDrawing, TextOutDrawsInTheFontColourOverTheBrush) {
  TBitmap b(40, 20);
  TCanvas& c = *b.Canvas();
  c.Font()->SetColor(clRed);
  c.Brush()->SetColor(clYellow);
  c.TextOut(2, 2, "Hi");
  EXPECT_EQ(b.Pixel(2, 2), clYellow);  // the cell's background
  bool red = false;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x) red = red || b.Pixel(x, y) == clRed;
  EXPECT_TRUE(red);
  EXPECT_EQ(c.PenPos(), Point(2 + c.TextWidth("Hi"), 2));
  EXPECT_EQ(b.Pixel(2 + c.TextWidth("Hi") + 1, 2), clWhite);
}

TEST(TextDrawing, CentringFlagsPlaceTheTextInTheMiddle) {
  TBitmap b(100, 40);
  TCanvas& c = *b.Canvas();
  c.Brush()->SetStyle(bsClear);
  TRect r = Rect(0, 0, 100, 40);
  c.DrawText("Centre", r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  TRect ink = Ink(b);
  int width = c.TextWidth("Centre");
  int cellTop = (40 - c.TextHeight("Centre")) / 2;
  EXPECT_NEAR(ink.Left, (100 - width) / 2, 2);
  EXPECT_NEAR(ink.Right, (100 + width) / 2, 2);
  EXPECT_GE(ink.Top, cellTop);
  EXPECT_LE(ink.Bottom, cellTop + c.TextHeight("Centre"));
}

TEST(TextDrawing, RightAlignedAndBottomAlignedTextEndsAtTheEdges) {
  TBitmap b(100, 40);
  TCanvas& c = *b.Canvas();
  c.Brush()->SetStyle(bsClear);
  TRect r = Rect(0, 0, 100, 40);
  c.DrawText("Right", r, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
  TRect ink = Ink(b);
  EXPECT_LE(ink.Right, 100);
  EXPECT_GE(ink.Right, 100 - 3);
  EXPECT_GE(ink.Top, 40 - c.TextHeight("Right"));
}

TEST(TextDrawing, TextIsClippedToItsRectangleUnlessNoClip) {
  TBitmap b(100, 20);
  TCanvas& c = *b.Canvas();
  c.Brush()->SetStyle(bsClear);
  TRect r = Rect(0, 0, 10, 20);
  c.DrawText("Much too long", r, DT_SINGLELINE);
  EXPECT_LE(Ink(b).Right, 10);
  EXPECT_EQ(r, Rect(0, 0, 10, 20));
  c.DrawText("Much too long", r, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(Ink(b).Right, 10);
}

TEST(TextDrawing, CalcRectMeasuresLinesWithoutDrawing) {
  TBitmap b(100, 60);
  TCanvas& c = *b.Canvas();
  TRect r = Rect(5, 5, 6, 6);
  int height = c.DrawText("one\r\nlonger line", r, DT_CALCRECT);
  EXPECT_EQ(height, 2 * c.TextHeight("x"));
  EXPECT_EQ(r, Rect(5, 5, 5 + c.TextWidth("longer line"), 5 + height));
  EXPECT_TRUE(Ink(b).IsEmpty());
  TRect wrapped = Rect(0, 0, c.TextWidth("two words") - 1, 0);
  EXPECT_EQ(c.DrawText("two words", wrapped, DT_CALCRECT | DT_WORDBREAK), 2 * c.TextHeight("x"));
}

TEST(TextDrawing, AcceleratorMarksAreRemovedAndDoubledOnesKept) {
  TBitmap b(100, 20);
  TCanvas& c = *b.Canvas();
  TRect r = Rect(0, 0, 100, 20);
  c.DrawText("&Save", r, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(r.Width(), c.TextWidth("Save"));
  r = Rect(0, 0, 100, 20);
  c.DrawText("A&&B", r, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(r.Width(), c.TextWidth("A&B"));
  r = Rect(0, 0, 100, 20);
  c.DrawText("&Save", r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  EXPECT_EQ(r.Width(), c.TextWidth("&Save"));
}

TEST(TextDrawing, AnAcceleratorIsUnderlined) {
  TBitmap plain(60, 20), marked(60, 20);
  for (TBitmap* b : {&plain, &marked}) b->Canvas()->Brush()->SetStyle(bsClear);
  TRect r = Rect(0, 0, 60, 20);
  plain.Canvas()->DrawText("Save", r, DT_SINGLELINE);
  marked.Canvas()->DrawText("&Save", r, DT_SINGLELINE);
  EXPECT_GT(Ink(marked).Bottom, Ink(plain).Bottom);
}

TEST(TextDrawing, ChineseTextInALatinFontIsDrawn) {
  ScopedCodePage cp(936);
  TBitmap b(60, 20);
  TCanvas& c = *b.Canvas();
  c.Font()->SetName("Tahoma");
  c.Font()->SetCharset(GB2312_CHARSET);
  c.Brush()->SetStyle(bsClear);
  c.TextOut(0, 0, GbText("确定"));
  EXPECT_FALSE(Ink(b).IsEmpty());
  EXPECT_GT(c.TextWidth(GbText("确定")), 15);
}

TEST(TextDrawing, TextRectFillsItsRectangleAndClipsToIt) {
  TBitmap b(40, 20);
  TCanvas& c = *b.Canvas();
  c.Brush()->SetColor(clYellow);
  c.TextRect(Rect(0, 0, 8, 20), 0, 0, "WWWW");
  EXPECT_EQ(b.Pixel(7, 19), clYellow);
  EXPECT_LE(Ink(b).Right, 8);
  EXPECT_EQ(c.ClipRect(), Rect(0, 0, 40, 20));
}

TEST(TextDrawing, BadBytesDrawWithoutFailing) {
  ScopedCodePage cp(936);
  TBitmap b(40, 20);
  TCanvas& c = *b.Canvas();
  c.Font()->SetCharset(GB2312_CHARSET);
  EXPECT_NO_THROW(c.TextOut(0, 0, "\xB1"));
  EXPECT_NO_THROW(c.TextOut(0, 0, std::string("a\0b", 3)));
  TRect r = Rect(0, 0, 0, 0);
  EXPECT_NO_THROW(c.DrawText("", r, DT_SINGLELINE | DT_END_ELLIPSIS));
}

}  // namespace
