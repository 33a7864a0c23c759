#include "map/contour_painter.h"

#include <algorithm>
#include <cmath>

#include "platform/text_util.h"

namespace quarrix {
namespace {

constexpr std::size_t kSegmentsPerPolyline = 200;
constexpr double kPi = 3.14159265358979323846;

std::vector<Point> ToPoints(const std::vector<DevicePoint>& points) {
  std::vector<Point> out;
  out.reserve(points.size());
  for (const DevicePoint& p : points) out.push_back({double(p.x), double(p.y)});
  return out;
}

double Distance(Point a, Point b) {
  return std::hypot(b.x - a.x, b.y - a.y);
}

}  // namespace

Rgb ClassColour(std::uint32_t colour) {
  return {static_cast<std::uint8_t>(colour & 0xFF), static_cast<std::uint8_t>(colour >> 8 & 0xFF),
          static_cast<std::uint8_t>(colour >> 16 & 0xFF)};
}

bool PointInPolygon(const std::vector<Point>& polygon, Point p) {
  bool inside = false;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const Point& a = polygon[i];
    const Point& b = polygon[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
      inside = !inside;
  }
  return inside;
}

ContourPainter::ContourPainter(Canvas& canvas, std::vector<Rgb> level_colours,
                               std::vector<Rgb> band_colours,
                               const std::array<ContourLineClass, 3>& classes, int label_height,
                               double label_spacing)
    : canvas_(canvas),
      level_colours_(std::move(level_colours)),
      band_colours_(std::move(band_colours)),
      classes_(classes),
      label_height_(std::max(label_height, 1)),
      label_spacing_(label_spacing) {}

DrawOutcome ContourPainter::Polygon(const ContourPolygon& polygon) {
  std::vector<std::vector<Point>> paths;
  for (const ContourPath& path : polygon.paths) paths.push_back(ToPoints(path.points));
  // Only a closed line can be an outline; one cut by the grid's edge is not.
  if (polygon.label_clip && !paths.empty() && polygon.paths.front().closed)
    label_clip_ = paths.front();
  if (polygon.fill) {
    std::vector<Point> all;
    std::vector<int> counts;
    for (const std::vector<Point>& path : paths)
      if (path.size() >= 3) {
        all.insert(all.end(), path.begin(), path.end());
        counts.push_back(static_cast<int>(path.size()));
      }
    if (!counts.empty()) {
      Rgb colour = polygon.level_index < static_cast<int>(level_colours_.size())
                       ? level_colours_[polygon.level_index]
                       : kWhite;
      canvas_.SetPen({PenStyle::Null, 0, kBlack});
      canvas_.SetBrush({BrushStyle::Solid, colour});
      canvas_.SetFillMode(FillMode::Alternate);
      canvas_.PolyPolygon(all.data(), counts.data(), counts.size());
    }
  }
  if (polygon.line_class == 0) return DrawOutcome::Drawn;
  DrawOutline(paths, polygon);
  return DrawOutcome::Drawn;
}

void ContourPainter::DrawOutline(const std::vector<std::vector<Point>>& paths,
                                 const ContourPolygon& polygon) {
  const ContourLineClass& line_class = classes_[polygon.line_class - 1];
  const Pen pen{static_cast<PenStyle>(std::clamp<int>(line_class.style, 0, 4)),
                std::max<int>(line_class.width, 0), ClassColour(line_class.colour)};
  for (const std::vector<Point>& path : paths) {
    if (path.size() < 3) continue;
    canvas_.SetPen(pen);
    for (std::size_t start = 0; start + 1 < path.size(); start += kSegmentsPerPolyline)
      canvas_.Polyline(path.data() + start,
                       std::min(kSegmentsPerPolyline + 1, path.size() - start));
    if (polygon.label) DrawLabels(path, polygon.level);
  }
}

bool ContourPainter::InsideLabelClip(Point p) const {
  return label_clip_.size() < 3 || PointInPolygon(label_clip_, p);
}

void ContourPainter::DrawLabels(const std::vector<Point>& path, int level) {
  const std::string text = FormatText("%d", level);
  canvas_.SetFont({"Arial", label_height_, 400, 0});
  const double length = 0.8 * canvas_.TextWidth(text) + label_height_ * 0.5;
  double travelled = label_spacing_ / 2;  // the first label half a spacing in
  for (std::size_t i = 0; i + 1 < path.size(); ++i) {
    travelled += Distance(path[i], path[i + 1]);
    if (travelled < label_spacing_) continue;
    // The span ahead that is as long as the label, and whether it is straight.
    double arc = 0;
    std::size_t j = i;
    while (j + 1 < path.size() && arc < length) {
      arc += Distance(path[j], path[j + 1]);
      ++j;
    }
    const Point a = path[i], b = path[j];
    const double chord = Distance(a, b);
    if (arc < length || chord < 0.7 * arc) continue;
    const Point middle{(a.x + b.x) / 2, (a.y + b.y) / 2};
    if (!InsideLabelClip(a) || !InsideLabelClip(middle) || !InsideLabelClip(b)) continue;
    // Text reads left to right: spans that point left are turned around.
    double angle = std::atan2(-(b.y - a.y), b.x - a.x) * 180 / kPi;
    if (angle > 90) angle -= 180;
    if (angle < -90) angle += 180;
    if (label_space_) {
      // The text stands on the line: its box is half its height above it.
      const double turn = angle * kPi / 180, half = label_height_ / 2.0;
      const Point centre{middle.x - std::sin(turn) * half, middle.y - std::cos(turn) * half};
      if (!label_space_->Take(
              LabelSpace::Turned(centre, canvas_.TextWidth(text), label_height_, angle),
              label_height_ * 0.25))
        continue;
    }
    canvas_.SetFont({"Arial", label_height_, 400, static_cast<int>(std::lround(angle * 10))});
    canvas_.Text(middle, text, kAlignCentre | kAlignBottom);
    travelled = 0;
    i = j - 1;
  }
}

void ContourPainter::BandPiece(const std::vector<DevicePoint>& piece, int band) {
  Rgb colour = band >= 1 && band <= static_cast<int>(band_colours_.size()) ? band_colours_[band - 1]
                                                                           : kWhite;
  canvas_.SetPen({PenStyle::Null, 0, kBlack});
  canvas_.SetBrush({BrushStyle::Solid, colour});
  canvas_.Polygon(ToPoints(piece));
}

}  // namespace quarrix
