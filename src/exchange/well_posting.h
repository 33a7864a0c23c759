#pragma once
// Wells as the map overlays post them: a ".wll" file, or the wells of a
// ".lgv" group with the group's ".wga" attributes, converted to line and
// trace indexes of the survey.
#include <string>

#include "map/map_overlays.h"
#include "project/survey_header.h"

namespace quarrix {

// Reads a well file or a well group into a group to post, its style the
// group's attributes (the group's style as handed in when it has none);
// false with a problem when nothing could be read.
bool ReadWellGroupPost(const std::string& path, const SurveyHeader& header, WellGroupPost& group,
                       std::string& problem);

}  // namespace quarrix
