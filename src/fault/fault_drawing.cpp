#include "fault/fault_drawing.h"

#include <algorithm>
#include <cctype>

#include "platform/paths.h"

namespace quarrix {

std::vector<FaultPolyline> FaultSectionPolylines(const FaultGrid& grid, const PickSection& section,
                                                 int step) {
  std::vector<FaultPolyline> polylines;
  FaultPolyline current;
  auto finish = [&] {
    if (!current.empty()) polylines.push_back(std::move(current));
    current.clear();
  };
  for (int p = 0; p < section.count(); p += std::max(step, 1)) {
    long index = FaultCellIndex(grid, section, p);
    std::int16_t cell = index < 0 ? FAULT_NULL : grid.cells[static_cast<std::size_t>(index)];
    if (cell == FAULT_NULL)
      finish();
    else
      current.push_back({p, FaultCellTime(cell)});
  }
  finish();
  return polylines;
}

std::string FaultLabel(const std::string& file_name) {
  std::string name = FileNameOf(file_name);
  name.resize(name.size() > 4 ? name.size() - 4 : 0);
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return name;
}

void DrawFaultPass(Canvas& canvas, const std::vector<FaultPolyline>& polylines,
                   const std::string& label, FaultPass pass, const Rect& trace_area,
                   const std::function<Point(const FaultSectionPoint&)>& to_device) {
  const bool current = pass == FaultPass::Current;
  const Rgb colour = current ? Rgb{255, 0, 0} : Rgb{0, 0, 255};
  canvas.SetClip(trace_area);
  canvas.SetPen({PenStyle::Solid, current ? 3 : 1, colour});
  canvas.SetTextColour(colour);
  bool labelled = false;
  for (const FaultPolyline& line : polylines) {
    std::vector<Point> points;
    for (const FaultSectionPoint& p : line) points.push_back(to_device(p));
    if (points.size() > 1) canvas.Polyline(points.data(), points.size());
    if (!labelled && points.size() > 1) {
      if (!label.empty()) canvas.Text(points.front(), label, kAlignLeft | kAlignBottom);
      labelled = true;
    }
  }
  canvas.ClearClip();
}

}  // namespace quarrix
