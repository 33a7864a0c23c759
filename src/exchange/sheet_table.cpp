#include "exchange/sheet_table.h"

#include <algorithm>

#include "platform/atomic_file.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

// Role headings; the LGV column keeps its own heading (it names the group).
const char* RoleHeadingFormat(ColumnRole role) {
  switch (role) {
    case ColumnRole::Line: return "(%s)Line";
    case ColumnRole::Trace: return "(%s)Trace";
    case ColumnRole::X: return "(%s)X";
    case ColumnRole::Y: return "(%s)Y";
    case ColumnRole::Z: return "(%s)Z";
    case ColumnRole::Amp: return "(%s)Amp";
    case ColumnRole::FtnTime: return "(%s)Time";
    case ColumnRole::FtnDepth: return "(%s)Depth";
    case ColumnRole::WellName: return "(%s)WName";
    case ColumnRole::WellType: return "(%s)WType";
    case ColumnRole::WellDepth: return "(%s)WDepth";
    case ColumnRole::WellTime: return "(%s)WTime";
    case ColumnRole::WellTitle: return "(%s)WTitle";
    case ColumnRole::WellLgv: return nullptr;
  }
  return nullptr;
}

template <typename T>
void InsertAt(std::vector<T>& items, int column, T fill) {
  auto at = static_cast<std::size_t>(column - 1);
  if (at < items.size()) items.insert(items.begin() + static_cast<std::ptrdiff_t>(at), fill);
}

template <typename T>
void EraseAt(std::vector<T>& items, int column) {
  auto at = static_cast<std::size_t>(column - 1);
  if (at < items.size()) items.erase(items.begin() + static_cast<std::ptrdiff_t>(at));
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines = SplitText(text, '\n');
  for (std::string& line : lines)
    if (!line.empty() && line.back() == '\r') line.pop_back();
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

}  // namespace

SheetTable::SheetTable() = default;
SheetTable::~SheetTable() = default;
SheetTable::SheetTable(SheetTable&&) noexcept = default;
SheetTable& SheetTable::operator=(SheetTable&&) noexcept = default;

void SheetTable::Clear() {
  *this = SheetTable();
}

std::string SheetTable::Cell(int row, int column) const {
  if (row < 1 || column < 1) return "";
  if (records_) {
    if (column > kVirtualFields || row > records_->Count()) return "";
    return FormatText("%.7g", static_cast<double>(records_->Read(row - 1)[column - 1]));
  }
  auto r = static_cast<std::size_t>(row - 1), c = static_cast<std::size_t>(column - 1);
  if (r >= rows_.size() || c >= rows_[r].size()) return "";
  return rows_[r][c];
}

bool SheetTable::IsEmpty(int row, int column) const {
  if (records_) return row < 1 || column < 1 || column > kVirtualFields || row > records_->Count();
  return Cell(row, column).empty();
}

double SheetTable::Number(int row, int column) const {
  if (records_) {
    if (IsEmpty(row, column)) return 0.0;
    return records_->Read(row - 1)[column - 1];
  }
  return ParseCDouble(Cell(row, column));
}

void SheetTable::SetCell(int row, int column, std::string text) {
  if (records_ || row < 1 || column < 1) return;
  auto r = static_cast<std::size_t>(row - 1), c = static_cast<std::size_t>(column - 1);
  if (text.empty() && (r >= rows_.size() || c >= rows_[r].size())) return;
  if (r >= rows_.size()) rows_.resize(r + 1);
  if (c >= rows_[r].size()) rows_[r].resize(c + 1);
  rows_[r][c] = std::move(text);
  max_rows_ = std::max(max_rows_, row);
  max_columns_ = std::max(max_columns_, column);
}

int SheetTable::UsedRows() const {
  if (records_) return static_cast<int>(std::min<std::int64_t>(records_->Count(), INT32_MAX));
  for (std::size_t r = rows_.size(); r > 0; --r)
    if (std::ranges::any_of(rows_[r - 1], [](const std::string& s) { return !s.empty(); }))
      return static_cast<int>(r);
  return 0;
}

int SheetTable::UsedColumns() const {
  if (records_) return virtual_fields_;
  std::size_t used = 0;
  for (const auto& row : rows_)
    for (std::size_t c = row.size(); c > used; --c)
      if (!row[c - 1].empty()) {
        used = c;
        break;
      }
  return static_cast<int>(used);
}

CellType SheetTable::ColumnType(int column) const {
  auto c = static_cast<std::size_t>(column - 1);
  return column >= 1 && c < types_.size() ? types_[c] : CellType::Text;
}

void SheetTable::SetColumnType(int column, CellType type) {
  if (column < 1) return;
  auto c = static_cast<std::size_t>(column - 1);
  if (c >= types_.size()) types_.resize(c + 1, CellType::Text);
  types_[c] = type;
}

