#pragma once
// What the "Math Functions" dialog offers for its inputs: the kinds of grid
// file with their patterns, the project's files of a kind, and the reference
// "Flatten Horizon" proposes for an input.
#include <string>
#include <vector>

#include "exchange/math_run.h"
#include "project/survey_header.h"

namespace quarrix {

struct MathFileKind {
  std::string label;    // as the kind list shows it
  std::string pattern;  // "*.hor", "*.*"; empty for a constant
  bool amplitude = false;
};

// "Hor Time (*.hor)", "Hor Amp (*.hor)", "Slice (*.slc)", ... "All (*.*)",
// and for input H2 "Constant" last.
std::vector<MathFileKind> MathInputKinds(bool with_constant);

// Names of the folder's files that match the pattern (extension without
// regard to case), sorted.
std::vector<std::string> FilesOfKind(const std::string& folder, const std::string& pattern);

// The input as a MathInput: a file of the kind (a bare name is in the folder)
// or, for "Constant", the text as a number. Nothing when the text is empty.
std::optional<MathInput> MathInputFrom(const MathFileKind& kind, const std::string& text,
                                       const std::string& folder);

// (minimum + maximum) / 2 of the input's non-null cells, as "Flatten Horizon"
// proposes it (0 when the input cannot be read).
int ProposedFlattenFor(const MathInput& input, const SurveyHeader& header);

}  // namespace quarrix
