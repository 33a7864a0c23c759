#pragma once
// The digitising edits of the Scan/Contour window on its grid: polylines of
// a contour value walked cell by cell into seeds, taking a contour value up
// again, erasing seeds, gridding the seeds into a surface and taking the
// gridded cells away again. Cells whose registration byte is 8 or above are
// protected: none of these edits changes them.
#include <optional>
#include <string>

#include "map/gridding.h"
#include "scan/scan_document.h"

namespace quarrix {

class Progress;
class Prompter;

// The contour value typed into "Select": a whole number that a grid cell can
// hold; the null value 32700 is refused. Nothing, with the message in
// `problem`, when the text is not such a number.
std::optional<std::int16_t> ParseContourValue(const std::string& text, std::string& problem);

// Contour mode with this value: each click adds a point to the polyline.
void StartContour(ScanDocument& document, std::int16_t value);
void StartAppend(ScanDocument& document);
void StartErase(ScanDocument& document);

// Adds a clicked bitmap pixel to the current polyline.
void AddContourPoint(ScanDocument& document, Point bitmap_pixel);

// Ends the current polyline (Esc): its points are mapped to cells, each
// segment walked as a digital line, and every visited unprotected cell takes
// the contour value and registration 1. Contour mode ends. Returns the
// number of cells set.
int FinishContour(ScanDocument& document);

// Append mode's click: the last non-null value among the cells within four
// pixels of the click becomes the contour value, contour mode resumes and the
// click starts the new polyline. False (mode unchanged) when there is none.
bool AppendAt(ScanDocument& document, Point bitmap_pixel);

// Clears the unprotected cells within eight pixels of the click (null value,
// registration 0). Returns the number of cells that changed.
int EraseAt(ScanDocument& document, Point bitmap_pixel);

// Fills every null cell of the grid from the seeds by natural-neighbour
// gridding; protected cells keep their values. Status texts go to `status`
// ("Start Gridding", "Gridding Finished").
GriddingResult GridScan(ScanDocument& document, Progress& progress, Prompter& prompter,
                        const std::function<void(const std::string&)>& status = {});

// Every cell whose registration byte is 0 becomes null, leaving the seeds and
// protected cells. Returns the number of cells that changed.
int UnGridScan(ScanDocument& document);

}  // namespace quarrix
