#pragma once
// The spreadsheet on paper: the used cells under their headings, as many
// rows per page as fit, columns left to right until the page is full. Drawn
// through Canvas, so the printer, PDF and tests share one routine.
#include <set>

#include "exchange/sheet_table.h"
#include "platform/canvas.h"

namespace quarrix {

// Rows of cells that fit on a page of that height at the device's resolution.
int SheetRowsPerPage(const DeviceInfo& device, double page_height);
// Pages the used rows need (at least 1).
int SheetPageCount(const SheetTable& table, const DeviceInfo& device, double page_height);
// Draws page `page` (from 0) into `area`, leaving out hidden columns.
void DrawSheetPage(Canvas& canvas, Rect area, const SheetTable& table, int page,
                   const std::set<int>& hidden_columns);

}  // namespace quarrix
