#pragma once
// The spreadsheet on paper: the chosen cells under their headings, split into
// pages down the rows and, when the columns are wider than the paper, across
// them too, so that every column is printed. Drawn through Canvas, so the
// printer, PDF and tests share one routine.
#include <set>
#include <vector>

#include "exchange/sheet_editing.h"
#include "exchange/sheet_table.h"
#include "platform/canvas.h"

namespace quarrix {

// "Spreadsheet Print Options".
struct SheetPrintOptions {
  bool selection_only = false;  // the selected block, else the used cells
  bool headings = true;         // column headings at the top of every page
  bool row_numbers = false;     // the row number left of every row
  bool grid_lines = true;       // lines around the cells
};

struct SheetPageColumn {
  int column = 0;  // 0 for the row numbers
  double width = 0;
};

// One page: a run of rows and a run of columns that fit the paper. A column
// wider than the paper gets a page of its own and its text is cut at the edge.
struct SheetPage {
  int first_row = 0, last_row = 0;
  std::vector<SheetPageColumn> columns;
};

// Rows of cells that fit on a page of that height at the device's resolution
// (one row less when the headings are printed).
int SheetRowsPerPage(const DeviceInfo& device, double page_height, bool headings);

// The pages of the block (hidden columns left out), row runs first and the
// column runs of each row run in order. Widths are measured with the canvas,
// each column as wide as its widest text in the block. No page for an empty
// block.
std::vector<SheetPage> PlanSheetPages(Canvas& measure, Rect area, const SheetTable& table,
                                      SheetBlock block, const std::set<int>& hidden_columns,
                                      const SheetPrintOptions& options);

void DrawSheetPage(Canvas& canvas, Rect area, const SheetTable& table, const SheetPage& page,
                   const SheetPrintOptions& options);

}  // namespace quarrix
