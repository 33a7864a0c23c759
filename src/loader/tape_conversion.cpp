#include "loader/tape_conversion.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "loader/grid_writer.h"
#include "loader/header_scan.h"
#include "loader/load_decisions.h"
#include "loader/project_output.h"
#include "loader/trace_placement.h"
#include "loader/trace_scaling.h"
#include "platform/numeric.h"
#include "platform/paths.h"
#include "platform/progress.h"
#include "platform/prompter.h"
#include "platform/safe_write.h"
#include "platform/tape_device.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

constexpr std::size_t kKeptHeaderBytes = 244;  // trace header + its maximum as a float

// A work file of the automatic conversion, removed when the load ends.
class TemporaryFile {
 public:
  bool Create(const std::string& path) {
    path_ = path;
    file_.open(path, std::ios::binary | std::ios::in | std::ios::out | std::ios::trunc);
    return file_.is_open();
  }
  ~TemporaryFile() {
    file_.close();
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove(path_, ec);
  }
  bool Append(const void* data, std::size_t bytes) {
    file_.write(static_cast<const char*>(data), static_cast<std::streamsize>(bytes));
    return static_cast<bool>(file_);
  }
  void RewindForReading() {
    file_.flush();
    file_.clear();
    file_.seekg(0);
  }
  bool ReadNext(void* data, std::size_t bytes) {
    return static_cast<bool>(
        file_.read(static_cast<char*>(data), static_cast<std::streamsize>(bytes)));
  }

 private:
  std::string path_;
  std::fstream file_;
};

// Shared start of the conversions: the window, the header and the project.
struct TapeLoadStart {
  TimeWindow window;
  SurveyHeader header;
  std::optional<std::string> header_path;
};

// From here on the outcome is an abandoned load of the chosen project until
// the conversion finishes.
bool StartTapeLoad(const TapeLoadRequest& request, LoadDecisions& decisions, Prompter& prompter,
                   TapeLoadStart& start, LoadOutcome& outcome) {
  const SegyBinaryInfo& info = request.headers.info;
  if (std::string problem = DeriveTimeWindow(info, request.window, start.window);
      !problem.empty()) {
    prompter.Tell(problem, "Error", MessageIcon::Error);
    return false;
  }
  start.header = InitialLoadHeader(info, request.window, start.window, request.defaults);
  start.header_path = decisions.ProjectHeaderPath();
  if (!start.header_path) return false;
  outcome.result = LoadResult::Abandoned;
  outcome.header_path = *start.header_path;
  return true;
}

float StoredMaximum(const unsigned char* kept) {
  float m;
  std::memcpy(&m, kept + kSegyTraceHeaderBytes, sizeof m);
  return m;
}

void Finish(LoadOutcome& outcome, Prompter& prompter, TapeDevice& tape, Progress& progress) {
  outcome.result = LoadResult::Done;
  prompter.Message(
      FormatText("Data Load Complete\n%lld Traces Processed", outcome.traces_processed),
      "End of Process", MessageIcon::Information, MessageButtons::Ok);
  RewindTape(tape, progress);
}

// The automatic conversion's work files: normalised samples, and the kept headers each
// followed by its trace's maximum.
struct ScratchFiles {
  TemporaryFile data, headers;
};

bool CreateScratchFiles(ProjectOutput& output, const std::string& header_path, ScratchFiles& files,
                        Prompter& prompter) {
  if (!output.Prepare(header_path) || !files.data.Create(BaseWithDot(header_path) + "amp_data")) {
    prompter.Tell("CreateFile Failed ", "", MessageIcon::Warning);
    return false;
  }
  if (!files.headers.Create(header_path + ".hdr_tmp")) {
    prompter.Tell("CreateFile Failed (Create .hdr_tmp)", "", MessageIcon::Warning);
    return false;
  }
  return true;
}

