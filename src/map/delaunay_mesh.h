#pragma once
// The Delaunay triangulation that natural-neighbour gridding interpolates over.
// Points are inserted one at a time (Bowyer-Watson): the triangles whose
// circumcircle strictly holds the new point are found by walking to the point
// and spreading to neighbours, so an insertion only touches the triangles near
// it. The same locality serves the natural-neighbour weights of a grid node.
#include <array>
#include <cstdint>
#include <vector>

namespace quarrix {

// One gridding point: position, value, and the gradient plane
// z + gx * (xp - x) + gy * (yp - y) with its steepness weight s.
struct GridPoint {
  double x = 0, y = 0, z = 0;
  double gx = 0, gy = 0, s = 0;
};

struct NeighbourWeight {
  int point = 0;
  double weight = 0;
};

struct Circumcentre {
  double x = 0, y = 0;
};

// The centre of the circle through p, a and b, solved relative to p. The result
// does not depend on the order of a and b, to the last bit.
inline Circumcentre CircumcentreFrom(double px, double py, const GridPoint& a, const GridPoint& b) {
  double dx1 = a.x - px, dy1 = a.y - py, dx2 = b.x - px, dy2 = b.y - py;
  double c1 = (dx1 * (a.x + px) + dy1 * (a.y + py)) / 2;
  double c2 = (dx2 * (b.x + px) + dy2 * (b.y + py)) / 2;
  double det = dx1 * dy2 - dx2 * dy1;
  return {(c1 * dy2 - c2 * dy1) / det, (dx1 * c2 - dx2 * c1) / det};
}

class DelaunayMesh {
 public:
  // points[first_pseudo .. first_pseudo + 2] are the three enclosing pseudo-points,
  // which form the starting triangle; the other points are added with Insert.
  DelaunayMesh(const std::vector<GridPoint>& points, int first_pseudo);

  void Insert(int point);
  // Adds the natural-neighbour (Sibson) weights of the position, not yet
  // normalised, to `weights` (cleared first). Returns whether the position lies
  // inside a triangle made of data points only.
  bool NeighbourWeights(double x, double y, std::vector<NeighbourWeight>& weights);
  // The triangles that have `point` as a vertex, as vertex triples.
  void Star(int point, std::vector<std::array<int, 3>>& triangles);
  // Every live triangle, counter-clockwise.
  std::vector<std::array<int, 3>> Triangles() const;

  bool IsPseudo(int point) const { return point >= first_pseudo_ && point < first_pseudo_ + 3; }

 private:
  struct Triangle {
    std::array<int, 3> v{};   // counter-clockwise
    std::array<int, 3> nb{};  // neighbour across the edge opposite v[k], or -1
    double cx = 0, cy = 0, r2 = 0;
    std::uint32_t mark = 0;
    int slot = 0;  // position in the current conflict list
    bool alive = false;
  };
  struct BoundaryEdge {
    int a, b, outside;
  };

  bool InCircle(const Triangle& t, double x, double y) const {
    double d = t.r2 - (x - t.cx) * (x - t.cx);
    return d > 0 && d - (y - t.cy) * (y - t.cy) > 0;
  }
  double Orient(int a, int b, double x, double y) const;
  int Locate(double x, double y, int hint) const;
  // The triangle to start a circumcircle search from: the one holding (x, y), or
  // failing that any triangle whose circumcircle holds it; -1 when none does.
  int FindConflict(double x, double y, int hint) const;
  // Visits the seed and every triangle reached from it through accepted neighbours.
  template <typename Accept, typename Visit>
  void Spread(int seed, Accept accept, Visit visit);
  // Marks the connected triangles whose circumcircles hold (x, y), starting at `seed`.
  void CollectConflicts(double x, double y, int seed, std::vector<int>& conflicts);
  int NewTriangle();
  // centres[k]: the circumcentre of (x, y) with the edge opposite vertex k.
  void AddWatsonAreas(const Triangle& t, const Circumcentre* centres,
                      std::vector<NeighbourWeight>& weights, bool& inside);

  const std::vector<GridPoint>& points_;
  int first_pseudo_;
  std::vector<Triangle> triangles_;
  std::vector<int> free_;
  std::vector<int> vertex_triangle_;
  std::vector<int> by_start_, by_end_;
  std::vector<int> conflicts_, stack_;
  std::vector<Circumcentre> centres_;
  // Where each point's entry sits in the weights of the current node.
  std::vector<int> weight_slot_;
  std::vector<std::uint32_t> weight_query_;
  std::uint32_t query_ = 0;
  std::vector<BoundaryEdge> boundary_;
  std::vector<int> made_;  // the triangles of the latest insertion
  std::uint32_t mark_ = 0;
  int last_ = 0;
  int node_hint_ = 0;
};

}  // namespace quarrix
