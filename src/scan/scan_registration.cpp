#include "scan/scan_registration.h"

#include <algorithm>

namespace quarrix {
namespace {

bool LinesAcrossScan(int corner) {
  return corner >= 5 && corner <= 8;
}

}  // namespace

MapGeometry ScanFrame(const ScanDocument& document, double scale) {
  MapGeometry frame;
  if (!document.Registered() || !document.HasHorizon()) return frame;
  // The upper-left corner is always the first line and trace; the survey's
  // orientation decides only whether lines run across the scan or down it.
  frame.corner = LinesAcrossScan(document.header.corner_index) ? 5 : 1;
  frame.zoom = {0, document.grid.rows - 1, 0, document.grid.columns - 1};
  const bool lines_across = LinesAcrossScan(frame.corner);
  const int across = lines_across ? frame.zoom.Rows() : frame.zoom.Columns();
  const int down = lines_across ? frame.zoom.Columns() : frame.zoom.Rows();
  const Point a = *document.upper_left, b = *document.lower_right;
  // Corners are cell centres: half a cell lies outside them on every side.
  // A single cell across spans the corners' distance.
  frame.cell_width = (b.x - a.x) / std::max(1, across - 1) * scale;
  frame.cell_height = (b.y - a.y) / std::max(1, down - 1) * scale;
  const double left = a.x * scale - (across > 1 ? frame.cell_width / 2 : 0);
  const double top = a.y * scale - (down > 1 ? frame.cell_height / 2 : 0);
  frame.area = {left, top, left + frame.cell_width * across, top + frame.cell_height * down};
  return frame;
}

std::optional<GridCell> ScanCellAt(const ScanDocument& document, Point bitmap_pixel) {
  const MapGeometry frame = ScanFrame(document);
  if (frame.Empty()) return std::nullopt;
  return frame.CellAt(bitmap_pixel);
}

std::string SelectCorner(ScanDocument& document, Point p) {
  p.x = std::clamp(p.x, 0.0, std::max(0.0, document.image.width - 1.0));
  p.y = std::clamp(p.y, 0.0, std::max(0.0, document.image.height - 1.0));
  if (document.mode == ScanMode::UpperLeftCorner) {
    document.upper_left = p;
    document.lower_right.reset();
    document.mode = ScanMode::LowerRightCorner;
    return "";
  }
  if (document.mode != ScanMode::LowerRightCorner || !document.upper_left) return "";
  if (p.x <= document.upper_left->x || p.y <= document.upper_left->y)
    return "The lower right corner must lie to the right of and below the upper left corner.";
  document.lower_right = p;
  document.mode = ScanMode::Idle;
  return "";
}

void StartCornerSelection(ScanDocument& document) {
  document.current.clear();
  document.mode = ScanMode::UpperLeftCorner;
}

}  // namespace quarrix
