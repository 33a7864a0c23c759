#pragma once
// Draws the Scan/Contour window: the scan at the view scale, the grid in
// colour over it (empty cells leave the scan visible), the seeds, the
// polyline being clicked, the registration corners and the posted wells.
#include "map/horizon_map.h"
#include "scan/scan_document.h"
#include "section/colour_bar.h"

namespace quarrix {

// What the mouse needs: the view scale and the cell frame in device pixels.
struct ScanGeometry {
  double scale = 1.0;
  MapGeometry frame;
};

// The colour bar the grid is shown with: the horizon's own ".col" file (the
// default time colours when it has none) for scheme 0, else the colour set
// stretched over the grid's values.
ColourBar ScanColourBar(const ScanDocument& document);

// The size of the drawing in device pixels.
Point ScanDrawingSize(const ScanDocument& document);

ScanGeometry DrawScan(Canvas& canvas, const ScanDocument& document);

}  // namespace quarrix
