#pragma once
// A sink that keeps what the contouring engine hands over.
#include <vector>

#include "map/contour_types.h"

namespace quarrix::testing {

class RecordingContourSink : public ContourSink {
 public:
  DrawOutcome Polygon(const ContourPolygon& polygon) override {
    polygons.push_back(polygon);
    return refuse;
  }
  void BandPiece(const std::vector<DevicePoint>& piece, int band) override {
    pieces.push_back({piece, band});
  }
  std::vector<const ContourPolygon*> AtLevel(int level) const {
    std::vector<const ContourPolygon*> found;
    for (const ContourPolygon& p : polygons)
      if (p.level == level) found.push_back(&p);
    return found;
  }

  struct Piece {
    std::vector<DevicePoint> points;
    int band;
  };
  std::vector<ContourPolygon> polygons;
  std::vector<Piece> pieces;
  DrawOutcome refuse = DrawOutcome::Drawn;
};

// One device unit per thousandth of a cell, origin at node (0, 0).
inline ContourOptions ThousandthsOfACell(int rows, int columns) {
  ContourOptions options;
  options.frame.width = 1000.0 * (columns - 1);
  options.frame.height = 1000.0 * (rows - 1);
  return options;
}

}  // namespace quarrix::testing
