// "ingestor export": a project written as SEG-Y to a tape (drive or image) or
// to a disk file.
#include <ostream>

#include "loader/batch_decisions.h"
#include "loader/loader_commands.h"
#include "loader/segy_export.h"
#include "platform/command_line.h"
#include "platform/paths.h"
#include "platform/safe_write.h"
#include "platform/tape_device.h"
#include "platform/terminal_progress.h"
#include "platform/terminal_prompter.h"
#include "project/header_file.h"
#include "project/output_guard.h"
#include "project/project_state.h"

namespace quarrix {
namespace {

const char kExportHelp[] =
    "usage: ingestor export PROJECT.hdr (--tape DEVICE_OR_IMAGE.tap | --out FILE.sgy)\n"
    "                       [--force]\n"
    "                       [--lines FIRST:LAST] [--traces FIRST:LAST]\n"
    "\n"
    "Writes the project as SEG-Y (IBM floats, one block per trace) with the\n"
    "project described in the textual header and each trace's line, trace and\n"
    "X/Y in its trace header. --tape takes a unit number N (/dev/nstN), a\n"
    "device path or a SIMH .tap image file; --out writes a disk file. A bare\n"
    "file name lies in the project folder; an existing file or image is\n"
    "replaced only with --force.\n"
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
  CommandLine line(args, {"--tape", "--out", "--lines", "--traces"}, {"--force"});
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
  const std::string& header_path = line.positionals()[0];
  const std::string folder = DirectoryOf(header_path);
  const bool drive = line.Has("--tape") && NamesTapeDrive(*line.Value("--tape"));
  // A disk file or a tape image is a file the export creates.
  std::string target;
  if (!drive) {
    target = ResolveProjectName(folder, *line.Value(line.Has("--tape") ? "--tape" : "--out"));
    ProjectState project;
    NameProject(project, header_path, header);
    if (!MayCreate(project, target, line.Has("--force"), "export", err)) return 1;
  }
  std::unique_ptr<TapeDevice> tape;
  std::unique_ptr<BlockSink> sink;
  // An image is written under a temporary name and renamed into place only
  // when the export succeeded.
  std::string image;
  TemporaryRemover remover(image);
  if (line.Has("--tape")) {
    std::string error;
    if (!drive) image = UniqueTemporaryPath(target, ".tmp~");
    tape = OpenTape(drive ? *line.Value("--tape") : image, true, error);
    if (!tape) {
      err << "export: " << error << '\n';
      return 1;
    }
    sink = TapeSink(*tape);
  } else {
    sink = FileSink(target);
  }
  ExportMessages messages(out);
  TerminalProgress progress(err, StderrIsTerminal());
  if (!ExportProject(header_path, range, *sink, messages, prompter, progress)) return 1;
  sink.reset();
  tape.reset();
  std::string error;
  if (!image.empty() && !RenameIntoPlace(image, target, &error)) {
    err << "export: " << error << '\n';
    return 1;
  }
  return 0;
}

}  // namespace quarrix
