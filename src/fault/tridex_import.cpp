#include "fault/tridex_import.h"

#include "fault/fault_file.h"
#include "fault/fault_segment.h"
#include "platform/atomic_file.h"
#include "platform/byte_order.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "platform/text_util.h"
#include "project/survey_header.h"

namespace quarrix {
namespace {

constexpr std::size_t kPointsPerRecord = kTridexRecordBytes / 4;

// Walks one record's polyline; set(index, time) receives every visited point.
template <typename Set, typename ToIndex>
void WalkRecord(std::string_view record, ToIndex to_index, Set set) {
  for (std::size_t k = 0; k + 1 < kPointsPerRecord; ++k) {
    int a = le::Get<std::int16_t>(record, 4 * k), s = le::Get<std::int16_t>(record, 4 * k + 2);
    int b = le::Get<std::int16_t>(record, 4 * k + 4);
    int t = le::Get<std::int16_t>(record, 4 * k + 6);
    if (a == 0 || b == 0) return;
    // Both ends keep their own times, as on a picked segment.
    WalkLine(to_index(a), s, to_index(b), t, set);
    set(to_index(a), s);
    set(to_index(b), t);
  }
}

}  // namespace

FaultGrid DecodeTridexFaults(std::string_view bytes, const SurveyHeader& header) {
  FaultGrid grid = SurveyFaultGrid(header);
  auto put = [&](int row, int column, int time) {
    if (row >= 0 && row < grid.rows && column >= 0 && column < grid.columns)
      grid.At(row, column) = FaultCellValue(time, kFaultSeedFlag);
  };
  auto record_at = [&](std::size_t index) -> std::string_view {
    std::size_t at = 2 + kTridexRecordBytes * index;
    return at + kTridexRecordBytes <= bytes.size() ? bytes.substr(at, kTridexRecordBytes) : "";
  };
  auto trace_index = [&](int number) { return header.TraceIndex(number); };
  auto line_index = [&](int number) { return header.LineIndex(number); };
  for (int i = 0; i < grid.rows; ++i) {
    std::string_view record = record_at(static_cast<std::size_t>(i));
    if (record.empty()) break;  // a short read ends the pass
    WalkRecord(record, trace_index, [&](int j, int time) { put(i, j, time); });
  }
  for (int j = 0; j < grid.columns; ++j) {
    std::string_view record = record_at(static_cast<std::size_t>(grid.rows + j));
    if (record.empty()) break;
    WalkRecord(record, line_index, [&](int i, int time) { put(i, j, time); });
  }
  return grid;
}

std::string TridexFaultTarget(const std::string& fal_path) {
  return BaseWithDot(fal_path) + "ffl";
}

bool ImportTridexFile(const std::string& fal_path, const SurveyHeader& header, Prompter& prompter) {
  std::string bytes;
  if (!ReadWholeFile(fal_path, bytes)) {
    prompter.Tell(FormatText("Cannot open the fault file %s", fal_path.c_str()), "Warning");
    return false;
  }
  return WriteNewFaultFile(TridexFaultTarget(fal_path), DecodeTridexFaults(bytes, header),
                           prompter);
}

bool ImportTridexFaults(const std::string& project_folder, const SurveyHeader& header,
                        Prompter& prompter) {
  std::optional<std::string> path = prompter.OpenFile({.title = "Convert Tridex Fault File",
                                                       .filter_names = {"Fault Files (*.fal)"},
                                                       .filter_patterns = {"*.fal"},
                                                       .initial_directory = project_folder});
  return path && ImportTridexFile(*path, header, prompter);
}

}  // namespace quarrix
