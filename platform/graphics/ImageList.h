#pragma once
// Image lists: equal images (Width x Height) kept in one strip, drawn by index with their
// transparent colour (the bottom-left pixel of each added image, or the masked colour) left out.

#include <memory>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/graphics/Bitmap.h"

class TCanvas;

class TImageList : public TComponent {
  PAVANE_CLASS(TImageList, TComponent)
public:
  explicit TImageList(TComponent* owner);
  ~TImageList() override;

  int Width() const { return width_; }
  void SetWidth(int width);
  int Height() const { return height_; }
  void SetHeight(int height);
  int Count() const { return static_cast<int>(images_.size()); }

  // Adds the bitmap cut into images of Width (one image when it is narrower); answers the
  // index of the first, -1 for an empty bitmap.
  int Add(const TBitmap& image);
  // As Add, with the pixels of MaskColor transparent.
  int AddMasked(const TBitmap& image, TColor maskColor);
  void Delete(int index);
  void Clear();
  // Copies image Index into Bitmap (Width x Height); false for a bad index.
  bool GetBitmap(int index, TBitmap& bitmap) const;
  // Draws image Index with its top-left at (x, y); disabled images are drawn embossed grey.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;

private:
  int width_ = 16;
  int height_ = 16;
  std::vector<std::unique_ptr<TBitmap>> images_;
};
