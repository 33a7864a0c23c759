#include "loader/trace_placement.h"

#include "platform/numeric.h"
#include "project/survey_header.h"

namespace quarrix {

std::optional<GridCell> PlaceTrace(const SurveyHeader& h, const LineTrace& p) {
  long long trace_step = Trunc32(h.trace_increment), line_step = Trunc32(h.line_increment);
  if (trace_step < 1 || line_step < 1) return std::nullopt;
  if (p.trace < h.first_trace || p.trace > h.last_trace) return std::nullopt;
  if (p.line < h.first_line || p.line > h.last_line) return std::nullopt;
  long long dt = static_cast<long long>(p.trace) - h.first_trace;
  long long dl = static_cast<long long>(p.line) - h.first_line;
  if (dt % trace_step != 0 || dl % line_step != 0) return std::nullopt;
  GridCell cell{static_cast<int>(dl / line_step), static_cast<int>(dt / trace_step)};
  if (cell.line_index >= h.num_lines || cell.trace_index >= h.traces_per_line) return std::nullopt;
  return cell;
}

}  // namespace quarrix
