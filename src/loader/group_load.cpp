#include "loader/group_load.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <optional>

#include "loader/disk_coverage.h"
#include "loader/grid_writer.h"
#include "loader/group_bytes.h"
#include "loader/group_load_merge.h"
#include "loader/header_scan.h"
#include "loader/input_maxima.h"
#include "loader/load_decisions.h"
#include "loader/project_output.h"
#include "loader/trace_placement.h"
#include "loader/trace_scaling.h"
#include "platform/file_message.h"
#include "platform/parallel.h"
#include "platform/positioned_file.h"
#include "platform/process_group.h"
#include "platform/progress.h"
#include "platform/prompter.h"
#include "platform/text_util.h"
#include "project/amp_file.h"

namespace quarrix {
namespace {

const char kCannotOpenInput[] = "Cannot open input file!!";

// The most bytes of input records read in one go.
constexpr std::size_t kReadBytes = std::size_t{16} << 20;

// One input file of this process and where its traces sit in the whole input.
struct InputFile {
  std::string path;
  std::int64_t first_index = 0;  // input place of its first trace
  std::int64_t records = 0;      // whole trace records
  std::size_t cut_bytes = 0;     // bytes of a last, incomplete record
};

// What every process needs from the first one to place its traces.
struct LoadGeometry {
  SurveyHeader header;
  TimeWindow window;
  HeaderWordChoice choice;
  std::int64_t first_index = 0;  // input place of this process's first trace
};

// The size of every file in bytes (0 for one that cannot be seen).
std::vector<std::int64_t> FileSizes(const std::vector<std::string>& paths) {
  std::vector<std::int64_t> sizes;
  for (const std::string& path : paths) {
    std::error_code error;
    const std::uintmax_t bytes = std::filesystem::file_size(path, error);
    sizes.push_back(error ? 0 : static_cast<std::int64_t>(bytes));
  }
  return sizes;
}

// The first process's part before any trace is read: the time window, the
// project name and the trace file under its temporary name.
bool StartProject(const DiskLoadRequest& request, LoadDecisions& decisions, Prompter& prompter,
                  TimeWindow& window, SurveyHeader& header, ProjectOutput& output,
                  LoadOutcome& outcome) {
  if (std::string problem = DeriveTimeWindow(request.info, request.window, window);
      !problem.empty()) {
    prompter.Tell(problem, "Error", MessageIcon::Error);
    return false;
  }
  header = InitialLoadHeader(request.info, request.window, window, request.defaults);
  std::optional<std::string> header_path = decisions.ProjectHeaderPath();
  if (!header_path) return false;
  outcome.header_path = *header_path;
  decisions.AddMessage(FormatText("Project Name %s", header_path->c_str()));
  if (!output.Prepare(*header_path) || !output.CreateAmp()) {
    prompter.Tell("CreateFile Failed ", "", MessageIcon::Warning);
    return false;
  }
  return true;
}

// Checks this process's files (each later file must continue the load's
// layout), counts their records and scans the headers the ranges come from.
// With maxima, the same reads find the maximum of every trace, every file's
// traces read for it whether their headers count or not.
bool ExamineFiles(const GroupLoadRequest& request, LineRange own, std::vector<InputFile>& files,
                  HeaderScanTables& tables, InputMaxima* maxima, Prompter& prompter,
                  Progress& progress) {
  const SegyBinaryInfo& info = request.disk.info;
  const std::int64_t record_bytes = SegyRecordBytes(info);
  tables.byte_order = info.byte_order;
  for (int f = own.first; f < own.end; ++f) {
    InputFile file{request.files[static_cast<std::size_t>(f)]};
    PositionedFile input;
    if (!input.Open(file.path, FileAccessMode::Read)) {
      prompter.Tell(NamingFile(kCannotOpenInput, file.path), "", MessageIcon::Warning);
      return false;
    }
    std::string headers(kSegyFileHeaderBytes, '\0');
    headers.resize(input.ReadAt(0, headers.data(), headers.size()));
    if (std::string refusal = f > 0 ? AppendRefusal(file.path, headers, info) : "";
        !refusal.empty()) {
      prompter.Tell(refusal, "Error", MessageIcon::Error);
      return false;
    }
    const std::int64_t data_bytes =
        std::max<std::int64_t>(input.Size() - static_cast<std::int64_t>(kSegyFileHeaderBytes), 0);
    file.records = data_bytes / record_bytes;
    file.cut_bytes = static_cast<std::size_t>(data_bytes % record_bytes);
    const bool ranges = f == 0 || request.scan_every_file;
    if (ranges || maxima) {
      std::optional<HeaderScanTables> scanned =
          ScanHeaders(file.path, record_bytes, progress, info.byte_order,
                      maxima ? maxima->Visitor() : RecordBlockVisitor(), request.disk.threads);
      if (!scanned) {
        prompter.Tell(NamingFile(kCannotOpenInput, file.path), "", MessageIcon::Warning);
        return false;
      }
      if (ranges) tables.Merge(*scanned);
    }
    files.push_back(std::move(file));
  }
  return true;
}

// The first process's decisions between the scan and the first trace: the
// word choice, the ranges, the corner and the header values.
bool DecideGeometry(const GroupLoadRequest& request, const HeaderScanTables& tables,
                    LoadDecisions& decisions, Prompter& prompter, LoadGeometry& geometry) {
  const SegyBinaryInfo& info = request.disk.info;
  auto mark_coverage = [&](CoverageGrid& grid, const HeaderWordChoice& words) {
    for (const std::string& path : request.files) MarkDiskCoverage(path, info, grid, words);
  };
  return ConfirmSurveyGeometry(tables, request.disk.two_d, true, info, geometry.header,
                               geometry.window, geometry.choice, decisions, prompter,
                               mark_coverage);
}

// Reads, decodes and places the traces of this process's files in input
// order, noting in report what the first process needs to merge them.
class TracePlacer {
 public:
  TracePlacer(const GroupLoadRequest& request, const LoadGeometry& geometry,
              std::optional<double> final_scale, GridWriter& grid)
      : request_(request),
        geometry_(geometry),
        final_scale_(final_scale),
        grid_(grid),
        record_bytes_(static_cast<std::size_t>(SegyRecordBytes(request.disk.info))),
        samples_(static_cast<std::size_t>(geometry.window.num_samples)),
        threads_(std::max(request.disk.threads, 1)) {
    capacity_ = static_cast<int>(std::max<std::size_t>(1, kReadBytes / record_bytes_));
    records_.resize(record_bytes_ * static_cast<std::size_t>(capacity_));
    scaled_.resize(samples_ * static_cast<std::size_t>(capacity_));
    maxima_.resize(static_cast<std::size_t>(capacity_));
    decoded_.assign(static_cast<std::size_t>(threads_), std::vector<float>(samples_));
  }

