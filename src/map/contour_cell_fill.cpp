#include "map/contour_cell_fill.h"

#include <algorithm>

#include "map/contour_grid.h"
#include "platform/numeric.h"
#include "platform/progress.h"

namespace quarrix {
namespace {

struct Corner {
  int row, column;
  double value;
  double x, y;  // device position
  int band;
};

// The device point where a threshold crosses the edge between two corners,
// computed from the corners in a fixed order so that neighbouring pieces share it.
DevicePoint EdgeCrossing(const Corner& p, const Corner& q, double threshold) {
  bool p_first = p.row != q.row ? p.row < q.row : p.column < q.column;
  const Corner& a = p_first ? p : q;
  const Corner& b = p_first ? q : p;
  double t = (threshold - a.value) / (b.value - a.value);
  return {Trunc32(a.x + t * (b.x - a.x)), Trunc32(a.y + t * (b.y - a.y))};
}

// The part of a triangle whose values lie in [low, high) (either bound may be
// open), walked round the triangle's edges.
std::vector<DevicePoint> BandPiece(const Corner* corners[3], bool has_low, double low,
                                   bool has_high, double high) {
  auto in_band = [&](double v) { return (!has_low || v >= low) && (!has_high || v < high); };
  std::vector<DevicePoint> piece;
  for (int k = 0; k < 3; ++k) {
    const Corner& p = *corners[k];
    const Corner& q = *corners[(k + 1) % 3];
    if (in_band(p.value)) piece.push_back({Trunc32(p.x), Trunc32(p.y)});
    // Thresholds crossed on the way from p to q, nearer p first.
    double ts[2];
    DevicePoint points[2];
    int found = 0;
    for (int which = 0; which < 2; ++which) {
      bool has = which == 0 ? has_low : has_high;
      double threshold = which == 0 ? low : high;
      if (!has || (p.value >= threshold) == (q.value >= threshold)) continue;
      ts[found] = (threshold - p.value) / (q.value - p.value);
      points[found++] = EdgeCrossing(p, q, threshold);
    }
    if (found == 2 && ts[1] < ts[0]) std::swap(points[0], points[1]);
    for (int i = 0; i < found; ++i) piece.push_back(points[i]);
  }
  return piece;
}

void FillTriangle(const Corner* corners[3], const std::vector<int>& levels, ContourSink& sink) {
  int first = std::min({corners[0]->band, corners[1]->band, corners[2]->band});
  int last = std::max({corners[0]->band, corners[1]->band, corners[2]->band});
  for (int band = first; band <= last; ++band) {
    // Band b holds levels[b - 1] <= v < levels[b - 2].
    bool has_low = band - 1 < static_cast<int>(levels.size());
    bool has_high = band >= 2;
    double low = has_low ? levels[band - 1] : 0, high = has_high ? levels[band - 2] : 0;
    std::vector<DevicePoint> piece = BandPiece(corners, has_low, low, has_high, high);
    if (piece.size() >= 3) sink.BandPiece(piece, band);
  }
}

}  // namespace

int BandOf(double value, const std::vector<int>& levels) {
  for (std::size_t b = 1; b <= levels.size(); ++b)
    if (levels[b - 1] <= value) return static_cast<int>(b);
  return static_cast<int>(levels.size()) + 1;
}

void DrawCellContours(const HorizonGrid& source, const std::vector<int>& levels,
                      const ContourOptions& options, ContourSink& sink, Progress& progress) {
  HorizonGrid grid = DecimateGrid(source, options.decimate);
  ContourGrid contour_grid(grid, options.frame);
  if (!contour_grid.Usable()) return;
  progress.SetRange(0, grid.rows - 1);
  progress.SetPosition(0);
  static constexpr int kCornerRow[4] = {0, 0, 1, 1};
  static constexpr int kCornerColumn[4] = {0, 1, 1, 0};
  for (int i = 0; i + 1 < grid.rows; ++i) {
    if (progress.Cancelled()) break;
    progress.SetPosition(i + 1);
    for (int j = 0; j + 1 < grid.columns; ++j) {
      Corner corners[4];
      int count = 0;
      for (int k = 0; k < 4; ++k) {
        int r = i + kCornerRow[k], c = j + kCornerColumn[k];
        std::int16_t value = grid.At(r, c);
        if (value <= options.lower_bound) continue;
        Corner& corner = corners[count++];
        corner = {r, c, static_cast<double>(value), 0, 0, BandOf(value, levels)};
        contour_grid.ToDevice(c, r, corner.x, corner.y);
      }
      if (count < 3) continue;
      bool one_band = std::all_of(corners, corners + count,
                                  [&](const Corner& k) { return k.band == corners[0].band; });
      if (one_band) {
        std::vector<DevicePoint> piece;
        for (int k = 0; k < count; ++k)
          piece.push_back({Trunc32(corners[k].x), Trunc32(corners[k].y)});
        sink.BandPiece(piece, corners[0].band);
        continue;
      }
      const Corner* first[3] = {&corners[0], &corners[1], &corners[2]};
      FillTriangle(first, levels, sink);
      if (count == 4) {
        const Corner* second[3] = {&corners[0], &corners[2], &corners[3]};
        FillTriangle(second, levels, sink);
      }
    }
  }
}

}  // namespace quarrix
