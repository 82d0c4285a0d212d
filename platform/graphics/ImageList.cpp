#include "platform/graphics/ImageList.h"

#include "platform/classes/ClassDecl.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ClassicLook.h"

const TClassInfo& TImageList::StaticClass() {
  static const TClassInfo info = DescribeClass<TImageList>(
      "TImageList", {Prop("Width", &TImageList::Width, &TImageList::SetWidth),
                     Prop("Height", &TImageList::Height, &TImageList::SetHeight)});
  return info;
}

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

TImageList::~TImageList() = default;

// Changing the size empties the list, as the platform does.
void TImageList::SetWidth(int width) {
  if (width == width_ || width < 1) return;
  width_ = width;
  Clear();
}

void TImageList::SetHeight(int height) {
  if (height == height_ || height < 1) return;
  height_ = height;
  Clear();
}

int TImageList::Add(const TBitmap& image) {
  if (image.Empty()) return -1;
  return AddMasked(image, image.TransparentColor());
}

int TImageList::AddMasked(const TBitmap& image, TColor maskColor) {
  if (image.Empty()) return -1;
  int first = Count();
  int count = std::max(1, image.Width() / width_);
  TBitmap source;
  source.Assign(image);
  for (int i = 0; i < count; ++i) {
    auto cell = std::make_unique<TBitmap>(width_, height_);
    cell->SetPixelFormat(pf24bit);
    TCanvas* canvas = cell->Canvas();
    canvas->Brush()->SetColor(maskColor);
    canvas->FillRect(Bounds(0, 0, width_, height_));
    canvas->CopyRect(Bounds(0, 0, std::min(width_, image.Width()), std::min(height_, image.Height())), *source.Canvas(),
                     Bounds(i * width_, 0, std::min(width_, image.Width()), std::min(height_, image.Height())));
    cell->SetTransparentColor(maskColor);
    cell->SetTransparent(true);
    images_.push_back(std::move(cell));
  }
  return first;
}

void TImageList::Delete(int index) {
  if (index >= 0 && index < Count()) images_.erase(images_.begin() + index);
}

void TImageList::Clear() { images_.clear(); }

bool TImageList::GetBitmap(int index, TBitmap& bitmap) const {
  if (index < 0 || index >= Count()) return false;
  bitmap.Assign(*images_[static_cast<std::size_t>(index)]);
  return true;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
  if (index < 0 || index >= Count()) return;
  TBitmap& image = *images_[static_cast<std::size_t>(index)];
  if (enabled) {
    canvas.Draw(x, y, image);
    return;
  }
  // Disabled: the non-transparent pixels embossed in highlight and shadow.
  TBitmap mask;
  mask.Assign(image);
  mask.Mask(image.TransparentColor());
  for (auto [dx, colour] : {std::pair{1, clBtnHighlight}, std::pair{0, clBtnShadow}}) {
    for (int my = 0; my < mask.Height(); ++my)
      for (int mx = 0; mx < mask.Width(); ++mx)
        if (mask.Pixel(mx, my) == clBlack) canvas.SetPixel(x + mx + dx, y + my + dx, colour);
  }
}
