#include "loader/disk_conversion.h"

#include <vector>

#include "loader/disk_coverage.h"
#include "loader/ebcdic.h"
#include "loader/grid_writer.h"
#include "loader/header_scan.h"
#include "loader/load_decisions.h"
#include "loader/project_output.h"
#include "loader/segy_input.h"
#include "platform/file_message.h"
#include "platform/progress.h"
#include "platform/prompter.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

const char kCannotOpenInput[] = "Cannot open input file!!";

// Reads the next input record; at the end of a file asks for a file to
// append and goes on at its first trace. False when the input ends.
class AppendingInput {
 public:
  AppendingInput(const SegyBinaryInfo& info, LoadDecisions& decisions, Prompter& prompter)
      : info_(info), decisions_(decisions), prompter_(prompter) {}

  bool Open(const std::string& path) {
    path_ = path;
    return input_.Open(path) && input_.Seek(kSegyFileHeaderBytes);
  }

  bool Next(unsigned char* record, std::size_t bytes) {
    std::size_t got;
    while ((got = input_.Read(record, bytes)) != bytes) {
      // A file cut off inside a trace: that trace is not loaded, and the user is told.
      if (got > 0)
        prompter_.Tell(FormatText("%s ends inside a trace: %zu of its %zu bytes are missing, "
                                  "and it is not loaded",
                                  path_.c_str(), bytes - got, bytes),
                       "Warning", MessageIcon::Warning);
      std::optional<std::string> next = decisions_.AppendFile();
      if (!next) return false;
      if (!OpenAppended(*next)) return false;
    }
    return true;
  }

 private:
  bool OpenAppended(const std::string& path) {
    input_.Close();
    path_ = path;
    char headers[kSegyFileHeaderBytes];
    if (!input_.Open(path)) {
      prompter_.Tell(NamingFile(kCannotOpenInput, path), "", MessageIcon::Warning);
      return false;
    }
    std::size_t got = input_.Read(headers, sizeof headers);
    // The traces of an appended file are read with the first file's layout,
    // so a file of another layout would be misread: it is refused.
    SegyBinaryInfo info = DecodeBinaryHeader(std::string_view(headers, got).substr(kSegyTextBytes));
    if (got != sizeof headers || info.samples != info_.samples || info.format != info_.format) {
      prompter_.Tell(
          FormatText("%s has %d samples of format %d per trace, the load %d of format "
                     "%d: not appended",
                     path.c_str(), info.samples, info.format, info_.samples, info_.format),
          "Error", MessageIcon::Error);
      return false;
    }
    return true;
  }

  SegyBinaryInfo info_;
  LoadDecisions& decisions_;
  Prompter& prompter_;
  SegyInput input_;
  std::string path_;  // the file being read
};

}  // namespace

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
  const std::int64_t record_bytes = SegyRecordBytes(info);
  std::optional<HeaderScanTables> tables = ScanHeaders(request.input_path, record_bytes, progress);
  if (!tables) {
    if (!progress.Cancelled())
      prompter.Tell(NamingFile(kCannotOpenInput, request.input_path), "", MessageIcon::Warning);
    return outcome;
  }
  HeaderWordChoice choice;
  auto mark_coverage = [&](CoverageGrid& grid, const HeaderWordChoice& words) {
    MarkDiskCoverage(request.input_path, record_bytes, grid, words);
  };
  if (!ConfirmSurveyGeometry(*tables, request.two_d, true, info, header, window, choice, decisions,
                             prompter, mark_coverage))
    return outcome;

  GridWriter grid(output, header, prompter);
  if (!grid.Prepare("Creating Trace Data File", progress)) return outcome;

  AppendingInput input(info, decisions, prompter);
  if (!input.Open(request.input_path)) {
    prompter.Tell(NamingFile(kCannotOpenInput, request.input_path), "", MessageIcon::Warning);
    return outcome;
  }
  std::vector<unsigned char> record(static_cast<std::size_t>(record_bytes));
  std::vector<float> samples(static_cast<std::size_t>(window.num_samples));
  std::vector<std::int16_t> scaled(samples.size());
  ScaleStats stats;
  progress.SetRange(0, 100);
  progress.SetPosition(0);
  progress.SetLabel("Converting Traces ");
  int bar = 0;
  long long& count = outcome.traces_processed;
  while (!progress.Cancelled() && input.Next(record.data(), record.size())) {
    DecodeTrace(record.data(), info.format, window.first_sample, window.num_samples,
                samples.data());
    float m = NormaliseTrace(samples.data(), window.num_samples, request.window.no_scaling, count,
                             stats, scaled.data());
    LineTrace position = TraceLineTrace(record.data(), choice);
    if (count % 10 == 0) progress.SetPosition(++bar);
    ++count;
    if (count % 1000 == 0) {
      std::string text = FormatText("Converting %lld Traces", count);
      decisions.AddMessage(text);
      progress.SetLabel(text);
      progress.SetPosition(bar = 0);
    }
    GridWriter::Placed placed = grid.Put(position, m, scaled.data());
    if (placed == GridWriter::Placed::Failed) return outcome;
    if (placed == GridWriter::Placed::Skipped) {
      ++outcome.traces_skipped;
      decisions.AddMessage(
          FormatText("Skip Trace  line %d trace %d", position.line, position.trace));
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
