#include "exchange/spreadsheet_file.h"

#include <charconv>
#include <string_view>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/text_util.h"

namespace quarrix {

namespace {

constexpr std::string_view kMagic = "Quarrix Spreadsheet 1";

std::string Escape(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      default: out += c;
    }
  }
  return out;
}

std::string Unescape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    char c = text[++i];
    out += c == 't' ? '\t' : c == 'r' ? '\r' : c == 'n' ? '\n' : c;
  }
  return out;
}

char TypeLetter(CellType type) {
  return type == CellType::Integer ? 'I' : type == CellType::Float ? 'F' : 'T';
}

void AppendLine(std::string& out, const std::string& key, const std::vector<std::string>& items) {
  out += key;
  for (const std::string& item : items) out += '\t' + item;
  out += "\r\n";
}

// The file's lines without their ends.
std::vector<std::string_view> FileLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  std::size_t at = 0;
  while (at < bytes.size()) {
    std::size_t end = bytes.find('\n', at);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(at, end - at);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    at = end + 1;
  }
  return lines;
}

// The fields after the line's key; nothing when the key differs.
bool Fields(std::string_view line, std::string_view key, std::vector<std::string>& fields) {
  std::vector<std::string> parts = SplitText(line, '\t');
  if (parts.empty() || parts.front() != key) return false;
  fields.assign(parts.begin() + 1, parts.end());
  return true;
}

bool WholeNumber(const std::string& text, int low, int high, int& value) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value >= low && value <= high;
}

// The header lines (size, types, headings, roles) into a fresh sheet.
bool DecodeLayout(const std::vector<std::string_view>& lines, SheetTable& sheet, int& cell_rows) {
  std::vector<std::string> size, types, headings, roles, cells;
  if (lines.size() < 6 || lines[0] != kMagic || !Fields(lines[1], "Size", size) ||
      !Fields(lines[2], "Types", types) || !Fields(lines[3], "Headings", headings) ||
      !Fields(lines[4], "Roles", roles) || !Fields(lines[5], "Cells", cells))
    return false;
  int rows = 0, columns = 0;
  if (size.size() != 2 || !WholeNumber(size[0], 0, kSpreadsheetMaxRows, rows) ||
      !WholeNumber(size[1], 0, kSpreadsheetMaxColumns, columns) || cells.size() != 1 ||
      !WholeNumber(cells[0], 0, rows, cell_rows) || roles.size() != kColumnRoleCount ||
      types.size() > static_cast<std::size_t>(columns) ||
      headings.size() > static_cast<std::size_t>(columns))
    return false;
  sheet.SetMaxRows(rows);
  sheet.SetMaxColumns(columns);
  for (std::size_t c = 0; c < types.size(); ++c) {
    const std::string& t = types[c];
    if (t != "I" && t != "F" && t != "T") return false;
    sheet.SetColumnType(static_cast<int>(c) + 1, t == "I"   ? CellType::Integer
                                                 : t == "F" ? CellType::Float
                                                            : CellType::Text);
  }
  for (std::size_t r = 0; r < roles.size(); ++r) {
    int column = 0;
    if (!WholeNumber(roles[r], 0, columns, column)) return false;
    if (column > 0) sheet.AssignRole(static_cast<ColumnRole>(r), column);
  }
  // After the roles, so that a heading the user changed stays as saved.
  for (std::size_t c = 0; c < headings.size(); ++c)
    sheet.SetHeading(static_cast<int>(c) + 1, Unescape(headings[c]));
  return true;
}

}  // namespace

std::string EncodeSpreadsheetFile(const SheetTable& table) {
  const int rows = table.UsedRows(), columns = table.UsedColumns();
  const int width = std::max(columns, table.max_columns());
  std::string out(kMagic);
  out += "\r\n";
  AppendLine(out, "Size",
             {std::to_string(std::max(rows, table.max_rows())), std::to_string(width)});
  std::vector<std::string> types, headings, roles;
  for (int c = 1; c <= width; ++c) {
    types.emplace_back(1, TypeLetter(table.ColumnType(c)));
    std::string heading = table.Heading(c);
    headings.push_back(Escape(heading == ColumnLetters(c) ? std::string() : heading));
  }
  for (int r = 0; r < kColumnRoleCount; ++r)
    roles.push_back(std::to_string(table.RoleColumn(static_cast<ColumnRole>(r))));
  AppendLine(out, "Types", types);
  AppendLine(out, "Headings", headings);
  AppendLine(out, "Roles", roles);
  AppendLine(out, "Cells", {std::to_string(rows)});
  for (int r = 1; r <= rows; ++r) {
    for (int c = 1; c <= columns; ++c) {
      if (c > 1) out += '\t';
      out += Escape(table.Cell(r, c));
    }
    out += "\r\n";
  }
  return out;
}

bool DecodeSpreadsheetFile(const std::string& bytes, SheetTable& table) {
  std::vector<std::string_view> lines = FileLines(bytes);
  SheetTable sheet;
  int cell_rows = 0;
  if (!DecodeLayout(lines, sheet, cell_rows)) return false;
  if (lines.size() - 6 > static_cast<std::size_t>(cell_rows)) return false;
  for (std::size_t r = 6; r < lines.size(); ++r) {
    std::vector<std::string> cells = SplitText(lines[r], '\t');
    if (cells.size() > static_cast<std::size_t>(sheet.max_columns())) return false;
    for (std::size_t c = 0; c < cells.size(); ++c)
      if (!cells[c].empty())
        sheet.SetCell(static_cast<int>(r) - 5, static_cast<int>(c) + 1, Unescape(cells[c]));
  }
  table = std::move(sheet);
  return true;
}

bool SaveSpreadsheetFile(const SheetTable& table, const std::string& path) {
  return WriteFileAtomically(path, EncodeSpreadsheetFile(table));
}

bool LoadSpreadsheetFile(SheetTable& table, const std::string& path) {
  std::string bytes;
  return ReadWholeFile(path, bytes) && DecodeSpreadsheetFile(bytes, table);
}

}  // namespace quarrix
