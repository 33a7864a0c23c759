#pragma once
// Uniform cubic B-spline smoothing of a polyline in device points.
#include <vector>

#include "map/contour_types.h"

namespace quarrix {

// k output points per span. Closed curves have one span per point (control points
// taken round the end), open ones n - 3. The result has spans * (k - 1) + 1 points
// (each span's last point is the next span's first); it is empty for fewer than
// 5 points or k < 1, and the caller then keeps its points.
std::vector<DevicePoint> SmoothCurve(const std::vector<DevicePoint>& points, bool closed, int k);

}  // namespace quarrix
