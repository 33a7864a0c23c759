#include "loader/group_load_merge.h"

#include <algorithm>

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

std::string EncodeRankReport(const RankLoadReport& report) {
  GroupBytesWriter out;
  out.PutVector(report.maxima);
  out.PutVector(report.skipped);
  out.PutVector(report.placed);
  return out.Take();
}

bool DecodeRankReports(const char* data, std::size_t bytes, int count,
                       std::vector<RankLoadReport>& reports) {
  GroupBytesReader in(data, bytes);
  reports.assign(static_cast<std::size_t>(std::max(count, 0)), {});
  for (RankLoadReport& report : reports)
    if (!in.GetVector(report.maxima) || !in.GetVector(report.skipped) ||
        !in.GetVector(report.placed))
      return false;
  return in.AtEnd();
}

MergedLoad MergeRankReports(const std::vector<RankLoadReport>& reports, std::int64_t cell_count) {
  MergedLoad merged;
  merged.maxima.assign(static_cast<std::size_t>(std::max<std::int64_t>(cell_count, 0)), 0.0f);
  // The rank that last wrote each cell; -1 where none did yet.
  std::vector<std::int32_t> writer(merged.maxima.size(), -1);
  for (std::size_t rank = 0; rank < reports.size(); ++rank) {
    const RankLoadReport& report = reports[rank];
    auto skip = report.skipped.begin();
    for (float m : report.maxima) {
      const long long index = merged.traces;
      merged.stats.Add(m, index);
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
    for (const PlacedCell& placed : report.placed) {
      if (placed.cell < 0 || placed.cell >= cell_count) continue;
      const auto cell = static_cast<std::size_t>(placed.cell);
      if (writer[cell] >= 0) merged.rewrites.push_back({placed.cell, static_cast<int>(rank)});
      writer[cell] = static_cast<std::int32_t>(rank);
      merged.maxima[cell] = placed.maximum;
    }
  }
  // A cell written by three processes is rewritten by the last one only.
  std::vector<CellRewrite> last;
  for (const CellRewrite& rewrite : merged.rewrites)
    if (writer[static_cast<std::size_t>(rewrite.cell)] == rewrite.rank) last.push_back(rewrite);
  std::sort(last.begin(), last.end(),
            [](const CellRewrite& a, const CellRewrite& b) { return a.cell < b.cell; });
  last.erase(
      std::unique(last.begin(), last.end(),
                  [](const CellRewrite& a, const CellRewrite& b) { return a.cell == b.cell; }),
      last.end());
  merged.rewrites = std::move(last);
  return merged;
}

}  // namespace quarrix
