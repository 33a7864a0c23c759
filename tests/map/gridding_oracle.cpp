#include "gridding_oracle.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <random>
#include <vector>

#include "map/delaunay_mesh.h"
#include "map/gridding_engine.h"
#include "map/gridding_gradients.h"
#include "platform/numeric.h"

namespace quarrix::testing {
namespace {

struct Simplex {
  std::array<int, 3> v;
  double cx, cy, r2;
};

bool Holds(const Simplex& t, double x, double y) {
  double d = t.r2 - (x - t.cx) * (x - t.cx);
  return d > 0 && d - (y - t.cy) * (y - t.cy) > 0;
}

// Bowyer-Watson over a plain list: the pseudo-points (from first_pseudo) make
// the first triangle, then `order` is inserted.
std::vector<Simplex> Triangulate(const std::vector<GridPoint>& p, int first_pseudo,
                                 const std::vector<int>& order) {
  std::vector<Simplex> list = {
      {{first_pseudo, first_pseudo + 1, first_pseudo + 2}, 0.5, 0.5, 1e37}};
  for (int i : order) {
    std::vector<std::array<int, 2>> edges;
    std::vector<Simplex> kept;
    for (const Simplex& t : list) {
      if (!Holds(t, p[i].x, p[i].y)) {
        kept.push_back(t);
        continue;
      }
      for (std::array<int, 2> e :
           {std::array{t.v[1], t.v[2]}, {t.v[0], t.v[2]}, {t.v[0], t.v[1]}}) {
        auto same = std::find(edges.begin(), edges.end(), e);
        if (same != edges.end())
          edges.erase(same);
        else
          edges.push_back(e);
      }
    }
    for (auto [a, b] : edges) {
      Circumcentre c = CircumcentreFrom(p[i].x, p[i].y, p[a], p[b]);
      double r2 = (p[i].x - c.x) * (p[i].x - c.x) + (p[i].y - c.y) * (p[i].y - c.y);
      kept.push_back({{a, b, i}, c.x, c.y, r2});
    }
    list = kept;
  }
  return list;
}

// Unnormalised Sibson weights of a position; true when it lies inside a
// triangle of data points. Triangles are taken counter-clockwise.
bool Weights(const std::vector<GridPoint>& p, const std::vector<Simplex>& list, int first_pseudo,
             double x, double y, std::vector<NeighbourWeight>& weights) {
  weights.clear();
  bool inside = false;
  for (const Simplex& t : list) {
    if (!Holds(t, x, y)) continue;
    const GridPoint &p0 = p[t.v[0]], &p1 = p[t.v[1]], &p2 = p[t.v[2]];
    double turn = (p1.x - p0.x) * (p2.y - p0.y) - (p1.y - p0.y) * (p2.x - p0.x);
    double sign = turn < 0 ? -1 : 1;
    Circumcentre c[3] = {CircumcentreFrom(x, y, p1, p2), CircumcentreFrom(x, y, p2, p0),
                         CircumcentreFrom(x, y, p0, p1)};
    bool positive = true;
    for (int j = 0; j < 3; ++j) {
      const Circumcentre &ca = c[(j + 1) % 3], &cb = c[(j + 2) % 3];
      double area = sign * ((cb.y - t.cy) * (ca.x - t.cx) - (ca.y - t.cy) * (cb.x - t.cx)) / 2;
      positive = positive && area > 0;
      auto w = std::find_if(weights.begin(), weights.end(),
                            [&](const NeighbourWeight& n) { return n.point == t.v[j]; });
      if (w == weights.end())
        weights.push_back({t.v[j], area});
      else
        w->weight += area;
    }
    if (positive && t.v[0] < first_pseudo) inside = true;
  }
  return inside;
}

double Surface(const std::vector<GridPoint>& p, const std::vector<Simplex>& list, int first_pseudo,
               double x, double y) {
  std::vector<NeighbourWeight> w;
  Weights(p, list, first_pseudo, x, y, w);
  NormaliseWeights(w);
  return SurfaceValue(p, w);
}

void Gradients(std::vector<GridPoint>& p, int n, const std::vector<Simplex>& list,
               const DataPlane& plane, double wbit) {
  for (int i = 0; i < n; ++i) {
    std::vector<Simplex> star;
    std::vector<int> neighbours;
    bool hull = false;
    for (const Simplex& t : list) {
      if (t.v[0] != i && t.v[1] != i && t.v[2] != i) continue;
      star.push_back(t);
      for (int v : t.v) {
        if (v == i) continue;
        hull = hull || v >= n;
        if (std::find(neighbours.begin(), neighbours.end(), v) == neighbours.end())
          neighbours.push_back(v);
      }
    }
    if (hull) {
      double sx = 0, sy = 0, sz = 0, length = 0;
      for (const Simplex& t : star) {
        const GridPoint &a = p[t.v[0]], &b = p[t.v[1]], &c = p[t.v[2]];
        double e1[3] = {a.x - b.x, a.y - b.y, a.z - b.z}, e2[3] = {a.x - c.x, a.y - c.y, a.z - c.z};
        double nx = e1[1] * e2[2] - e1[2] * e2[1], ny = e1[2] * e2[0] - e1[0] * e2[2],
               nz = e1[0] * e2[1] - e1[1] * e2[0];
        double f = nz < 0 ? -1 : 1;
        sx += f * nx;
        sy += f * ny;
        sz += f * nz;
        length += std::sqrt(nx * nx + ny * ny + nz * nz);
      }
      p[i].s = 1 - std::sqrt(sx * sx + sy * sy + sz * sz) / length;
      p[i].gx = sx / sz;
      p[i].gy = sy / sz;
      continue;
    }
    std::vector<GridPoint> local;
    for (int v : neighbours) local.push_back(p[v]);
    int m = static_cast<int>(local.size());
    for (int k = 0; k < 3; ++k) local.push_back(p[n + k]);
    std::vector<int> order(m);
    for (int k = 0; k < m; ++k) order[k] = k;
    std::vector<Simplex> tri = Triangulate(local, m, order);
    double s0 = Surface(local, tri, m, p[i].x, p[i].y);
    double s1 = Surface(local, tri, m, p[i].x + wbit, p[i].y);
    double s2 = Surface(local, tri, m, p[i].x, p[i].y + wbit);
    p[i].gx = (s0 - s1) / wbit;
    p[i].gy = (s0 - s2) / wbit;
    double area = 0;
    for (const Simplex& t : tri) {
      if (t.v[0] >= m) continue;
      const GridPoint &a = local[t.v[0]], &b = local[t.v[1]], &c = local[t.v[2]];
      area += std::fabs((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x)) / 2;
    }
    area /= std::numbers::pi;
    p[i].s = 1 - std::sqrt(area / ((p[i].z - s0) * (p[i].z - s0) + area));
  }
  for (int k = 0; k < 3; ++k) p[n + k].gx = -plane.a1, p[n + k].gy = -plane.a2, p[n + k].s = 1;
}

}  // namespace

HorizonGrid OracleGridHorizonArea(const HorizonGrid& grid, const GridRectangle& area,
                                  const GridRegion& region, const GriddingOptions& options) {
  auto in_area = [&](int r, int c) {
    return region.Empty() || region.ContainsCell(area.first_column + c, area.first_row + r);
  };
  std::vector<GridPoint> p;
  for (int r = 0; r < area.rows; ++r)
    for (int c = 0; c < area.columns; ++c)
      if (std::int16_t v = grid.At(area.first_row + r, area.first_column + c);
          in_area(r, c) && v != HORIZON_NULL)
        p.push_back({double(c), double(r), double(v)});
  const int n = static_cast<int>(p.size());
  if (n < 4) return grid;
  DataPlane plane = FitPlane(p, p.size());
  double xmin = -1, xmax = area.columns, ymin = -1, ymax = area.rows, zmin = p[0].z, zmax = zmin;
  for (const GridPoint& q : p) {
    xmin = std::min(xmin, q.x), xmax = std::max(xmax, q.x);
    ymin = std::min(ymin, q.y), ymax = std::max(ymax, q.y);
    zmin = std::min(zmin, q.z), zmax = std::max(zmax, q.z);
  }
  double xr = xmax - xmin, yr = ymax - ymin, zr = zmax - zmin;
  if (options.apply_gradient &&
      (zr / xr > 60 || zr / yr > 60 || zr / xr < 0.017 || zr / yr < 0.017))
    return grid;
  double wbit = 1e-5 * std::max(xr, yr);
  for (auto [u, v] : {std::pair{-1.0, -1.0}, {5.0, -1.0}, {-1.0, 5.0}}) {
    GridPoint q{u * xr * 10 + xmin, v * yr * 10 + ymin};
    q.z = plane.At(q.x, q.y);
    p.push_back(q);
  }
  std::mt19937 random(367);
  for (int i = 0; i < n; ++i) {
    p[i].x += wbit * (0.5 - random() / 4294967296.0);
    p[i].y += wbit * (0.5 - random() / 4294967296.0);
  }
  std::vector<int> order(n);
  for (int i = 0; i < n; ++i) order[i] = i;
  std::vector<Simplex> list = Triangulate(p, n, order);
  if (options.apply_gradient) Gradients(p, n, list, plane, wbit);

  HorizonGrid result = grid;
  double sx = area.columns > 1 ? (area.columns - 1 + 1e-8) / (area.columns - 1) : 1;
  double sy = area.rows > 1 ? (area.rows - 1 + 1e-8) / (area.rows - 1) : 1;
  std::vector<NeighbourWeight> w;
  for (int r = 0; r < area.rows; ++r) {
    for (int c = 0; c < area.columns; ++c) {
      std::int16_t& cell = result.At(area.first_row + r, area.first_column + c);
      if (!in_area(r, c) || cell != HORIZON_NULL) continue;
      double x = c * sx, y = r * sy;
      bool inside = Weights(p, list, n, x, y, w);
      if (!options.extrapolate && !inside) continue;
      NormaliseWeights(w);
      double value = SurfaceValue(p, w);
      if (options.apply_gradient)
        value = BlendGradients(p, w, x, y, value, options.tautness1, options.tautness2);
      cell = Trunc16(value + 0.5);
    }
  }
  return result;
}

}  // namespace quarrix::testing
