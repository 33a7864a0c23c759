#include "loader/disk_conversion.h"

#include <algorithm>
#include <optional>
#include <vector>

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
namespace {

const char kCannotOpenInput[] = "Cannot open input file!!";

}  // namespace

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

// Whether a file can continue the load; tells why not when it cannot
// (unless quiet).
bool AppendableFile(const std::string& path, const SegyBinaryInfo& info, Prompter& prompter,
                    bool quiet) {
  SegyInput input;
  std::string headers(kSegyFileHeaderBytes, '\0');
  if (input.Open(path)) headers.resize(input.Read(headers.data(), headers.size()));
  std::string refusal = input.IsOpen() ? AppendRefusal(path, headers, info) : "";
  if (!refusal.empty() && !quiet) prompter.Tell(refusal, "Error", MessageIcon::Error);
  return refusal.empty();
}

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

// Reads input records in blocks; at the end of a file asks for a file to
// append and goes on at its first trace. Once the input has ended it is not
// asked again (that would repeat the end-of-file question).
class AppendingInput {
 public:
  AppendingInput(const SegyBinaryInfo& info, int threads, LoadDecisions& decisions,
                 Prompter& prompter)
      : info_(info),
        threads_(threads),
        record_bytes_(static_cast<std::size_t>(SegyRecordBytes(info))),
        decisions_(decisions),
        prompter_(prompter) {}

  bool Open(const std::string& path) {
    path_ = path;
    input_.SetThreads(threads_);
    return input_.Open(path, record_bytes_);
  }

  // Reads up to count records into out, in the file's byte order, the first
  // done of them already there; fewer only when the input has ended. visit
  // sees the records as they arrive, on the threads that read them (numbered
  // from out).
  std::size_t Next(unsigned char* out, std::size_t count,
                   const SegyRecordReader::PieceVisitor& visit, std::size_t done = 0) {
    while (done < count && !ended_) {
      done = ReadOn(out, done, count, visit);
      if (done == count) break;
      // A file cut off inside a trace: that trace is not loaded, and the user is told.
      if (const std::size_t cut = input_.cut_bytes(); cut > 0)
        prompter_.Tell(FormatText("%s ends inside a trace: %zu of its %zu bytes are missing, "
                                  "and it is not loaded",
                                  path_.c_str(), record_bytes_ - cut, record_bytes_),
                       "Warning", MessageIcon::Warning);
      std::optional<std::string> next = decisions_.AppendFile();
      ended_ = !next || !OpenAppended(*next);
    }
    return done;
  }

  // Next, but from the file being read alone: it never asks or tells
  // anything, so it may run on another thread while this one places traces.
  std::size_t ReadOn(unsigned char* out, std::size_t done, std::size_t count,
                     const SegyRecordReader::PieceVisitor& visit) {
    if (ended_ || done >= count) return done;
    auto from_out = [&](int worker, unsigned char*, std::size_t first, std::size_t n) {
      visit(worker, out, done + first, n);
    };
    return done + input_.Read(out + done * record_bytes_, count - done, from_out);
  }

 private:
  bool OpenAppended(const std::string& path) {
    input_.Close();
    path_ = path;
    if (!input_.Open(path, record_bytes_)) {
      prompter_.Tell(NamingFile(kCannotOpenInput, path), "", MessageIcon::Warning);
      return false;
    }
    return AppendableFile(path, info_, prompter_, false);
  }

  SegyBinaryInfo info_;
  int threads_;
  std::size_t record_bytes_;
  LoadDecisions& decisions_;
  Prompter& prompter_;
  SegyRecordReader input_;
  std::string path_;  // the file being read
  bool ended_ = false;
};

