#include "map/gridding_gradients.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quarrix {

void NormaliseWeights(std::vector<NeighbourWeight>& weights) {
  double sum = 0;
  for (const NeighbourWeight& w : weights) sum += w.weight;
  for (NeighbourWeight& w : weights) w.weight /= sum;
}

double SurfaceValue(const std::vector<GridPoint>& points,
                    const std::vector<NeighbourWeight>& normalised) {
  double value = 0;
  for (const NeighbourWeight& w : normalised) value += w.weight * points[w.point].z;
  return value;
}

namespace {

// Slope and steepness of a point on the hull of the data, from the normals of
// the triangles around it.
void HullGradient(GridPoint& point, const std::vector<GridPoint>& points,
                  const std::vector<std::array<int, 3>>& star) {
  double sx = 0, sy = 0, sz = 0, length = 0;
  for (const auto& t : star) {
    const GridPoint& p0 = points[t[0]];
    const GridPoint& p1 = points[t[1]];
    const GridPoint& p2 = points[t[2]];
    double e1x = p0.x - p1.x, e1y = p0.y - p1.y, e1z = p0.z - p1.z;
    double e2x = p0.x - p2.x, e2y = p0.y - p2.y, e2z = p0.z - p2.z;
    double nx = e1y * e2z - e1z * e2y;
    double ny = e1z * e2x - e1x * e2z;
    double nz = e1x * e2y - e1y * e2x;
    if (nz < 0) {
      nx = -nx;
      ny = -ny;
      nz = -nz;
    }
    sx += nx;
    sy += ny;
    sz += nz;
    length += std::sqrt(nx * nx + ny * ny + nz * nz);
  }
  point.s = 1 - std::sqrt(sx * sx + sy * sy + sz * sz) / length;
  point.gx = sx / sz;
  point.gy = sy / sz;
}

// Slope and steepness of an inner point, measured on the triangulation of its
// natural neighbours without it.
void InnerGradient(GridPoint& point, const std::vector<GridPoint>& points,
                   const std::vector<int>& neighbours, int first_pseudo, double wbit) {
  std::vector<GridPoint> local;
  local.reserve(neighbours.size() + 3);
  for (int n : neighbours) local.push_back(points[n]);
  int local_pseudo = static_cast<int>(local.size());
  for (int k = 0; k < 3; ++k) local.push_back(points[first_pseudo + k]);
  DelaunayMesh mesh(local, local_pseudo);
  for (int i = 0; i < local_pseudo; ++i) mesh.Insert(i);

  std::vector<NeighbourWeight> weights;
  auto surface = [&](double x, double y) {
    mesh.NeighbourWeights(x, y, weights);
    NormaliseWeights(weights);
    return SurfaceValue(local, weights);
  };
  double s0 = surface(point.x, point.y);
  double s1 = surface(point.x + wbit, point.y);
  double s2 = surface(point.x, point.y + wbit);
  point.gx = (s0 - s1) / wbit;
  point.gy = (s0 - s2) / wbit;

  double area = 0;
  for (const auto& t : mesh.Triangles()) {
    if (mesh.IsPseudo(t[0]) || mesh.IsPseudo(t[1]) || mesh.IsPseudo(t[2])) continue;
    const GridPoint& a = local[t[0]];
    const GridPoint& b = local[t[1]];
    const GridPoint& c = local[t[2]];
    area += ((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x)) / 2;
  }
  area /= std::numbers::pi;
  double dz = point.z - s0;
  point.s = 1 - std::sqrt(area / (dz * dz + area));
}

}  // namespace

void EstimateGradients(std::vector<GridPoint>& points, int data_count, DelaunayMesh& mesh,
                       const DataPlane& plane, double wbit) {
  std::vector<std::array<int, 3>> star;
  std::vector<int> neighbours;
  for (int i = 0; i < data_count; ++i) {
    mesh.Star(i, star);
    bool on_hull = false;
    neighbours.clear();
    for (const auto& t : star) {
      for (int v : t) {
        if (v == i) continue;
        if (mesh.IsPseudo(v)) on_hull = true;
        if (std::find(neighbours.begin(), neighbours.end(), v) == neighbours.end())
          neighbours.push_back(v);
      }
    }
    if (star.empty()) continue;
    if (on_hull)
      HullGradient(points[i], points, star);
    else
      InnerGradient(points[i], points, neighbours, data_count, wbit);
  }
  for (int k = 0; k < 3; ++k) {
    GridPoint& pseudo = points[data_count + k];
    pseudo.gx = -plane.a1;
    pseudo.gy = -plane.a2;
    pseudo.s = 1;
  }
}

double BlendGradients(const std::vector<GridPoint>& points,
                      const std::vector<NeighbourWeight>& normalised, double x, double y, double v,
                      double tautness1, double tautness2) {
  double sum = 0;
  for (const NeighbourWeight& w : normalised) {
    const GridPoint& p = points[w.point];
    double steep = std::fabs(p.s);
    if (!(w.weight > 1e-5 && w.weight < 2 && steep > 1e-5)) continue;
    double d2 = steep + tautness1;
    double d3 = d2 * tautness2;
    double r = std::pow(w.weight, d3);
    double t = r <= 0.5 ? 2 * r : 2 * (1 - r);
    t = std::pow(t, d2) / 2;
    if (r > 0.5) t = 1 - t;
    double b = std::pow(t, 1 / d3);
    sum += (p.z + p.gx * (p.x - x) + p.gy * (p.y - y) - v) * b;
  }
  return v + sum;
}

}  // namespace quarrix
