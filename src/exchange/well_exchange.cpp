#include "exchange/well_exchange.h"

#include <algorithm>

#include "exchange/sheet_rows.h"
#include "platform/numeric.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

std::string BaseName(const std::string& path) {
  std::string name = FileNameOf(path);
  std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

void SetWellRow(SheetTable& table, int row, const std::string& name, const WellRecord& well,
                bool full) {
  table.SetCell(row, 1, name);
  table.SetCell(row, 2, std::to_string(well.line));
  table.SetCell(row, 3, std::to_string(well.trace));
  table.SetCell(row, 4, std::to_string(well.x));
  table.SetCell(row, 5, std::to_string(well.y));
  if (!full) return;
  table.SetCell(row, 6, std::to_string(well.time));
  table.SetCell(row, 7, std::to_string(well.depth));
  table.SetCell(row, 8, std::to_string(well.symbol));
  table.SetCell(row, 9, WellTitle(well));
}

void LabelWellColumns(SheetTable& table, bool full) {
  struct Column {
    ColumnRole role;
    const char* heading;
  };
  static const Column columns[] = {
      {ColumnRole::WellName, "Name"},
      {ColumnRole::Line, "Line"},
      {ColumnRole::Trace, "Trace"},
      {ColumnRole::X, "X"},
      {ColumnRole::Y, "Y"},
      {ColumnRole::WellTime, "Time"},
      {ColumnRole::WellDepth, "Depth"},
      {ColumnRole::WellType, "Type"},
      {ColumnRole::WellTitle, "Title"},
  };
  const int count = full ? 9 : 5;
  for (int c = 1; c <= count; ++c) {
    table.AssignRole(columns[c - 1].role, c);
    table.SetHeading(c, "(" + ColumnLetters(c) + ")" + columns[c - 1].heading);
  }
}

std::string CellText(const SheetTable& table, int row, ColumnRole role) {
  int column = table.RoleColumn(role);
  return column == 0 ? "" : Trim(table.Cell(row, column));
}

}  // namespace

bool IsPlainWellName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of("/\\") == std::string::npos && name.find('\0') == std::string::npos;
}

void LoadWellsIntoSheet(SheetTable& table, const std::string& folder,
                        const std::vector<std::string>& well_names) {
  table.Clear();
  LabelWellColumns(table, true);
  int row = 1;
  for (const std::string& file : well_names) {
    std::string path = JoinPath(folder, HasExtension(file, "wll") ? file : file + ".wll");
    if (auto well = ReadWellFile(path)) SetWellRow(table, row++, BaseName(path), *well, true);
  }
}

void LoadWellGroupIntoSheet(SheetTable& table, const std::string& folder,
                            const std::string& group_path) {
  table.Clear();
  LabelWellColumns(table, false);
  int row = 1;
  for (const WellGroupEntry& entry : ReadWellGroupFile(group_path)) {
    if (!IsPlainWellName(entry.name)) continue;
    if (auto well = ReadWellFile(JoinPath(folder, entry.name + ".wll")))
      SetWellRow(table, row++, entry.name, *well, false);
  }
}

int ConvertSheetToWellFiles(const SheetTable& table, const std::string& folder, int first_row,
                            int last_row, Prompter& prompter) {
  auto number = [&](int row, ColumnRole role) {
    return RowInteger(table, row, table.RoleColumn(role));
  };
  for (int row = first_row; row <= last_row; ++row) {
    std::string name = CellText(table, row, ColumnRole::WellName);
    if (name.empty() || number(row, ColumnRole::Line) == 0 || number(row, ColumnRole::Trace) == 0 ||
        number(row, ColumnRole::X) == 0 || number(row, ColumnRole::Y) == 0) {
      prompter.Tell(FormatText("Required Data Missing Row %d", row), "Warning");
      return -1;
    }
    if (!IsPlainWellName(name)) {
      prompter.Tell(
          FormatText("Well name \"%s\" in row %d is not a plain file name", name.c_str(), row),
          "Warning");
      return -1;
    }
  }
  int written = 0;
  for (int row = first_row; row <= last_row; ++row) {
    std::string name = CellText(table, row, ColumnRole::WellName);
    std::string path = JoinPath(folder, name + ".wll");
    if (FileExists(path) &&
        prompter.Message(FormatText("File %s Exists,\nOverwrite?", (name + ".wll").c_str()),
                         "Overwrite?", MessageIcon::Question,
                         MessageButtons::YesNo) != MessageAnswer::Yes)
      continue;
    WellRecord well;
    well.line = Trunc16(number(row, ColumnRole::Line));
    well.trace = Trunc16(number(row, ColumnRole::Trace));
    well.x = number(row, ColumnRole::X);
    well.y = number(row, ColumnRole::Y);
    well.depth = TruncateTo<std::uint16_t>(number(row, ColumnRole::WellDepth));
    well.time = TruncateTo<std::uint16_t>(number(row, ColumnRole::WellTime));
    int symbol = number(row, ColumnRole::WellType);
    well.symbol = static_cast<std::int16_t>(symbol >= 1 && symbol <= kWellSymbolCount ? symbol : 1);
    SetWellTitle(well, CellText(table, row, ColumnRole::WellTitle));
    if (!WriteWellFile(path, well)) {
      prompter.Tell("Cannot Create Well File!", "Error");
      return written;
    }
    ++written;
  }
  return written;
}

