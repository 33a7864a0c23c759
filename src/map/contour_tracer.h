#pragma once
// Contour tracing: for each level, the polygons bounding the area at or above
// the level (holes count as high ground), handed to a sink with the level's line
// class. Serves "Contour" plots (filled) and the line pass of "L Contour".
#include <array>
#include <vector>

#include "horizon/horizon_grid.h"
#include "map/contour_types.h"

namespace quarrix {

class Progress;
class Prompter;

enum class ContourError { None, PointLimit, PolygonTooComplex, PolylineTooComplex };

// Most points (separators included) one polygon may hold.
inline constexpr int kContourPointLimit = 31000;

// The class (3, 2 or 1, tried in that order) whose every value divides the level,
// or 0 when none does.
int LineClassOf(int level, const std::array<ContourLineClass, 3>& classes);

// Traces the levels in order until done, cancelled (checked before each level) or
// an error, which is told to the user and ends the whole plot.
ContourError DrawFilledContours(const HorizonGrid& grid, const std::vector<int>& levels,
                                const ContourOptions& options, ContourSink& sink,
                                Progress& progress, Prompter& prompter);

}  // namespace quarrix
