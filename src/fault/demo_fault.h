#pragma once
// The demo survey's fault: picked on a few in-lines along the synthetic
// normal fault plane, interpolated, and every horizon of the demo blanked at it.
#include <iosfwd>
#include <string>

namespace quarrix {

struct SurveyHeader;

// The demo model's fault plane on line index i: the trace index where it
// cuts time t_ms (from the start of the trace).
double DemoFaultTraceIndex(const SurveyHeader& header, int line_index, double t_ms);

// Writes "normal_fault.ffl" beside the demo project and blanks each ".hor"
// there at it. Messages go to err; false on failure.
bool AddDemoFault(const std::string& header_path, std::ostream& out, std::ostream& err);

}  // namespace quarrix
