#include "project/trace_file_check.h"

#include <filesystem>
#include <system_error>

#include "platform/prompter.h"
#include "platform/text_util.h"

namespace quarrix {

TraceFileCheck CheckTraceFileSize(const SurveyHeader& h, std::int64_t file_bytes,
                                  const std::string& path) {
  TraceFileCheck check;
  const std::int64_t traces = static_cast<std::int64_t>(h.num_lines) * h.traces_per_line;
  const std::int64_t expected = h.AmpFileBytes();
  check.whole_traces = h.trace_bytes > 0 ? file_bytes / h.trace_bytes : 0;
  if (file_bytes == expected) {
    check.whole_traces = traces;
    return check;
  }
  const std::string grid =
      FormatText("%d lines x %d traces of %d samples (%lld bytes)", h.num_lines, h.traces_per_line,
                 h.num_samples, static_cast<long long>(expected));
  if (file_bytes > expected) {
    check.fit = TraceFileFit::Long;
    check.whole_traces = traces;
    check.message = FormatText(
        "The trace file %s holds %lld bytes, more than the header's grid "
        "of %s; only the grid's traces are read",
        path.c_str(), static_cast<long long>(file_bytes), grid.c_str());
  } else if (file_bytes < h.trace_bytes || file_bytes / 2 < traces) {
    check.fit = TraceFileFit::Foreign;
    check.message = FormatText(
        "The trace file %s holds %lld bytes, far too few for the header's "
        "grid of %s: the header does not describe this file",
        path.c_str(), static_cast<long long>(file_bytes), grid.c_str());
  } else {
    check.fit = TraceFileFit::Short;
    check.message = FormatText(
        "The trace file %s holds %lld bytes, %lld of the %lld traces of "
        "the header's grid of %s; the other traces read as missing",
        path.c_str(), static_cast<long long>(file_bytes),
        static_cast<long long>(check.whole_traces), static_cast<long long>(traces), grid.c_str());
  }
  return check;
}

bool TraceFileAgrees(const SurveyHeader& header, const std::string& path, Prompter& prompter) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return true;
  const std::uintmax_t bytes = std::filesystem::file_size(path, error);
  if (error) return true;
  TraceFileCheck check = CheckTraceFileSize(header, static_cast<std::int64_t>(bytes), path);
  if (check.fit == TraceFileFit::Whole) return true;
  if (check.fit == TraceFileFit::Foreign) {
    prompter.Tell(check.message, "Error", MessageIcon::Error);
    return false;
  }
  prompter.Tell(check.message, "Warning", MessageIcon::Warning);
  return true;
}

}  // namespace quarrix
