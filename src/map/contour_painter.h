#pragma once
// Draws what the contouring engine traces onto a canvas: each level's polygon
// filled with its brush and outlined with its line class's pen (polylines of
// at most 200 segments), labels along the lines rotated to their direction
// and kept inside the label outline, and the band pieces of cell filling.
#include <array>
#include <vector>

#include "map/contour_types.h"
#include "map/label_space.h"
#include "platform/canvas.h"

namespace quarrix {

// A 32-bit line class colour (byte 0 red, byte 1 green, byte 2 blue).
Rgb ClassColour(std::uint32_t colour);

class ContourPainter : public ContourSink {
 public:
  // level_colours[i] fills the polygon of level i; band_colours[b - 1] fills
  // band b of cell filling. Labels are label_height units high and at least
  // label_spacing units apart along a line.
  ContourPainter(Canvas& canvas, std::vector<Rgb> level_colours, std::vector<Rgb> band_colours,
                 const std::array<ContourLineClass, 3>& classes, int label_height,
                 double label_spacing);

  // Labels then take their room in `space` and are left out where it is
  // taken; without one they are only kept apart along each line.
  void UseLabelSpace(LabelSpace* space) { label_space_ = space; }

  DrawOutcome Polygon(const ContourPolygon& polygon) override;
  void BandPiece(const std::vector<DevicePoint>& piece, int band) override;

 private:
  void DrawOutline(const std::vector<std::vector<Point>>& paths, const ContourPolygon& polygon);
  void DrawLabels(const std::vector<Point>& path, int level);
  bool InsideLabelClip(Point p) const;

  Canvas& canvas_;
  std::vector<Rgb> level_colours_, band_colours_;
  std::array<ContourLineClass, 3> classes_;
  int label_height_;
  double label_spacing_;
  std::vector<Point> label_clip_;
  LabelSpace* label_space_ = nullptr;
};

// Whether p lies inside the closed polygon (even-odd rule).
bool PointInPolygon(const std::vector<Point>& polygon, Point p);

}  // namespace quarrix
