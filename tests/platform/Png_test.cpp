#include <gtest/gtest.h>
#include <png.h>

#include <cstring>

#include "platform/graphics/Png.h"
#include "tests/support/TempFolder.h"

namespace {

TEST(Png, WrittenPixelsReadBackThroughLibpng) {
  TempFolder folder;
  TBitmap b(3, 2);
  b.SetPixel(0, 0, 0x123456);
  b.SetPixel(2, 1, clRed);
  const std::string file = folder.path() + "out.png";
  SaveToPng(b, file);

  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  ASSERT_TRUE(png_image_begin_read_from_file(&image, file.c_str()));
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
  ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr));
  EXPECT_EQ(image.width, 3u);
  EXPECT_EQ(image.height, 2u);
  EXPECT_EQ(rgb[0], 0x56);  // red of 0x00BBGGRR
  EXPECT_EQ(rgb[1], 0x34);
  EXPECT_EQ(rgb[2], 0x12);
  const std::size_t last = (1 * 3 + 2) * 3;
  EXPECT_EQ(rgb[last], 0xFF);
  EXPECT_EQ(rgb[last + 1], 0x00);

  TBitmap back;
  LoadFromPng(back, file);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(back.Pixel(x, y), b.Pixel(x, y));
}

TEST(Png, BadFilesRaiseAClearError) {
  TempFolder folder;
  TBitmap b;
  EXPECT_THROW(LoadFromPng(b, folder.path() + "missing.png"), EPngError);
  EXPECT_THROW(LoadFromPng(b, folder.write("text.png", "not a picture")), EPngError);
  EXPECT_TRUE(b.Empty());
  EXPECT_THROW(SaveToPng(b, folder.path() + "empty.png"), EPngError);
  EXPECT_THROW(SaveToPng(TBitmap(1, 1), folder.path() + "no/such/folder/x.png"), EPngError);
}

}  // namespace
