#include "exchange/sheet_print.h"

#include <algorithm>
#include <string>

namespace quarrix {

namespace {

double FontHeight(const DeviceInfo& device) {
  return device.ppi_y * 10.0 / 72.0;
}

// Ten-point text with a quarter of its height between rows.
double RowHeight(const DeviceInfo& device) {
  return FontHeight(device) * 1.25;
}

void SetSheetFont(Canvas& canvas) {
  canvas.SetFont({"Arial", static_cast<int>(FontHeight(canvas.Device())), 400, 0});
}

double Padding(const DeviceInfo& device) {
  return device.ppi_x / 16.0;
}

std::string CellOnPage(const SheetTable& table, int row, int column) {
  return column == 0 ? std::to_string(row) : table.Cell(row, column);
}

std::string HeadingOnPage(const SheetTable& table, int column) {
  return column == 0 ? "" : table.Heading(column);
}

// Each printed column as wide as its widest text in the block.
std::vector<SheetPageColumn> MeasureColumns(Canvas& measure, const SheetTable& table,
                                            SheetBlock block, const std::set<int>& hidden_columns,
                                            const SheetPrintOptions& options) {
  const double padding = Padding(measure.Device());
  std::vector<SheetPageColumn> columns;
  if (options.row_numbers)
    columns.push_back({0, measure.TextWidth(std::to_string(block.last_row)) + 2 * padding});
  for (int c = block.first_column; c <= block.last_column; ++c) {
    if (hidden_columns.contains(c)) continue;
    double width = options.headings ? measure.TextWidth(table.Heading(c)) : 0.0;
    for (int r = block.first_row; r <= block.last_row; ++r)
      width = std::max(width, measure.TextWidth(table.Cell(r, c)));
    columns.push_back({c, width + 2 * padding});
  }
  return columns;
}

}  // namespace

int SheetRowsPerPage(const DeviceInfo& device, double page_height, bool headings) {
  return std::max(1, static_cast<int>(page_height / RowHeight(device)) - (headings ? 1 : 0));
}

std::vector<SheetPage> PlanSheetPages(Canvas& measure, Rect area, const SheetTable& table,
                                      SheetBlock block, const std::set<int>& hidden_columns,
                                      const SheetPrintOptions& options) {
  std::vector<SheetPage> pages;
  if (block.empty()) return pages;
  SetSheetFont(measure);
  std::vector<SheetPageColumn> all = MeasureColumns(measure, table, block, hidden_columns, options);
  // The row numbers, when printed, repeat on every run of columns.
  std::vector<SheetPageColumn> lead;
  if (options.row_numbers) {
    lead.push_back(all.front());
    all.erase(all.begin());
  }
  if (all.empty()) return pages;
  double lead_width = 0;
  for (const SheetPageColumn& c : lead) lead_width += c.width;
  std::vector<std::vector<SheetPageColumn>> runs;
  double used = 0;
  for (const SheetPageColumn& column : all) {
    // A new run when this column does not fit beside the run's other columns.
    if (runs.empty() || (used + column.width > area.Width() && runs.back().size() > lead.size())) {
      runs.push_back(lead);
      used = lead_width;
    }
    runs.back().push_back(column);
    used += column.width;
  }
  const int per_page = SheetRowsPerPage(measure.Device(), area.Height(), options.headings);
  for (int first = block.first_row; first <= block.last_row; first += per_page)
    for (const auto& run : runs)
      pages.push_back({first, std::min(block.last_row, first + per_page - 1), run});
  return pages;
}

void DrawSheetPage(Canvas& canvas, Rect area, const SheetTable& table, const SheetPage& page,
                   const SheetPrintOptions& options) {
  const DeviceInfo device = canvas.Device();
  const double row_height = RowHeight(device);
  const double padding = Padding(device);
  SetSheetFont(canvas);
  canvas.SetTextColour(kBlack);
  canvas.SetPen({PenStyle::Solid, 0, kBlack});
  const int rows = page.last_row - page.first_row + 1 + (options.headings ? 1 : 0);
  const double bottom = area.top + rows * row_height;
  double left = area.left;
  for (const SheetPageColumn& column : page.columns) {
    // A column wider than the paper is cut at its edge.
    const double right = std::min(left + column.width, area.right);
    canvas.SetClip({left, area.top, right, bottom});
    double y = area.top;
    if (options.headings) {
      canvas.Text({left + padding, y}, HeadingOnPage(table, column.column), kAlignLeft | kAlignTop);
      y += row_height;
    }
    for (int r = page.first_row; r <= page.last_row; ++r, y += row_height)
      canvas.Text({left + padding, y}, CellOnPage(table, r, column.column), kAlignLeft | kAlignTop);
    canvas.ClearClip();
    left = right;
  }
  if (page.columns.empty()) return;
  if (options.grid_lines) {
    double x = area.left;
    canvas.MoveTo({x, area.top});
    canvas.LineTo({x, bottom});
    for (const SheetPageColumn& column : page.columns) {
      x = std::min(x + column.width, area.right);
      canvas.MoveTo({x, area.top});
      canvas.LineTo({x, bottom});
    }
    for (int k = 0; k <= rows; ++k) {
      canvas.MoveTo({area.left, area.top + k * row_height});
      canvas.LineTo({x, area.top + k * row_height});
    }
  } else if (options.headings) {
    // A rule under the headings.
    double x = area.left;
    for (const SheetPageColumn& column : page.columns) x = std::min(x + column.width, area.right);
    canvas.MoveTo({area.left, area.top + row_height});
    canvas.LineTo({x, area.top + row_height});
  }
}

}  // namespace quarrix
