// "ingestor load": the disk conversion end to end from the command line.
#include <ostream>
#include <set>

#include "loader/batch_decisions.h"
#include "loader/disk_conversion.h"
#include "loader/loader_commands.h"
#include "platform/command_line.h"
#include "platform/terminal_progress.h"
#include "platform/terminal_prompter.h"

namespace quarrix {
namespace {

const char kLoadHelp[] =
    "usage: ingestor load FILE.sgy [MORE.sgy ...] --project DIR/NAME\n"
    "                     --line-word BYTE[:SIZE] --trace-word BYTE[:SIZE] [options]\n"
    "\n"
    "Converts SEG-Y disk files (the later ones appended to the first) into the\n"
    "project DIR/NAME/NAME.hdr with NAME.amp. The Messages lines go to stdout.\n"
    "Unless --lines and --traces give the ranges, the trace headers of every\n"
    "file are scanned for them.\n"
    "\n"
    "  --threads N            decode on N threads (default: one per core; the\n"
    "                         project is the same for every N)\n";

}  // namespace

int RunLoadCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (WantsHelp(args)) {
    out << kLoadHelp << kLoadOptionsHelp;
    return 0;
  }
  std::set<std::string> value_options = OptionSet(kLoadValueOptions);
  value_options.insert("--threads");
  CommandLine line(args, value_options, OptionSet(kLoadFlagOptions));
  BatchLoadOptions options;
  DiskLoadRequest request;
  std::string problem = line.error();
  if (problem.empty() && line.positionals().empty()) problem = "load: give at least one FILE.sgy";
  if (problem.empty()) problem = ParseLoadOptions(line, options);
  if (problem.empty()) problem = ReadThreadsOption(line, request.threads);
  if (!problem.empty()) {
    err << "load: " << problem << '\n';
    return 2;
  }
  request.input_path = line.positionals()[0];
  request.window = options.window;
  request.two_d = options.two_d;
  request.defaults = options.values;
  for (std::size_t k = 1; k < line.positionals().size(); ++k)
    options.append.push_back(line.positionals()[k]);
  // Without both ranges given, every file's headers count for the ranges.
  if (!options.lines || !options.traces)
    request.scan_also.assign(options.append.begin(), options.append.end());
  BatchDecisions decisions(std::move(options), out);
  TerminalPrompter prompter(err);
  SegyFileHeaders headers;
  if (!ReadDiskHeaders(request.input_path, headers, decisions, prompter)) return 1;
  request.info = headers.info;
  TerminalProgress progress(err, StderrIsTerminal());
  LoadOutcome outcome = ConvertDiskFile(request, decisions, prompter, progress);
  return outcome.result == LoadResult::Done ? 0 : 1;
}

}  // namespace quarrix
