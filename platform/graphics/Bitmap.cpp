#include "platform/graphics/Bitmap.h"

#include <algorithm>

#include "platform/classes/ClassDecl.h"
#include "platform/graphics/Canvas.h"

namespace {

constexpr std::uint32_t White = 0xFFFFFF;

bool IsLight(std::uint32_t c) { return (c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF) >= 384; }

}  // namespace

const TTypeInfo& TypeInfoOf(TPixelFormat*) {
  static const TTypeInfo t = EnumTypeInfo("TPixelFormat", {"pfDevice", "pf1bit", "pf4bit", "pf8bit", "pf15bit",
                                                           "pf16bit", "pf24bit", "pf32bit", "pfCustom"});
  return t;
}

const TTypeInfo& TypeInfoOf(TTransparentMode*) {
  static const TTypeInfo t = EnumTypeInfo("TTransparentMode", {"tmAuto", "tmFixed"});
  return t;
}

const TClassInfo& TBitmap::StaticClass() {
  static const TClassInfo info = DescribeClass<TBitmap>(
      "TBitmap", {Prop("Width", &TBitmap::Width, &TBitmap::SetWidth), Prop("Height", &TBitmap::Height, &TBitmap::SetHeight),
                  Prop("Transparent", &TBitmap::Transparent, &TBitmap::SetTransparent),
                  Prop("TransparentColor", &TBitmap::TransparentColor, &TBitmap::SetTransparentColor, &ColorTypeInfo()),
                  Prop("TransparentMode", &TBitmap::TransparentMode, &TBitmap::SetTransparentMode)});
  return info;
}

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height) { SetSize(width, height); }

TBitmap::~TBitmap() = default;

void TBitmap::Assign(const TPersistent& source) {
  auto* bitmap = dynamic_cast<const TBitmap*>(&source);
  if (!bitmap) return TPersistent::Assign(source);
  if (bitmap == this) return;
  width_ = bitmap->width_;
  height_ = bitmap->height_;
  pixels_ = bitmap->pixels_;
  pixelFormat_ = bitmap->pixelFormat_;
  transparent_ = bitmap->transparent_;
  transparentMode_ = bitmap->transparentMode_;
  transparentColor_ = bitmap->transparentColor_;
  if (canvas_) canvas_->ResetClip();
  Changed();
}

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), White);
  for (int y = 0; y < std::min(height, height_); ++y)
    std::copy_n(ScanLine(y), std::min(width, width_), pixels.begin() + static_cast<std::ptrdiff_t>(y) * width);
  pixels_ = std::move(pixels);
  width_ = width;
  height_ = height;
  if (canvas_) canvas_->ResetClip();
  Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == pixelFormat_) return;
  if (format == pf1bit)
    for (std::uint32_t& p : pixels_) p = IsLight(p) ? White : 0;
  pixelFormat_ = format;
  Changed();
}

void TBitmap::Mask(TColor transparentColor) {
  auto key = static_cast<std::uint32_t>(ColorToRGB(transparentColor));
  for (std::uint32_t& p : pixels_) p = p == key ? White : 0;
  pixelFormat_ = pf1bit;
  Changed();
}

TColor TBitmap::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return clBlack;
  return static_cast<TColor>(ScanLine(y)[x]);
}

void TBitmap::SetPixel(int x, int y, TColor color) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  auto rgb = static_cast<std::uint32_t>(ColorToRGB(color));
  ScanLine(y)[x] = Monochrome() ? (IsLight(rgb) ? White : 0) : rgb;
}

TColor TBitmap::TransparentColor() const {
  if (transparentMode_ == tmFixed && transparentColor_ != clDefault) return ColorToRGB(transparentColor_);
  return Empty() ? clDefault : Pixel(0, height_ - 1);
}

void TBitmap::SetTransparentColor(TColor color) {
  transparentColor_ = color;
  transparentMode_ = color == clDefault ? tmAuto : tmFixed;
  Changed();
}

TCanvas* TBitmap::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<TCanvas>(*this);
  return canvas_.get();
}

void TBitmap::Changed() {
  if (OnChange) OnChange();
}
