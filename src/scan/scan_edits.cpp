#include "scan/scan_edits.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "fault/fault_segment.h"
#include "platform/parallel.h"
#include "platform/prompter.h"
#include "platform/text_util.h"
#include "scan/scan_registration.h"

namespace quarrix {
namespace {

constexpr int kAppendReach = 4;  // pixels around an Append click
constexpr int kEraseReach = 8;   // pixels around an Erase click

bool Protected(const ScanDocument& document, int row, int column) {
  return document.registration.At(row, column) >= kRegProtected;
}

// The inclusive cell rectangle covering the pixels within `reach` of p.
struct CellBox {
  int first_row, last_row, first_column, last_column;
};
CellBox CellsAround(const ScanDocument& document, Point p, int reach) {
  CellBox box{document.grid.rows, -1, document.grid.columns, -1};
  for (double dx : {-reach, reach})
    for (double dy : {-reach, reach})
      if (auto cell = ScanCellAt(document, {p.x + dx, p.y + dy})) {
        box.first_row = std::min(box.first_row, cell->row);
        box.last_row = std::max(box.last_row, cell->row);
        box.first_column = std::min(box.first_column, cell->column);
        box.last_column = std::max(box.last_column, cell->column);
      }
  return box;
}

bool SetSeed(ScanDocument& document, int row, int column) {
  if (row < 0 || column < 0 || row >= document.grid.rows || column >= document.grid.columns)
    return false;
  if (Protected(document, row, column)) return false;
  document.grid.At(row, column) = document.contour_value;
  document.registration.At(row, column) = kRegSeed;
  return true;
}

}  // namespace

std::optional<std::int16_t> ParseContourValue(const std::string& text, std::string& problem) {
  const std::string trimmed = Trim(text);
  long value = 0;
  const char* end = trimmed.data() + trimmed.size();
  const char* begin = trimmed.data() + (!trimmed.empty() && trimmed[0] == '+' ? 1 : 0);
  auto [stop, error] = std::from_chars(begin, end, value);
  if (trimmed.empty() || error != std::errc() || stop != end) {
    problem = "The contour value must be a whole number.";
    return std::nullopt;
  }
  if (value < -32768 || value > 32767) {
    problem = "The contour value must lie between -32768 and 32767.";
    return std::nullopt;
  }
  if (value == HORIZON_NULL) {
    problem = "32700 marks an empty cell and cannot be a contour value.";
    return std::nullopt;
  }
  return static_cast<std::int16_t>(value);
}

void StartContour(ScanDocument& document, std::int16_t value) {
  document.contour_value = value;
  document.current.clear();
  document.mode = ScanMode::Contour;
}

void StartAppend(ScanDocument& document) {
  document.current.clear();
  document.mode = ScanMode::Append;
}

void StartErase(ScanDocument& document) {
  document.current.clear();
  document.mode = ScanMode::Erase;
}

void AddContourPoint(ScanDocument& document, Point p) {
  document.current.push_back(p);
}

int FinishContour(ScanDocument& document) {
  std::vector<Point> points = std::move(document.current);
  document.current.clear();
  document.mode = ScanMode::Idle;
  if (points.empty() || !document.CanDigitise()) return 0;
  std::vector<GridCell> cells;
  for (const Point& p : points) cells.push_back(*ScanCellAt(document, p));
  int set = 0;
  for (std::size_t k = 0; k + 1 < cells.size(); ++k)
    WalkLine(cells[k].column, cells[k].row, cells[k + 1].column, cells[k + 1].row,
             [&](int column, int row) { set += SetSeed(document, row, column); });
  set += SetSeed(document, cells.back().row, cells.back().column);
  document.polylines.push_back(std::move(points));
  document.unsaved = true;
  return set;
}

bool AppendAt(ScanDocument& document, Point p) {
  if (!document.CanDigitise()) return false;
  const CellBox box = CellsAround(document, p, kAppendReach);
  std::optional<std::int16_t> found;
  for (int row = box.first_row; row <= box.last_row; ++row)
    for (int column = box.first_column; column <= box.last_column; ++column)
      if (document.grid.At(row, column) != HORIZON_NULL) found = document.grid.At(row, column);
  if (!found) return false;
  StartContour(document, *found);
  AddContourPoint(document, p);
  return true;
}

int EraseAt(ScanDocument& document, Point p) {
  if (!document.CanDigitise()) return 0;
  const CellBox box = CellsAround(document, p, kEraseReach);
  int changed = 0;
  for (int row = box.first_row; row <= box.last_row; ++row)
    for (int column = box.first_column; column <= box.last_column; ++column) {
      if (Protected(document, row, column)) continue;
      std::int16_t& cell = document.grid.At(row, column);
      std::uint8_t& reg = document.registration.At(row, column);
      if (cell == HORIZON_NULL && reg == kRegNone) continue;
      cell = HORIZON_NULL;
      reg = kRegNone;
      ++changed;
    }
  if (changed) document.unsaved = true;
  return changed;
}

GriddingResult GridScan(ScanDocument& document, Progress& progress, Prompter& prompter,
                        const std::function<void(const std::string&)>& status) {
  if (status) status("Start Gridding");
  // Gridding fills every null cell; protected ones (blanked cells among
  // them) must stay as they are, so they are put back afterwards.
  HorizonGrid& grid = document.grid;
  std::vector<std::size_t> kept;
  for (std::size_t k = 0; k < grid.cells.size(); ++k)
    if (document.registration.bytes[k] >= kRegProtected) kept.push_back(k);
  std::vector<std::int16_t> kept_values;
  for (std::size_t k : kept) kept_values.push_back(grid.cells[k]);
  const GridRectangle whole{0, 0, grid.columns, grid.rows};
  GriddingOptions options;
  options.threads = MachineThreadCount();
  const GriddingResult result =
      GridHorizonArea(grid, whole, GridRegion{}, options, progress, prompter);
  for (std::size_t k = 0; k < kept.size(); ++k) grid.cells[kept[k]] = kept_values[k];
  if (result == GriddingResult::Filled) document.unsaved = true;
  if (result == GriddingResult::TooFewPoints)
    prompter.Tell("Too few digitised cells to grid: at least 4 are needed.", "Warning");
  if (status) status("Gridding Finished");
  return result;
}

int UnGridScan(ScanDocument& document) {
  int changed = 0;
  for (std::size_t k = 0; k < document.grid.cells.size(); ++k)
    if (document.registration.bytes[k] == kRegNone && document.grid.cells[k] != HORIZON_NULL) {
      document.grid.cells[k] = HORIZON_NULL;
      ++changed;
    }
  if (changed) document.unsaved = true;
  return changed;
}

}  // namespace quarrix
