#pragma once
// Gradient planes for gridding with "Apply Gradient": each data point gets the
// slope of the surface around it (negated, as gx and gy) and a steepness weight,
// and node values are blended towards the neighbours' planes.
#include <vector>

#include "map/delaunay_mesh.h"
#include "map/gridding_engine.h"

namespace quarrix {

// points: the data points, then the three pseudo-points (from data_count on).
// wbit is the small step used to measure slopes inside the data.
void EstimateGradients(std::vector<GridPoint>& points, int data_count, DelaunayMesh& mesh,
                       const DataPlane& plane, double wbit);

// The natural-neighbour value at (x, y) from normalised weights.
double SurfaceValue(const std::vector<GridPoint>& points,
                    const std::vector<NeighbourWeight>& normalised);

// Normalises weights by their sum, in place.
void NormaliseWeights(std::vector<NeighbourWeight>& weights);

// The surface value v at (x, y) blended with the neighbours' gradient planes.
double BlendGradients(const std::vector<GridPoint>& points,
                      const std::vector<NeighbourWeight>& normalised, double x, double y, double v,
                      double tautness1, double tautness2);

}  // namespace quarrix
