#include "loader/disk_conversion.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "loader/conversion_input.h"
#include "loader/disk_coverage.h"
#include "loader/ebcdic.h"
#include "loader/grid_writer.h"
#include "loader/header_scan.h"
#include "loader/ibm_trace_kernels.h"
#include "loader/input_maxima.h"
#include "loader/load_decisions.h"
#include "loader/project_output.h"
#include "loader/segy_byte_order.h"
#include "loader/segy_input.h"
#include "loader/trace_scaling.h"
#include "platform/file_message.h"
#include "platform/parallel.h"
#include "platform/progress.h"
#include "platform/prompter.h"
#include "platform/text_util.h"

namespace quarrix {
std::string AppendRefusal(const std::string& path, std::string_view headers,
                          const SegyBinaryInfo& load) {
  SegyBinaryInfo info = DecodeBinaryHeader(
      headers.size() > kSegyTextBytes ? headers.substr(kSegyTextBytes) : std::string_view());
  if (headers.size() != kSegyFileHeaderBytes || info.samples != load.samples ||
      info.format != load.format)
    return FormatText(
        "%s has %d samples of format %d per trace, the load %d of format %d: not appended",
        path.c_str(), info.samples, info.format, load.samples, load.format);
  if (info.byte_order != load.byte_order)
    return FormatText("%s is %s, the load %s: not appended", path.c_str(),
                      ByteOrderName(info.byte_order), ByteOrderName(load.byte_order));
  return "";
}

namespace {

// The header scan over the first file and every file named to follow it;
// nothing (after telling why, unless cancelled) when one cannot be scanned.
// With maxima, the same read also counts every trace of the whole input (the
// files to be appended included, scanned or not) for the scale value.
std::optional<HeaderScanTables> ScanAllInputs(const DiskLoadRequest& request,
                                              LoadDecisions& decisions, Prompter& prompter,
                                              Progress& progress, InputMaxima* maxima) {
  const SegyBinaryInfo& info = request.info;
  const std::int64_t record_bytes = SegyRecordBytes(info);
  HeaderScanTables all;
  all.byte_order = info.byte_order;
  std::vector<std::string> paths{request.input_path};
  paths.insert(paths.end(), request.scan_also.begin(), request.scan_also.end());
  const std::size_t scanned = paths.size();
  if (maxima) {
    std::vector<std::string> input{request.input_path};
    for (const std::string& path : decisions.FilesToAppend()) input.push_back(path);
    paths = input;
  }
  RecordBlockVisitor count;
  if (maxima) count = maxima->Visitor();
  for (std::size_t k = 0; k < paths.size(); ++k) {
    const std::string& path = paths[k];
    // Files past the scanned ones are only counted; where the conversion
    // would stop at one, so does the count (the conversion tells why).
    const bool scan = k < scanned;
    if (k > 0 && !AppendableFile(path, info, prompter, !scan)) {
      if (scan) return std::nullopt;
      break;
    }
    std::optional<HeaderScanTables> tables =
        ScanHeaders(path, record_bytes, progress, info.byte_order, count, request.threads);
    if (!tables && scan) {
      if (!progress.Cancelled())
        prompter.Tell(NamingFile(kCannotOpenInput, path), "", MessageIcon::Warning);
      return std::nullopt;
    }
    if (!tables) {
      if (progress.Cancelled()) return std::nullopt;
      break;
    }
    if (scan) all.Merge(*tables);
  }
  return all;
}

// Whether the whole input and the scale value are known before the
// conversion, so that the value can be calculated in the header scan's read
// of the input: the scanned files must be the first of those appended.
bool CalculateScaleFirst(const DiskLoadRequest& request, const LoadDecisions& decisions) {
  if (request.window.no_scaling || !decisions.ScaleValueKnownBeforeConversion() ||
      decisions.ScaleValueGivenBeforehand())
    return false;
  const std::vector<std::string> appended = decisions.FilesToAppend();
  return request.scan_also.size() <= appended.size() &&
         std::equal(request.scan_also.begin(), request.scan_also.end(), appended.begin());
}

}  // namespace

float ConvertRecord(unsigned char* record, const SegyBinaryInfo& info, const TimeWindow& window,
                    bool no_scaling, const std::optional<double>& final_scale, float* decoded,
                    std::int16_t* out) {
  RecordToBigEndian(info.byte_order, info.format, record,
                    static_cast<std::size_t>(SegyRecordBytes(info)));
  float maximum = 0.0f;
  if (info.format == kFormatIbmFloat &&
      ConvertIbmSamplesFast(
          record + kSegyTraceHeaderBytes + 4 * static_cast<std::size_t>(window.first_sample),
          window.num_samples, no_scaling, final_scale, decoded, out, maximum))
    return maximum;
  DecodeTrace(record, info.format, window.first_sample, window.num_samples, decoded);
  const float m = ScaleTrace(decoded, window.num_samples, no_scaling, out);
  if (final_scale && m != 0.0f)
    RescaleSamples(out, static_cast<std::size_t>(window.num_samples), m, *final_scale);
  return m;
}

bool ReadDiskHeaders(const std::string& path, SegyFileHeaders& headers, LoadDecisions& decisions,
                     Prompter& prompter) {
  SegyInput input;
  if (!input.Open(path)) {
    prompter.Tell(NamingFile(kCannotOpenInput, path), "", MessageIcon::Warning);
    return false;
  }
  std::string bytes(kSegyFileHeaderBytes, '\0');
  bytes.resize(input.Read(bytes.data(), bytes.size()));
  if (bytes.size() < kSegyFileHeaderBytes) {
    prompter.Tell(FormatText("%s holds %zu bytes, too short to be SEG-Y (its textual and binary "
                             "headers alone take %zu)",
                             path.c_str(), bytes.size(), kSegyFileHeaderBytes),
                  "Error", MessageIcon::Error);
    return false;
  }
  std::string_view view(bytes);
  headers.text = DecodeTextHeader(view.substr(0, kSegyTextBytes));
  headers.info = DecodeBinaryHeader(view.size() > kSegyTextBytes ? view.substr(kSegyTextBytes)
                                                                 : std::string_view());
  for (const std::string& line : SegyHeaderMessages(headers.text, headers.info))
    decisions.AddMessage(line);
  return true;
}

LoadOutcome ConvertDiskFile(const DiskLoadRequest& request, LoadDecisions& decisions,
                            Prompter& prompter, Progress& progress) {
  LoadOutcome outcome;
  const SegyBinaryInfo& info = request.info;
  TimeWindow window;
  if (std::string problem = DeriveTimeWindow(info, request.window, window); !problem.empty()) {
    prompter.Tell(problem, "Error", MessageIcon::Error);
    return outcome;
  }
  SurveyHeader header = InitialLoadHeader(info, request.window, window, request.defaults);
  std::optional<std::string> header_path = decisions.ProjectHeaderPath();
  if (!header_path) return outcome;
  outcome.result = LoadResult::Abandoned;
  outcome.header_path = *header_path;
  decisions.AddMessage(FormatText("Project Name %s", header_path->c_str()));

  ProjectOutput output;
  if (!output.Prepare(*header_path) || !output.CreateAmp()) {
    prompter.Tell("CreateFile Failed ", "", MessageIcon::Warning);
    return outcome;
  }
  std::optional<InputMaxima> maxima;
  if (CalculateScaleFirst(request, decisions)) maxima.emplace(info, window, request.threads);
  std::optional<HeaderScanTables> tables =
      ScanAllInputs(request, decisions, prompter, progress, maxima ? &*maxima : nullptr);
  if (!tables) return outcome;
  HeaderWordChoice choice;
  auto mark_coverage = [&](CoverageGrid& grid, const HeaderWordChoice& words) {
    std::vector<std::string> paths{request.input_path};
    paths.insert(paths.end(), request.scan_also.begin(), request.scan_also.end());
    for (const std::string& path : paths) MarkDiskCoverage(path, info, grid, words);
  };
  if (!ConfirmSurveyGeometry(*tables, request.two_d, true, info, header, window, choice, decisions,
                             prompter, mark_coverage))
    return outcome;

  GridWriter grid(output, header, prompter);
  std::optional<double> final_scale = decisions.ScaleValueGivenBeforehand();
  if (maxima && maxima->Covers(window)) final_scale = maxima->stats().overall_max;
  if (!request.window.no_scaling) grid.TracesArriveScaled(final_scale);
  grid.SetScalingThreads(request.threads);
  if (!grid.Prepare("Creating Trace Data File", progress)) return outcome;

  AppendingInput input(info, request.threads, decisions, prompter);
  if (!input.Open(request.input_path)) {
    prompter.Tell(NamingFile(kCannotOpenInput, request.input_path), "", MessageIcon::Warning);
    return outcome;
  }
  DecodedBatch first(info, window, request.window.no_scaling, request.threads,
                     grid.arrival_scale());
  std::optional<DecodedBatch> second;
  if (request.threads > 1)
    second.emplace(info, window, request.window.no_scaling, request.threads, grid.arrival_scale());
  DecodedBatch* batch = &first;
  DecodedBatch* spare = second ? &*second : nullptr;
  ScaleStats stats;
  progress.SetRange(0, 100);
  progress.SetPosition(0);
  progress.SetLabel("Converting Traces ");
  int bar = 0;
  long long& count = outcome.traces_processed;
  bool failed = false;
  // Each trace is counted and placed in input order, whatever thread decoded it.
  auto place = [&] {
    for (int k = 0; k < batch->size(); ++k) {
      if (k > 0 && progress.Cancelled()) break;
      const float m = batch->maximum(k);
      stats.Add(m, count);
      LineTrace position = TraceLineTrace(batch->record(k), choice);
      if (count % 10 == 0) progress.SetPosition(++bar);
      ++count;
      if (count % 1000 == 0) {
        std::string text = FormatText("Converting %lld Traces", count);
        decisions.AddMessage(text);
        progress.SetLabel(text);
        progress.SetPosition(bar = 0);
      }
      GridWriter::Placed placed = grid.PutKept(position, m, batch->scaled(k));
      if (placed == GridWriter::Placed::Failed) {
        failed = true;
        return;
      }
      if (placed == GridWriter::Placed::Skipped) {
        ++outcome.traces_skipped;
        decisions.AddMessage(
            FormatText("Skip Trace  line %d trace %d", position.line, position.trace));
      }
    }
    // The batch is read into again once its traces are written.
    if (!grid.Flush()) failed = true;
  };
  bool more = !progress.Cancelled() && batch->Fill(input);
  while (more) {
    // With more than one thread, helpers read and convert the next block
    // while this thread places the traces of the last one, then helps them.
    if (spare)
      spare->Prefetch(input, place);
    else
      place();
    if (failed) return outcome;
    if (progress.Cancelled()) break;
    if (spare) {
      std::swap(batch, spare);
      more = batch->Complete(input);
    } else {
      more = batch->Fill(input);
    }
  }
  if (!grid.ScaleAndCommit(stats, request.window.no_scaling, decisions, "Scaling Traces", progress))
    return outcome;
  outcome.result = LoadResult::Done;
  prompter.Message(FormatText("Data Load Complete\n%lld Traces Processed", count), "End of Process",
                   MessageIcon::Information, MessageButtons::Ok);
  return outcome;
}

}  // namespace quarrix