  // Every trace of the file; false after telling why it could not be read or
  // the trace file could not be written.
  bool PlaceFile(const InputFile& file, Prompter& prompter, Progress& progress) {
    PositionedFile input;
    if (!input.Open(file.path, FileAccessMode::Read)) {
      prompter.Tell(NamingFile(kCannotOpenInput, file.path), "", MessageIcon::Warning);
      return false;
    }
    input.Advise(AccessHint::Sequential);
    for (std::int64_t done = 0; done < file.records;) {
      if (progress.Cancelled()) return false;
      const int count = static_cast<int>(std::min<std::int64_t>(capacity_, file.records - done));
      if (!ReadRecords(input, done, count, file.path, prompter)) return false;
      for (int k = 0; k < count; ++k)
        if (!Place(record(k), maxima_[static_cast<std::size_t>(k)], scaled(k),
                   file.first_index + done + k))
          return false;
      done += count;
    }
    if (file.cut_bytes > 0)
      prompter.Tell(FormatText("%s ends inside a trace: %zu of its %zu bytes are missing, "
                               "and it is not loaded",
                               file.path.c_str(), record_bytes_ - file.cut_bytes, record_bytes_),
                    "Warning", MessageIcon::Warning);
    return grid_.Flush();
  }

  // Writes again the trace this process last placed at a cell (read anew
  // from its file), so that it wins over another process's trace there.
  bool Rewrite(const PlacedCell& cell, const std::vector<InputFile>& files, Prompter& prompter) {
    for (const InputFile& file : files) {
      if (cell.index < file.first_index || cell.index >= file.first_index + file.records) continue;
      PositionedFile input;
      if (!input.Open(file.path, FileAccessMode::Read) ||
          !ReadRecords(input, cell.index - file.first_index, 1, file.path, prompter))
        return false;
      return grid_.Put(TraceLineTrace(record(0), geometry_.choice), maxima_[0], scaled(0)) !=
             GridWriter::Placed::Failed;
    }
    return false;
  }

