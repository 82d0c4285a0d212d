#pragma once
// The canvas: pen, brush and font over a bitmap, with an origin and a clipping rectangle so a
// control paints in its own coordinates. Lines, rectangles, text (decoded by the font's
// character set, see Fonts.h), bitmaps, rectangle copies and ternary raster operations.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/classes/Graphics.h"
#include "platform/graphics/Geometry.h"

class TBitmap;
class TFontFace;

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmXor, pmNotXor };
enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
const TTypeInfo& TypeInfoOf(TPenStyle*);
const TTypeInfo& TypeInfoOf(TPenMode*);
const TTypeInfo& TypeInfoOf(TBrushStyle*);

class TPen : public TPersistent {
  PAVANE_CLASS(TPen, TPersistent)
public:
  void Assign(const TPersistent& source) override;
  TColor Color() const { return color_; }
  void SetColor(TColor color) { color_ = color; }
  int Width() const { return width_; }
  void SetWidth(int width) { width_ = width < 1 ? 1 : width; }
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle style) { style_ = style; }
  TPenMode Mode() const { return mode_; }
  void SetMode(TPenMode mode) { mode_ = mode; }

private:
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  TPenMode mode_ = pmCopy;
};

// Hatched styles fill like a solid brush: the forms never use them.
class TBrush : public TPersistent {
  PAVANE_CLASS(TBrush, TPersistent)
public:
  void Assign(const TPersistent& source) override;
  TColor Color() const { return color_; }
  // Setting a colour makes a clear brush solid again, as the platform does.
  void SetColor(TColor color);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style) { style_ = style; }

private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
};

// Raster operations: the code's bits 16-23 give the result for each combination of pattern
// (brush), source and destination bits, so every one of the 256 operations works.
using DWORD = std::uint32_t;
inline constexpr DWORD SRCCOPY = 0x00CC0020, SRCPAINT = 0x00EE0086, SRCAND = 0x008800C6, SRCINVERT = 0x00660046,
                       SRCERASE = 0x00440328, NOTSRCCOPY = 0x00330008, NOTSRCERASE = 0x001100A6,
                       MERGECOPY = 0x00C000CA, MERGEPAINT = 0x00BB0226, PATCOPY = 0x00F00021, PATPAINT = 0x00FB0A09,
                       PATINVERT = 0x005A0049, DSTINVERT = 0x00550009, BLACKNESS = 0x00000042,
                       WHITENESS = 0x00FF0062;
using TCopyMode = DWORD;
inline constexpr TCopyMode cmSrcCopy = SRCCOPY, cmSrcPaint = SRCPAINT, cmSrcAnd = SRCAND, cmSrcInvert = SRCINVERT,
                           cmPatCopy = PATCOPY, cmBlackness = BLACKNESS, cmWhiteness = WHITENESS,
                           cmDstInvert = DSTINVERT, cmNotSrcCopy = NOTSRCCOPY, cmMergeCopy = MERGECOPY,
                           cmMergePaint = MERGEPAINT;

// Flags of DrawText. Text is clipped to the rectangle unless DT_NOCLIP; "&" marks the
// accelerator (underlined, "&&" is one "&") unless DT_NOPREFIX.
inline constexpr unsigned DT_TOP = 0x0, DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4,
                          DT_BOTTOM = 0x8, DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_EXPANDTABS = 0x40,
                          DT_NOCLIP = 0x100, DT_CALCRECT = 0x400, DT_NOPREFIX = 0x800, DT_END_ELLIPSIS = 0x8000;

class TCanvas : public TPersistent {
  PAVANE_CLASS(TCanvas, TPersistent)
public:
  // A canvas on the bitmap, which must outlive it.
  explicit TCanvas(TBitmap& target);
  ~TCanvas() override;

  TBitmap& Target() const { return *target_; }
  TPen* Pen() const { return pen_.get(); }
  TBrush* Brush() const { return brush_.get(); }
  // The font of text; its colour is the text colour of raster operations too.
  TFont* Font() const { return font_.get(); }
  void SetPen(TPen* pen) { if (pen) pen_->Assign(*pen); }
  void SetBrush(TBrush* brush) { if (brush) brush_->Assign(*brush); }
  void SetFont(TFont* font) { if (font) font_->Assign(*font); }
  // The background colour: what white becomes when a monochrome source meets a colour
  // destination, and which source colour becomes white in the other direction.
  TColor BkColor() const { return bkColor_; }
  void SetBkColor(TColor color) { bkColor_ = color; }
  TCopyMode CopyMode() const { return copyMode_; }
  void SetCopyMode(TCopyMode mode) { copyMode_ = mode; }

