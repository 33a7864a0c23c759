#pragma once
// Fault files of the Tridex package (".fal", read only): two unused bytes, one
// 80-byte record per line index, then one per trace index. A record holds up
// to 20 points (a 16-bit trace or line number, a 16-bit time in ms); a point
// whose number is 0 ends the record's polyline.
#include <string>
#include <string_view>

#include "fault/fault_grid.h"

namespace quarrix {

class Prompter;
struct SurveyHeader;

inline constexpr std::size_t kTridexRecordBytes = 80;

// The fault grid of a ".fal" file: each record's polyline is walked in
// (index, ms) space and every visited bin becomes a seed. Records the bytes
// do not hold leave their rows or columns empty.
FaultGrid DecodeTridexFaults(std::string_view bytes, const SurveyHeader& header);

// The ".ffl" path an import writes: the ".fal" path with its extension replaced.
std::string TridexFaultTarget(const std::string& fal_path);

// Converts a ".fal" file into a fault file beside it (replacing an old one).
// False after telling the user when it cannot be read or written.
bool ImportTridexFile(const std::string& fal_path, const SurveyHeader& header, Prompter& prompter);

// "Convert Tridex Fault File": asks for the ".fal" file in the project folder,
// then imports it. True when a fault file was written.
bool ImportTridexFaults(const std::string& project_folder, const SurveyHeader& header,
                        Prompter& prompter);

}  // namespace quarrix
