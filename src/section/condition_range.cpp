#include "section/condition_range.h"

#include <memory>
#include <vector>

#include "platform/parallel.h"
#include "platform/progress.h"
#include "project/line_block_reader.h"

namespace quarrix {
namespace {

// One worker's reader, trace buffer and count of failed traces.
struct ListingWorker {
  ListingWorker(const AmpFile& amp, const SurveyHeader& header, std::size_t block_bytes)
      : reader(amp, header, block_bytes),
        // Room for every byte read, even when a header gives an odd record length.
        trace(static_cast<std::size_t>(header.trace_bytes + 1) / 2) {}
  LineBlockReader reader;
  std::vector<std::int16_t> trace;
  long long failed = 0;
};

std::string ListLine(int i, const SurveyHeader& header, TraceConditioner* conditioner,
                     ListingWorker& worker) {
  std::string text;
  for (int j = 0; j < header.traces_per_line; ++j) {
    std::fill(worker.trace.begin(), worker.trace.end(), std::int16_t{0});
    if (worker.reader.Read(worker.trace.data(), i, j, header.trace_bytes, conditioner) != 0)
      ++worker.failed;
    text += std::to_string(i);
    text += ' ';
    text += std::to_string(j);
    for (std::int16_t v : worker.trace) {
      text += ' ';
      text += std::to_string(v);
    }
    text += '\n';
  }
  return text;
}

}  // namespace

ConditionedListing ListConditionedLines(const AmpFile& amp, const SurveyHeader& header,
                                        TraceConditioner* conditioner, LineRange lines, int threads,
                                        Progress& progress) {
  ConditionedListing listing;
  const WorkerConditioners conditioners(conditioner, ThreadsForWholeFile(amp, header, threads));
  const LinePassPlan plan = PlanLinePass(header, lines.count(), conditioners.threads());
  std::vector<std::unique_ptr<ListingWorker>> workers;
  for (int w = 0; w < conditioners.threads(); ++w)
    workers.push_back(std::make_unique<ListingWorker>(amp, header, plan.block_bytes));
  std::vector<std::string> texts(static_cast<std::size_t>(std::max(lines.count(), 0)));
  progress.SetRange(0, lines.count());
  listing.cancelled = !ForEachLineBatch(
      lines.count(), conditioners.threads(), plan.lines_per_task,
      [&](int w, int first_line, int end_line) {
        for (int k = first_line; k < end_line; ++k)
          texts[static_cast<std::size_t>(k)] = ListLine(
              lines.first + k, header, conditioners.For(w), *workers[static_cast<std::size_t>(w)]);
      },
      [&](int lines_done) {
        progress.SetPosition(lines_done);
        return !progress.Cancelled();
      });
  for (const std::string& text : texts) listing.text += text;
  for (const auto& worker : workers) listing.failed += worker->failed;
  return listing;
}

}  // namespace quarrix
