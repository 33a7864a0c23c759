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
    : file_(file),
      header_(header),
      total_records_(static_cast<std::int64_t>(std::max(header.num_lines, 0)) *
                     std::max(header.traces_per_line, 0)) {
  const std::size_t record_bytes = static_cast<std::size_t>(std::max(header.trace_bytes, 1));
  records_per_block_ =
      static_cast<std::int64_t>(std::max<std::size_t>(block_bytes / record_bytes, 1));
  file_.Advise(AccessHint::Sequential);
}

void LineBlockReader::LoadBlockAt(std::int64_t record) {
  const std::int64_t records = std::min(records_per_block_, total_records_ - record);
  const std::size_t bytes =
      static_cast<std::size_t>(records) * static_cast<std::size_t>(header_.trace_bytes);
  block_.resize(bytes);
  bytes_held_ = file_.ReadAt(record * header_.trace_bytes, block_.data(), bytes);
  first_record_ = record;
}

// The byte of the block where the record starts, reading the block that
// begins with it when it is not held.
std::size_t LineBlockReader::PlaceOf(int line_index, int trace_index) {
  const std::int64_t record =
      static_cast<std::int64_t>(line_index) * header_.traces_per_line + trace_index;
  if (first_record_ < 0 || record < first_record_ || record >= first_record_ + records_per_block_)
    LoadBlockAt(record);
  return static_cast<std::size_t>(record - first_record_) *
         static_cast<std::size_t>(header_.trace_bytes);
}

int LineBlockReader::Read(std::int16_t* samples, int line_index, int trace_index, int byte_count,
                          TraceConditioner* conditioner) {
  const bool in_grid = line_index >= 0 && line_index < header_.num_lines && trace_index >= 0 &&
                       trace_index < header_.traces_per_line;
  if (!in_grid || byte_count < 0 || byte_count > header_.trace_bytes)
    return ReadTrace(file_, header_, samples, line_index, trace_index, byte_count, conditioner);
  const std::size_t at = PlaceOf(line_index, trace_index);
  const std::size_t wanted = static_cast<std::size_t>(byte_count);
  const std::size_t got = at < bytes_held_ ? std::min(wanted, bytes_held_ - at) : 0;
  std::memcpy(samples, block_.data() + at, got);
  return FinishTraceRead(samples, got, byte_count, conditioner);
}

const std::int16_t* LineBlockReader::Record(int line_index, int trace_index, int* held) {
  if (line_index < 0 || line_index >= header_.num_lines || trace_index < 0 ||
      trace_index >= header_.traces_per_line || header_.trace_bytes <= 0 ||
      header_.trace_bytes % 2 != 0)
    return nullptr;
  const std::size_t at = PlaceOf(line_index, trace_index);
  const std::size_t record_bytes = static_cast<std::size_t>(header_.trace_bytes);
  if (at + record_bytes > bytes_held_) return nullptr;
  if (held) *held = static_cast<int>((bytes_held_ - at) / record_bytes);
  return reinterpret_cast<const std::int16_t*>(block_.data() + at);
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
  plan.lines_per_task = std::clamp(share, 1, LinesPerBlock(header, kLineTaskBytes));
  return plan;
}

int ThreadsForWholeFile(const AmpFile& amp, const SurveyHeader& header, int threads) {
  return amp.Size() < header.AmpFileBytes() ? 1 : std::max(threads, 1);
}

}  // namespace quarrix
