#pragma once
// Wells between the spreadsheet, the project folder and the survey geometry:
// loading wells and groups into the sheet, "Convert to Well Files", "Convert
// to LGV Files", the well dialog's "Calculate", well tops, and the list of
// wells a map posts for a selection of ".wll" and ".lgv" names.
#include <string>
#include <vector>

#include "exchange/sheet_table.h"
#include "exchange/well_file.h"
#include "project/project_state.h"

namespace quarrix {

class Prompter;

// A well name usable as a file name in the project folder (no folder
// separators, not "." or "..", not empty).
bool IsPlainWellName(const std::string& name);

// "Load Wells": one row per well below row 0 with the columns (A)Name,
// (B)Line, (C)Trace, (D)X, (E)Y, (F)Time, (G)Depth, (H)Type, (I)Title and
// their roles. Wells that cannot be read are skipped. Clears the sheet first.
void LoadWellsIntoSheet(SheetTable& table, const std::string& folder,
                        const std::vector<std::string>& well_names);

// "Load Well Group": the group's wells with (A)Name, (B)Line, (C)Trace, (D)X, (E)Y.
void LoadWellGroupIntoSheet(SheetTable& table, const std::string& folder,
                            const std::string& group_path);

// "Convert to Well Files" over rows first_row..last_row: every row needs a
// name and non-zero line, trace, X and Y, else "Required Data Missing Row %d"
// and nothing is written. Existing files ask "File %s Exists,\nOverwrite?".
// Returns the number of files written, or -1 when the check failed.
int ConvertSheetToWellFiles(const SheetTable& table, const std::string& folder, int first_row,
                            int last_row, Prompter& prompter);

// "Convert to LGV Files": each column first_column..last_column is one group
// named by its heading; one record per non-empty row of first_row..last_row,
// the second field from the Well LGV column. Returns the groups written.
int ConvertSheetToLgvFiles(const SheetTable& table, const std::string& folder, int first_column,
                           int last_column, int first_row, int last_row, Prompter& prompter);

// The well dialog's "Calculate": X/Y from a non-zero line and trace, else line
// and trace from a non-zero X and Y. False (said) when neither pair is given
// ("No X,Y,Line,or Trace Value!") or the project has no X/Y file ("X/Y File
// not Found!!").
bool CalculateWellPosition(WellRecord& well, const ProjectState& project, Prompter& prompter);

// Well tops are the sheet saved as tab-separated text beside the current file,
// with the extension "welt".
std::string WellTopsPath(const std::string& current_file);

// A well to post and how.
struct WellWithAttributes {
  std::string name;
  WellRecord record;
  WellAttributes attributes;
};

// The wells of a map's selection: a ".wll" name posts that well with the map's
// attributes (label position 0); a ".lgv" name posts its wells with the
// group's ".wga" attributes (the map's when missing). Wells or groups that
// cannot be read are skipped.
std::vector<WellWithAttributes> WellsToPost(const std::string& folder,
                                            const std::vector<std::string>& selection,
                                            const WellAttributes& map_attributes);

}  // namespace quarrix