  // Where logical (0, 0) lies on the bitmap, and the clipping rectangle in logical coordinates.
  TPoint Origin() const { return origin_; }
  void SetOrigin(TPoint origin) { origin_ = origin; }
  void MoveOrigin(int dx, int dy) { origin_ = {origin_.X + dx, origin_.Y + dy}; }
  TRect ClipRect() const;
  void IntersectClipRect(const TRect& rect);
  void ResetClip();

  // Origin, clipping, pen, brush, font and colours, restored when the saver goes.
  class TStateSaver {
  public:
    explicit TStateSaver(TCanvas& canvas);
    ~TStateSaver();
    TStateSaver(const TStateSaver&) = delete;
    TStateSaver& operator=(const TStateSaver&) = delete;

  private:
    TCanvas& canvas_;
    TPoint origin_;
    TRect clip_;
    TPen pen_;
    TBrush brush_;
    TFont font_;
    TColor bkColor_;
    TCopyMode copyMode_;
  };

  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);

  TPoint PenPos() const { return penPos_; }
  void MoveTo(int x, int y) { penPos_ = {x, y}; }
  // Draws from the pen position up to, not including, (x, y).
  void LineTo(int x, int y);
  void Polyline(const std::vector<TPoint>& points);

  // The brush fills; a clear brush leaves FillRect and FrameRect without effect.
  void FillRect(const TRect& rect);
  void FrameRect(const TRect& rect);
  // The dotted focus rectangle, drawn by inverting every other pixel (drawing it twice removes it).
  void DrawFocusRect(const TRect& rect);
  // Outline with the pen, inside filled with the brush.
  void Rectangle(int left, int top, int right, int bottom);
  void Rectangle(const TRect& rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
  void Ellipse(int left, int top, int right, int bottom);

  // Text in the font's character set; a solid brush fills the text's cell first.
  void TextOut(int x, int y, const AnsiString& text);
  // TextOut clipped to the rectangle.
  void TextRect(const TRect& rect, int x, int y, const AnsiString& text);
  int TextWidth(const AnsiString& text);
  int TextHeight(const AnsiString& text);
  TPoint TextExtent(const AnsiString& text);
  // The platform's DrawText: the height of the text drawn; with DT_CALCRECT the rectangle is
  // set to the text's extent and nothing is drawn.
  int DrawText(const AnsiString& text, TRect& rect, unsigned flags);

  // The bitmap at (x, y), leaving out its transparent colour when it is transparent.
  void Draw(int x, int y, TBitmap& bitmap);
  void StretchDraw(const TRect& rect, TBitmap& bitmap);
  // The source rectangle of the bitmap onto Dest; pixels of Color take the brush, or stay
  // as they were under a clear brush.
  void BrushCopy(const TRect& dest, TBitmap& bitmap, const TRect& source, TColor color);
  // Copies (stretching when the sizes differ) with CopyMode.
  void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);

  // Internal access for the raster operations and text drawing.
  TRect DeviceClip() const { return clip_; }

private:
  void FillDevice(const TRect& deviceRect, std::uint32_t color);
  void SetDevicePixel(int x, int y, std::uint32_t color);
  // The face of the current font, resolved again only when the font changed.
  TFontFace& Face();
  int Width(const std::u32string& text);
  // One line of text with its top-left at (x, y) (logical); Underlined is the index of the
  // accelerator character, or -1.
  void DrawTextLine(int x, int y, const std::u32string& text, int underlined);

  TBitmap* target_;
  std::unique_ptr<TPen> pen_;
  std::unique_ptr<TBrush> brush_;
  std::unique_ptr<TFont> font_;
  TColor bkColor_ = clWhite;
  TCopyMode copyMode_ = cmSrcCopy;
  TPoint origin_;
  TRect clip_;
  TPoint penPos_;
  TFontFace* face_ = nullptr;
  TFont faceFont_;
};

// Block transfer of Width x Height pixels from Source (x0, y0) to Dest (x, y) under the
// raster operation; the pattern is Dest's brush colour. Source may be nullptr for
// operations that do not read it. A monochrome source meeting a colour destination turns
// white into Dest's BkColor and black into its font colour; a colour source meeting a
// monochrome destination turns Source's BkColor into white and everything else into black.
void BitBlt(TCanvas& dest, int x, int y, int width, int height, TCanvas* source, int x0, int y0, DWORD rop);
// The brush over the rectangle under a raster operation that does not read a source.
void PatBlt(TCanvas& dest, int x, int y, int width, int height, DWORD rop);
