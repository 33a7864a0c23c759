#include "horizon/time_slices.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <optional>

#include "platform/numeric.h"
#include "platform/parallel.h"
#include "platform/paths.h"
#include "platform/process_group.h"
#include "platform/progress.h"
#include "platform/prompter.h"
#include "platform/text_util.h"
#include "project/line_block_reader.h"

namespace quarrix {
namespace {

// Slice grids held at once: at most this many cells in all (256 MiB).
constexpr std::size_t kMaxGroupCells = std::size_t{128} << 20;

// Fills the lines of one group of slices, a batch of lines at a time; false
// when cancelled. A trace that cannot be read is missing: its cells are null in
// every slice, never the samples of the trace before it, and it is counted in
// `unreadable`.
bool FillGroup(const SurveyHeader& h, const AmpFile& amp, const WorkerConditioners& conditioners,
               const std::vector<int>& sample_of_slice, const HorizonGrid* shift, LineRange lines,
               std::vector<HorizonGrid>& grids, Progress& progress, long long& unreadable) {
  const int threads = conditioners.threads();
  const LinePassPlan plan = PlanLinePass(h, lines.count(), threads);
  std::vector<std::vector<std::int16_t>> traces(static_cast<std::size_t>(threads),
                                                std::vector<std::int16_t>(h.num_samples, 0));
  std::vector<long long> unreadable_of(static_cast<std::size_t>(threads), 0);
  const bool whole_records = h.num_samples * 2 <= h.trace_bytes;
  const bool all_inside = std::all_of(sample_of_slice.begin(), sample_of_slice.end(),
                                      [&](int k) { return k >= 0 && k < h.num_samples; });
  std::vector<std::unique_ptr<LineBlockReader>> readers;
  for (int worker = 0; worker < threads; ++worker)
    readers.push_back(std::make_unique<LineBlockReader>(amp, h, plan.block_bytes));
  auto fill_lines = [&](int worker, int first_line, int end_line) {
    std::vector<std::int16_t>& trace = traces[static_cast<std::size_t>(worker)];
    LineBlockReader& reader = *readers[static_cast<std::size_t>(worker)];
    TraceConditioner* conditioner = conditioners.For(worker);
    std::vector<std::int16_t*> rows(grids.size());
    // One trace: copied out (conditioned, or where the file is short) unless
    // the block holds it; its cells null when it cannot be read.
    auto one_trace = [&](int i, int j) {
      const std::int16_t* record = conditioner || !whole_records ? nullptr : reader.Record(i, j);
      if (!record && reader.Read(trace.data(), i, j, h.num_samples * 2, conditioner) != 0) {
        ++unreadable_of[static_cast<std::size_t>(worker)];
        for (std::int16_t* row : rows) row[j] = HORIZON_NULL;
        return;
      }
      const int s = shift ? Trunc32(shift->At(i, j) / h.sample_rate) : 0;
      for (std::size_t n = 0; n < rows.size(); ++n) {
        const long long k = static_cast<long long>(sample_of_slice[n]) - s;
        if (k < 0 || k >= h.num_samples)
          rows[n][j] = HORIZON_NULL;
        else
          rows[n][j] = record ? SampleFromFileOrder(record[k]) : trace[static_cast<std::size_t>(k)];
      }
    };
    const bool in_place = !conditioner && whole_records && !shift && all_inside;
    const std::size_t stride = static_cast<std::size_t>(h.trace_bytes / 2);
    for (int i = lines.first + first_line; i < lines.first + end_line; ++i) {
      for (std::size_t n = 0; n < grids.size(); ++n) rows[n] = grids[n].Row(i);
      for (int j = 0; j < h.traces_per_line;) {
        int held = 0;
        const std::int16_t* first = in_place ? reader.Record(i, j, &held) : nullptr;
        if (!first) {
          one_trace(i, j++);
          continue;
        }
        // The common case: a run of traces the block holds, one slice at a
        // time, so each slice's row is written in order.
        const int count = std::min(held, h.traces_per_line - j);
        for (std::size_t n = 0; n < rows.size(); ++n) {
          const std::int16_t* sample = first + sample_of_slice[n];
          std::int16_t* row = rows[n] + j;
          for (int t = 0; t < count; ++t)
            row[t] = SampleFromFileOrder(sample[static_cast<std::size_t>(t) * stride]);
        }
        j += count;
      }
    }
  };
  progress.SetRange(0, lines.count());
  const bool finished = ForEachLineBatch(lines.count(), threads, plan.lines_per_task, fill_lines,
                                         [&](int lines_done) {
                                           progress.SetPosition(lines_done);
                                           return !progress.Cancelled();
                                         });
  for (long long count : unreadable_of) unreadable += count;
  return finished;
}

// Saves the slice files on the pass's threads, a run of them at a time: each
// is written and started on its way to the disk, then each is finished and
// put in place, so that the waits for the disk overlap. After a failure no
// further file is written (those written are finished); saved[k] says which
// files were saved.
void SaveSlices(const std::vector<std::string>& paths, const std::vector<HorizonGrid>& grids,
                int threads, std::vector<char>& saved) {
  constexpr std::size_t kFilesAtOnce = 64;  // open files at a time
  std::atomic<bool> failed{false};
  for (std::size_t first = 0; first < paths.size() && !failed; first += kFilesAtOnce) {
    const std::size_t count = std::min(kFilesAtOnce, paths.size() - first);
    std::vector<std::unique_ptr<OutputFile>> written(count);
    RunParallel(static_cast<int>(count), threads, [&](int, int n) {
      if (failed) return;
      const std::size_t k = first + static_cast<std::size_t>(n);
      auto& out = written[static_cast<std::size_t>(n)];
      out = WriteHorizonReplacement(paths[k], &grids[k], nullptr);
      if (out)
        out->StartWriteBack();
      else
        failed = true;
    });
    // Every file written is finished, also after another failed.
    RunParallel(static_cast<int>(count), threads, [&](int, int n) {
      auto& out = written[static_cast<std::size_t>(n)];
      if (!out) return;
      saved[first + static_cast<std::size_t>(n)] = out->Commit() ? 1 : 0;
      if (!saved[first + static_cast<std::size_t>(n)]) failed = true;
    });
  }
}

// Puts every process's lines of the grids together on the first process.
void GatherLines(ProcessGroup& group, LineRange lines, std::vector<HorizonGrid>& grids) {
  if (group.Size() == 1) return;
  for (HorizonGrid& grid : grids) {
    const std::size_t bytes =
        static_cast<std::size_t>(lines.count()) * grid.columns * sizeof(std::int16_t);
    std::vector<char> all =
        group.GatherOnFirst(reinterpret_cast<const char*>(grid.Row(lines.first)), bytes);
    if (group.IsFirst()) std::memcpy(grid.cells.data(), all.data(), all.size());
  }
}

}  // namespace

std::string SliceFileName(int time_ms, bool flattened) {
  return FormatText(flattened ? "%04dflt.slc" : "%04d.slc", time_ms);
}

std::vector<int> SliceTimes(const SliceRequest& r) {
  std::vector<int> times;
  if (r.increment_ms <= 0) return {r.start_ms};
  for (long long t = r.start_ms; t <= r.end_ms; t += r.increment_ms)
    times.push_back(static_cast<int>(t));
  return times;
}

SliceRun GenerateTimeSlices(const SurveyHeader& h, AmpFile& amp, TraceConditioner* conditioner,
                            const std::string& project_folder, const SliceRequest& request,
                            Progress& progress, Prompter& prompter) {
  SliceRun run;
  const bool flattened = request.flatten && request.flatten->on &&
                         request.flatten->shift.rows == h.num_lines &&
                         request.flatten->shift.columns == h.traces_per_line;
  const HorizonGrid* shift = flattened ? &request.flatten->shift : nullptr;
  const std::vector<int> times = SliceTimes(request);
  const std::size_t cells =
      std::max<std::size_t>(static_cast<std::size_t>(h.num_lines) * h.traces_per_line, 1);
  const std::size_t group_size = std::max<std::size_t>(kMaxGroupCells / cells, 1);
  const WorkerConditioners conditioners(conditioner, ThreadsForWholeFile(amp, h, request.threads));
  SingleProcess alone;
  ProcessGroup& group = request.group ? *request.group : alone;
  const LineRange lines = LinesOfRank(h.num_lines, group.Rank(), group.Size());
  for (std::size_t first = 0; first < times.size() && !run.cancelled; first += group_size) {
    const std::size_t count = std::min(group_size, times.size() - first);
    std::vector<int> sample_of_slice;
    std::vector<HorizonGrid> grids;
    grids.reserve(count);
    for (std::size_t n = 0; n < count; ++n) {
      sample_of_slice.push_back(Trunc32((times[first + n] - h.start_time) / h.sample_rate));
      grids.emplace_back(h.num_lines, h.traces_per_line);
    }
    progress.SetLabel(SliceFileName(times[first], false));
    long long unreadable = 0;  // every group reads the same traces
    const bool filled =
        FillGroup(h, amp, conditioners, sample_of_slice, shift, lines, grids, progress, unreadable);
    run.unreadable_traces = group.Sum(unreadable);
    if (!group.AllOk(filled)) {
      run.cancelled = true;
      break;
    }
    GatherLines(group, lines, grids);
    std::vector<std::string> paths;
    for (std::size_t n = 0; n < count; ++n)
      paths.push_back(JoinPath(project_folder, SliceFileName(times[first + n], flattened)));
    std::vector<char> saved(count, group.IsFirst() ? 0 : 1);
    if (group.IsFirst()) SaveSlices(paths, grids, conditioners.threads(), saved);
    std::optional<std::string> unsaved;
    for (std::size_t n = 0; n < count; ++n) {
      if (saved[n])
        run.written.push_back(paths[n]);
      else if (!unsaved)
        unsaved = paths[n];
    }
    if (!group.AllOk(!unsaved)) {
      if (unsaved)
        prompter.Tell("Cannot write the time slice " + *unsaved, "Time Slice", MessageIcon::Error);
      return run;
    }
  }
  if (!group.IsFirst()) return run;
  if (run.unreadable_traces > 0)
    prompter.Tell(FormatText("%lld traces could not be read from %s; their cells are null in "
                             "every slice",
                             run.unreadable_traces, amp.path().c_str()),
                  "Time Slice", MessageIcon::Warning);
  prompter.Tell("Generate Time Slice Finished", "Time Slice", MessageIcon::Information);
  return run;
}

}  // namespace quarrix
