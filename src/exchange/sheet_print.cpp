#include "exchange/sheet_print.h"

#include <algorithm>
#include <vector>

namespace quarrix {

namespace {

// Ten-point text with a quarter of its height between rows.
double RowHeight(const DeviceInfo& device) {
  return device.ppi_y * 10.0 / 72.0 * 1.25;
}

struct PageColumn {
  int column;
  double left, width;
};

// The visible columns that fit across the area, each as wide as its widest
// text on the page.
std::vector<PageColumn> ColumnsOnPage(Canvas& canvas, Rect area, const SheetTable& table,
                                      int first_row, int last_row,
                                      const std::set<int>& hidden_columns) {
  const double padding = canvas.Device().ppi_x / 16.0;
  std::vector<PageColumn> columns;
  double left = area.left;
  for (int c = 1; c <= table.UsedColumns(); ++c) {
    if (hidden_columns.contains(c)) continue;
    double width = canvas.TextWidth(table.Heading(c));
    for (int r = first_row; r <= last_row; ++r)
      width = std::max(width, canvas.TextWidth(table.Cell(r, c)));
    width += 2 * padding;
    if (left + width > area.right && !columns.empty()) break;
    columns.push_back({c, left, width});
    left += width;
  }
  return columns;
}

}  // namespace

int SheetRowsPerPage(const DeviceInfo& device, double page_height) {
  // One row of the page carries the headings.
  return std::max(1, static_cast<int>(page_height / RowHeight(device)) - 1);
}

int SheetPageCount(const SheetTable& table, const DeviceInfo& device, double page_height) {
  const int per_page = SheetRowsPerPage(device, page_height);
  return std::max(1, (table.UsedRows() + per_page - 1) / per_page);
}

void DrawSheetPage(Canvas& canvas, Rect area, const SheetTable& table, int page,
                   const std::set<int>& hidden_columns) {
  const DeviceInfo device = canvas.Device();
  const double row_height = RowHeight(device);
  const int per_page = SheetRowsPerPage(device, area.Height());
  const int first_row = page * per_page + 1;
  const int last_row = std::min(table.UsedRows(), first_row + per_page - 1);
  canvas.SetFont({"Arial", static_cast<int>(device.ppi_y * 10.0 / 72.0), 400, 0});
  canvas.SetTextColour(kBlack);
  canvas.SetPen({PenStyle::Solid, 0, kBlack});
  std::vector<PageColumn> columns =
      ColumnsOnPage(canvas, area, table, first_row, last_row, hidden_columns);
  const double padding = device.ppi_x / 16.0;
  for (const PageColumn& column : columns) {
    double y = area.top;
    canvas.Text({column.left + padding, y}, table.Heading(column.column), kAlignLeft | kAlignTop);
    for (int r = first_row; r <= last_row; ++r) {
      y += row_height;
      canvas.Text({column.left + padding, y}, table.Cell(r, column.column), kAlignLeft | kAlignTop);
    }
  }
  if (columns.empty()) return;
  // A rule under the headings.
  canvas.MoveTo({area.left, area.top + row_height});
  canvas.LineTo({columns.back().left + columns.back().width, area.top + row_height});
}

}  // namespace quarrix
