#include "platform/wmf_canvas.h"

#include <gtest/gtest.h>

#include <map>

#include "graphics_test_support.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

using testing::RunCommand;

std::uint32_t U16(const std::string& b, std::size_t at) {
  return static_cast<std::uint8_t>(b[at]) | (static_cast<std::uint8_t>(b[at + 1]) << 8);
}
std::uint32_t U32(const std::string& b, std::size_t at) {
  return U16(b, at) | (U16(b, at + 2) << 16);
}

// Walks the records of a standard metafile: function number -> count. Fails
// the test when a record size runs past the end or the totals disagree.
std::map<std::uint32_t, int> RecordCounts(const std::string& wmf) {
  std::map<std::uint32_t, int> counts;
  std::size_t at = 18;
  while (at + 6 <= wmf.size()) {
    std::uint32_t words = U32(wmf, at), function = U16(wmf, at + 4);
    EXPECT_GE(words, 3u);
    EXPECT_LE(words, U32(wmf, 12)) << "record larger than the header's largest";
    if (words < 3) break;
    counts[function]++;
    at += 2 * words;
    if (function == 0) break;
  }
  EXPECT_EQ(at, wmf.size());
  EXPECT_EQ(U32(wmf, 6) * 2, wmf.size());
  return counts;
}

void DrawSample(Canvas& c) {
  c.SetBrush(kStockBlackBrush);
  c.Rectangle({10, 10, 200, 120});
  c.SetPen({PenStyle::Dash, 2, {255, 0, 0}});
  const std::vector<Point> line = {{0, 150}, {50, 180}, {100, 150}, {150, 190}};
  c.Polyline(line);
  const Point lobes[] = {{220, 10}, {260, 40}, {220, 70}, {220, 80}, {250, 100}, {220, 120}};
  const int counts[] = {3, 3};
  c.PolyPolygon(lobes, counts, 2);
  c.SetFont({"Arial", 20, 700, 0});
  c.Text({10, 230}, "In-Line 5", kAlignLeft | kAlignBaseline);
  IndexedImage image(4, 2);
  image.palette = {{255, 0, 0}, {0, 0, 255}};
  image.Row(1)[3] = 1;
  c.SetClip({0, 0, 300, 300});
  c.StretchImage(image, {40, 130, 120, 170});
  c.ClearClip();
}

TEST(WmfCanvas, RecordsAWellFormedMetafile) {
  WmfCanvas canvas(300, 260);
  DrawSample(canvas);
  // Changing pens many times reuses the object table instead of growing it.
  for (int i = 0; i < 50; ++i) canvas.SetPen({PenStyle::Solid, i % 3, {0, 0, 0}});
  canvas.SetBounds(320, 250);
  std::string wmf = canvas.MetafileBytes();
  EXPECT_EQ(U16(wmf, 0), 1u);
  EXPECT_EQ(U16(wmf, 2), 9u);
  EXPECT_EQ(U16(wmf, 4), 0x300u);
  EXPECT_LE(U16(wmf, 10), 4u) << "objects are deleted when replaced";
  auto counts = RecordCounts(wmf);
  EXPECT_EQ(counts[0x0538], 1);  // poly-polygon
  EXPECT_EQ(counts[0x0F43], 1);  // image
  EXPECT_EQ(counts[0x0A32], 1);  // text
  EXPECT_EQ(counts[0x001E], counts[0x0127]) << "saves and restores balance";
  EXPECT_EQ(counts[0x02FA] + counts[0x02FB] + counts[0x02FC], counts[0x01F0] + 3)
      << "every object but the current pen, brush and font is deleted";
  // The window extent follows the last bounds (y first, then x).
  EXPECT_EQ(U16(wmf, 18 + 10 + 6), 250u);
  EXPECT_EQ(U16(wmf, 18 + 10 + 8), 320u);
}

TEST(WmfCanvas, SplitsLongPolylinesWithoutGaps) {
  WmfCanvas canvas(100, 100);
  std::vector<Point> points(20000);
  for (std::size_t i = 0; i < points.size(); ++i) points[i] = {static_cast<double>(i % 100), 1};
  canvas.Polyline(points);
  auto counts = RecordCounts(canvas.MetafileBytes());
  EXPECT_EQ(counts[0x0325], 3);
}

TEST(PlaceableMetafile, HeaderCarriesBoundsAndChecksum) {
  std::string header = PlaceableHeader(0, 0, 640, 480, 96);
  ASSERT_EQ(header.size(), 22u);
  EXPECT_EQ(U32(header, 0), kPlaceableKey);
  EXPECT_EQ(U16(header, 10), 640u);
  EXPECT_EQ(U16(header, 12), 480u);
  EXPECT_EQ(U16(header, 14), 96u);
  std::uint32_t sum = 0;
  for (int i = 0; i < 10; ++i) sum ^= U16(header, 2 * i);
  EXPECT_EQ(U16(header, 20), sum);
}

TEST(PlaceableMetafile, Wmf2svgReadsWhatWeSaveWhateverTheExtension) {
  if (!testing::HaveProgram("wmf2svg")) GTEST_SKIP() << "wmf2svg (libwmf-bin) not installed";
  testing::TempFolder folder;
  WmfCanvas canvas(300, 260);
  DrawSample(canvas);
  for (const char* name : {"plot.wmf", "plot.emf"}) {
    ASSERT_TRUE(SaveMetafile(folder.File(name), canvas));
    std::string bytes = testing::ReadFileBytes(folder.File(name));
    EXPECT_EQ(U32(bytes, 0), kPlaceableKey);
    EXPECT_EQ(U16(bytes, 20), PlaceableChecksum(bytes.substr(0, 20)));
    EXPECT_EQ(bytes.substr(22), canvas.MetafileBytes());
    std::string output;
    std::string svg = folder.File(std::string(name) + ".svg");
    ASSERT_EQ(RunCommand("wmf2svg -o '" + svg + "' '" + folder.File(name) + "'", output), 0)
        << output;
    EXPECT_EQ(output, "") << "wmf2svg complained";
    std::string text = testing::ReadFileBytes(svg);
    EXPECT_NE(text.find("<path"), std::string::npos);  // the poly-polygon
    EXPECT_NE(text.find("<rect"), std::string::npos);
    EXPECT_NE(text.find("In-Line 5"), std::string::npos);
  }
}

}  // namespace
}  // namespace quarrix