  // What this process did, once every file is placed.
  const RankLoadReport& Finish() {
    report_.placed = LastPerCell(std::move(writes_));
    writes_.clear();
    return report_;
  }
  const std::vector<PlacedCell>& placed() const { return report_.placed; }

 private:
  // Reads count records from record number first of the file and brings
  // them to 16 bits, shared among the threads.
  bool ReadRecords(const PositionedFile& input, std::int64_t first, int count,
                   const std::string& path, Prompter& prompter) {
    const std::size_t bytes = record_bytes_ * static_cast<std::size_t>(count);
    const std::int64_t offset = static_cast<std::int64_t>(kSegyFileHeaderBytes) +
                                first * static_cast<std::int64_t>(record_bytes_);
    if (input.ReadAt(offset, records_.data(), bytes) != bytes) {
      prompter.Tell(NamingFile("The input file could not be read whole", path), "Error",
                    MessageIcon::Error);
      return false;
    }
    const SegyBinaryInfo& info = request_.disk.info;
    const TimeWindow& window = geometry_.window;
    RunParallel(count, threads_, [&](int worker, int k) {
      maxima_[static_cast<std::size_t>(k)] =
          ConvertRecord(record(k), info, window, request_.disk.window.no_scaling, final_scale_,
                        decoded_[static_cast<std::size_t>(worker)].data(), scaled(k));
    });
    return true;
  }

  bool Place(const unsigned char* at, float m, const std::int16_t* samples, std::int64_t index) {
    ++report_.traces;
    report_.maxima.push_back(m);
    const LineTrace position = TraceLineTrace(at, geometry_.choice);
    switch (grid_.Put(position, m, samples)) {
      case GridWriter::Placed::Failed: return false;
      case GridWriter::Placed::Skipped:
        report_.skipped.push_back({index, position.line, position.trace});
        return true;
      case GridWriter::Placed::Written: break;
    }
    const GridCell cell = *PlaceTrace(geometry_.header, position);
    writes_.push_back(
        {static_cast<std::int64_t>(cell.line_index) * geometry_.header.traces_per_line +
             cell.trace_index,
         index, m});
    return true;
  }

  unsigned char* record(int k) {
    return records_.data() + record_bytes_ * static_cast<std::size_t>(k);
  }
  std::int16_t* scaled(int k) { return scaled_.data() + samples_ * static_cast<std::size_t>(k); }

