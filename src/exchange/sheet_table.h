#pragma once
// The data of the Import/Export spreadsheet: rows of text cells (rows and
// columns numbered from 1), a cell type per column, the column roles the user
// assigns, and the virtual mode in which rows come from a temporary file of
// 15-float records. Every spreadsheet command is a function over this model.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "exchange/virtual_records.h"
#include "platform/text_util.h"

namespace quarrix {

enum class CellType { Integer, Float, Text };

enum class ColumnRole {
  Line,
  Trace,
  X,
  Y,
  Z,
  Amp,
  FtnTime,
  FtnDepth,
  WellName,
  WellType,
  WellDepth,
  WellTime,
  WellTitle,
  WellLgv,
};
inline constexpr int kColumnRoleCount = 14;

// The import null value: Z and Amp values equal to it become the horizon null.
inline constexpr float kImportNull = 1.0e37f;

class SheetTable {
 public:
  static constexpr int kNewColumns = 20;
  static constexpr int kNewRows = 1000;

  SheetTable();
  ~SheetTable();
  SheetTable(SheetTable&&) noexcept;
  SheetTable& operator=(SheetTable&&) noexcept;

  // "New": every cell, type, heading and role cleared; virtual mode left.
  void Clear();

  int max_rows() const { return max_rows_; }
  int max_columns() const { return max_columns_; }
  void SetMaxRows(int rows) { max_rows_ = rows; }
  void SetMaxColumns(int columns) { max_columns_ = columns; }

  // Text of a cell ("" when empty or outside the sheet). In virtual mode the
  // value of the row's record, for the first 15 columns.
  std::string Cell(int row, int column) const;
  bool IsEmpty(int row, int column) const;
  // The cell as a number: its decimal prefix (0 for text that is no number).
  double Number(int row, int column) const;
  // Sets a cell, widening the sheet when needed. Ignored in virtual mode.
  void SetCell(int row, int column, std::string text);

  // The last row and column that hold data (0 for an empty sheet).
  int UsedRows() const;
  int UsedColumns() const;

  CellType ColumnType(int column) const;
  void SetColumnType(int column, CellType type);

  // The column that carries a role (0 when unassigned).
  int RoleColumn(ColumnRole role) const { return roles_[static_cast<std::size_t>(role)]; }
  // Assigns a role; the column's heading then shows it, as "(A)Line" (the
  // Well LGV role keeps the heading, which names a group).
  void AssignRole(ColumnRole role, int column);
  // "No Select": the roles of this column are cleared, its heading too.
  void ClearRoles(int column);
  // The heading shown above a column: the text set for it, else its letters.
  std::string Heading(int column) const;
  void SetHeading(int column, std::string text);

  void InsertColumn(int column);
  void DeleteColumn(int column);
  void InsertRow(int row);
  void DeleteRow(int row);

  // Sorts rows first_row..last_row by one column ("Min to Max" ascending,
  // "Max to Min" descending); numeric columns compare as numbers, text columns
  // as text; empty cells go last. False in virtual mode.
  bool SortRows(int column, bool ascending, int first_row, int last_row);

  // A block as tab-separated text, rows ending in CR LF, and back.
  std::string BlockText(int first_row, int first_column, int last_row, int last_column) const;
  void SetBlockText(int first_row, int first_column, const std::string& text);

  // Virtual mode: rows come from records; the sheet's own cells are cleared.
  void EnterVirtualMode(std::unique_ptr<VirtualRecords> records, int fields);
  void LeaveVirtualMode();
  bool virtual_mode() const { return records_ != nullptr; }
  VirtualRecords* records() const { return records_.get(); }

  // "SSSaveTabFile" / "SSLoadTabFile": the used range as tab-separated text
  // (CR LF rows); loading replaces the cells and leaves virtual mode.
  std::string TabText() const;
  void LoadTabText(const std::string& text);

 private:
  std::vector<std::vector<std::string>> rows_;  // index row - 1, each as long as its data
  std::vector<CellType> types_;                 // index column - 1; Text beyond
  std::vector<std::string> headings_;           // index column - 1
  std::array<int, kColumnRoleCount> roles_{};
  int max_rows_ = kNewRows;
  int max_columns_ = kNewColumns;
  std::unique_ptr<VirtualRecords> records_;
  int virtual_fields_ = 0;
};

bool SaveTabFile(const SheetTable& table, const std::string& path);
bool LoadTabFile(SheetTable& table, const std::string& path);

}  // namespace quarrix
