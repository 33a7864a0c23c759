#pragma once
// Flattening: a per-bin time shift that straightens a horizon. The real time
// shown at displayed time t in a bin is t - shift; a slice at t samples the
// real time t - shift.
#include <string>

#include "horizon/horizon_grid.h"
#include "project/survey_header.h"

namespace quarrix {

struct FlattenTable {
  HorizonGrid shift;  // ms per bin, the horizon's shape
  bool on = false;
  std::string file;  // the ".flt" file chosen, if any
};

// "Auto Flatten": shifts that bring every picked cell of the time grid to the
// datum halfway between its shallowest and deepest pick; null cells get 0.
HorizonGrid AutoFlattenShifts(const HorizonGrid& time);

// Reads a ".flt" file (the time grid of a horizon-format file) into the
// table and turns flattening on; false when it cannot be opened.
bool LoadFlattenFile(const std::string& path, const SurveyHeader& header, FlattenTable& table);
// Writes shifts as a ".flt" file.
bool WriteFlattenFile(const std::string& path, const HorizonGrid& shift);

}  // namespace quarrix
