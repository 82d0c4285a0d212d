// Block transfers: BitBlt, PatBlt, CopyRect, Draw, StretchDraw, BrushCopy.

#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace {

constexpr std::uint32_t White = 0xFFFFFF;

bool IsLight(std::uint32_t c) { return (c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF) >= 384; }

// The result of the operation index for one pixel: every set bit i of the index contributes
// the pixels where pattern, source and destination equal bits 2, 1 and 0 of i.
std::uint32_t Rop3(std::uint8_t index, std::uint32_t p, std::uint32_t s, std::uint32_t d) {
  switch (index) {
    case 0xCC: return s;
    case 0xF0: return p;
    case 0x88: return s & d;
    case 0xEE: return s | d;
    case 0x66: return s ^ d;
    case 0xE2: return (s & p) | (~s & d & White);
    case 0xB8: return (s & d) | (~s & p & White);
    default: break;
  }
  std::uint32_t r = 0;
  for (int i = 0; i < 8; ++i)
    if ((index >> i) & 1)
      r |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
  return r & White;
}

bool UsesSource(std::uint8_t index) { return ((index >> 2) & 0x33) != (index & 0x33); }

// Source pixels of a rectangle, in the destination's colour model, taken before any
// destination pixel changes (so a canvas can copy onto itself).
struct TSourceBlock {
  int Width = 0, Height = 0;
  std::vector<std::uint32_t> Pixels;
  std::vector<bool> Present;
};

TSourceBlock ReadSource(TCanvas& dest, TCanvas& source, const TRect& rect) {
  TSourceBlock block;
  block.Width = rect.Width();
  block.Height = rect.Height();
  std::size_t count = static_cast<std::size_t>(block.Width) * static_cast<std::size_t>(block.Height);
  block.Pixels.assign(count, 0);
  block.Present.assign(count, false);
  const TBitmap& bitmap = source.Target();
  bool monoToColour = bitmap.Monochrome() && !dest.Target().Monochrome();
  bool colourToMono = !bitmap.Monochrome() && dest.Target().Monochrome();
  auto textColour = static_cast<std::uint32_t>(ColorToRGB(dest.Font()->Color()));
  auto destBk = static_cast<std::uint32_t>(ColorToRGB(dest.BkColor()));
  auto sourceBk = static_cast<std::uint32_t>(ColorToRGB(source.BkColor()));
  for (int y = 0; y < block.Height; ++y) {
    int by = rect.Top + y + source.Origin().Y;
    if (by < 0 || by >= bitmap.Height()) continue;
    const std::uint32_t* row = bitmap.ScanLine(by);
    for (int x = 0; x < block.Width; ++x) {
      int bx = rect.Left + x + source.Origin().X;
      if (bx < 0 || bx >= bitmap.Width()) continue;
      std::uint32_t s = row[bx];
      if (monoToColour) s = s == White ? destBk : textColour;
      if (colourToMono) s = s == sourceBk ? White : 0;
      std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(block.Width) + static_cast<std::size_t>(x);
      block.Pixels[i] = s;
      block.Present[i] = true;
    }
  }
  return block;
}

// Destination rectangle (logical) from source rectangle (logical), stretched by nearest pixel.
void Transfer(TCanvas& dest, const TRect& destRect, TCanvas* source, const TRect& sourceRect, DWORD rop) {
  if (destRect.IsEmpty()) return;
  auto index = static_cast<std::uint8_t>((rop >> 16) & 0xFF);
  bool withSource = UsesSource(index);
  if (withSource && (!source || sourceRect.IsEmpty())) return;
  TSourceBlock block;
  if (withSource) block = ReadSource(dest, *source, sourceRect);
  TBitmap& target = dest.Target();
  auto pattern = static_cast<std::uint32_t>(ColorToRGB(dest.Brush()->Color()));
  if (target.Monochrome()) pattern = IsLight(pattern) ? White : 0;
  TRect device = OffsetRect(destRect, dest.Origin().X, dest.Origin().Y);
  TRect clipped = IntersectRect(device, dest.DeviceClip());
  for (int y = clipped.Top; y < clipped.Bottom; ++y) {
    std::uint32_t* row = target.ScanLine(y);
    int sy = withSource ? (y - device.Top) * block.Height / destRect.Height() : 0;
    for (int x = clipped.Left; x < clipped.Right; ++x) {
      std::uint32_t s = 0;
      if (withSource) {
        int sx = (x - device.Left) * block.Width / destRect.Width();
        std::size_t i = static_cast<std::size_t>(sy) * static_cast<std::size_t>(block.Width) + static_cast<std::size_t>(sx);
        if (!block.Present[i]) continue;
        s = block.Pixels[i];
      }
      row[x] = Rop3(index, pattern, s, row[x]);
    }
  }
}

}  // namespace

void BitBlt(TCanvas& dest, int x, int y, int width, int height, TCanvas* source, int x0, int y0, DWORD rop) {
  Transfer(dest, Bounds(x, y, width, height), source, Bounds(x0, y0, width, height), rop);
}

void PatBlt(TCanvas& dest, int x, int y, int width, int height, DWORD rop) {
  Transfer(dest, Bounds(x, y, width, height), nullptr, {}, rop);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect) {
  Transfer(*this, dest, &source, sourceRect, copyMode_);
}

void TCanvas::Draw(int x, int y, TBitmap& bitmap) { StretchDraw(Bounds(x, y, bitmap.Width(), bitmap.Height()), bitmap); }

void TCanvas::StretchDraw(const TRect& rect, TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  TRect whole = Bounds(0, 0, bitmap.Width(), bitmap.Height());
  if (!bitmap.Transparent()) {
    TCanvas& source = *bitmap.Canvas();
    TStateSaver saved(source);
    source.SetOrigin({});
    Transfer(*this, rect, &source, whole, SRCCOPY);
    return;
  }
  TBrush clear;
  clear.SetStyle(bsClear);
  TStateSaver saved(*this);
  brush_->Assign(clear);
  BrushCopy(rect, bitmap, whole, bitmap.TransparentColor());
}

void TCanvas::BrushCopy(const TRect& dest, TBitmap& bitmap, const TRect& source, TColor color) {
  if (dest.IsEmpty() || source.IsEmpty()) return;
  auto key = static_cast<std::uint32_t>(ColorToRGB(color));
  bool clear = brush_->Style() == bsClear;
  auto fill = static_cast<std::uint32_t>(ColorToRGB(brush_->Color()));
  TRect device = OffsetRect(dest, origin_.X, origin_.Y);
  TRect clipped = IntersectRect(device, clip_);
  for (int y = clipped.Top; y < clipped.Bottom; ++y) {
    int sy = source.Top + (y - device.Top) * source.Height() / dest.Height();
    if (sy < 0 || sy >= bitmap.Height()) continue;
    const std::uint32_t* from = bitmap.ScanLine(sy);
    std::uint32_t* row = target_->ScanLine(y);
    for (int x = clipped.Left; x < clipped.Right; ++x) {
      int sx = source.Left + (x - device.Left) * source.Width() / dest.Width();
      if (sx < 0 || sx >= bitmap.Width()) continue;
      std::uint32_t p = from[sx];
      if (p != key)
        row[x] = p;
      else if (!clear)
        row[x] = fill;
    }
  }
}
