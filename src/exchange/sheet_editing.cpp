#include "exchange/sheet_editing.h"

#include <algorithm>
#include <utility>

namespace quarrix {

namespace {

// Splits one row at the separator, honouring double-quoted cells.
std::vector<std::string> SplitClipboardRow(const std::string& line, char separator) {
  std::vector<std::string> cells(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if (quoted) {
      if (c != '"') {
        cells.back() += c;
      } else if (i + 1 < line.size() && line[i + 1] == '"') {
        cells.back() += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == '"' && cells.back().empty()) {
      quoted = true;
    } else if (c == separator) {
      cells.emplace_back();
    } else {
      cells.back() += c;
    }
  }
  return cells;
}

}  // namespace

std::vector<std::vector<std::string>> ParseClipboardText(const std::string& text) {
  const char separator = text.find('\t') != std::string::npos ? '\t' : ',';
  std::vector<std::vector<std::string>> rows;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(at, end - at);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    rows.push_back(SplitClipboardRow(line, separator));
    at = end + 1;
  }
  return rows;
}

void SheetEditHistory::Remember(const SheetTable& table, const SheetBlock& block) {
  cells_.clear();
  for (int r = block.first_row; r <= block.last_row; ++r)
    for (int c = block.first_column; c <= block.last_column; ++c)
      cells_.push_back({r, c, table.Cell(r, c)});
}

bool SheetEditHistory::Undo(SheetTable& table) {
  if (cells_.empty() || table.virtual_mode()) return false;
  // Swapping each cell with its saved text makes the next Undo a redo.
  for (SavedCell& saved : cells_) {
    std::string present = table.Cell(saved.row, saved.column);
    table.SetCell(saved.row, saved.column, std::move(saved.text));
    saved.text = std::move(present);
  }
  return true;
}

void SheetEditHistory::EditCell(SheetTable& table, int row, int column, std::string text) {
  if (table.virtual_mode() || row <= 0 || column <= 0) return;
  Remember(table, {row, column, row, column});
  table.SetCell(row, column, std::move(text));
}

SheetBlock SheetEditHistory::Paste(SheetTable& table, int row, int column,
                                   const std::string& text) {
  if (table.virtual_mode() || row <= 0 || column <= 0) return {};
  std::vector<std::vector<std::string>> rows = ParseClipboardText(text);
  std::size_t width = 0;
  for (const auto& cells : rows) width = std::max(width, cells.size());
  if (rows.empty() || width == 0) return {};
  SheetBlock block{row, column, row + static_cast<int>(rows.size()) - 1,
                   column + static_cast<int>(width) - 1};
  Remember(table, block);
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c)
      table.SetCell(row + static_cast<int>(r), column + static_cast<int>(c), std::move(rows[r][c]));
  return block;
}

void SheetEditHistory::Clear(SheetTable& table, const SheetBlock& block) {
  if (table.virtual_mode() || block.empty()) return;
  Remember(table, block);
  for (int r = block.first_row; r <= block.last_row; ++r)
    for (int c = block.first_column; c <= block.last_column; ++c)
      if (!table.IsEmpty(r, c)) table.SetCell(r, c, "");
}

void SheetEditHistory::Fill(SheetTable& table, const SheetBlock& block, FillDirection direction) {
  if (table.virtual_mode() || block.empty()) return;
  Remember(table, block);
  for (int r = block.first_row; r <= block.last_row; ++r)
    for (int c = block.first_column; c <= block.last_column; ++c) {
      int from_row = direction == FillDirection::Down ? block.first_row : r;
      int from_column = direction == FillDirection::Right ? block.first_column : c;
      if (from_row != r || from_column != c) table.SetCell(r, c, table.Cell(from_row, from_column));
    }
}

}  // namespace quarrix
