#pragma once
// Arbitrary lines in the spreadsheet: "Load Arbitrary" lists a line's bins as
// line and trace numbers; "Convert to Arbitrary" writes the rows' bins as an
// ".arb" file, and "Convert to Arbitrary & Fill" takes the rows as vertices
// and walks the bins between them.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "exchange/sheet_table.h"
#include "horizon/arbitrary_line.h"
#include "project/project_state.h"

namespace quarrix {

class Prompter;

// A fresh sheet of the bins: (A)Line and (B)Trace with their roles.
void LoadArbitraryIntoSheet(SheetTable& table, const std::vector<ArbitraryBin>& bins,
                            const SurveyHeader& header);

struct SheetArbitraryLine {
  std::vector<ArbitraryBin> bins;
  std::int64_t outside = 0;  // rows whose line or trace is not on the survey grid
  bool cut = false;          // more bins than a line holds; the rest left out
};

// The bins of the rows (empty rows skipped), walked between them when fill is
// set, at most 10 000. Nothing (after "Line and Trace values must be set")
// when a role is missing.
std::optional<SheetArbitraryLine> SheetToArbitraryLine(const SheetTable& table,
                                                       const SurveyHeader& header, bool fill,
                                                       Prompter& prompter);

// "Convert to Arbitrary" (fill = false) and "Convert to Arbitrary & Fill":
// asks for the ".arb" file (the dialog asks before replacing one), writes it
// whole and says what was left out. False when cancelled or failed (said).
bool ConvertSheetToArbitraryFile(const SheetTable& table, const ProjectState& project, bool fill,
                                 Prompter& prompter);

}  // namespace quarrix
