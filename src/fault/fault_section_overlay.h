#pragma once
// A fault file as a drawing pass over a section plot: the fault's cells along
// the drawn columns, placed on the plot's time scale.
#include <optional>
#include <string>

#include "section/section_render.h"

namespace quarrix {

class Prompter;

// Nothing (after telling the user) when the fault file cannot be read.
std::optional<SectionOverlay> FaultSectionOverlay(const std::string& path,
                                                  const SurveyHeader& header, Prompter& prompter);

}  // namespace quarrix
