#pragma once
// The demo survey's culture: a few wells, a well group with its attributes and
// a DXF drawing of lease lines and annotations, placed through the project's
// X/Y file so that they sit on the survey.
#include <ostream>
#include <string>

namespace quarrix {

// Writes the wells (DEMO-1.. .wll), the group "demowells" (.lgv and .wga) and
// "culture.dxf" beside the project and prints their paths; 0 on success, 1
// (said on err) on a failure. A follow-up step of the demo command.
int AddDemoCulture(const std::string& header_path, std::ostream& out, std::ostream& err);

}  // namespace quarrix
