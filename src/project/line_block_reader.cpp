#include "project/line_block_reader.h"

#include <algorithm>
#include <cstring>

namespace quarrix {

int LinesPerBlock(const SurveyHeader& header, std::size_t block_bytes) {
  const std::size_t line_bytes = static_cast<std::size_t>(std::max(header.traces_per_line, 0)) *
                                 static_cast<std::size_t>(std::max(header.trace_bytes, 0));
  const std::size_t lines = line_bytes > 0 ? block_bytes / line_bytes : 1;
  return static_cast<int>(
      std::clamp<std::size_t>(lines, 1, static_cast<std::size_t>(std::max(header.num_lines, 1))));
}

LineBlockReader::LineBlockReader(const AmpFile& file, const SurveyHeader& header,
                                 std::size_t block_bytes)
    : file_(file), header_(header), lines_per_block_(LinesPerBlock(header, block_bytes)) {
  file_.Advise(AccessHint::Sequential);
}

void LineBlockReader::LoadBlockAt(int line_index) {
  const int lines = std::min(lines_per_block_, header_.num_lines - line_index);
  const std::size_t bytes = static_cast<std::size_t>(lines) *
                            static_cast<std::size_t>(header_.traces_per_line) *
                            static_cast<std::size_t>(header_.trace_bytes);
  block_.resize(bytes);
  bytes_held_ = file_.ReadAt(TraceOffset(header_, line_index, 0), block_.data(), bytes);
  first_line_ = line_index;
}

int LineBlockReader::Read(std::int16_t* samples, int line_index, int trace_index, int byte_count,
                          TraceConditioner* conditioner) {
  const bool in_grid = line_index >= 0 && line_index < header_.num_lines && trace_index >= 0 &&
                       trace_index < header_.traces_per_line;
  if (!in_grid || byte_count < 0 || byte_count > header_.trace_bytes)
    return ReadTrace(file_, header_, samples, line_index, trace_index, byte_count, conditioner);
  if (first_line_ < 0 || line_index < first_line_ || line_index >= first_line_ + lines_per_block_)
    LoadBlockAt(line_index);
  const std::size_t at = static_cast<std::size_t>(TraceOffset(header_, line_index, trace_index) -
                                                  TraceOffset(header_, first_line_, 0));
  const std::size_t wanted = static_cast<std::size_t>(byte_count);
  const std::size_t got = at < bytes_held_ ? std::min(wanted, bytes_held_ - at) : 0;
  std::memcpy(samples, block_.data() + at, got);
  return FinishTraceRead(samples, got, byte_count, conditioner);
}

WorkerConditioners::WorkerConditioners(TraceConditioner* conditioner, int threads) {
  workers_.push_back(conditioner);
  for (int worker = 1; worker < threads && conditioner; ++worker) {
    std::unique_ptr<TraceConditioner> clone = conditioner->CloneForWorker();
    if (!clone) {
      workers_.resize(1);
      return;
    }
    workers_.push_back(clone.get());
    clones_.push_back(std::move(clone));
  }
  if (!conditioner) workers_.assign(static_cast<std::size_t>(std::max(threads, 1)), nullptr);
}

LinePassPlan PlanLinePass(const SurveyHeader& header, int lines, int threads) {
  LinePassPlan plan;
  plan.threads = std::max(threads, 1);
  if (plan.threads == 1) return plan;
  const int share = (std::max(lines, 1) + plan.threads - 1) / plan.threads;
  plan.lines_per_task = std::clamp(share, 1, LinesPerBlock(header));
  plan.block_bytes = static_cast<std::size_t>(plan.lines_per_task) *
                     static_cast<std::size_t>(std::max(header.traces_per_line, 0)) *
                     static_cast<std::size_t>(std::max(header.trace_bytes, 0));
  return plan;
}

int ThreadsForWholeFile(const AmpFile& amp, const SurveyHeader& header, int threads) {
  return amp.Size() < header.AmpFileBytes() ? 1 : std::max(threads, 1);
}

}  // namespace quarrix
