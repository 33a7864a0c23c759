#pragma once
// The files a section plot reads besides the traces: arbitrary lines, colour
// files, horizon time grids and well positions, decoded from their bytes.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "project/survey_header.h"
#include "section/colour_bar.h"
#include "section/section_furniture.h"

namespace quarrix {

// Colour file bytes over the record: up to 648 bytes replace the record's
// start; a shorter file with a non-zero increment gets linear thresholds
// max_value - increment x k for its bands. False for an empty file.
bool DecodeColourBar(std::string_view bytes, ColourBar& bar);

// A horizon file's time grid for the project's survey (cells the file does
// not hold are null) and the section colour code from its style word.
void DecodeHorizonTimes(std::string_view bytes, const SurveyHeader& header,
                        std::vector<std::int16_t>& times, int& colour_code);

// A well file's position and symbol type (the name is the file's).
bool DecodeWellMarker(std::string_view bytes, SectionWell& well);

}  // namespace quarrix
