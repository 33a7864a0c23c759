#include "map/fault_cut_lines.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>

namespace quarrix {
namespace {

constexpr int kSeedFlag = 8192;

// A cell edge: the horizontal edge from (row, column) to (row, column + 1)
// or the vertical one to (row + 1, column).
using EdgeKey = std::tuple<int, int, bool>;

struct Crossing {
  EdgeKey key;
  std::pair<double, double> at;
};

}  // namespace

HorizonGrid NearestFilled(const HorizonGrid& grid) {
  HorizonGrid out = grid;
  std::vector<int> queue;
  for (int i = 0; i < static_cast<int>(out.cells.size()); ++i)
    if (out.cells[i] != HORIZON_NULL) queue.push_back(i);
  for (std::size_t head = 0; head < queue.size(); ++head) {
    const int i = queue[head], r = i / out.columns, c = i % out.columns;
    const int neighbours[4][2] = {{r - 1, c}, {r + 1, c}, {r, c - 1}, {r, c + 1}};
    for (const auto& [nr, nc] : neighbours) {
      if (nr < 0 || nr >= out.rows || nc < 0 || nc >= out.columns) continue;
      std::int16_t& cell = out.At(nr, nc);
      if (cell != HORIZON_NULL) continue;
      cell = out.cells[i];
      queue.push_back(nr * out.columns + nc);
    }
  }
  return out;
}

std::vector<GridPolyline> FaultCutLines(const HorizonGrid& times, const HorizonGrid& fault,
                                        const MapZoom& zoom) {
  std::vector<GridPolyline> lines;
  if (times.rows != fault.rows || times.columns != fault.columns || zoom.Empty()) return lines;
  const HorizonGrid filled = NearestFilled(times);
  // Horizon time less fault time; nothing where either is missing.
  auto difference = [&](int r, int c) -> std::optional<double> {
    int f = fault.At(r, c);
    const int t = filled.At(r, c);
    if (f == HORIZON_NULL || t == HORIZON_NULL) return std::nullopt;
    while (f > kSeedFlag) f -= kSeedFlag;
    return double(t - f);
  };
  // Pieces of line through cells, each joining two edge crossings.
  std::vector<std::pair<Crossing, Crossing>> pieces;
  const int last_row = std::min(zoom.last_row, times.rows - 1);
  const int last_column = std::min(zoom.last_column, times.columns - 1);
  for (int r = std::max(0, zoom.first_row); r < last_row; ++r)
    for (int c = std::max(0, zoom.first_column); c < last_column; ++c) {
      const std::optional<double> d[4] = {difference(r, c), difference(r, c + 1),
                                          difference(r + 1, c + 1), difference(r + 1, c)};
      if (!d[0] || !d[1] || !d[2] || !d[3]) continue;
      const std::pair<int, int> corner[4] = {{r, c}, {r, c + 1}, {r + 1, c + 1}, {r + 1, c}};
      const EdgeKey keys[4] = {{r, c, false}, {r, c + 1, true}, {r + 1, c, false}, {r, c, true}};
      std::vector<Crossing> found;
      for (int k = 0; k < 4; ++k) {
        const double a = *d[k], b = *d[(k + 1) % 4];
        if ((a >= 0) == (b >= 0)) continue;
        const double t = a / (a - b);
        const auto [r0, c0] = corner[k];
        const auto [r1, c1] = corner[(k + 1) % 4];
        found.push_back({keys[k], {r0 + t * (r1 - r0), c0 + t * (c1 - c0)}});
      }
      if (found.size() >= 2) pieces.push_back({found[0], found[1]});
      if (found.size() == 4) pieces.push_back({found[2], found[3]});
    }
  // Pieces that meet on an edge are one line.
  std::multimap<EdgeKey, std::size_t> at_edge;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    at_edge.insert({pieces[i].first.key, i});
    at_edge.insert({pieces[i].second.key, i});
  }
  std::vector<bool> used(pieces.size(), false);
  auto next_piece = [&](const EdgeKey& key) -> std::optional<std::size_t> {
    auto [from, to] = at_edge.equal_range(key);
    for (auto it = from; it != to; ++it)
      if (!used[it->second]) return it->second;
    return std::nullopt;
  };
  // Follows unused pieces from `end` onward, appending their far ends.
  auto extend = [&](Crossing end, std::vector<std::pair<double, double>>& points) {
    while (auto i = next_piece(end.key)) {
      used[*i] = true;
      end = pieces[*i].first.key == end.key ? pieces[*i].second : pieces[*i].first;
      points.push_back(end.at);
    }
  };
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (used[i]) continue;
    used[i] = true;
    std::vector<std::pair<double, double>> forward{pieces[i].first.at, pieces[i].second.at};
    extend(pieces[i].second, forward);
    std::vector<std::pair<double, double>> backward;
    extend(pieces[i].first, backward);
    GridPolyline line;
    line.points.assign(backward.rbegin(), backward.rend());
    line.points.insert(line.points.end(), forward.begin(), forward.end());
    lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<GridPolyline> FaultMapLines(const HorizonGrid& times, const HorizonGrid& fault,
                                        const MapZoom& zoom) {
  std::vector<GridPolyline> lines = FaultCutLines(times, fault, zoom);
  if (!lines.empty() || times.rows != fault.rows || times.columns != fault.columns || zoom.Empty())
    return lines;
  const HorizonGrid filled = NearestFilled(times);
  const int first_row = std::max(0, zoom.first_row), first_column = std::max(0, zoom.first_column);
  const int last_row = std::min(zoom.last_row, times.rows - 1);
  const int last_column = std::min(zoom.last_column, times.columns - 1);
  // Along the lines when more lines than traces hold the fault.
  int rows_set = 0, columns_set = 0;
  for (int r = first_row; r <= last_row; ++r)
    rows_set += std::any_of(fault.Row(r) + first_column, fault.Row(r) + last_column + 1,
                            [](std::int16_t cell) { return cell != HORIZON_NULL; });
  for (int c = first_column; c <= last_column; ++c)
    for (int r = first_row; r <= last_row; ++r)
      if (fault.At(r, c) != HORIZON_NULL) {
        ++columns_set;
        break;
      }
  const bool by_rows = rows_set >= columns_set;
  const int outer_first = by_rows ? first_row : first_column;
  const int outer_last = by_rows ? last_row : last_column;
  const int inner_first = by_rows ? first_column : first_row;
  const int inner_last = by_rows ? last_column : last_row;
  GridPolyline line;
  for (int o = outer_first; o <= outer_last; ++o) {
    int best = -1;
    double closest = 0;
    for (int i = inner_first; i <= inner_last; ++i) {
      const int r = by_rows ? o : i, c = by_rows ? i : o;
      int f = fault.At(r, c);
      if (f == HORIZON_NULL || filled.At(r, c) == HORIZON_NULL) continue;
      while (f > kSeedFlag) f -= kSeedFlag;
      const double gap = std::abs(double(filled.At(r, c)) - f);
      if (best < 0 || gap < closest) best = i, closest = gap;
    }
    if (best >= 0) {
      line.points.push_back(by_rows ? std::pair{double(o), double(best)}
                                    : std::pair{double(best), double(o)});
      continue;
    }
    // A line without the fault ends the piece.
    if (line.points.size() >= 2) lines.push_back(line);
    line.points.clear();
  }
  if (line.points.size() >= 2) lines.push_back(line);
  return lines;
}

}  // namespace quarrix
