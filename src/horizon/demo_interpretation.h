#pragma once
// The interpretation the demo survey comes with: a horizon picked on a few
// lines and autopicked over the survey, and a time slice.
#include <functional>
#include <iosfwd>
#include <string>

namespace quarrix {

inline constexpr char kDemoHorizonName[] = "demo_top.hor";
inline constexpr int kDemoSliceMs = 1000;

struct SurveyHeader;

// The interpreter's knowledge of the demo's geology: for the reflector at a
// time at one cell, its time at any cell (line and trace index), on both
// sides of the fault.
using DemoReflector = std::function<double(int line_index, int trace_index)>;
using DemoCorrelation = std::function<DemoReflector(const SurveyHeader& header, int line_index,
                                                    int trace_index, double time_ms)>;

// Picks a strong trough near 1 s along one cross-line in the footwall of the
// fault and tracks it along four in-lines from there; with a correlation,
// each of those in-lines is first picked beyond the fault from where the
// reflector resumes, so the tracking does not jump cycles across it. Then
// autopicks from the in-line seeds with the snap pass and writes the time
// slice at 1000 ms. Prints nothing (the demo's output stays the header
// path); 0 on success.
int AddDemoInterpretation(const std::string& header_path, std::ostream& out, std::ostream& err,
                          const DemoCorrelation& correlation = {});

}  // namespace quarrix
