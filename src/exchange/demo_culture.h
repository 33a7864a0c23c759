#pragma once
// The demo survey's culture: a few wells, a well group with its attributes and
// a DXF drawing of lease lines and annotations, placed through the project's
// X/Y file so that they sit on the survey.
#include <ostream>
#include <string>
#include <vector>

namespace quarrix {

// Writes the wells (DEMO-1.. .wll), the group "demowells" (.lgv and .wga) and
// "culture.dxf" beside the project. False (said on err) on a failure.
bool WriteDemoCulture(const std::string& header_path, std::ostream& err);

// "quarrix-batch demo": the demo survey, then its culture.
int RunDemoWithCultureCommand(const std::vector<std::string>& args, std::ostream& out,
                              std::ostream& err);

}  // namespace quarrix
