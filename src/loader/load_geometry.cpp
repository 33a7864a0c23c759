#include "loader/load_geometry.h"

#include <cstdint>
#include <new>

#include "platform/numeric.h"
#include "platform/prompter.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

// The direction picture shows one cell per line and trace number; beyond this
// many cells the chosen words cannot be line and trace numbers.
constexpr long long kMostCoverageCells = 1LL << 26;

std::string CheckWindow(const SegyBinaryInfo& info, int start_time, int num_samples,
                        TimeWindow& window) {
  if (start_time < 0) return FormatText("Start time %d ms is below 0", start_time);
  window.first_sample = start_time / window.interval_ms;
  window.num_samples = num_samples;
  if (num_samples <= 0)
    return FormatText("The time window from %d ms holds no samples", start_time);
  if (static_cast<long long>(window.first_sample) + num_samples > info.samples)
    return FormatText(
        "The time window (%d samples from %d ms) reaches beyond the %d ms of the input traces",
        num_samples, start_time, info.samples * window.interval_ms);
  return "";
}

}  // namespace

std::string DeriveTimeWindow(const SegyBinaryInfo& info, const LoadWindow& load, TimeWindow& out) {
  if (std::string problem = SegyLoadProblem(info); !problem.empty()) return problem;
  out.interval_ms = info.interval_us / 1000;
  long long end = load.end_time;
  if (end == 0) end = static_cast<long long>(info.samples) * out.interval_ms;
  if (end <= load.start_time)
    return FormatText("End time %lld ms is not after start time %d ms", end, load.start_time);
  int samples = static_cast<int>((end - load.start_time) / out.interval_ms);
  return CheckWindow(info, load.start_time, samples, out);
}

SurveyHeader InitialLoadHeader(const SegyBinaryInfo& info, const LoadWindow& load,
                               const TimeWindow& window, const SurveyHeader& labels) {
  SurveyHeader h = labels;
  h.sample_rate = info.interval_us / 1000.0;
  h.start_time = load.start_time;
  h.trace_bytes = 2 * window.num_samples;
  if (h.line_increment == 0.0f) h.line_increment = 1.0f;
  if (h.trace_increment == 0.0f) h.trace_increment = 1.0f;
  h.ComputeDerived();
  return h;
}

bool ConfirmSurveyGeometry(const HeaderScanTables& tables, bool two_d, bool ask_corner,
                           const SegyBinaryInfo& info, SurveyHeader& header, TimeWindow& window,
                           HeaderWordChoice& choice, LoadDecisions& decisions, Prompter& prompter,
                           const CoverageFiller& fill) {
  if (tables.traces == 0) {
    prompter.Tell("No traces found: the input holds no complete trace header", "Error",
                  MessageIcon::Error);
    return false;
  }
  std::optional<HeaderWordChoice> chosen = decisions.ChooseHeaderWords(tables, two_d);
  if (!chosen) return false;
  choice = *chosen;
  choice.two_d = two_d;
  header.first_line = two_d ? 1 : tables.Minimum(choice.line);
  header.last_line = two_d ? 1 : tables.Maximum(choice.line);
  header.first_trace = tables.Minimum(choice.trace);
  header.last_trace = tables.Maximum(choice.trace);

  if (ask_corner) {
    long long rows = static_cast<long long>(header.last_line) - header.first_line + 1;
    long long columns = static_cast<long long>(header.last_trace) - header.first_trace + 1;
    if (rows * columns > kMostCoverageCells) {
      prompter.Tell(
          FormatText("Lines %d to %d and traces %d to %d make a grid too large for a "
                     "survey: choose other header words",
                     header.first_line, header.last_line, header.first_trace, header.last_trace),
          "Error", MessageIcon::Error);
      return false;
    }
    CoverageGrid grid;
    grid.first_line = header.first_line;
    grid.first_trace = header.first_trace;
    grid.rows = static_cast<int>(rows);
    grid.columns = static_cast<int>(columns);
    grid.cells.assign(static_cast<std::size_t>(rows * columns), CoverageGrid::kNoTrace);
    if (fill && decisions.LooksAtCoverage()) fill(grid, choice);
    header.corner_index = decisions.ChooseCorner(grid, 4);
  }

  if (!decisions.EditHeaderValues(header)) return false;
  if (header.line_increment == 0.0f) header.line_increment = 1.0f;
  if (header.trace_increment == 0.0f) header.trace_increment = 1.0f;
  if (two_d) header.first_line = header.last_line = 1;
  header.sample_rate = info.interval_us / 1000.0;
  header.ComputeDerived();
  std::string problem;
  if (!(header.line_increment >= 1.0f) || !(header.trace_increment >= 1.0f))
    problem = FormatText("Increments below 1 cannot place traces (line %g, trace %g)",
                         header.line_increment, header.trace_increment);
  else if (header.corner_index < 1 || header.corner_index > 8)
    problem = FormatText("Corner index %d is not one of 1 to 8", header.corner_index);
  else
    problem = HeaderProblem(header);
  if (problem.empty()) problem = CheckWindow(info, header.start_time, header.num_samples, window);
  if (!problem.empty()) {
    prompter.Tell(problem, "Error", MessageIcon::Error);
    return false;
  }
  return true;
}

}  // namespace quarrix
