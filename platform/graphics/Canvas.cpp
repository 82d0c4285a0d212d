#include "platform/graphics/Canvas.h"

#include <cmath>
#include <cstdlib>

#include "platform/classes/ClassDecl.h"
#include "platform/graphics/Bitmap.h"

const TTypeInfo& TypeInfoOf(TPenStyle*) {
  static const TTypeInfo t = EnumTypeInfo(
      "TPenStyle", {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"});
  return t;
}
const TTypeInfo& TypeInfoOf(TPenMode*) {
  static const TTypeInfo t =
      EnumTypeInfo("TPenMode", {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy", "pmXor", "pmNotXor"});
  return t;
}
const TTypeInfo& TypeInfoOf(TBrushStyle*) {
  static const TTypeInfo t = EnumTypeInfo("TBrushStyle", {"bsSolid", "bsClear", "bsHorizontal", "bsVertical",
                                                          "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross"});
  return t;
}

const TClassInfo& TPen::StaticClass() {
  static const TClassInfo info = DescribeClass<TPen>(
      "TPen", {Prop("Color", &TPen::Color, &TPen::SetColor, &ColorTypeInfo()), Prop("Width", &TPen::Width, &TPen::SetWidth),
               Prop("Style", &TPen::Style, &TPen::SetStyle), Prop("Mode", &TPen::Mode, &TPen::SetMode)});
  return info;
}

void TPen::Assign(const TPersistent& source) {
  auto* pen = dynamic_cast<const TPen*>(&source);
  if (!pen) return TPersistent::Assign(source);
  color_ = pen->color_;
  width_ = pen->width_;
  style_ = pen->style_;
  mode_ = pen->mode_;
}

const TClassInfo& TBrush::StaticClass() {
  static const TClassInfo info = DescribeClass<TBrush>(
      "TBrush", {Prop("Color", &TBrush::Color, &TBrush::SetColor, &ColorTypeInfo()),
                 Prop("Style", &TBrush::Style, &TBrush::SetStyle)});
  return info;
}

void TBrush::Assign(const TPersistent& source) {
  auto* brush = dynamic_cast<const TBrush*>(&source);
  if (!brush) return TPersistent::Assign(source);
  color_ = brush->color_;
  style_ = brush->style_;
}

void TBrush::SetColor(TColor color) {
  color_ = color;
  if (style_ == bsClear) style_ = bsSolid;
}

const TClassInfo& TCanvas::StaticClass() {
  static const TClassInfo info = DescribeClass<TCanvas>(
      "TCanvas", {Prop("Pen", &TCanvas::Pen, &TCanvas::SetPen), Prop("Brush", &TCanvas::Brush, &TCanvas::SetBrush),
                  Prop("Font", &TCanvas::Font, &TCanvas::SetFont)});
  return info;
}

TCanvas::TCanvas(TBitmap& target)
    : target_(&target), pen_(std::make_unique<TPen>()), brush_(std::make_unique<TBrush>()),
      font_(std::make_unique<TFont>()) {
  ResetClip();
}

TCanvas::~TCanvas() = default;

TRect TCanvas::ClipRect() const { return OffsetRect(clip_, -origin_.X, -origin_.Y); }

void TCanvas::IntersectClipRect(const TRect& rect) {
  clip_ = IntersectRect(clip_, OffsetRect(rect, origin_.X, origin_.Y));
}

void TCanvas::ResetClip() { clip_ = Bounds(0, 0, target_->Width(), target_->Height()); }

TCanvas::TStateSaver::TStateSaver(TCanvas& canvas)
    : canvas_(canvas), origin_(canvas.origin_), clip_(canvas.clip_), bkColor_(canvas.bkColor_),
      copyMode_(canvas.copyMode_) {
  pen_.Assign(*canvas.pen_);
  brush_.Assign(*canvas.brush_);
  font_.Assign(*canvas.font_);
}

TCanvas::TStateSaver::~TStateSaver() {
  canvas_.origin_ = origin_;
  canvas_.clip_ = clip_;
  canvas_.bkColor_ = bkColor_;
  canvas_.copyMode_ = copyMode_;
  canvas_.pen_->Assign(pen_);
  canvas_.brush_->Assign(brush_);
  canvas_.font_->Assign(font_);
}

TColor TCanvas::Pixel(int x, int y) const { return target_->Pixel(x + origin_.X, y + origin_.Y); }

void TCanvas::SetPixel(int x, int y, TColor color) {
  int dx = x + origin_.X, dy = y + origin_.Y;
  if (clip_.Contains({dx, dy})) target_->SetPixel(dx, dy, color);
}

void TCanvas::SetDevicePixel(int x, int y, std::uint32_t color) {
  if (clip_.Contains({x, y})) target_->ScanLine(y)[x] = color;
}

void TCanvas::FillDevice(const TRect& deviceRect, std::uint32_t color) {
  TRect r = IntersectRect(deviceRect, clip_);
  for (int y = r.Top; y < r.Bottom; ++y) {
    std::uint32_t* row = target_->ScanLine(y);
    std::fill(row + r.Left, row + r.Right, color);
  }
}

namespace {

std::uint32_t PenResult(TPenMode mode, std::uint32_t pen, std::uint32_t dest) {
  switch (mode) {
    case pmBlack: return 0;
    case pmWhite: return 0xFFFFFF;
    case pmNop: return dest;
    case pmNot: return ~dest & 0xFFFFFF;
    case pmNotCopy: return ~pen & 0xFFFFFF;
    case pmXor: return (pen ^ dest) & 0xFFFFFF;
    case pmNotXor: return ~(pen ^ dest) & 0xFFFFFF;
    case pmCopy: break;
  }
  return pen;
}

}  // namespace

void TCanvas::LineTo(int x, int y) {
  TPoint from = penPos_;
  penPos_ = {x, y};
  if (pen_->Style() == psClear) return;
  auto color = static_cast<std::uint32_t>(ColorToRGB(pen_->Color()));
  int w = pen_->Width();
  // Bresenham, leaving out the end point as the platform does.
  int x0 = from.X, y0 = from.Y;
  int dx = std::abs(x - x0), sx = x0 < x ? 1 : -1;
  int dy = -std::abs(y - y0), sy = y0 < y ? 1 : -1;
  int err = dx + dy;
  int step = 0;
  while (x0 != x || y0 != y) {
    bool draw = pen_->Style() != psDot || step % 2 == 0;
    if (draw) {
      for (int py = 0; py < w; ++py)
        for (int px = 0; px < w; ++px) {
          int ddx = x0 + px - w / 2 + origin_.X, ddy = y0 + py - w / 2 + origin_.Y;
          if (clip_.Contains({ddx, ddy})) {
            std::uint32_t& p = target_->ScanLine(ddy)[ddx];
            p = PenResult(pen_->Mode(), color, p);
          }
        }
    }
    ++step;
    int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
  if (points.empty()) return;
  MoveTo(points.front().X, points.front().Y);
  for (std::size_t i = 1; i < points.size(); ++i) LineTo(points[i].X, points[i].Y);
  // The platform's polyline includes the last point.
  TPoint last = points.back();
  LineTo(last.X + 1, last.Y);
  MoveTo(last.X, last.Y);
}

void TCanvas::FillRect(const TRect& rect) {
  if (brush_->Style() == bsClear) return;
  FillDevice(OffsetRect(rect, origin_.X, origin_.Y), static_cast<std::uint32_t>(ColorToRGB(brush_->Color())));
}

void TCanvas::FrameRect(const TRect& rect) {
  if (brush_->Style() == bsClear || rect.IsEmpty()) return;
  auto color = static_cast<std::uint32_t>(ColorToRGB(brush_->Color()));
  TRect r = OffsetRect(rect, origin_.X, origin_.Y);
  FillDevice({r.Left, r.Top, r.Right, r.Top + 1}, color);
  FillDevice({r.Left, r.Bottom - 1, r.Right, r.Bottom}, color);
  FillDevice({r.Left, r.Top, r.Left + 1, r.Bottom}, color);
  FillDevice({r.Right - 1, r.Top, r.Right, r.Bottom}, color);
}

void TCanvas::DrawFocusRect(const TRect& rect) {
  if (rect.IsEmpty()) return;
  TRect r = OffsetRect(rect, origin_.X, origin_.Y);
  auto invert = [this](int x, int y) {
    // The dots sit on a checkerboard of the bitmap, so adjacent rectangles line up.
    if ((x + y) % 2 == 0 && clip_.Contains({x, y})) target_->ScanLine(y)[x] ^= 0xFFFFFF;
  };
  for (int x = r.Left; x < r.Right; ++x) {
    invert(x, r.Top);
    if (r.Bottom - 1 > r.Top) invert(x, r.Bottom - 1);
  }
  for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
    invert(r.Left, y);
    if (r.Right - 1 > r.Left) invert(r.Right - 1, y);
  }
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  TRect r{left, top, right, bottom};
  if (r.IsEmpty()) return;
  bool outlined = pen_->Style() != psClear;
  int w = outlined ? pen_->Width() : 0;
  if (brush_->Style() != bsClear) FillRect(InflateRect(r, -w, -w));
  if (!outlined) return;
  auto color = static_cast<std::uint32_t>(ColorToRGB(pen_->Color()));
  TRect d = OffsetRect(r, origin_.X, origin_.Y);
  for (int y = d.Top; y < d.Bottom; ++y)
    for (int x = d.Left; x < d.Right; ++x) {
      bool edge = x < d.Left + w || x >= d.Right - w || y < d.Top + w || y >= d.Bottom - w;
      if (edge && clip_.Contains({x, y})) {
        std::uint32_t& p = target_->ScanLine(y)[x];
        p = PenResult(pen_->Mode(), color, p);
      }
    }
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
  TRect r{left, top, right, bottom};
  if (r.IsEmpty()) return;
  double cx = (left + right - 1) / 2.0, cy = (top + bottom - 1) / 2.0;
  double rx = (right - left) / 2.0, ry = (bottom - top) / 2.0;
  auto inside = [&](int x, int y) {
    double nx = (x - cx) / rx, ny = (y - cy) / ry;
    return nx * nx + ny * ny <= 1.0;
  };
  auto pen = static_cast<std::uint32_t>(ColorToRGB(pen_->Color()));
  auto brush = static_cast<std::uint32_t>(ColorToRGB(brush_->Color()));
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      if (!inside(x, y)) continue;
      bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
      if (edge && pen_->Style() != psClear)
        SetDevicePixel(x + origin_.X, y + origin_.Y, pen);
      else if (!edge && brush_->Style() != bsClear)
        SetDevicePixel(x + origin_.X, y + origin_.Y, brush);
    }
}
