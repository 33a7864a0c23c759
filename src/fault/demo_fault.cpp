#include "fault/demo_fault.h"

#include <algorithm>
#include <ostream>

#include "fault/fault_conversions.h"
#include "fault/fault_file.h"
#include "fault/fault_interpolation.h"
#include "fault/fault_segment.h"
#include "horizon/horizon_location.h"
#include "platform/paths.h"
#include "platform/terminal_prompter.h"
#include "project/header_file.h"

namespace quarrix {
namespace {

constexpr int kPickedLines = 6;

}  // namespace

double DemoFaultTraceIndex(const SurveyHeader& header, int line_index, double t_ms) {
  // The synthetic model puts the fault at trace fraction 0.25 + 0.1 v + t / 4000,
  // v being the line fraction.
  double v = header.num_lines > 1 ? line_index / double(header.num_lines - 1) : 0.0;
  double u = 0.25 + 0.1 * v + t_ms / 4000.0;
  return u * (header.traces_per_line - 1);
}

bool AddDemoFault(const std::string& header_path, std::ostream& out, std::ostream& err) {
  TerminalPrompter prompter(err);
  SurveyHeader header;
  if (!LoadHeader(header_path, header, prompter) || !HeaderProblem(header).empty()) return false;
  const std::string folder = DirectoryOf(header_path);
  const std::string fault_path = JoinPath(folder, "normal_fault.ffl");
  FaultGrid grid = SurveyFaultGrid(header);
  const double length = header.num_samples * header.sample_rate;
  for (int k = 0; k < kPickedLines; ++k) {
    int line = k * (header.num_lines - 1) / (kPickedLines - 1);
    // From shallow down to where the plane leaves the survey's last trace.
    double top = 0.15 * length;
    double bottom = std::min(
        0.9 * length, 4000.0 * (0.98 - 0.25 - 0.1 * line / std::max(1, header.num_lines - 1)));
    if (bottom <= top) continue;
    auto position = [&](double t) { return Trunc32(DemoFaultTraceIndex(header, line, t) + 0.5); };
    AddFaultSegment(grid, InlineSection(header, line), position(top),
                    Trunc32(top) + header.start_time, position(bottom),
                    Trunc32(bottom) + header.start_time);
  }
  InterpolateFaultLinear(grid);
  if (!WriteNewFaultFile(fault_path, grid, prompter)) return false;
  out << fault_path << '\n';
  for (const auto& name : ListFilesWithExtension(folder, "hor"))
    if (BlankHorizonAtFaults(JoinPath(folder, name), {fault_path}, header, prompter) < 0)
      return false;
  return true;
}

}  // namespace quarrix