// Reads every trace into the work files and gathers the scaling statistics. A full disk
// ends the reading with the traces read so far; false when the user abandons the load.
bool ReadTracesToScratch(TapeDevice& tape, const TapeLoadRequest& request, const TimeWindow& window,
                         LoadDecisions& decisions, Prompter& prompter, Progress& progress,
                         ScratchFiles& files, ScaleStats& stats, LoadOutcome& outcome) {
  const SegyBinaryInfo& info = request.headers.info;
  const bool no_scaling = request.window.no_scaling;
  progress.SetRange(0, 100);
  progress.SetLabel("Reading Traces");
  decisions.AddMessage("Reading Traces");
  std::vector<unsigned char> record(static_cast<std::size_t>(SegyRecordBytes(info)));
  std::vector<float> samples(static_cast<std::size_t>(window.num_samples));
  std::vector<std::int16_t> scaled(samples.size());
  unsigned char kept[kKeptHeaderBytes];
  TapeTraceReader reader(tape, request.settings, record.size(), TapeOperation::AutoConvert,
                         decisions, progress);
  for (;;) {
    TapeTraceReader::Result result = reader.Next(record.data());
    if (result == TapeTraceReader::Result::Abandon) return false;
    if (result == TapeTraceReader::Result::End) break;
    RecordToBigEndian(info.byte_order, info.format, record.data(), record.size());
    DecodeTrace(record.data(), info.format, window.first_sample, window.num_samples,
                samples.data());
    float m = NormaliseTrace(samples.data(), window.num_samples, no_scaling,
                             outcome.traces_processed, stats, scaled.data());
    if (no_scaling) m = 1.0f;
    std::memcpy(kept, record.data(), kSegyTraceHeaderBytes);
    std::memcpy(kept + kSegyTraceHeaderBytes, &m, sizeof m);
    if (!files.headers.Append(kept, sizeof kept) ||
        !files.data.Append(scaled.data(), scaled.size() * sizeof(std::int16_t))) {
      prompter.Tell("Disk Full", "", MessageIcon::Error);
      break;
    }
    ++outcome.traces_processed;
  }
  return true;
}

HeaderScanTables ScanKeptHeaders(TemporaryFile& headers, long long n, Progress& progress) {
  progress.SetRange(0, static_cast<int>(n / 100));
  progress.SetLabel("Scanning Headers");
  HeaderScanTables tables;
  unsigned char kept[kKeptHeaderBytes];
  headers.RewindForReading();
  for (long long k = 0; k < n && headers.ReadNext(kept, sizeof kept); ++k) {
    tables.Fold(kept);
  }
  return tables;
}

// Marks the cells of the grid that hold a live trace.
void MarkKeptCoverage(TemporaryFile& headers, long long n, Progress& progress, CoverageGrid& grid,
                      const HeaderWordChoice& choice) {
  progress.SetLabel("Converting Headers");
  unsigned char kept[kKeptHeaderBytes];
  headers.RewindForReading();
  for (long long k = 0; k < n && headers.ReadNext(kept, sizeof kept); ++k) {
    LineTrace p = TraceLineTrace(kept, choice);
    long long row = static_cast<long long>(p.line) - grid.first_line;
    long long column = static_cast<long long>(p.trace) - grid.first_trace;
    if (row >= 0 && row < grid.rows && column >= 0 && column < grid.columns)
      grid.cells[row * grid.columns + column] = StoredMaximum(kept) != 0.0f ? 1 : 0;
  }
}

// The samples in the work file were read with the first window; a different one confirmed
// later cannot be applied to them.
bool ConfirmedWindowMatches(const TimeWindow& window, int samples_read, int requested_first_sample,
                            Prompter& prompter) {
  if (window.num_samples == samples_read && window.first_sample == requested_first_sample)
    return true;
  prompter.Tell(
      "The traces were read with another time window than the one confirmed: load "
      "them again with that window",
      "Error", MessageIcon::Error);
  return false;
}

// Creates the trace file, then writes each live trace at its grid cell rescaled from its
// own maximum to the common scale value.
bool WriteScaledTraces(ProjectOutput& output, const SurveyHeader& header, ScratchFiles& files,
                       long long n, int num_samples, const HeaderWordChoice& choice, double used,
                       bool no_scaling, Prompter& prompter, Progress& progress) {
  if (!output.CreateAmp()) {
    prompter.Tell("CreateFile Failed (Create amp)", "", MessageIcon::Warning);
    return false;
  }
  progress.SetLabel("Creating Trace Data File");
  if (!output.PreFill(header)) {
    prompter.Tell(output.FailureText(), "", MessageIcon::Error);
    return false;
  }
  progress.SetRange(0, 100);
  progress.SetLabel("Scaling Data");
  std::vector<std::int16_t> scaled(static_cast<std::size_t>(num_samples));
  unsigned char kept[kKeptHeaderBytes];
  files.headers.RewindForReading();
  files.data.RewindForReading();
  const long long bar_step = n / 100 + 1;
  for (long long k = 0; k < n; ++k) {
    if (!files.headers.ReadNext(kept, sizeof kept) ||
        !files.data.ReadNext(scaled.data(), scaled.size() * sizeof(std::int16_t)))
      break;
    if (k % bar_step == 0) progress.SetPosition(static_cast<int>(k / bar_step));
    float m = StoredMaximum(kept);
    std::optional<GridCell> cell = PlaceTrace(header, TraceLineTrace(kept, choice));
    if (!cell || m == 0.0f) continue;
    double factor = no_scaling ? 1.0 : m / used;
    for (std::int16_t& s : scaled) s = Trunc16(s * factor);
    if (WriteTrace(output.amp(), header, scaled.data(), cell->line_index, cell->trace_index,
                   header.trace_bytes) != 0) {
      prompter.Tell("Disk Full: the trace file " + output.amp_path() + " could not be written", "",
                    MessageIcon::Error);
      return false;
    }
  }
  return true;
}

}  // namespace

