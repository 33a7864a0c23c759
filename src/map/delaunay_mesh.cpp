#include "map/delaunay_mesh.h"

namespace quarrix {
namespace {

// The first triangle's circle is a stand-in that holds every point, so that the
// first insertion always replaces it.
constexpr double kStartCentre = 0.5;
constexpr double kStartRadiusSquared = 1e37;

}  // namespace

DelaunayMesh::DelaunayMesh(const std::vector<GridPoint>& points, int first_pseudo)
    : points_(points),
      first_pseudo_(first_pseudo),
      vertex_triangle_(points.size(), -1),
      by_start_(points.size(), -1),
      by_end_(points.size(), -1),
      weight_slot_(points.size(), 0),
      weight_query_(points.size(), 0) {
  Triangle start;
  start.v = {first_pseudo, first_pseudo + 1, first_pseudo + 2};
  if (Orient(start.v[0], start.v[1], points[start.v[2]].x, points[start.v[2]].y) < 0)
    std::swap(start.v[1], start.v[2]);
  start.nb = {-1, -1, -1};
  start.cx = start.cy = kStartCentre;
  start.r2 = kStartRadiusSquared;
  start.alive = true;
  triangles_.push_back(start);
  for (int v : start.v) vertex_triangle_[v] = 0;
}

double DelaunayMesh::Orient(int a, int b, double x, double y) const {
  const GridPoint& pa = points_[a];
  const GridPoint& pb = points_[b];
  return (pb.x - pa.x) * (y - pa.y) - (pb.y - pa.y) * (x - pa.x);
}

int DelaunayMesh::Locate(double x, double y, int hint) const {
  if (hint < 0 || hint >= static_cast<int>(triangles_.size()) || !triangles_[hint].alive) return -1;
  int t = hint;
  std::size_t limit = 2 * triangles_.size() + 16;
  for (std::size_t step = 0; step < limit; ++step) {
    const Triangle& tri = triangles_[t];
    int next = t;
    // Starting the edge tests at a turning index keeps the walk from circling
    // when rounding makes two edges claim the point.
    for (int i = 0; i < 3; ++i) {
      int k = static_cast<int>((i + step) % 3);
      if (Orient(tri.v[(k + 1) % 3], tri.v[(k + 2) % 3], x, y) < 0) {
        next = tri.nb[k];
        break;
      }
    }
    if (next == t) return t;
    if (next < 0) return -1;
    t = next;
  }
  return -1;
}

int DelaunayMesh::FindConflict(double x, double y, int hint) const {
  int t = Locate(x, y, hint);
  if (t >= 0 && InCircle(triangles_[t], x, y)) return t;
  for (std::size_t i = 0; i < triangles_.size(); ++i)
    if (triangles_[i].alive && InCircle(triangles_[i], x, y)) return static_cast<int>(i);
  return -1;
}

template <typename Accept, typename Visit>
void DelaunayMesh::Spread(int seed, Accept accept, Visit visit) {
  ++mark_;
  stack_.clear();
  triangles_[seed].mark = mark_;
  stack_.push_back(seed);
  while (!stack_.empty()) {
    int t = stack_.back();
    stack_.pop_back();
    visit(t);
    for (int n : triangles_[t].nb) {
      if (n < 0 || triangles_[n].mark == mark_ || !accept(triangles_[n])) continue;
      triangles_[n].mark = mark_;
      stack_.push_back(n);
    }
  }
}

void DelaunayMesh::CollectConflicts(double x, double y, int seed, std::vector<int>& conflicts) {
  conflicts.clear();
  Spread(
      seed, [&](const Triangle& t) { return InCircle(t, x, y); },
      [&](int t) { conflicts.push_back(t); });
}

int DelaunayMesh::NewTriangle() {
  if (!free_.empty()) {
    int t = free_.back();
    free_.pop_back();
    return t;
  }
  triangles_.emplace_back();
  return static_cast<int>(triangles_.size()) - 1;
}

void DelaunayMesh::Insert(int point) {
  double px = points_[point].x, py = points_[point].y;
  int seed = FindConflict(px, py, last_);
  if (seed < 0) return;
  CollectConflicts(px, py, seed, conflicts_);

  // The cavity's rim, each edge counter-clockwise as seen from inside. Rounding
  // can leave an edge that the new point does not see; the triangle behind it
  // then joins the cavity so that no new triangle is turned over.
  for (;;) {
    boundary_.clear();
    int hidden = -1;
    for (int t : conflicts_) {
      const Triangle& tri = triangles_[t];
      for (int k = 0; k < 3; ++k) {
        int n = tri.nb[k];
        if (n >= 0 && triangles_[n].mark == mark_) continue;
        int a = tri.v[(k + 1) % 3], b = tri.v[(k + 2) % 3];
        if (hidden < 0 && n >= 0 && !(Orient(a, b, px, py) > 0)) hidden = n;
        boundary_.push_back({a, b, n});
      }
    }
    if (hidden < 0) break;
    triangles_[hidden].mark = mark_;
    conflicts_.push_back(hidden);
  }

  for (int t : conflicts_) {
    triangles_[t].alive = false;
    triangles_[t].mark = 0;
  }
  std::vector<int>& made = made_;
  made.clear();
  for (const BoundaryEdge& edge : boundary_) {
    int t = NewTriangle();
    Triangle& tri = triangles_[t];
    tri.v = {edge.a, edge.b, point};
    tri.nb = {-1, -1, edge.outside};
    Circumcentre c = CircumcentreFrom(px, py, points_[edge.a], points_[edge.b]);
    tri.cx = c.x;
    tri.cy = c.y;
    tri.r2 = (px - c.x) * (px - c.x) + (py - c.y) * (py - c.y);
    tri.alive = true;
    tri.mark = 0;
    if (edge.outside >= 0) {
      Triangle& out = triangles_[edge.outside];
      for (int k = 0; k < 3; ++k)
        if (out.v[k] != edge.a && out.v[k] != edge.b) out.nb[k] = t;
    }
    by_start_[edge.a] = t;
    by_end_[edge.b] = t;
    made.push_back(t);
  }
  for (int t : made) {
    Triangle& tri = triangles_[t];
    tri.nb[0] = by_start_[tri.v[1]];  // across the edge (b, p)
    tri.nb[1] = by_end_[tri.v[0]];    // across the edge (p, a)
    for (int v : tri.v) vertex_triangle_[v] = t;
  }
  for (const BoundaryEdge& edge : boundary_) by_start_[edge.a] = by_end_[edge.b] = -1;
  // Freed only now, so that the new triangles never reuse a slot still being read.
  for (int t : conflicts_) free_.push_back(t);
  if (!made.empty()) last_ = made.front();
}

void DelaunayMesh::AddWatsonAreas(const Triangle& t, const Circumcentre* c,
                                  std::vector<NeighbourWeight>& weights, bool& inside) {
  bool all_positive = true;
  for (int j = 0; j < 3; ++j) {
    const Circumcentre& ca = c[(j + 1) % 3];
    const Circumcentre& cb = c[(j + 2) % 3];
    double area = ((cb.y - t.cy) * (ca.x - t.cx) - (ca.y - t.cy) * (cb.x - t.cx)) / 2;
    if (!(area > 0)) all_positive = false;
    int v = t.v[j];
    if (weight_query_[v] == query_) {
      weights[weight_slot_[v]].weight += area;
    } else {
      weight_query_[v] = query_;
      weight_slot_[v] = static_cast<int>(weights.size());
      weights.push_back({v, area});
    }
  }
  if (all_positive && !IsPseudo(t.v[0]) && !IsPseudo(t.v[1]) && !IsPseudo(t.v[2])) inside = true;
}

bool DelaunayMesh::NeighbourWeights(double x, double y, std::vector<NeighbourWeight>& weights) {
  weights.clear();
  ++query_;
  int seed = FindConflict(x, y, node_hint_);
  if (seed < 0) return false;
  node_hint_ = seed;
  CollectConflicts(x, y, seed, conflicts_);
  // An edge inside the cavity belongs to two of its triangles: its circumcentre
  // with the node is computed once (the result does not depend on the edge's
  // direction) and taken over by the second.
  const std::size_t count = conflicts_.size();
  centres_.resize(3 * count);
  for (std::size_t i = 0; i < count; ++i) triangles_[conflicts_[i]].slot = static_cast<int>(i);
  bool inside = false;
  for (std::size_t i = 0; i < count; ++i) {
    const int t = conflicts_[i];
    const Triangle& tri = triangles_[t];
    Circumcentre* c = &centres_[3 * i];
    for (int k = 0; k < 3; ++k) {
      int n = tri.nb[k];
      if (n >= 0 && triangles_[n].mark == mark_ && triangles_[n].slot < static_cast<int>(i)) {
        const Triangle& other = triangles_[n];
        int kk = other.nb[0] == t ? 0 : other.nb[1] == t ? 1 : 2;
        c[k] = centres_[3 * other.slot + kk];
      } else {
        c[k] = CircumcentreFrom(x, y, points_[tri.v[(k + 1) % 3]], points_[tri.v[(k + 2) % 3]]);
      }
    }
    AddWatsonAreas(tri, c, weights, inside);
  }
  return inside;
}

void DelaunayMesh::Star(int point, std::vector<std::array<int, 3>>& triangles) {
  triangles.clear();
  int seed = vertex_triangle_[point];
  if (seed < 0) return;
  Spread(
      seed,
      [&](const Triangle& t) { return t.v[0] == point || t.v[1] == point || t.v[2] == point; },
      [&](int t) { triangles.push_back(triangles_[t].v); });
}

std::vector<std::array<int, 3>> DelaunayMesh::Triangles() const {
  std::vector<std::array<int, 3>> result;
  for (const Triangle& t : triangles_)
    if (t.alive) result.push_back(t.v);
  return result;
}

}  // namespace quarrix
