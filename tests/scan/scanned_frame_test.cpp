#include "scan/scanned_frame.h"

#include <gtest/gtest.h>

namespace quarrix {
namespace {

TEST(ScannedFrame, GreyLineArtAndSixteenBitSamples) {
  ScannedPage page;
  std::string problem;
  // Two lines of three grey pixels, each line padded to four bytes; a cut-off
  // third line is left out.
  ASSERT_TRUE(PlaceScannedFrame(std::string("\x10\x20\x30\x00\x40\x50\x60\x00\x70", 9),
                                {FrameFormat::Grey, 8, 3, 4}, page, problem));
  EXPECT_EQ(page.width, 3);
  EXPECT_EQ(page.height, 2);
  EXPECT_EQ(page.pixels[4], (Rgb{0x50, 0x50, 0x50}));
  // Line art: a set bit is black.
  ScannedPage art;
  ASSERT_TRUE(PlaceScannedFrame("\xA0", {FrameFormat::Grey, 1, 3, 1}, art, problem));
  EXPECT_EQ(art.pixels[0], (Rgb{0, 0, 0}));
  EXPECT_EQ(art.pixels[1], (Rgb{255, 255, 255}));
  EXPECT_EQ(art.pixels[2], (Rgb{0, 0, 0}));
  // 16 bits: the high byte of each little-endian sample.
  ScannedPage deep;
  ASSERT_TRUE(PlaceScannedFrame(std::string("\x01\x02\x03\x04\x05\x06", 6),
                                {FrameFormat::Rgb, 16, 1, 6}, deep, problem));
  EXPECT_EQ(deep.pixels[0], (Rgb{2, 4, 6}));
}

TEST(ScannedFrame, ThreeFramesFillTheirChannels) {
  ScannedPage page;
  std::string problem;
  ASSERT_TRUE(PlaceScannedFrame("\x11\x12", {FrameFormat::Red, 8, 2, 2}, page, problem));
  ASSERT_TRUE(PlaceScannedFrame("\x21\x22", {FrameFormat::Green, 8, 2, 2}, page, problem));
  ASSERT_TRUE(PlaceScannedFrame("\x31\x32", {FrameFormat::Blue, 8, 2, 2}, page, problem));
  EXPECT_EQ(page.pixels[1], (Rgb{0x12, 0x22, 0x32}));
  // A later frame longer than the first stays within the page.
  ASSERT_TRUE(PlaceScannedFrame("\x41\x42\x43\x44", {FrameFormat::Red, 8, 4, 4}, page, problem));
  EXPECT_EQ(page.pixels.size(), 2u);
  EXPECT_EQ(page.pixels[1].r, 0x42);
}

TEST(ScannedFrame, LayoutsThatCannotBeTakenAreRefused) {
  std::string problem;
  const FrameLayout bad[] = {{FrameFormat::Grey, 4, 2, 2},  {FrameFormat::Grey, 8, 0, 2},
                             {FrameFormat::Grey, 8, 2, 0},  {FrameFormat::Rgb, 8, 2, 5},
                             {FrameFormat::Grey, 16, 3, 5}, {FrameFormat::Rgb, 1, 8, 3}};
  for (const FrameLayout& layout : bad) {
    ScannedPage page;
    problem.clear();
    EXPECT_FALSE(PlaceScannedFrame(std::string(64, '\0'), layout, page, problem));
    EXPECT_FALSE(problem.empty());
  }
  ScannedPage huge;
  EXPECT_FALSE(PlaceScannedFrame(std::string(40000, '\0'), {FrameFormat::Grey, 1, 40000, 5000},
                                 huge, problem));
}

}  // namespace
}  // namespace quarrix
