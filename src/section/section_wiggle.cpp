#include "section/section_wiggle.h"

#include <cmath>
#include <vector>

#include "platform/numeric.h"

namespace quarrix {
namespace {

double QuarterY(double top_y, double position) {
  return top_y + std::floor(4 * position) / 4;
}

}  // namespace

void DrawWiggleTrace(Canvas& canvas, double x, double top_y, const std::int16_t* samples,
                     int first_sample, int sample_count, const WiggleScale& scale) {
  if (sample_count <= 0) return;
  const std::int16_t* s = samples + first_sample;
  bool any = false;
  for (int i = 0; i < sample_count && !any; ++i) any = s[i] != 0;
  if (!any) return;

  // Sample i of the part drawn lies where it lies in the whole trace.
  auto y_at = [&](double i) { return QuarterY(top_y, (first_sample + i) * scale.sample_step); };
  const double factor = scale.Factor();
  std::vector<Point> line(static_cast<std::size_t>(sample_count));
  std::vector<int> deflection(static_cast<std::size_t>(sample_count));
  for (int i = 0; i < sample_count; ++i) {
    deflection[i] = Trunc32(s[i] * factor);
    line[i] = {x + deflection[i], y_at(i)};
  }

  // Positive lobes as polygons closed along the zero line.
  std::vector<Point> lobes;
  std::vector<int> counts;
  lobes.reserve(static_cast<std::size_t>(sample_count) + 5);
  std::size_t lobe_start = 0;
  bool in_lobe = false;
  for (int i = 0; i < sample_count; ++i) {
    const bool positive = deflection[i] > 0;
    if (positive && !in_lobe) {
      lobe_start = lobes.size();
      double start = i;  // first sample: the lobe starts at its own level
      if (i > 0) {
        const int before = deflection[i - 1];  // 0 or negative
        start = before == 0 ? i - 1 : (i - 1) + double(-before) / (deflection[i] - before);
      }
      lobes.push_back({x, y_at(start)});
      in_lobe = true;
    }
    if (positive) lobes.push_back(line[i]);
    const bool closes = in_lobe && (!positive || i == sample_count - 1);
    if (closes) {
      double end = i;
      if (!positive) {
        const int before = deflection[i - 1], now = deflection[i];
        end = now == 0 ? i : (i - 1) + double(before) / (before - now);
      }
      lobes.push_back({x, y_at(end)});
      counts.push_back(static_cast<int>(lobes.size() - lobe_start));
      in_lobe = false;
    }
  }
  if (!counts.empty()) {
    // Filled without an outline: the wiggle line drawn next is their edge.
    canvas.SetPen({PenStyle::Null, 0, kBlack});
    canvas.SetBrush(kStockBlackBrush);
    canvas.SetFillMode(FillMode::Alternate);
    canvas.PolyPolygon(lobes.data(), counts.data(), counts.size());
    canvas.SetBrush(kNullBrush);
  }
  canvas.SetPen({PenStyle::Solid, 1, kBlack});
  canvas.Polyline(line);
}

void DrawWiggleLine(Canvas& canvas, double x, double top_y, const std::int16_t* samples,
                    int first_sample, int sample_count, const WiggleScale& scale) {
  const double factor = scale.Factor();
  const int end = first_sample + sample_count;
  int first = first_sample;
  while (first < end && Trunc32(samples[first] * factor) == 0) ++first;
  if (end - first < 2) return;
  std::vector<Point> line;
  line.reserve(static_cast<std::size_t>(end - first));
  for (int i = first; i < end; ++i)
    line.push_back({x + Trunc32(samples[i] * factor), QuarterY(top_y, i * scale.sample_step)});
  canvas.Polyline(line);
}

}  // namespace quarrix
