#include "platform/bmp_file.h"

#include <gtest/gtest.h>

#include "graphics_test_support.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

using testing::RunCommand;

IndexedImage Sample(int width, int height) {
  IndexedImage image(width, height);
  image.palette = {{255, 255, 255}, {0, 0, 0}, {255, 0, 0}, {0, 128, 255}};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      // Long runs, short runs and stretches of differing pixels.
      image.Row(y)[x] = static_cast<std::uint8_t>(x < width / 2 ? (y % 4) : (x * 7 + y) % 4);
  return image;
}

TEST(Bitmap, Rle8RoundTripsIncludingOddWidthsAndLongRuns) {
  for (auto [w, h] : {std::pair{1, 1}, {3, 2}, {37, 5}, {600, 3}}) {
    IndexedImage image = Sample(w, h);
    Bitmap back;
    std::string error;
    ASSERT_TRUE(DecodeBmp(EncodeBmpRle8(image), back, error)) << error;
    ASSERT_EQ(back.width, w);
    ASSERT_EQ(back.height, h);
    EXPECT_EQ(back.indexed.palette, image.palette);
    EXPECT_EQ(back.indexed.pixels, image.pixels) << w << "x" << h;
    EXPECT_EQ(back.At(0, 1 % h), image.palette[image.At(0, 1 % h)]);
  }
}

TEST(Bitmap, ReadsRle8DeltasAndAbsoluteRunsBuiltByHand) {
  // 4x2, 2 colours: bottom row "encoded 3 x colour 1, absolute [0]"... built
  // with a delta that skips to the top row.
  std::string data = {3, 1, 0, 0,        // bottom row: 1 1 1, end of line
                      0, 2, 1, 0,        // delta: one right, same row (top row)
                      0, 3, 1, 0, 1, 0,  // absolute run of three, padded
                      0, 1};             // end of bitmap
  IndexedImage shape(4, 2);
  shape.palette = {{0, 0, 0}, {255, 255, 255}};
  std::string file = EncodeBmpRle8(shape);
  file = file.substr(0, file.size() - EncodeRle8(shape).size()) + data;
  Bitmap bitmap;
  std::string error;
  ASSERT_TRUE(DecodeBmp(file, bitmap, error)) << error;
  EXPECT_EQ(bitmap.indexed.pixels, (std::vector<std::uint8_t>{0, 1, 0, 1, 1, 1, 1, 0}));
}

TEST(Bitmap, RefusesDamagedFilesWithAReason) {
  std::string good = EncodeBmpRle8(Sample(64, 64));
  Bitmap bitmap;
  std::string error;
  EXPECT_FALSE(DecodeBmp("BM", bitmap, error));
  EXPECT_FALSE(DecodeBmp("XX" + good.substr(2), bitmap, error));
  std::string huge = good;
  huge[20] = huge[24] = 1;  // a picture of 65600 x 65600
  EXPECT_FALSE(DecodeBmp(huge, bitmap, error));
  EXPECT_NE(error, "");
  std::string uncompressed_short = good;
  uncompressed_short[30] = 0;  // claims uncompressed: the pixel data is too short
  EXPECT_FALSE(DecodeBmp(uncompressed_short, bitmap, error));
}

TEST(Bitmap, PillowReadsOurFilesAndWeReadPillows) {
  std::string python = testing::PythonWithPillow();
  if (python.empty()) GTEST_SKIP() << "Pillow not installed";
  testing::TempFolder folder;
  IndexedImage image = Sample(37, 5);
  ASSERT_TRUE(WriteBitmapFile(folder.File("ours.bmp"), image));
  std::string output;
  ASSERT_EQ(RunCommand(python + " -c \"from PIL import Image; im = Image.open('" +
                           folder.File("ours.bmp") +
                           "'); print(im.size, im.mode, im.getpalette()[:12], "
                           "list(im.getdata())[:40])\"",
                       output),
            0)
      << output;
  std::string expected_pixels;
  for (int i = 0; i < 40; ++i)
    expected_pixels += (i ? ", " : "") + std::to_string(image.At(i % 37, i / 37));
  EXPECT_EQ(output, "(37, 5) P [255, 255, 255, 0, 0, 0, 255, 0, 0, 0, 128, 255] [" +
                        expected_pixels + "]\n");

  ASSERT_EQ(
      RunCommand(
          python +
              " -c \"from PIL import Image\n"
              "im = Image.new('RGB', (5, 3), (10, 20, 30)); im.putpixel((4, 0), (200, 100, 50))\n"
              "im.save('" +
              folder.File("rgb.bmp") +
              "')\n"
              "p = im.quantize(4); p.save('" +
              folder.File("p.bmp") + "')\"",
          output),
      0)
      << output;
  Bitmap rgb, indexed;
  std::string error;
  ASSERT_TRUE(ReadBitmapFile(folder.File("rgb.bmp"), rgb, error)) << error;
  EXPECT_EQ(rgb.At(0, 2), (Rgb{10, 20, 30}));
  EXPECT_EQ(rgb.At(4, 0), (Rgb{200, 100, 50}));
  EXPECT_TRUE(rgb.indexed.pixels.empty());
  ASSERT_TRUE(ReadBitmapFile(folder.File("p.bmp"), indexed, error)) << error;
  EXPECT_EQ(indexed.At(4, 0), (Rgb{200, 100, 50}));
  EXPECT_EQ(indexed.At(1, 1), (Rgb{10, 20, 30}));
}

}  // namespace
}  // namespace quarrix