// Input records read a block at a time and brought to 16 bits together: the
// decoding and scaling of a block's traces is shared out among threads. Each
// trace depends on its own record alone, so a block gives what reading one
// trace at a time gives. With a final scale value the traces come out at it.
class DecodedBatch {
 public:
  DecodedBatch(const SegyBinaryInfo& info, const TimeWindow& window, bool no_scaling, int threads,
               std::optional<double> final_scale)
      : info_(info),
        window_(window),
        no_scaling_(no_scaling),
        threads_(std::max(threads, 1)),
        final_scale_(final_scale),
        record_bytes_(static_cast<std::size_t>(SegyRecordBytes(info))),
        samples_(static_cast<std::size_t>(window.num_samples)),
        capacity_(
            RecordsPerBlock(record_bytes_, kBatchBytes * static_cast<std::size_t>(threads_))) {
    records_.resize(record_bytes_ * capacity_);
    scaled_.resize(samples_ * capacity_);
    maxima_.resize(capacity_);
    decoded_.assign(static_cast<std::size_t>(threads_), std::vector<float>(samples_));
  }

  // Reads and converts up to a block of records; false when none was left.
  // Each thread converts the records it read while they are in its cache.
  bool Fill(AppendingInput& input) {
    Prefetch(input);
    return Complete(input);
  }
  // Fill in two steps: Prefetch reads what the file being read holds (on any
  // thread), Complete goes on into appended files on the thread that asks.
  void Prefetch(AppendingInput& input) {
    size_ = static_cast<int>(input.ReadOn(records_.data(), 0, capacity_, Converter()));
  }
  bool Complete(AppendingInput& input) {
    size_ = static_cast<int>(
        input.Next(records_.data(), capacity_, Converter(), static_cast<std::size_t>(size_)));
    return size_ > 0;
  }

  int size() const { return size_; }
  const unsigned char* record(int k) const { return records_.data() + Offset(k, record_bytes_); }
  const std::int16_t* scaled(int k) const { return scaled_.data() + Offset(k, samples_); }
  float maximum(int k) const { return maxima_[static_cast<std::size_t>(k)]; }

 private:
  // Records for each thread in a block.
  static constexpr std::size_t kBatchBytes = std::size_t{1} << 20;
  static std::size_t Offset(int k, std::size_t size) { return static_cast<std::size_t>(k) * size; }

  SegyRecordReader::PieceVisitor Converter() {
    return [this](int worker, unsigned char*, std::size_t first, std::size_t n) {
      for (std::size_t k = first; k < first + n; ++k) Convert(worker, k);
    };
  }

  void Convert(int worker, std::size_t k) {
    maxima_[k] = ConvertRecord(records_.data() + k * record_bytes_, info_, window_, no_scaling_,
                               final_scale_, decoded_[static_cast<std::size_t>(worker)].data(),
                               scaled_.data() + k * samples_);
  }

  SegyBinaryInfo info_;
  TimeWindow window_;
  bool no_scaling_;
  int threads_;
  std::optional<double> final_scale_;
  std::size_t record_bytes_, samples_, capacity_;
  int size_ = 0;
  std::vector<unsigned char> records_;
  std::vector<std::int16_t> scaled_;
  std::vector<float> maxima_;
  std::vector<std::vector<float>> decoded_;  // one per worker
};

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
  // With more than one thread, the next block is read and converted while
  // this thread places the traces of the last one.
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
  bool more = !progress.Cancelled() && batch->Fill(input);
  // Each trace is counted and placed in input order, whatever thread decoded it.
  while (more) {
    std::optional<BackgroundJob> reading;
    if (spare) reading.emplace([&input, spare] { spare->Prefetch(input); });
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
      GridWriter::Placed placed = grid.Put(position, m, batch->scaled(k));
      if (placed == GridWriter::Placed::Failed) return outcome;
      if (placed == GridWriter::Placed::Skipped) {
        ++outcome.traces_skipped;
        decisions.AddMessage(
            FormatText("Skip Trace  line %d trace %d", position.line, position.trace));
      }
    }
    if (reading) reading->Wait();
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
