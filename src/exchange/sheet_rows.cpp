#include "exchange/sheet_rows.h"

#include <algorithm>

#include "platform/numeric.h"

namespace quarrix {

int RowInteger(const SheetTable& table, int row, int column) {
  return column == 0 ? 0 : Trunc32(table.Number(row, column));
}

std::optional<SurveyCell> SurveyCellOf(const SurveyHeader& header, int line, int trace) {
  if (header.line_increment == 0.0f || header.trace_increment == 0.0f) return std::nullopt;
  auto outside = [](int value, int a, int b) {
    return value < std::min(a, b) || value > std::max(a, b);
  };
  if (outside(line, header.first_line, header.last_line) ||
      outside(trace, header.first_trace, header.last_trace))
    return std::nullopt;
  int row = header.LineIndex(line), column = header.TraceIndex(trace);
  if (row < 0 || row >= header.num_lines || column < 0 || column >= header.traces_per_line)
    return std::nullopt;
  if (header.LineNumber(row) != line || header.TraceNumber(column) != trace) return std::nullopt;
  return SurveyCell{row, column};
}

}  // namespace quarrix
