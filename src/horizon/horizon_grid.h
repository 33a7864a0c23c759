#pragma once
// The horizon grid: rows of 16-bit cells, one row per line index and one cell
// per trace index, row-major by line. The same layout holds a horizon's time
// and amplitude grids and every derived grid file kind.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/safe_write.h"

namespace quarrix {

// A cell without a pick, in either grid.
inline constexpr std::int16_t HORIZON_NULL = 32700;

struct HorizonGrid {
  int rows = 0;
  int columns = 0;
  std::vector<std::int16_t> cells;

  HorizonGrid() = default;
  HorizonGrid(int row_count, int column_count, std::int16_t fill = HORIZON_NULL)
      : rows(row_count),
        columns(column_count),
        cells(static_cast<std::size_t>(row_count) * column_count, fill) {}

  std::int16_t* Row(int row) { return cells.data() + static_cast<std::size_t>(row) * columns; }
  const std::int16_t* Row(int row) const {
    return cells.data() + static_cast<std::size_t>(row) * columns;
  }
  std::int16_t& At(int row, int column) { return Row(row)[column]; }
  std::int16_t At(int row, int column) const { return Row(row)[column]; }
  std::size_t CellCount() const { return cells.size(); }
};

// A horizon-format file: a 4-byte style word, the time grid, then (in horizon
// files) the amplitude grid, cells little-endian. Its shape comes from the project.
inline constexpr std::size_t kHorizonStyleBytes = 4;
inline std::size_t GridBytes(const HorizonGrid& grid) {
  return grid.CellCount() * 2;
}

// Cells from little-endian bytes; cells beyond the bytes are left as they were.
// Returns the number of whole cells decoded.
std::size_t DecodeGridCells(std::string_view bytes, HorizonGrid& grid);
std::string EncodeGridCells(const HorizonGrid& grid);

enum class HorizonReadResult { Ok, CannotOpen, Short };

// Reads the time grid (from offset 4) and/or the amplitude grid (behind it) of a
// horizon-format file into grids already shaped for the project. A file too short
// for a requested grid reads as far as it goes and says Short.
HorizonReadResult ReadHorizon(const std::string& path, HorizonGrid* time, HorizonGrid* amplitude);

// The check every reader of a project's horizons makes: the requested grids are
// read only when the file holds them whole. A shorter file (made for another
// project, or cut off) is refused and the grids keep their cells, so missing
// cells never turn into picks and a later write never grows the file. On
// CannotOpen or Short, `problem` says what is wrong in the user's words.
HorizonReadResult ReadWholeHorizon(const std::string& path, HorizonGrid* time,
                                   HorizonGrid* amplitude, std::string& problem);

// "PATH holds N bytes, too few for a R x C grid of this project (NEEDED)".
std::string ShortGridProblem(const std::string& path, unsigned long long held, int rows,
                             int columns, unsigned long long needed);

// Writes the given grids at their offsets in place, creating the file when it does
// not exist and never truncating it: a grid not given keeps its bytes.
bool WriteHorizon(const std::string& path, const HorizonGrid* time, const HorizonGrid* amplitude);

// The bytes of a horizon-format file with the given grids laid over it at
// their offsets; the style word and any grid not given keep their bytes
// (zero when the file was shorter).
std::string OverlayGrids(std::string bytes, const HorizonGrid* time, const HorizonGrid* amplitude);

// Writes the grids as WriteHorizon does but replaces the file whole through a
// temporary, so a failed write leaves the old file (or none) behind. For
// files made whole by one command: slices, flatten files, converted grids.
bool ReplaceHorizon(const std::string& path, const HorizonGrid* time, const HorizonGrid* amplitude);
// ReplaceHorizon in two steps, for many files at once: the new file written
// under its temporary name (null when it could not be), whose Commit then
// finishes it and puts it in place. A file not committed is removed.
std::unique_ptr<OutputFile> WriteHorizonReplacement(const std::string& path,
                                                    const HorizonGrid* time,
                                                    const HorizonGrid* amplitude);

}  // namespace quarrix
