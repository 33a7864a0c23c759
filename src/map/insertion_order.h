#pragma once
// The order in which gridding inserts its points into the triangulation.
#include <cstdint>
#include <vector>

namespace quarrix {

// Position of the cell (column, row) along a Hilbert curve over a square of
// side 2^31: cells close on the curve are close on the grid.
std::uint64_t HilbertKey(std::uint32_t column, std::uint32_t row);

// The indexes of the cells, sorted along the Hilbert curve (ties, which only
// a repeated cell can make, keep their given order). Inserted in this order,
// each point lands beside the last one and the triangles it replaces are few
// and near, where row by row a new row first meets the long thin triangles
// fanned out from the whole previous row.
std::vector<int> HilbertInsertionOrder(const std::vector<std::uint32_t>& columns,
                                       const std::vector<std::uint32_t>& rows);

}  // namespace quarrix