// Reads the tape once into work files, settles the scale and the geometry from what was
// read, then writes the project's trace file from the work files.
LoadOutcome ConvertTapeAuto(TapeDevice& tape, const TapeLoadRequest& request,
                            LoadDecisions& decisions, Prompter& prompter, Progress& progress) {
  LoadOutcome outcome;
  TapeLoadStart start;
  if (!StartTapeLoad(request, decisions, prompter, start, outcome)) return outcome;
  TimeWindow& window = start.window;
  const int samples_read = window.num_samples;

  ProjectOutput output;
  ScratchFiles files;
  if (!CreateScratchFiles(output, outcome.header_path, files, prompter)) return outcome;
  ScaleStats stats;
  if (!ReadTracesToScratch(tape, request, window, decisions, prompter, progress, files, stats,
                           outcome))
    return outcome;
  const long long n = outcome.traces_processed;

  ScaleSummary summary = stats.Summary();
  std::optional<double> used = decisions.ScaleValue(summary);
  if (!UsableScale(used, stats, prompter)) return outcome;
  decisions.AddMessage(
      FormatText("Scale value MAX %f  MEAN %f  USED %f", summary.largest, summary.mean, *used));

  const HeaderScanTables tables = ScanKeptHeaders(files.headers, n, progress);
  auto mark_coverage = [&](CoverageGrid& grid, const HeaderWordChoice& choice) {
    MarkKeptCoverage(files.headers, n, progress, grid, choice);
  };
  SurveyHeader& header = start.header;
  HeaderWordChoice choice;
  if (!ConfirmSurveyGeometry(tables, request.two_d, true, request.headers.info, header, window,
                             choice, decisions, prompter, mark_coverage) ||
      !ConfirmedWindowMatches(window, samples_read, request.window.start_time / window.interval_ms,
                              prompter))
    return outcome;

  if (!WriteScaledTraces(output, header, files, n, window.num_samples, choice, *used,
                         request.window.no_scaling, prompter, progress) ||
      !output.Commit(header, prompter))
    return outcome;
  Finish(outcome, prompter, tape, progress);
  return outcome;
}