int ConvertSheetToLgvFiles(const SheetTable& table, const std::string& folder, int first_column,
                           int last_column, int first_row, int last_row, Prompter& prompter) {
  const int lgv_column = table.RoleColumn(ColumnRole::WellLgv);
  int written = 0;
  for (int column = first_column; column <= last_column; ++column) {
    std::string group = Trim(table.Heading(column));
    if (!IsPlainWellName(group)) {
      prompter.Tell(
          FormatText("Column %s has no group name a file can carry", ColumnLetters(column).c_str()),
          "Warning");
      continue;
    }
    std::vector<WellGroupEntry> entries;
    for (int row = first_row; row <= last_row; ++row) {
      std::string name = Trim(table.Cell(row, column));
      if (!name.empty())
        entries.push_back({name, lgv_column ? Trim(table.Cell(row, lgv_column)) : ""});
    }
    if (!WriteWellGroupFile(JoinPath(folder, group + ".lgv"), entries)) {
      prompter.Tell("Cannot create the well group file " + group + ".lgv", "Error");
      continue;
    }
    ++written;
  }
  return written;
}

bool CalculateWellPosition(WellRecord& well, const ProjectState& project, Prompter& prompter) {
  const bool have_line_trace = well.line != 0 && well.trace != 0;
  if (!have_line_trace && (well.x == 0 || well.y == 0)) {
    prompter.Tell("No X,Y,Line,or Trace Value!", "Warning");
    return false;
  }
  if (!project.placement.HasXy()) {
    prompter.Tell("X/Y File not Found!!", "Warning");
    return false;
  }
  const SurveyHeader& header = project.header;
  if (have_line_trace) {
    XyPoint xy = LineTraceToXy(header, project.placement, well.line - header.first_line,
                               well.trace - header.first_trace);
    well.x = xy.x;
    well.y = xy.y;
    return true;
  }
  auto offset = XyToLineTrace(header, project.placement, well.x, well.y);
  if (!offset) return false;
  well.line = Trunc16(RoundedLine(header, offset->dl));
  well.trace = Trunc16(RoundedTrace(header, offset->dt));
  return true;
}

std::string WellTopsPath(const std::string& current_file) {
  return BaseWithDot(current_file) + "welt";
}

std::vector<WellWithAttributes> WellsToPost(const std::string& folder,
                                            const std::vector<std::string>& selection,
                                            const WellAttributes& map_attributes) {
  std::vector<WellWithAttributes> wells;
  for (const std::string& name : selection) {
    std::string path = JoinPath(folder, name);
    if (HasExtension(name, "lgv")) {
      WellAttributes group = ReadWellAttributesFile(BaseWithDot(path) + "wga", map_attributes);
      for (const WellGroupEntry& entry : ReadWellGroupFile(path)) {
        if (!IsPlainWellName(entry.name)) continue;
        if (auto well = ReadWellFile(JoinPath(folder, entry.name + ".wll")))
          wells.push_back({entry.name, *well, group});
      }
    } else if (auto well = ReadWellFile(path)) {
      WellAttributes single = map_attributes;
      single.label_position = 0;
      wells.push_back({BaseName(path), *well, single});
    }
  }
  return wells;
}

}  // namespace quarrix
