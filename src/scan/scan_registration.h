#pragma once
// Registration of a scan to the survey grid: the two clicked corners are the
// centres of the first and last cells (upper left the first line and trace,
// lower right the last) and the cells between them spread linearly; lines
// run down the scan, or across it when the survey's orientation lays them
// across its maps.
#include <optional>
#include <string>

#include "map/horizon_map.h"
#include "scan/scan_document.h"

namespace quarrix {

// The cell frame over the scan in bitmap pixels scaled by `scale` (device
// pixels); empty when the scan is not registered or there is no grid.
MapGeometry ScanFrame(const ScanDocument& document, double scale = 1.0);

// The cell under a bitmap pixel; a pixel outside the data area gives the
// nearest edge cell. Nothing when the scan is not registered.
std::optional<GridCell> ScanCellAt(const ScanDocument& document, Point bitmap_pixel);

// The corner click of the current corner mode. The upper-left corner is
// kept and the lower-right one asked for; the lower-right corner must lie to
// the right of and below the upper-left one, else the returned message says
// so and the mode stays. After the second corner the scan is registered and
// the mode ends. Clicks beyond the scan are taken at its edge.
std::string SelectCorner(ScanDocument& document, Point bitmap_pixel);

// Starts corner selection again ("Corners").
void StartCornerSelection(ScanDocument& document);

}  // namespace quarrix
