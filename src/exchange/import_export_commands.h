#pragma once
// The Import/Export window's document and command table: the sheet, the
// user's selection and hidden columns, and every menu command over them. The
// commands that need the clipboard, a dialog of the window or the printer go
// to the window; the rest run here on the core exchange functions.
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "exchange/sheet_editing.h"
#include "exchange/sheet_table.h"
#include "exchange/well_file.h"
#include "platform/command_table.h"

namespace quarrix {

class Progress;
class Prompter;
struct ProjectState;

// The window's command numbers.
namespace sheet_command {
inline constexpr int kNew = 2079, kImportAscii = 2140, kExportAscii = 2141;
inline constexpr int kImportAsciiHorizon = 2175, kExportAsciiHorizon = 2182;
inline constexpr int kLoadSpreadsheet = 2155, kSaveSpreadsheet = 2156, kPrint = 2072;
inline constexpr int kExit = 2128;
inline constexpr int kInteger = 2135, kFloat = 2134, kText = 2129;
inline constexpr int kInsertRow = 2130, kDeleteRow = 2131, kInsertColumn = 2132,
                     kDeleteColumn = 2133;
inline constexpr int kFillColumn = 2173, kFillRow = 2174, kFillDown = 2148, kFillRight = 2149;
inline constexpr int kHideSelected = 2169, kShowAll = 2170;
inline constexpr int kFillFromHorizon = 2198, kFillXy = 2172, kFillLineTrace = 2171;
inline constexpr int kSortDescending = 2184, kSortAscending = 2183;
inline constexpr int kCut = 2136, kCopy = 2137, kPaste = 2138, kClear = 2139;
inline constexpr int kConvertToHorizon = 2162, kConvertToHorizonAndGrid = 2163;
inline constexpr int kConvertToWellFiles = 2164, kConvertToLgvFiles = 2165;
inline constexpr int kHelpImport = 2151;
inline constexpr int kLoadWells = 2154, kLoadWellGroup = 2166, kGroupAttributes = 2199,
                     kLoadWellTops = 2226, kSaveWellTops = 2227;
inline constexpr int kLoadArbitrary = 2100, kConvertToArbitrary = 2217,
                     kConvertToArbitraryAndFill = 2218;
inline constexpr int kOpenHorizonList = 2074, kSaveHorizonList = 2109, kLoadHorizonData = 2201,
                     kSaveHorizonData = 2202, kConvertToTridex = 2204;
inline constexpr int kConvertQuarrixToTridex = 2206, kConvertTridexToQuarrix = 2207;
inline constexpr int kOpenDepthFunction = 2219, kConvertToDepthFunction = 2221,
                     kConvertTimeToDepth = 2223, kConvertDepthToTime = 2224;
// Undo of the last edit has no number of its own in the menu resource.
inline constexpr int kUndo = 2900;
// "Select" items: Line, Trace, X, Y, Z, Amp, Ftn Time, Ftn Depth, the well
// fields, and "No Select".
inline constexpr int kSelectLine = 2142, kSelectTrace = 2143, kSelectX = 2144, kSelectY = 2145,
                     kSelectZ = 2146, kSelectAmp = 2147, kSelectFtnTime = 2222,
                     kSelectFtnDepth = 2220, kSelectWellName = 2157, kSelectWellType = 2158,
                     kSelectWellDepth = 2159, kSelectWellTime = 2160, kSelectWellTitle = 2161,
                     kSelectWellLgv = 2167, kNoSelect = 2168;
}  // namespace sheet_command

struct ImportExportDocument {
  SheetTable table;
  SheetEditHistory history;
  std::string base_title = "Import/Export";
  std::string title = "Import/Export";
  // The cell under the cursor and the selected block (1-based).
  int active_row = 1, active_column = 1;
  SheetBlock selection{1, 1, 1, 1};
  std::set<int> hidden_columns;
  // The file the sheet was last loaded from ("" for none): well tops are
  // named after it and "Save Horizon Data" proposes it.
  std::string current_file;

  // The selection, or the active cell when nothing is selected.
  SheetBlock Selected() const;
};

// What the commands need from outside the document.
struct ImportExportContext {
  const ProjectState& project;
  Prompter& prompter;
  // Progress of long imports and conversions, with Cancel.
  std::function<std::unique_ptr<Progress>(const std::string& title)> make_progress;
  // The sheet's cells, headings or size changed.
  std::function<void()> changed;
  // A command the window carries out itself (clipboard, dialogs, printing, exit).
  std::function<void(int)> window_command;
  // A list of names to choose from ("Select Wells"): the chosen ones, or
  // nothing when the user cancels.
  std::function<std::optional<std::vector<std::string>>(
      const std::string& title, const std::vector<std::string>& names, bool multiple)>
      choose_names;
  // "Well Group Attributes - %s": edits the attributes; false when cancelled.
  std::function<bool(const std::string& group, WellAttributes& attributes)> edit_group_attributes;
  // The well settings a group without its own attributes is posted with.
  WellAttributes well_defaults;
};

CommandTable ImportExportCommands(ImportExportDocument& doc, ImportExportContext context);

// Sorts the used rows by the active column (descending for "Ma&x to Min").
bool SortSheetByActiveColumn(ImportExportDocument& doc, bool ascending);

}  // namespace quarrix
