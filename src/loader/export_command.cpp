// "ingestor export": a project written as SEG-Y to a tape (drive or image) or
// to a disk file.
#include <ostream>

#include "loader/batch_decisions.h"
#include "loader/loader_commands.h"
#include "loader/segy_export.h"
#include "platform/command_line.h"
#include "platform/tape_device.h"
#include "platform/terminal_progress.h"
#include "platform/terminal_prompter.h"
#include "project/header_file.h"

namespace quarrix {
namespace {

const char kExportHelp[] =
    "usage: ingestor export PROJECT.hdr (--tape DEVICE_OR_IMAGE.tap | --out FILE.sgy)\n"
    "                       [--lines FIRST:LAST] [--traces FIRST:LAST]\n"
    "\n"
    "Writes the project as SEG-Y (IBM floats, one block per trace) with the\n"
    "project described in the textual header and each trace's line, trace and\n"
    "X/Y in its trace header. --tape takes a unit number N (/dev/nstN), a\n"
    "device path or a SIMH .tap image file; --out writes a disk file.\n"
    "The ranges (inclusive line and trace numbers) default to the whole survey.\n";

// Records the "Messages" lines; nothing else is asked during an export.
class ExportMessages : public BatchDecisions {
 public:
  explicit ExportMessages(std::ostream& out) : BatchDecisions({}, out) {}
};

bool ParseRange(const CommandLine& line, const char* name, int& first, int& last,
                std::string& problem) {
  auto text = line.Value(name);
  if (!text) return true;
  auto pair = ParseNumberPair(*text, ':');
  if (!pair || pair->first > pair->second) {
    problem = std::string(name) + " takes FIRST:LAST";
    return false;
  }
  first = static_cast<int>(pair->first);
  last = static_cast<int>(pair->second);
  return true;
}

}  // namespace

int RunExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (WantsHelp(args)) {
    out << kExportHelp;
    return 0;
  }
  CommandLine line(args, {"--tape", "--out", "--lines", "--traces"}, {});
  std::string problem = line.error();
  if (problem.empty() && line.positionals().size() != 1) problem = "give one PROJECT.hdr";
  if (problem.empty() && line.Has("--tape") == line.Has("--out"))
    problem = "give either --tape or --out";
  TerminalPrompter prompter(err);
  SurveyHeader header;
  ExportRange range;
  if (problem.empty()) {
    if (!LoadHeader(line.positionals()[0], header, prompter)) return 1;
    range = {header.first_line, header.last_line, header.first_trace, header.last_trace};
    ParseRange(line, "--lines", range.first_line, range.last_line, problem);
    ParseRange(line, "--traces", range.first_trace, range.last_trace, problem);
  }
  if (!problem.empty()) {
    err << "export: " << problem << '\n' << kExportHelp;
    return 2;
  }
  std::unique_ptr<TapeDevice> tape;
  std::unique_ptr<BlockSink> sink;
  if (auto device = line.Value("--tape")) {
    std::string error;
    tape = OpenTape(*device, true, error);
    if (!tape) {
      err << "export: " << error << '\n';
      return 1;
    }
    sink = TapeSink(*tape);
  } else {
    sink = FileSink(*line.Value("--out"));
  }
  ExportMessages messages(out);
  TerminalProgress progress(err, StderrIsTerminal());
  return ExportProject(line.positionals()[0], range, *sink, messages, prompter, progress) ? 0 : 1;
}

}  // namespace quarrix
