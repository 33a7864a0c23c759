#include "loader/group_load_merge.h"

#include <algorithm>
#include <map>

#include "loader/group_bytes.h"
#include "platform/text_util.h"

namespace quarrix {

std::vector<int> FileRunsBySize(const std::vector<std::int64_t>& file_bytes, int ranks) {
  ranks = std::max(ranks, 1);
  const int files = static_cast<int>(file_bytes.size());
  std::vector<std::int64_t> before(file_bytes.size() + 1, 0);
  for (int k = 0; k < files; ++k)
    before[static_cast<std::size_t>(k) + 1] =
        before[static_cast<std::size_t>(k)] + std::max<std::int64_t>(file_bytes[k], 0);
  const std::int64_t total = before.back();
  std::vector<int> runs(static_cast<std::size_t>(ranks) + 1, files);
  for (int r = 0; r < ranks; ++r) {
    // The first file starting at or after this process's share of the bytes.
    const std::int64_t share = total / ranks * r + total % ranks * r / ranks;
    runs[static_cast<std::size_t>(r)] = static_cast<int>(
        std::lower_bound(before.begin(), before.end() - 1, share) - before.begin());
  }
  return runs;
}

std::vector<PlacedCell> LastPerCell(std::vector<PlacedCell> writes) {
  std::stable_sort(writes.begin(), writes.end(),
                   [](const PlacedCell& a, const PlacedCell& b) { return a.cell < b.cell; });
  std::vector<PlacedCell> last;
  for (const PlacedCell& write : writes) {
    if (!last.empty() && last.back().cell == write.cell)
      last.back() = write;
    else
      last.push_back(write);
  }
  return last;
}

std::vector<CellRun> CellRuns(const std::vector<PlacedCell>& cells) {
  std::vector<CellRun> runs;
  for (const PlacedCell& placed : cells) {
    if (!runs.empty() && runs.back().first + runs.back().count == placed.cell)
      ++runs.back().count;
    else
      runs.push_back({placed.cell, 1});
  }
  return runs;
}

std::string EncodeRankReport(const RankLoadReport& report, ReportParts parts) {
  // The cells go as runs; a scaling pass also needs each cell's maximum,
  // which follows in the runs' cell order.
  const std::vector<float> no_maxima;
  std::vector<float> cell_maxima;
  if (parts.cell_maxima)
    for (const PlacedCell& placed : report.placed) cell_maxima.push_back(placed.maximum);
  GroupBytesWriter out;
  out.Put(report.traces);
  out.PutVector(parts.maxima ? report.maxima : no_maxima);
  out.PutVector(report.skipped);
  out.PutVector(report.placed.empty() ? report.runs : CellRuns(report.placed));
  out.PutVector(cell_maxima);
  return out.Take();
}

bool DecodeRankReports(const char* data, std::size_t bytes, int count,
                       std::vector<RankLoadReport>& reports) {
  GroupBytesReader in(data, bytes);
  reports.assign(static_cast<std::size_t>(std::max(count, 0)), {});
  for (RankLoadReport& report : reports) {
    std::vector<float> cell_maxima;
    if (!in.Get(report.traces) || !in.GetVector(report.maxima) || !in.GetVector(report.skipped) ||
        !in.GetVector(report.runs) || !in.GetVector(cell_maxima) || report.traces < 0 ||
        (!report.maxima.empty() && report.maxima.size() != static_cast<std::size_t>(report.traces)))
      return false;
    if (cell_maxima.empty()) continue;
    // Each cell's entry again, from the runs and the maxima in their order.
    std::size_t next = 0;
    for (const CellRun& run : report.runs)
      for (std::int64_t cell = run.first; cell < run.first + run.count; ++cell) {
        if (run.count < 0 || next >= cell_maxima.size()) return false;
        report.placed.push_back({cell, 0, cell_maxima[next++]});
      }
    if (next != cell_maxima.size()) return false;
  }
  return in.AtEnd();
}

namespace {

// The cells written by more than one process, each rewritten by the last of
// them, from every process's runs in rank order; sorted by cell. Found from
// where runs begin and end, so that it takes no memory per cell of the grid.
std::vector<CellRewrite> RewritesOfRuns(const std::vector<std::vector<CellRun>>& runs,
                                        std::int64_t cell_count) {
  struct Edge {
    std::int64_t at;
    std::int32_t rank;
    int step;  // +1 where a run begins, -1 after its last cell
  };
  std::vector<Edge> edges;
  for (std::size_t rank = 0; rank < runs.size(); ++rank)
    for (const CellRun& run : runs[rank]) {
      if (run.first < 0 || run.count <= 0 || run.first >= cell_count) continue;
      const std::int64_t end = run.first + std::min(run.count, cell_count - run.first);
      edges.push_back({run.first, static_cast<std::int32_t>(rank), 1});
      edges.push_back({end, static_cast<std::int32_t>(rank), -1});
    }
  std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.at < b.at; });
  std::vector<CellRewrite> rewrites;
  std::map<std::int32_t, int> open;  // runs covering the cells from here on, per rank
  for (std::size_t k = 0; k < edges.size(); ++k) {
    const Edge& edge = edges[k];
    if ((open[edge.rank] += edge.step) == 0) open.erase(edge.rank);
    // The cells up to the next edge are covered by the runs open now.
    if (k + 1 == edges.size() || edges[k + 1].at == edge.at || open.size() < 2) continue;
    const std::int32_t writer = open.rbegin()->first;
    for (std::int64_t cell = edge.at; cell < edges[k + 1].at; ++cell)
      rewrites.push_back({cell, writer});
  }
  return rewrites;
}

}  // namespace

MergedLoad MergeRankReports(const std::vector<RankLoadReport>& reports, std::int64_t cell_count,
                            bool cell_maxima) {
  MergedLoad merged;
  if (cell_maxima)
    merged.maxima.assign(static_cast<std::size_t>(std::max<std::int64_t>(cell_count, 0)), 0.0f);
  std::vector<std::vector<CellRun>> runs;
  for (const RankLoadReport& report : reports) {
    auto skip = report.skipped.begin();
    for (std::int64_t k = 0; k < report.traces; ++k) {
      const long long index = merged.traces;
      if (!report.maxima.empty())
        merged.stats.Add(report.maxima[static_cast<std::size_t>(k)], index);
      ++merged.traces;
      if (merged.traces % 1000 == 0)
        merged.messages.push_back(FormatText("Converting %lld Traces", merged.traces));
      if (skip != report.skipped.end() && skip->index == index) {
        merged.messages.push_back(
            FormatText("Skip Trace  line %d trace %d", skip->line, skip->trace));
        ++merged.skipped;
        ++skip;
      }
    }
    // A later process's trace at a cell came later in the input.
    for (const PlacedCell& placed : report.placed)
      if (cell_maxima && placed.cell >= 0 && placed.cell < cell_count)
        merged.maxima[static_cast<std::size_t>(placed.cell)] = placed.maximum;
    runs.push_back(report.runs.empty() ? CellRuns(report.placed) : report.runs);
  }
  merged.rewrites = RewritesOfRuns(runs, cell_count);
  return merged;
}

}  // namespace quarrix
