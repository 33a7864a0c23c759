#include "map/contour_cell_fill.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "contour_test_support.h"
#include "platform/progress.h"

namespace quarrix {
namespace {

using testing::RecordingContourSink;
using testing::ThousandthsOfACell;

double Area(const std::vector<DevicePoint>& p) {
  double twice = 0;
  for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++)
    twice += double(p[j].x) * p[i].y - double(p[i].x) * p[j].y;
  return std::fabs(twice) / 2;
}

TEST(CellFill, BandsOfDescendingLevels) {
  std::vector<int> levels = {300, 200, 100};
  EXPECT_EQ(BandOf(300, levels), 1);
  EXPECT_EQ(BandOf(299, levels), 2);
  EXPECT_EQ(BandOf(100, levels), 3);
  EXPECT_EQ(BandOf(99, levels), 4);
}

TEST(CellFill, PiecesTileTheCellsAndKeepToTheirBands) {
  // A tilted ramp: value 10 per column plus 3 per row.
  HorizonGrid g(4, 6);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 6; ++c) g.At(r, c) = static_cast<std::int16_t>(10 * c + 3 * r);
  std::vector<int> levels = {35, 15};
  RecordingContourSink sink;
  NullProgress progress;
  DrawCellContours(g, levels, ThousandthsOfACell(4, 6), sink, progress);
  std::map<int, double> area;
  for (const auto& piece : sink.pieces) {
    area[piece.band] += Area(piece.points);
    for (const DevicePoint& p : piece.points) {
      // The value at a point of the piece, from the ramp, lies in its band (to a unit).
      double value = 10 * p.x / 1000.0 + 3 * p.y / 1000.0;
      if (piece.band == 1) EXPECT_GE(value, 35 - 0.02);
      if (piece.band == 2) EXPECT_TRUE(value >= 15 - 0.02 && value <= 35 + 0.02) << value;
      if (piece.band == 3) EXPECT_LE(value, 15 + 0.02);
    }
  }
  double total = 0;
  for (auto [band, a] : area) total += a;
  EXPECT_NEAR(total, 5000.0 * 3000.0, 5000.0);
  // Band 3 (below 15): columns 0..1.5 less the tilt, about a quarter of the map.
  EXPECT_GT(area[3], 0);
  EXPECT_GT(area[1], area[3]);
}

TEST(CellFill, CornersAtTheLowerBoundAreLeftOut) {
  HorizonGrid g(2, 3, 50);
  g.At(0, 0) = g.At(1, 0) = -32768;  // first cell keeps two corners: not drawn
  g.At(0, 2) = -32768;               // second keeps three: one triangle
  RecordingContourSink sink;
  NullProgress progress;
  DrawCellContours(g, {10}, ThousandthsOfACell(2, 3), sink, progress);
  ASSERT_EQ(sink.pieces.size(), 1u);
  EXPECT_EQ(sink.pieces[0].points.size(), 3u);
  EXPECT_EQ(sink.pieces[0].band, 1);
}

}  // namespace
}  // namespace quarrix