  const GroupLoadRequest& request_;
  const LoadGeometry& geometry_;
  std::optional<double> final_scale_;
  GridWriter& grid_;
  std::size_t record_bytes_, samples_;
  int threads_, capacity_ = 1;
  std::vector<unsigned char> records_;
  std::vector<std::int16_t> scaled_;
  std::vector<float> maxima_;
  std::vector<std::vector<float>> decoded_;  // one per worker
  RankLoadReport report_;
  std::vector<PlacedCell> writes_;  // every trace written, in input order
};

// The scaling pass over lines [first, end): every trace with a non-zero
// maximum becomes trunc(sample x maximum / used). False when a line could
// not be read or written back.
bool RescaleLines(AmpFile& amp, const SurveyHeader& header, const std::vector<float>& maxima,
                  double used, LineRange lines) {
  const std::size_t record = static_cast<std::size_t>(header.num_samples);
  const std::size_t per_line = static_cast<std::size_t>(header.traces_per_line);
  const std::size_t bytes = per_line * static_cast<std::size_t>(header.trace_bytes);
  std::vector<std::int16_t> samples(record * per_line);
  for (int i = lines.first; i < lines.end; ++i) {
    const std::int64_t offset = TraceOffset(header, i, 0);
    if (amp.ReadAt(offset, samples.data(), bytes) != bytes) return false;
    SamplesFromFileOrder(samples.data(), samples.size());
    for (std::size_t j = 0; j < per_line; ++j) {
      const double m = maxima[static_cast<std::size_t>(i) * per_line + j];
      // A trace that never arrived, or an all-zero one, stays as it is.
      if (m != 0.0) RescaleSamples(samples.data() + record * j, record, m, used);
    }
    SamplesFromFileOrder(samples.data(), samples.size());
    if (amp.WriteAt(offset, samples.data(), bytes) != bytes) return false;
  }
  return true;
}

// The scale value and whether the finished file must be rescaled with it,
// decided by the first process as one process decides them.
struct ScaleStep {
  bool ok = true;
  bool rescale = false;
  double used = 0.0;
};

ScaleStep DecideScale(const ScaleStats& stats, bool no_scaling, std::optional<double> placing,
                      bool calculated_first, LoadDecisions& decisions, Prompter& prompter) {
  ScaleStep step;
  if (no_scaling) return step;
  std::optional<double> used = AskScaleValue(stats, decisions);
  if (placing && used != placing) {
    // Only decisions that changed their answer during the load, or an input
    // that changed while it was read, give another value.
    const double now = used.value_or(0.0);
    prompter.Tell(calculated_first
                      ? FormatText("The traces were scaled with %f, but the input now gives %f: "
                                   "the input changed while it was loaded, and no project is made",
                                   *placing, now)
                      : FormatText("The traces were scaled with %f, but the value to use is now "
                                   "%f: no project is made",
                                   *placing, now),
                  "Error", MessageIcon::Error);
    step.ok = false;
  }
  if (used && !UsableScale(used, stats, prompter)) step.ok = false;
  // With nothing but zero traces there is nothing to scale.
  step.rescale = step.ok && used && stats.overall_max != 0.0 && !placing;
  step.used = used.value_or(0.0);
  return step;
}

// Whether the traces placed gave, bit for bit, the maxima the header scan
// found in the same files.
bool SameMaxima(const std::vector<float>& placed, const std::vector<float>& scanned) {
  return placed.size() == scanned.size() &&
         (placed.empty() ||
          std::memcmp(placed.data(), scanned.data(), placed.size() * sizeof(float)) == 0);
}

}  // namespace

LoadOutcome ConvertDiskFilesInGroup(const GroupLoadRequest& request, ProcessGroup& group,
                                    LoadDecisions& decisions, Prompter& prompter,
                                    Progress& progress) {
  LoadOutcome outcome;
  const bool first = group.IsFirst();
  const DiskLoadRequest& disk = request.disk;
  LoadGeometry geometry;
  ProjectOutput output;
  bool ok = !first || StartProject(disk, decisions, prompter, geometry.window, geometry.header,
                                   output, outcome);
  if (!group.AllOk(ok)) return outcome;
  outcome.result = LoadResult::Abandoned;
  // With the scale value calculated from the whole input and known before
  // the conversion, the scan's reads also find every trace's maximum, so
  // that the traces are written at their final scale and the pass over the
  // finished trace file is saved, as one process does it.
  bool calculate_first = first && !disk.window.no_scaling &&
                         decisions.ScaleValueKnownBeforeConversion() &&
                         !decisions.ScaleValueGivenBeforehand();
  GroupBytesWriter names;
  names.PutString(outcome.header_path);
  names.PutString(output.temporary_amp_path());
  names.Put(calculate_first);
  names.Put(geometry.window);
  const std::string shared_names = group.Share(first ? names.Take() : std::string());
  std::string temporary_amp;
  GroupBytesReader names_in(shared_names);
  names_in.GetString(outcome.header_path);
  names_in.GetString(temporary_amp);
  names_in.Get(calculate_first);
  names_in.Get(geometry.window);
  std::optional<InputMaxima> maxima;
  if (calculate_first) {
    maxima.emplace(disk.info, geometry.window, disk.threads);
    maxima->KeepEach();
  }

  // Each process examines and scans its run of whole files, the runs cut by
  // the sizes of the files as the first process finds them.
  GroupBytesWriter sizes;
  if (first) sizes.PutVector(FileRunsBySize(FileSizes(request.files), group.Size()));
  const std::string runs_bytes = group.Share(first ? sizes.Take() : std::string());
  std::vector<int> runs;
  GroupBytesReader(runs_bytes).GetVector(runs);
  const auto rank = static_cast<std::size_t>(group.Rank());
  const LineRange own{runs.at(rank), runs.at(rank + 1)};
  std::vector<InputFile> files;
  HeaderScanTables tables;
  ok = ExamineFiles(request, own, files, tables, maxima ? &*maxima : nullptr, prompter, progress);
  if (!group.AllOk(ok)) return outcome;
  std::int64_t own_traces = 0;
  for (const InputFile& file : files) own_traces += file.records;
  GroupBytesWriter scan;
  scan.Put(tables);
  scan.Put(own_traces);
  if (maxima) scan.PutVector(maxima->each());
  const std::string scan_bytes = scan.Take();
  std::vector<char> scans = group.GatherOnFirst(scan_bytes.data(), scan_bytes.size());

  // The first process merges the scans, takes the decisions and pre-fills
  // the trace file; every process learns where its traces start.
  std::vector<std::int64_t> first_indexes;
  std::optional<GridWriter> grid;
  // The scale the traces are written at, when known before the conversion.
  std::optional<double> placing;
  // The scale figures of the maxima the scan found, in input order.
  ScaleStats input_stats;
  if (first) {
    HeaderScanTables all;
    all.byte_order = disk.info.byte_order;
    GroupBytesReader in(scans.data(), scans.size());
    std::int64_t traces = 0;
    long long input_stats_traces = 0;
    for (int rank = 0; rank < group.Size(); ++rank) {
      HeaderScanTables part;
      std::int64_t part_traces = 0;
      in.Get(part);
      in.Get(part_traces);
      all.Merge(part);
      first_indexes.push_back(traces);
      traces += part_traces;
      if (maxima) {
        std::vector<float> each;
        in.GetVector(each);
        for (float m : each) input_stats.Add(m, input_stats_traces++);
      }
    }
    scans = std::vector<char>();
    ok = DecideGeometry(request, all, decisions, prompter, geometry);
    if (ok) {
      const std::optional<double> given = decisions.ScaleValueGivenBeforehand();
      if (!disk.window.no_scaling && given && *given > 0.0) placing = given;
      // The maxima hold for the conversion's time window only.
      if (maxima && maxima->Covers(geometry.window) && input_stats.overall_max > 0.0)
        placing = input_stats.overall_max;
      grid.emplace(output, geometry.header, prompter);
      ok = grid->Prepare("Creating Trace Data File", progress);
    }
  }
  if (!group.AllOk(ok)) return outcome;
  GroupBytesWriter decided;
  decided.Put(geometry.header);
  decided.Put(geometry.window);
  decided.Put(geometry.choice);
  decided.PutVector(first_indexes);
  decided.Put(placing.has_value());
  decided.Put(placing.value_or(0.0));
  const std::string decided_bytes = group.Share(first ? decided.Take() : std::string());
  GroupBytesReader in(decided_bytes);
  in.Get(geometry.header);
  in.Get(geometry.window);
  in.Get(geometry.choice);
  in.GetVector(first_indexes);
  bool placing_known = false;
  double placing_value = 0.0;
  in.Get(placing_known);
  in.Get(placing_value);
  placing = placing_known ? std::optional<double>(placing_value) : std::nullopt;
  geometry.first_index = first_indexes[static_cast<std::size_t>(group.Rank())];
  std::int64_t index = geometry.first_index;
  for (InputFile& file : files) {
    file.first_index = index;
    index += file.records;
  }
  if (!first) {
    ok = output.Join(outcome.header_path, temporary_amp);
    if (!ok)
      prompter.Tell(NamingFile("The trace file could not be opened for writing", temporary_amp),
                    "Error", MessageIcon::Error);
    grid.emplace(output, geometry.header, prompter);
    ok = ok && grid->Prepare("Creating Trace Data File", progress);
  }
  if (!group.AllOk(ok)) return outcome;

  // Every process places its traces, then the first merges what they did.
  // With the scale value known beforehand (given, or calculated in the
  // scan) they are written at their final scale, and the scaling pass is
  // left out.
  progress.SetLabel("Converting Traces ");
  TracePlacer placer(request, geometry, placing, *grid);
  for (const InputFile& file : files)
    if (ok) ok = placer.PlaceFile(file, prompter, progress);
  if (!group.AllOk(ok)) return outcome;
  const RankLoadReport& report = placer.Finish();
  // The maxima of the traces go to the first process for the scale figures
  // only when the scan's do not stand in for them: where every process read
  // the maxima its scan found, the input did not change under the load. Each
  // cell's maximum goes only for the scaling pass; otherwise runs of the
  // cells written tell which cells more than one process wrote.
  const bool as_scanned = group.AllOk(maxima && SameMaxima(report.maxima, maxima->each()));
  const bool cell_maxima = !placing && !disk.window.no_scaling;
  const std::string report_bytes = EncodeRankReport(
      report, {.maxima = !as_scanned && !disk.window.no_scaling, .cell_maxima = cell_maxima});
  std::vector<char> reports_bytes = group.GatherOnFirst(report_bytes.data(), report_bytes.size());
  MergedLoad merged;
  if (first) {
    std::vector<RankLoadReport> reports;
    ok = DecodeRankReports(reports_bytes.data(), reports_bytes.size(), group.Size(), reports);
    reports_bytes = std::vector<char>();
    if (ok)
      merged = MergeRankReports(
          reports,
          static_cast<std::int64_t>(geometry.header.num_lines) * geometry.header.traces_per_line,
          cell_maxima);
    if (as_scanned) merged.stats = input_stats;
    for (const std::string& line : merged.messages) decisions.AddMessage(line);
  }
  outcome.traces_processed = group.Sum(static_cast<long long>(report.traces));
  outcome.traces_skipped = group.Sum(static_cast<long long>(report.skipped.size()));
  if (!group.AllOk(ok)) return outcome;

  // A cell that traces of several processes went to keeps the last one: its
  // process writes it again now that every other write is done.
  GroupBytesWriter rewrites;
  rewrites.PutVector(merged.rewrites);
  const std::string rewrite_bytes = group.Share(first ? rewrites.Take() : std::string());
  std::vector<CellRewrite> cells;
  GroupBytesReader(rewrite_bytes).GetVector(cells);
  for (const CellRewrite& rewrite : cells) {
    if (!ok || rewrite.rank != group.Rank()) continue;
    auto placed = std::lower_bound(
        placer.placed().begin(), placer.placed().end(), rewrite.cell,
        [](const PlacedCell& cell, std::int64_t number) { return cell.cell < number; });
    ok = placed != placer.placed().end() && placed->cell == rewrite.cell &&
         placer.Rewrite(*placed, files, prompter);
  }
  ok = ok && grid->Flush();
  if (!group.AllOk(ok)) return outcome;

  // "Set Scale Value" and, for a calculated value, the scaling pass, the
  // lines shared among the processes.
  ScaleStep step;
  if (first)
    step = DecideScale(merged.stats, disk.window.no_scaling, placing, calculate_first, decisions,
                       prompter);
  if (!group.AllOk(step.ok)) return outcome;
  GroupBytesWriter scale;
  scale.Put(step);
  if (first && step.rescale) scale.PutVector(merged.maxima);
  const std::string scale_bytes = group.Share(first ? scale.Take() : std::string());
  GroupBytesReader scale_in(scale_bytes);
  scale_in.Get(step);
  if (step.rescale) {
    std::vector<float> maxima;
    scale_in.GetVector(maxima);
    progress.SetLabel("Scaling Traces");
    ok = RescaleLines(output.amp(), geometry.header, maxima, step.used,
                      LinesOfRank(geometry.header.num_lines, group.Rank(), group.Size()));
    if (!ok)
      prompter.Tell("The trace file " + output.amp_path() + " could not be rescaled", "",
                    MessageIcon::Error);
  }
  // The others' writes are closed (and their failures known) before the
  // first process puts the project in place.
  if (!first) {
    const bool closed = output.amp().Close();
    if (ok && !closed)
      prompter.Tell("The trace file " + output.amp_path() + " could not be written", "",
                    MessageIcon::Error);
    ok = ok && closed;
  }
  if (!group.AllOk(ok)) return outcome;
  ok = !first || output.Commit(geometry.header, prompter);
  if (!group.AllOk(ok)) return outcome;
  outcome.result = LoadResult::Done;
  if (first)
    prompter.Message(
        FormatText("Data Load Complete\n%lld Traces Processed", outcome.traces_processed),
        "End of Process", MessageIcon::Information, MessageButtons::Ok);
  return outcome;
}

}  // namespace quarrix
