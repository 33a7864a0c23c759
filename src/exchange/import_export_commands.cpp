#include "exchange/import_export_commands.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "exchange/ascii_import.h"
#include "exchange/depth_function.h"
#include "exchange/horizon_conversion.h"
#include "exchange/import_export_parts.h"
#include "exchange/spreadsheet_file.h"
#include "exchange/well_exchange.h"
#include "platform/paths.h"
#include "platform/progress.h"
#include "platform/prompter.h"
#include "project/project_state.h"

namespace quarrix {

FileDialogRequest SheetFileRequest(const char* title, std::initializer_list<SheetFilter> filters,
                                   const ProjectState& project) {
  FileDialogRequest request{.title = title, .initial_directory = DirectoryOf(project.header_path)};
  int k = 0;
  for (const SheetFilter& filter : filters) {
    if (k == kMaxFileFilters) break;
    request.filter_names[k] = filter.name;
    request.filter_patterns[k++] = filter.pattern;
  }
  return request;
}

namespace {

using namespace sheet_command;

FileDialogRequest SpreadsheetRequest(const char* title, const ProjectState& project) {
  FileDialogRequest request = SheetFileRequest(title, {{"Spreadsheet (*.ss2)", "*.ss2"}}, project);
  request.default_extension = "ss2";
  return request;
}

FileDialogRequest TextImportRequest(const ProjectState& project) {
  return SheetFileRequest("Open Ascii Import File", {{"Text Files (*.txt)", "*.txt"}}, project);
}

FileDialogRequest HorizonImportRequest(const ProjectState& project) {
  return SheetFileRequest("Open Ascii Horizon Import File",
                          {{"Landmark (*.dat)", "*.dat"},
                           {"Geoquest (*.goq)", "*.goq"},
                           {"Custom (*.asc)", "*.asc"},
                           {"Text (*.txt)", "*.txt"}},
                          project);
}

FileDialogRequest HorizonFileRequest(const ProjectState& project) {
  return SheetFileRequest("Open Horizon File",
                          {{"Horizon (*.hor)", "*.hor"}, {"All Files (*.*)", "*.*"}}, project);
}

// The file-level commands: new sheet, the two imports, the sheet's own file.
void AddFileCommands(CommandTable& table, ImportExportDocument& doc, const ImportExportContext& c) {
  auto import_text = [&doc, c] {
    auto path = c.prompter.OpenFile(TextImportRequest(c.project));
    if (!path) return;
    doc.history.Forget();
    if (ImportAsciiText(doc.table, *path, c.prompter).opened) {
      doc.title = ImportTitle(doc.base_title, *path, false);
      doc.current_file = *path;
    }
    c.changed();
  };
  auto import_horizon = [&doc, c] {
    auto path = c.prompter.OpenFile(HorizonImportRequest(c.project));
    if (!path) return;
    doc.history.Forget();
    std::unique_ptr<Progress> progress = c.make_progress("Loading Data");
    if (ImportAsciiHorizon(doc.table, *path, *progress, c.prompter).opened) {
      doc.title = ImportTitle(doc.base_title, *path, doc.table.virtual_mode());
      doc.current_file = *path;
    }
    c.changed();
  };
  auto load_sheet = [&doc, c] {
    auto path = c.prompter.OpenFile(SpreadsheetRequest("Open Spreadsheet", c.project));
    if (!path) return;
    if (!LoadSpreadsheetFile(doc.table, *path)) {
      c.prompter.Tell("Cannot read the spreadsheet " + *path, "Spreadsheet");
      return;
    }
    doc.history.Forget();
    doc.hidden_columns.clear();
    doc.title = doc.base_title;
    doc.current_file = *path;
    c.changed();
  };
  auto save_sheet = [&doc, c] {
    FileDialogRequest request = SpreadsheetRequest("Save Spreadsheet", c.project);
    request.must_exist = false;
    request.prompt_overwrite = true;
    auto path = c.prompter.SaveFile(request);
    if (path && !SaveSpreadsheetFile(doc.table, *path))
      c.prompter.Tell("Cannot write the spreadsheet " + *path, "Spreadsheet");
  };
  auto window = [c](int id) { return [c, id] { c.window_command(id); }; };
  table.push_back({kNew, "&File", "New", "", 0, {}, {}, [&doc, c] {
                     doc.table.Clear();
                     doc.history.Forget();
                     doc.hidden_columns.clear();
                     doc.title = doc.base_title;
                     doc.current_file.clear();
                     c.changed();
                   }});
  table.push_back({kImportAscii, "&File", "Import Ascii ", "", 0, {}, {}, import_text});
  table.push_back({kExportAscii, "&File", "Export Ascii ", "", 0, {}, {}, window(kExportAscii)});
  table.push_back(MenuSeparator("&File"));
  table.push_back(
      {kImportAsciiHorizon, "&File", "Import Ascii &Horizon", "", 0, {}, {}, import_horizon});
  table.push_back({kExportAsciiHorizon,
                   "&File",
                   "Export &Ascii Horizon",
                   "",
                   0,
                   {},
                   {},
                   window(kExportAsciiHorizon)});
  table.push_back(MenuSeparator("&File"));
  table.push_back({kPrint, "&File", "Print", "Ctrl+P", 0, {}, {}, window(kPrint)});
  table.push_back({kExit, "&File", "Exit", "", 0, {}, {}, window(kExit)});
  table.push_back({kLoadSpreadsheet, "&Spreadsheet", "Load", "", 0, {}, {}, load_sheet});
  table.push_back({kSaveSpreadsheet, "&Spreadsheet", "Save", "", 0, {}, {}, save_sheet});
}

// Clipboard, undo, type, row/column and fill commands.
void AddEditCommands(CommandTable& table, ImportExportDocument& doc, const ImportExportContext& c) {
  auto editable = [&doc] { return !doc.table.virtual_mode(); };
  auto window = [c](int id) { return [c, id] { c.window_command(id); }; };
  auto edit = [&doc, c](std::function<void(ImportExportDocument&)> change) {
    return [&doc, c, change] {
      if (doc.table.virtual_mode()) return;
      change(doc);
      c.changed();
    };
  };
  table.push_back({kUndo,
                   "&Edit",
                   "&Undo",
                   "Ctrl+Z",
                   0,
                   [&doc] { return doc.history.CanUndo() && !doc.table.virtual_mode(); },
                   {},
                   edit([](ImportExportDocument& d) { d.history.Undo(d.table); })});
  table.push_back(MenuSeparator("&Edit"));
  table.push_back({kCut, "&Edit", "Cu&t", "Ctrl+X", 0, editable, {}, window(kCut)});
  table.push_back({kCopy, "&Edit", "Copy", "Ctrl+C", 0, {}, {}, window(kCopy)});
  table.push_back({kPaste, "&Edit", "Paste", "Ctrl+V", 0, editable, {}, window(kPaste)});
  table.push_back(
      {kClear, "&Edit", "Clear", "Del", 0, editable, {}, edit([](ImportExportDocument& d) {
         d.history.Clear(d.table, d.Selected());
       })});
  table.push_back(MenuSeparator("&Edit"));
  auto rows_columns = [&](int id, const char* text, void (SheetTable::*change)(int), bool row) {
    table.push_back(
        {id, "&Edit", text, "", 0, editable, {}, edit([change, row](ImportExportDocument& d) {
           d.history.Forget();
           (d.table.*change)(row ? d.active_row : d.active_column);
         })});
  };
  rows_columns(kInsertRow, "Insert Row", &SheetTable::InsertRow, true);
  rows_columns(kDeleteRow, "Delete Row", &SheetTable::DeleteRow, true);
  rows_columns(kInsertColumn, "Insert Column", &SheetTable::InsertColumn, false);
  rows_columns(kDeleteColumn, "Delete Column", &SheetTable::DeleteColumn, false);
  table.push_back(MenuSeparator("&Edit"));
  table.push_back({kHideSelected, "&Edit", "Hide Selected", "", 0, {}, {}, [&doc, c] {
                     SheetBlock block = doc.Selected();
                     for (int col = block.first_column; col <= block.last_column; ++col)
                       doc.hidden_columns.insert(col);
                     c.changed();
                   }});
  table.push_back({kShowAll, "&Edit", "Show All", "", 0, {}, {}, [&doc, c] {
                     doc.hidden_columns.clear();
                     c.changed();
                   }});
  auto type = [&](int id, const char* text, CellType cell_type) {
    table.push_back(
        {id,
         "Data &Type",
         text,
         "",
         0,
         {},
         [&doc, cell_type] { return doc.table.ColumnType(doc.active_column) == cell_type; },
         [&doc, c, cell_type] {
           SheetBlock block = doc.Selected();
           for (int col = block.first_column; col <= block.last_column; ++col)
             doc.table.SetColumnType(col, cell_type);
           c.changed();
         }});
  };
  type(kInteger, "Integer", CellType::Integer);
  type(kFloat, "Float", CellType::Float);
  type(kText, "Text", CellType::Text);
}

// Fill, sort and the fills that compute cells from the project.
void AddFillCommands(CommandTable& table, ImportExportDocument& doc, const ImportExportContext& c) {
  auto editable = [&doc] { return !doc.table.virtual_mode(); };
  auto fill = [&doc, c](FillDirection direction, bool to_used_end) {
    return [&doc, c, direction, to_used_end] {
      if (doc.table.virtual_mode()) return;
      SheetBlock block = doc.Selected();
      // "Column" and "Row" run from the first cell to the end of the used data.
      if (to_used_end && direction == FillDirection::Down)
        block.last_row = std::max(block.last_row, doc.table.UsedRows());
      if (to_used_end && direction == FillDirection::Right)
        block.last_column = std::max(block.last_column, doc.table.UsedColumns());
      doc.history.Fill(doc.table, block, direction);
      c.changed();
    };
  };
  table.push_back(
      {kFillColumn, "F&ill", "Column", "", 0, editable, {}, fill(FillDirection::Down, true)});
  table.push_back(
      {kFillRow, "F&ill", "Row", "", 0, editable, {}, fill(FillDirection::Right, true)});
  table.push_back(
      {kFillDown, "F&ill", "Down", "Ctrl+D", 0, editable, {}, fill(FillDirection::Down, false)});
  table.push_back(
      {kFillRight, "F&ill", "Right", "Ctrl+R", 0, editable, {}, fill(FillDirection::Right, false)});
  table.push_back(MenuSeparator("F&ill"));
  table.push_back(
      {kFillFromHorizon, "F&ill", "Fill Column from &Horizon", "", 0, editable, {}, [&doc, c] {
         auto path = c.prompter.OpenFile(HorizonFileRequest(c.project));
         if (!path) return;
         doc.history.Forget();
         FillColumnFromHorizon(doc.table, c.project.header, *path, doc.active_column, c.prompter);
         c.changed();
       }});
  table.push_back({kFillXy, "F&ill", "Fill in &X/Y", "", 0, editable, {}, [&doc, c] {
                     doc.history.Forget();
                     FillInXy(doc.table, c.project, c.prompter);
                     c.changed();
                   }});
  table.push_back({kFillLineTrace, "F&ill", "Fill in &Line/Trace", "", 0, editable, {}, [&doc, c] {
                     doc.history.Forget();
                     FillInLineTrace(doc.table, c.project, c.prompter);
                     c.changed();
                   }});
  auto sort = [&doc, c](bool ascending) {
    return [&doc, c, ascending] {
      if (SortSheetByActiveColumn(doc, ascending)) c.changed();
    };
  };
  table.push_back({kSortDescending, "S&ort", "Ma&x to Min", "", 0, editable, {}, sort(false)});
  table.push_back({kSortAscending, "S&ort", "Mi&n to Max", "", 0, editable, {}, sort(true)});
}

// The "Select" menu: the role of the active column.
void AddSelectCommands(CommandTable& table, ImportExportDocument& doc,
                       const ImportExportContext& c) {
  struct RoleItem {
    int id;
    const char* text;
    ColumnRole role;
  };
  static constexpr RoleItem kItems[] = {
      {kSelectLine, "Line", ColumnRole::Line},
      {kSelectTrace, "Trace", ColumnRole::Trace},
      {kSelectX, "X", ColumnRole::X},
      {kSelectY, "Y", ColumnRole::Y},
      {kSelectZ, "Z", ColumnRole::Z},
      {kSelectAmp, "Amp", ColumnRole::Amp},
      {kSelectFtnTime, "Ftn Time", ColumnRole::FtnTime},
      {kSelectFtnDepth, "Ftn Depth", ColumnRole::FtnDepth},
      {kSelectWellName, "Well Name", ColumnRole::WellName},
      {kSelectWellType, "Well Type", ColumnRole::WellType},
      {kSelectWellDepth, "Well Depth", ColumnRole::WellDepth},
      {kSelectWellTime, "Well Time", ColumnRole::WellTime},
      {kSelectWellTitle, "Well Title", ColumnRole::WellTitle},
      {kSelectWellLgv, "Well LGV", ColumnRole::WellLgv},
  };
  for (const RoleItem& item : kItems) {
    ColumnRole role = item.role;
    table.push_back({item.id,
                     "S&elect",
                     item.text,
                     "",
                     0,
                     {},
                     [&doc, role] { return doc.table.RoleColumn(role) == doc.active_column; },
                     [&doc, c, role] {
                       doc.table.AssignRole(role, doc.active_column);
                       c.changed();
                     }});
  }
  table.push_back(MenuSeparator("S&elect"));
  table.push_back({kNoSelect, "S&elect", "No Select", "", 0, {}, {}, [&doc, c] {
                     doc.table.ClearRoles(doc.active_column);
                     c.changed();
                   }});
}

FileDialogRequest DepthFunctionRequest(const char* title, const ProjectState& project) {
  FileDialogRequest request = SheetFileRequest(title, {{"Depth Ftn (*.ftn)", "*.ftn"}}, project);
  request.default_extension = "ftn";
  return request;
}

// Depth functions: shown in the sheet, made from its Ftn columns, and applied
// to the selected columns.
void AddDepthFunctionCommands(CommandTable& table, ImportExportDocument& doc,
                              const ImportExportContext& c) {
  table.push_back({kOpenDepthFunction, "&Depth Ftn", "&Open Depth Ftn.", "", 0, {}, {}, [&doc, c] {
                     auto path =
                         c.prompter.OpenFile(DepthFunctionRequest("Get Depth Ftn File", c.project));
                     if (!path) return;
                     auto function = ReadDepthFunctionFile(*path, c.prompter);
                     if (!function) return;
                     doc.history.Forget();
                     doc.hidden_columns.clear();
                     LoadDepthFunctionIntoSheet(doc.table, *function);
                     doc.title = doc.base_title + " -- " + *path;
                     doc.current_file = *path;
                     c.changed();
                   }});
  table.push_back(
      {kConvertToDepthFunction, "&Depth Ftn", "Convert to &Depth Ftn", "", 0, {}, {}, [&doc, c] {
         auto function = SheetToDepthFunction(doc.table, c.prompter);
         if (!function) return;
         FileDialogRequest request = DepthFunctionRequest("Depth Ftn Save As", c.project);
         request.must_exist = false;
         request.prompt_overwrite = true;
         auto path = c.prompter.SaveFile(request);
         if (path && !WriteDepthFunctionFile(*path, *function))
           c.prompter.Tell("Cannot write the depth function " + *path, "Error");
       }});
  auto convert = [&doc, c](bool time_to_depth) {
    return [&doc, c, time_to_depth] {
      if (doc.table.virtual_mode()) return;
      auto path = c.prompter.OpenFile(DepthFunctionRequest("Get Depth Ftn File", c.project));
      if (!path) return;
      auto function = ReadDepthFunctionFile(*path, c.prompter);
      if (!function) return;
      doc.history.Forget();
      SheetBlock block = doc.Selected();
      ConvertSheetColumns(doc.table, *function, block.first_column, block.last_column,
                          time_to_depth);
      c.changed();
    };
  };
  auto editable = [&doc] { return !doc.table.virtual_mode(); };
  table.push_back({kConvertTimeToDepth,
                   "&Depth Ftn",
                   "Convert Time to Depth",
                   "",
                   0,
                   editable,
                   {},
                   convert(true)});
  table.push_back({kConvertDepthToTime,
                   "&Depth Ftn",
                   "Convert Depth to Time",
                   "",
                   0,
                   editable,
                   {},
                   convert(false)});
}

// Conversions of the sheet into project files.
void AddConvertCommands(CommandTable& table, ImportExportDocument& doc,
                        const ImportExportContext& c) {
  auto to_horizon = [&doc, c](bool grid) {
    return [&doc, c, grid] {
      std::unique_ptr<Progress> progress = c.make_progress("Gridding Data");
      ConvertSheetToHorizonFile(doc.table, c.project, grid, c.prompter, *progress);
    };
  };
  table.push_back(
      {kConvertToHorizon, "&Convert", "Convert to Horizon", "", 0, {}, {}, to_horizon(false)});
  table.push_back({kConvertToHorizonAndGrid,
                   "&Convert",
                   "Convert to Horizon and &Grid",
                   "",
                   0,
                   {},
                   {},
                   to_horizon(true)});
  table.push_back(MenuSeparator("&Convert"));
  table.push_back(
      {kConvertToWellFiles, "&Convert", "Convert to &Well Files", "", 0, {}, {}, [&doc, c] {
         // The selected rows when several are selected, else every used row.
         SheetBlock block = doc.Selected();
         if (block.first_row == block.last_row) block = {1, 1, doc.table.UsedRows(), 1};
         int written = ConvertSheetToWellFiles(doc.table, DirectoryOf(c.project.header_path),
                                               block.first_row, block.last_row, c.prompter);
         if (written > 0) c.changed();
       }});
  table.push_back(
      {kConvertToLgvFiles, "&Convert", "Convert to &LGV Files", "", 0, {}, {}, [&doc, c] {
         SheetBlock block = doc.Selected();
         ConvertSheetToLgvFiles(doc.table, DirectoryOf(c.project.header_path), block.first_column,
                                block.last_column, 1, doc.table.UsedRows(), c.prompter);
       }});
}

}  // namespace

SheetBlock ImportExportDocument::Selected() const {
  if (!selection.empty()) return selection;
  return {active_row, active_column, active_row, active_column};
}

bool SortSheetByActiveColumn(ImportExportDocument& doc, bool ascending) {
  if (doc.table.virtual_mode() || doc.table.UsedRows() == 0) return false;
  doc.history.Forget();
  return doc.table.SortRows(doc.active_column, ascending, 1, doc.table.UsedRows());
}

CommandTable ImportExportCommands(ImportExportDocument& doc, ImportExportContext context) {
  CommandTable table;
  AddFileCommands(table, doc, context);
  AddEditCommands(table, doc, context);
  AddFillCommands(table, doc, context);
  AddSelectCommands(table, doc, context);
  AddConvertCommands(table, doc, context);
  AddDepthFunctionCommands(table, doc, context);
  AddWellCommands(table, doc, context);
  AddHorizonLineCommands(table, doc, context);
  table.push_back({kHelpImport, "&Help", "Import", "F1", 0, {}, {}, [context] {
                     context.window_command(kHelpImport);
                   }});
  return table;
}

}  // namespace quarrix
