#pragma once
// Draws the Scan/Contour window: the scan at the view scale, the grid in
// colour under its dark lines (empty cells show the scan), the seeds, the
// polyline being clicked, the registration corners, the line and trace
// labels around the registered area and the posted wells.
#include "map/horizon_map.h"
#include "scan/scan_document.h"
#include "section/colour_bar.h"

namespace quarrix {

// What the mouse needs: the view scale and the cell frame in device pixels.
struct ScanGeometry {
  double scale = 1.0;
  MapGeometry frame;
};

// The colour bar the grid is shown with, as a map window of the horizon
// shows it in the same scheme (nothing is written).
ColourBar ScanColourBar(const ScanDocument& document);

// The scan with the grid's cells in colour wherever they have a value and
// the scan is not dark (its contour lines and lettering stay on top); the
// scan's own colours are kept to a 4 x 4 x 4 cube beside the grid's.
IndexedImage ComposeColouredScan(const ScanDocument& document);

// The size of the drawing in device pixels.
Point ScanDrawingSize(const ScanDocument& document);

ScanGeometry DrawScan(Canvas& canvas, const ScanDocument& document);

}  // namespace quarrix
