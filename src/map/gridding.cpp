#include "map/gridding.h"

#include <algorithm>
#include <new>

#include "map/gridding_engine.h"
#include "platform/prompter.h"

namespace quarrix {
namespace {

// The part of a requested rectangle that lies on the grid.
GridRectangle ClipToGrid(const GridRectangle& area, const HorizonGrid& grid) {
  GridRectangle clipped;
  clipped.first_column = std::max(area.first_column, 0);
  clipped.first_row = std::max(area.first_row, 0);
  long long last_column =
      std::min<long long>(static_cast<long long>(area.first_column) + area.columns, grid.columns);
  long long last_row =
      std::min<long long>(static_cast<long long>(area.first_row) + area.rows, grid.rows);
  clipped.columns = static_cast<int>(std::max<long long>(last_column - clipped.first_column, 0));
  clipped.rows = static_cast<int>(std::max<long long>(last_row - clipped.first_row, 0));
  return clipped;
}

bool AllocateWork(HorizonGrid& work, int rows, int columns, std::vector<std::uint8_t>& wanted,
                  Prompter& prompter) {
  try {
    work = HorizonGrid(rows, columns);
    wanted.assign(work.CellCount(), 0);
    return true;
  } catch (const std::bad_alloc&) {
    prompter.Tell("Unable to allocate storage for **smatrix", "", MessageIcon::Error);
    return false;
  }
}

}  // namespace

GriddingResult GridHorizonArea(HorizonGrid& grid, const GridRectangle& requested,
                               const GridRegion& region, const GriddingOptions& options,
                               Progress& progress, Prompter& prompter) {
  GridRectangle area = ClipToGrid(requested, grid);
  if (area.columns == 0 || area.rows == 0) return GriddingResult::TooFewPoints;
  HorizonGrid work;
  std::vector<std::uint8_t> wanted;
  if (!AllocateWork(work, area.rows, area.columns, wanted, prompter))
    return GriddingResult::OutOfMemory;
  // Cells outside the region are neither data nor written.
  for (int r = 0; r < area.rows; ++r) {
    for (int c = 0; c < area.columns; ++c) {
      int column = area.first_column + c, row = area.first_row + r;
      if (!region.Empty() && !region.ContainsCell(column, row)) continue;
      std::int16_t value = grid.At(row, column);
      work.At(r, c) = value;
      wanted[static_cast<std::size_t>(r) * area.columns + c] = value == HORIZON_NULL;
    }
  }
  GriddingResult result = GridWorkCells(work, wanted, options, "Gridding Data", progress, prompter);
  if (result != GriddingResult::Filled) return result;
  for (int r = 0; r < area.rows; ++r)
    for (int c = 0; c < area.columns; ++c)
      if (wanted[static_cast<std::size_t>(r) * area.columns + c])
        grid.At(area.first_row + r, area.first_column + c) = work.At(r, c);
  return result;
}

GriddingResult InterpolateFaultGrid(HorizonGrid& grid, const GridRectangle& requested,
                                    const GriddingOptions& options, Progress& progress,
                                    Prompter& prompter) {
  GridRectangle area = ClipToGrid(requested, grid);
  if (area.columns == 0 || area.rows == 0) return GriddingResult::TooFewPoints;
  HorizonGrid work;
  std::vector<std::uint8_t> wanted;
  if (!AllocateWork(work, grid.rows, grid.columns, wanted, prompter))
    return GriddingResult::OutOfMemory;
  for (std::size_t i = 0; i < grid.CellCount(); ++i) {
    std::int16_t value = grid.cells[i];
    if (value > kFaultValueOffset && value != HORIZON_NULL)
      work.cells[i] = static_cast<std::int16_t>(value - kFaultValueOffset);
  }
  for (int r = 0; r < area.rows; ++r)
    for (int c = 0; c < area.columns; ++c)
      if (grid.At(area.first_row + r, area.first_column + c) == HORIZON_NULL)
        wanted[static_cast<std::size_t>(area.first_row + r) * grid.columns + area.first_column +
               c] = 1;
  GriddingResult result =
      GridWorkCells(work, wanted, options, "Interpolating Faults", progress, prompter);
  if (result != GriddingResult::Filled) return result;
  for (std::size_t i = 0; i < grid.CellCount(); ++i)
    if (wanted[i]) grid.cells[i] = work.cells[i];
  return result;
}

}  // namespace quarrix
