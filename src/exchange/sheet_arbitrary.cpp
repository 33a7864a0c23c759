#include "exchange/sheet_arbitrary.h"

#include "exchange/sheet_rows.h"
#include "platform/atomic_file.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "platform/text_util.h"
#include "project/output_guard.h"

namespace quarrix {

void LoadArbitraryIntoSheet(SheetTable& table, const std::vector<ArbitraryBin>& bins,
                            const SurveyHeader& header) {
  table.Clear();
  table.AssignRole(ColumnRole::Line, 1);
  table.AssignRole(ColumnRole::Trace, 2);
  table.SetColumnType(1, CellType::Integer);
  table.SetColumnType(2, CellType::Integer);
  int row = 1;
  for (const ArbitraryBin& bin : bins) {
    table.SetCell(row, 1, std::to_string(header.LineNumber(bin.line_index)));
    table.SetCell(row, 2, std::to_string(header.TraceNumber(bin.trace_index)));
    ++row;
  }
}

std::optional<SheetArbitraryLine> SheetToArbitraryLine(const SheetTable& table,
                                                       const SurveyHeader& header, bool fill,
                                                       Prompter& prompter) {
  const int line_column = table.RoleColumn(ColumnRole::Line);
  const int trace_column = table.RoleColumn(ColumnRole::Trace);
  if (line_column == 0 || trace_column == 0) {
    prompter.Tell("Line and Trace values must be set", "Warning");
    return std::nullopt;
  }
  SheetArbitraryLine out;
  std::vector<ArbitraryBin> rows;
  const int used = table.UsedRows();
  for (int row = 1; row <= used; ++row) {
    if (table.IsEmpty(row, line_column) && table.IsEmpty(row, trace_column)) continue;
    auto cell = SurveyCellOf(header, RowInteger(table, row, line_column),
                             RowInteger(table, row, trace_column));
    if (!cell) {
      ++out.outside;
      continue;
    }
    rows.push_back({cell->column, cell->row});
  }
  if (fill) {
    out.bins = WalkArbitraryLine(rows);
    // The walk stops at a full line; it was cut when the last vertex is not its end.
    out.cut =
        !rows.empty() && out.bins.size() >= kMaxArbitraryBins && out.bins.back() != rows.back();
  } else {
    out.cut = rows.size() > kMaxArbitraryBins;
    if (out.cut) rows.resize(kMaxArbitraryBins);
    out.bins = std::move(rows);
  }
  return out;
}

bool ConvertSheetToArbitraryFile(const SheetTable& table, const ProjectState& project, bool fill,
                                 Prompter& prompter) {
  auto line = SheetToArbitraryLine(table, project.header, fill, prompter);
  if (!line) return false;
  if (line->bins.empty()) {
    prompter.Tell("No row holds a line and trace of the survey; no arbitrary line was written.",
                  "Warning");
    return false;
  }
  auto path = prompter.SaveFile({.title = "Create Arbitrary File",
                                 .filter_names = {"Arbitrary Files (*.arb)"},
                                 .filter_patterns = {"*.arb"},
                                 .initial_directory = DirectoryOf(project.header_path),
                                 .default_extension = "arb",
                                 .must_exist = false,
                                 .prompt_overwrite = true});
  if (!path) return false;
  if (IsProjectFile(project, *path) ||
      !WriteFileAtomically(*path, EncodeArbitraryLine(line->bins, project.header))) {
    prompter.Tell("Cannot create arb file", "Error", MessageIcon::Stop);
    return false;
  }
  std::string note;
  if (line->cut)
    note = FormatText("An arbitrary line holds at most %d bins; the line was cut after the %dth.\n",
                      static_cast<int>(kMaxArbitraryBins), static_cast<int>(kMaxArbitraryBins));
  if (line->outside > 0)
    note += FormatText("%lld rows lie outside the survey and were left out.\n",
                       static_cast<long long>(line->outside));
  if (!note.empty()) prompter.Tell(note, "Convert to Arbitrary", MessageIcon::Information);
  return true;
}

}  // namespace quarrix
