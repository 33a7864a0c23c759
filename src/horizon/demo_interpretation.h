#pragma once
// The interpretation the demo survey comes with: a horizon picked on a few
// lines and autopicked over the survey, and a time slice.
#include <iosfwd>
#include <string>

namespace quarrix {

inline constexpr char kDemoHorizonName[] = "demo_top.hor";
inline constexpr int kDemoSliceMs = 1000;

// Picks a strong trough near 1 s along one cross-line in the footwall of the
// fault, tracks it along four in-lines from there, autopicks from those
// in-line seeds with the snap pass, and writes the time slice at 1000 ms.
// Prints nothing (the demo's output stays the header path); 0 on success.
int AddDemoInterpretation(const std::string& header_path, std::ostream& out, std::ostream& err);

}  // namespace quarrix