LoadOutcome ConvertTapeManual(TapeDevice& tape, const TapeLoadRequest& request,
                              LoadDecisions& decisions, Prompter& prompter, Progress& progress) {
  LoadOutcome outcome;
  TapeLoadStart start;
  if (!StartTapeLoad(request, decisions, prompter, start, outcome)) return outcome;
  const SegyBinaryInfo& info = request.headers.info;
  TimeWindow& window = start.window;
  const bool no_scaling = request.window.no_scaling;
  ProjectOutput output;
  if (!output.Prepare(outcome.header_path) || !output.CreateAmp()) {
    prompter.Tell("CreateFile Failed (Create .amp)", "", MessageIcon::Warning);
    return outcome;
  }
  decisions.AddMessage(FormatText("Number Samples %d", window.num_samples));
  decisions.AddMessage(FormatText("Sample Rate %d", info.interval_us / 1000));

  // One sample trace, read outside the loop: its header gives the word table.
  std::vector<unsigned char> record(static_cast<std::size_t>(SegyRecordBytes(info)));
  std::size_t got = 0;
  if (std::uint32_t status = tape.ReadVariableBlock(record.data(), record.size(), got);
      status != kTapeOk)
    decisions.AddMessage(FormatText("Bad Status %X  Length %zu", status, record.size()));
  RecordToBigEndian(info.byte_order, info.format, record.data(), record.size());
  HeaderScanTables tables;
  tables.Fold(record.data());
  SurveyHeader& header = start.header;
  HeaderWordChoice choice;
  if (!ConfirmSurveyGeometry(tables, request.two_d, false, info, header, window, choice, decisions,
                             prompter))
    return outcome;
  GridWriter grid(output, header, prompter);
  if (!grid.Prepare("Creating Trace File", progress)) return outcome;

  progress.SetRange(0, 100);
  progress.SetLabel("Reading Traces");
  std::vector<float> samples(static_cast<std::size_t>(window.num_samples));
  std::vector<std::int16_t> scaled(samples.size());
  ScaleStats stats;
  TapeTraceReader reader(tape, request.settings, record.size(), TapeOperation::ManualConvert,
                         decisions, progress);
  for (bool sample_trace = true;; sample_trace = false) {
    if (!sample_trace) {
      TapeTraceReader::Result result = reader.Next(record.data());
      if (result == TapeTraceReader::Result::Abandon) return outcome;
      if (result == TapeTraceReader::Result::End) break;
      RecordToBigEndian(info.byte_order, info.format, record.data(), record.size());
    }
    DecodeTrace(record.data(), info.format, window.first_sample, window.num_samples,
                samples.data());
    float m = NormaliseTrace(samples.data(), window.num_samples, no_scaling,
                             outcome.traces_processed, stats, scaled.data());
    ++outcome.traces_processed;
    LineTrace p = TraceLineTrace(record.data(), choice);
    GridWriter::Placed placed = grid.Put(p, m, scaled.data());
    if (placed == GridWriter::Placed::Failed) return outcome;
    if (placed == GridWriter::Placed::Skipped) {
      ++outcome.traces_skipped;
      decisions.AddMessage(FormatText("Trace out of range line-%d trace%d", p.line, p.trace));
    }
  }
  if (!grid.ScaleAndCommit(stats, no_scaling, decisions, "Scaling Traces ", progress))
    return outcome;
  Finish(outcome, prompter, tape, progress);
  return outcome;
}

LoadOutcome CopyTape(TapeDevice& tape, const TapeLoadRequest& request, LoadDecisions& decisions,
                     Prompter& prompter, Progress& progress) {
  LoadOutcome outcome;
  const SegyBinaryInfo& info = request.headers.info;
  if (SampleWidth(info.format) == 0 || info.samples <= 0) {
    prompter.Tell(SegyLoadProblem(info) + ": the trace blocks cannot be read", "Error",
                  MessageIcon::Error);
    return outcome;
  }
  std::optional<std::string> header_path = decisions.ProjectHeaderPath();
  if (!header_path) return outcome;
  outcome.result = LoadResult::Abandoned;
  outcome.header_path = BaseWithDot(*header_path) + "sgy";
  std::error_code ec;
  std::filesystem::create_directories(DirectoryOf(outcome.header_path), ec);
  // The copy is made under a temporary name and appears under its own name
  // only when every block was written.
  OutputFile copy(outcome.header_path);
  if (!copy.Open()) {
    prompter.Tell("CreateFile Failed ", "", MessageIcon::Warning);
    return outcome;
  }
  if (!copy.Write(request.headers.raw_text) || !copy.Write(request.headers.raw_binary)) {
    prompter.Tell(copy.UserMessage(), "", MessageIcon::Error);
    return outcome;
  }
  std::vector<unsigned char> record(static_cast<std::size_t>(SegyRecordBytes(info)));
  progress.SetRange(0, 100);
  TapeTraceReader reader(tape, request.settings, record.size(), TapeOperation::Copy, decisions,
                         progress);
  for (;;) {
    TapeTraceReader::Result result = reader.Next(record.data());
    if (result == TapeTraceReader::Result::Abandon) return outcome;
    if (result == TapeTraceReader::Result::End) break;
    if (!copy.Write(
            std::string_view(reinterpret_cast<const char*>(record.data()), record.size()))) {
      prompter.Tell(copy.UserMessage(), "", MessageIcon::Error);
      return outcome;
    }
    ++outcome.traces_processed;
  }
  if (!copy.Commit()) {
    prompter.Tell(copy.UserMessage(), "", MessageIcon::Error);
    return outcome;
  }
  Finish(outcome, prompter, tape, progress);
  return outcome;
}

}  // namespace quarrix
