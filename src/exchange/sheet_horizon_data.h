#pragma once
// A horizon's picks in the spreadsheet: "Load Horizon Data" lists every picked
// cell as line, trace, time and amplitude; "Save Horizon Data" writes the rows
// back into a horizon, changing only the cells the rows name.
#include <cstdint>
#include <string>

#include "exchange/sheet_table.h"
#include "project/project_state.h"

namespace quarrix {

class Prompter;

// Picked cells beyond this many go to the sheet's virtual mode.
inline constexpr std::int64_t kHorizonDataCellRows = 100000;

// A fresh sheet of the horizon's picked cells in grid order, with the columns
// (A)Line, (B)Trace, (C)Z and (D)Amp and their roles. False (said) when the
// horizon cannot be read whole or the temporary file of a large one cannot be
// made; the sheet is then left as it was.
bool LoadHorizonDataIntoSheet(SheetTable& table, const SurveyHeader& header,
                              const std::string& path, Prompter& prompter);

// Writes the rows' Z values (and amplitudes when an Amp column is labelled)
// into the cells of an existing horizon; a horizon that does not exist yet is
// made as "Convert to Horizon" makes one. Other cells, the style word and the
// registration keep what they held. Returns the cells written, or -1 (said)
// when a role is missing or the file cannot be read or written.
std::int64_t SaveSheetIntoHorizon(const SheetTable& table, const ProjectState& project,
                                  const std::string& path, Prompter& prompter);

}  // namespace quarrix
