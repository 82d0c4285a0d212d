#include "platform/graphics/Png.h"

#include <png.h>

#include <cstring>
#include <vector>

void SaveToPng(const TBitmap& bitmap, const AnsiString& fileName) {
  if (bitmap.Empty()) throw EPngError("Cannot write an empty bitmap to " + fileName);
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(bitmap.Width());
  image.height = static_cast<png_uint_32>(bitmap.Height());
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> rgb;
  rgb.reserve(static_cast<std::size_t>(bitmap.Width()) * static_cast<std::size_t>(bitmap.Height()) * 3);
  for (int y = 0; y < bitmap.Height(); ++y) {
    const std::uint32_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x) {
      rgb.push_back(static_cast<png_byte>(row[x] & 0xFF));
      rgb.push_back(static_cast<png_byte>((row[x] >> 8) & 0xFF));
      rgb.push_back(static_cast<png_byte>((row[x] >> 16) & 0xFF));
    }
  }
  if (!png_image_write_to_file(&image, fileName.c_str(), 0, rgb.data(), 0, nullptr))
    throw EPngError("Cannot write " + fileName + ": " + image.message);
}

void LoadFromPng(TBitmap& bitmap, const AnsiString& fileName) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, fileName.c_str()))
    throw EPngError("Cannot read " + fileName + ": " + image.message);
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
  png_color white{255, 255, 255};
  if (!png_image_finish_read(&image, &white, rgb.data(), 0, nullptr)) {
    AnsiString message = image.message;
    png_image_free(&image);
    throw EPngError("Cannot read " + fileName + ": " + message);
  }
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(static_cast<int>(image.width), static_cast<int>(image.height));
  const png_byte* p = rgb.data();
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint32_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += 3)
      row[x] = static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
               static_cast<std::uint32_t>(p[2]) << 16;
  }
}
