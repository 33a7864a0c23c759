#pragma once
// The spreadsheet's conversions between its rows and the project: rows of
// line, trace and Z (and amplitude) into a horizon, optionally gridded; a
// horizon's times into a column; X/Y from line/trace and back.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "exchange/sheet_table.h"
#include "horizon/horizon_grid.h"
#include "horizon/pick_registration.h"
#include "project/project_state.h"

namespace quarrix {

class Progress;
class Prompter;

// Converted cells are registered as protected seeds (kRegProtected, "Make
// Values non-editable") or as seeds (kRegSeed).
struct ConvertedHorizon {
  HorizonGrid time, amplitude;
  PickRegistration registration;
  std::int64_t cells = 0;  // rows that landed on the grid
  // Rows skipped: line or trace not on the grid, an empty Z cell, or a Z value
  // that is not a number or lies outside the 16-bit grid (never a wrong pick).
  std::int64_t outside = 0, without_z = 0, bad_z = 0;
};

// Z or amplitude values as horizon cells, truncated toward zero: the import
// null becomes 32700. A Z that is not finite or outside -32768..32767 has no
// cell (the row is refused); an amplitude is clamped to -32767..32767, and one
// that is not a number is null.
std::optional<std::int16_t> ZCell(double z);
std::int16_t AmpCell(double amp);

// "N rows skipped: ..." with the count of each reason, or "" when none was.
std::string SkippedRowsText(const ConvertedHorizon& horizon);

// Fills survey-shaped grids from the rows: a row is used when its line and
// trace are survey numbers on the grid and its Z cell is not empty. Nothing
// (after "Line, Trace, & Z values must be set") when a role is missing.
std::optional<ConvertedHorizon> SheetToHorizon(const SheetTable& table, const SurveyHeader& header,
                                               std::uint8_t registration_value, Prompter& prompter);

// Fills the holes of the time grid by natural-neighbour gridding over the
// whole survey (progress "Gridding Data").
void GridConvertedHorizon(ConvertedHorizon& horizon, Progress& progress, Prompter& prompter);

// Writes grids into a horizon-format file in place (the amplitude grid only
// when given). A ".hor" file that does not exist yet is first created as a new
// horizon (style word, null grids, registration and colour files); other
// kinds keep a zero header. The one place that writes the grids this folder
// makes.
bool WriteGridFile(const ProjectState& project, const std::string& path, const HorizonGrid& time,
                   const HorizonGrid* amplitude);

// Writes a converted horizon: both grids through WriteGridFile and the
// registration as the ".hop" file of the same base name in the project
// folder. False when a file cannot be written.
bool WriteConvertedHorizon(const std::string& path, const ProjectState& project,
                           const ConvertedHorizon& horizon);

// "Convert to Horizon" (grid = false) and "Convert to Horizon and Grid": asks
// for the output file and whether to make the values non-editable, converts,
// grids when asked and writes. False when cancelled or failed (said).
bool ConvertSheetToHorizonFile(const SheetTable& table, const ProjectState& project, bool grid,
                               Prompter& prompter, Progress& progress);

// "Fill Column from Horizon": the horizon's time (32700 for a null cell) of
// each row's line and trace, as "%d", into the column. False (said) when the
// Line or Trace role is missing or the horizon cannot be read.
bool FillColumnFromHorizon(SheetTable& table, const SurveyHeader& header,
                           const std::string& horizon_path, int column, Prompter& prompter);

// "Fill in X/Y" and "Fill in Line/Trace": rows whose X and Y (or line and
// trace) are empty or 0 get them computed from the other pair. False (said)
// when a role is missing, the project has no X/Y file, or a row lacks the
// other pair ("Data Error Row %d"; rows before it keep their new values).
bool FillInXy(SheetTable& table, const ProjectState& project, Prompter& prompter);
bool FillInLineTrace(SheetTable& table, const ProjectState& project, Prompter& prompter);

}  // namespace quarrix
