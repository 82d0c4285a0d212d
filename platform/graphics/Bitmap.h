#pragma once
// Bitmaps: pixels as 0x00BBGGRR words (the TColor layout), 24-bit colour or monochrome
// (black and white only), a transparent colour and their own canvas.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/classes/Graphics.h"
#include "platform/graphics/Geometry.h"

class TCanvas;

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TTransparentMode { tmAuto, tmFixed };
const TTypeInfo& TypeInfoOf(TPixelFormat*);
const TTypeInfo& TypeInfoOf(TTransparentMode*);

class TBitmap : public TPersistent {
  PAVANE_CLASS(TBitmap, TPersistent)
public:
  TBitmap();
  TBitmap(int width, int height);
  ~TBitmap() override;
  // Copies size, format, pixels and transparency (the canvas is the copy's own).
  void Assign(const TPersistent& source) override;

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Resizing keeps the pixels that still fit; new pixels are white.
  void SetWidth(int width) { SetSize(width, height_); }
  void SetHeight(int height) { SetSize(width_, height); }
  void SetSize(int width, int height);
  bool Empty() const { return width_ == 0 || height_ == 0; }
  // Forgets the image: the bitmap becomes 0 x 0.
  void Dormant() { SetSize(0, 0); }

  // pfDevice, pf24bit and pf32bit hold colour; pf1bit holds black and white: converting to it
  // turns a pixel white when red + green + blue >= 384, else black. Other formats are
  // kept as 24-bit colour.
  TPixelFormat PixelFormat() const { return pixelFormat_; }
  void SetPixelFormat(TPixelFormat format);
  bool Monochrome() const { return pixelFormat_ == pf1bit; }
  void SetMonochrome(bool mono) { SetPixelFormat(mono ? pf1bit : pf24bit); }
  // Makes the bitmap a monochrome mask: pixels of the colour become white, all others black.
  void Mask(TColor transparentColor);

  // Pixels outside the bitmap read as clBlack and are not written.
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);
  // The pixels of a row (Width words); valid until the size changes.
  std::uint32_t* ScanLine(int y) { return pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_); }
  const std::uint32_t* ScanLine(int y) const {
    return pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
  }

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent) { transparent_ = transparent; }
  // tmAuto: the colour of the bottom-left pixel; tmFixed: the colour set.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor color);
  TTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode mode) { transparentMode_ = mode; }

  // The bitmap's own canvas, made when first asked for.
  TCanvas* Canvas();

  // Called after the size, format or transparent colour changed.
  std::function<void()> OnChange;

private:
  void Changed();

  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
  TPixelFormat pixelFormat_ = pfDevice;
  bool transparent_ = false;
  TTransparentMode transparentMode_ = tmAuto;
  TColor transparentColor_ = clDefault;
  std::unique_ptr<TCanvas> canvas_;
};