void SheetTable::AssignRole(ColumnRole role, int column) {
  roles_[static_cast<std::size_t>(role)] = std::max(column, 0);
  if (const char* format = RoleHeadingFormat(role); format && column > 0)
    SetHeading(column, FormatText(format, ColumnLetters(column).c_str()));
}

void SheetTable::ClearRoles(int column) {
  for (int& assigned : roles_)
    if (assigned == column) assigned = 0;
  SetHeading(column, "");
}

std::string SheetTable::Heading(int column) const {
  auto c = static_cast<std::size_t>(column - 1);
  if (column >= 1 && c < headings_.size() && !headings_[c].empty()) return headings_[c];
  return ColumnLetters(column);
}

void SheetTable::SetHeading(int column, std::string text) {
  if (column < 1) return;
  auto c = static_cast<std::size_t>(column - 1);
  if (c >= headings_.size()) headings_.resize(c + 1);
  headings_[c] = std::move(text);
}

void SheetTable::InsertColumn(int column) {
  if (records_ || column < 1) return;
  for (auto& row : rows_) InsertAt(row, column, std::string());
  InsertAt(types_, column, CellType::Text);
  InsertAt(headings_, column, std::string());
  for (int& assigned : roles_)
    if (assigned >= column) ++assigned;
  ++max_columns_;
}

void SheetTable::DeleteColumn(int column) {
  if (records_ || column < 1) return;
  for (auto& row : rows_) EraseAt(row, column);
  EraseAt(types_, column);
  EraseAt(headings_, column);
  for (int& assigned : roles_)
    if (assigned == column)
      assigned = 0;
    else if (assigned > column)
      --assigned;
}

void SheetTable::InsertRow(int row) {
  if (records_ || row < 1) return;
  InsertAt(rows_, row, std::vector<std::string>());
  ++max_rows_;
}

void SheetTable::DeleteRow(int row) {
  if (records_ || row < 1) return;
  EraseAt(rows_, row);
}

bool SheetTable::SortRows(int column, bool ascending, int first_row, int last_row) {
  if (records_ || column < 1) return false;
  first_row = std::max(first_row, 1);
  last_row = std::min(last_row, UsedRows());
  if (last_row <= first_row) return true;
  rows_.resize(static_cast<std::size_t>(std::max<int>(static_cast<int>(rows_.size()), last_row)));
  const bool numeric = ColumnType(column) != CellType::Text;
  auto c = static_cast<std::size_t>(column - 1);
  auto key = [c](const std::vector<std::string>& row) { return c < row.size() ? row[c] : ""; };
  std::stable_sort(rows_.begin() + (first_row - 1), rows_.begin() + last_row,
                   [&](const auto& a, const auto& b) {
                     std::string ka = key(a), kb = key(b);
                     if (ka.empty() || kb.empty()) return !ka.empty() && kb.empty();
                     if (numeric) {
                       double na = ParseCDouble(ka), nb = ParseCDouble(kb);
                       return ascending ? na < nb : nb < na;
                     }
                     return ascending ? ka < kb : kb < ka;
                   });
  return true;
}

std::string SheetTable::BlockText(int first_row, int first_column, int last_row,
                                  int last_column) const {
  std::string text;
  for (int r = first_row; r <= last_row; ++r) {
    for (int c = first_column; c <= last_column; ++c) {
      if (c > first_column) text += '\t';
      text += Cell(r, c);
    }
    text += "\r\n";
  }
  return text;
}

void SheetTable::SetBlockText(int first_row, int first_column, const std::string& text) {
  int row = first_row;
  for (const std::string& line : SplitLines(text)) {
    int column = first_column;
    for (std::string& cell : SplitText(line, '\t')) SetCell(row, column++, std::move(cell));
    ++row;
  }
}

void SheetTable::EnterVirtualMode(std::unique_ptr<VirtualRecords> records, int fields) {
  rows_.clear();
  records_ = std::move(records);
  virtual_fields_ = std::clamp(fields, 0, kVirtualFields);
}

void SheetTable::LeaveVirtualMode() {
  records_.reset();
  virtual_fields_ = 0;
}

std::string SheetTable::TabText() const {
  int rows = UsedRows(), columns = UsedColumns();
  return rows == 0 ? std::string() : BlockText(1, 1, rows, columns);
}

void SheetTable::LoadTabText(const std::string& text) {
  LeaveVirtualMode();
  rows_.clear();
  SetBlockText(1, 1, text);
}

bool SaveTabFile(const SheetTable& table, const std::string& path) {
  return WriteFileAtomically(path, table.TabText());
}

bool LoadTabFile(SheetTable& table, const std::string& path) {
  std::string text;
  if (!ReadWholeFile(path, text)) return false;
  table.LoadTabText(text);
  return true;
}

}  // namespace quarrix
