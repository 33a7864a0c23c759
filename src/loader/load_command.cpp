// "ingestor load": the disk conversion end to end from the command line.
#include <ostream>
#include <set>

#include "loader/batch_decisions.h"
#include "loader/disk_conversion.h"
#include "loader/group_bytes.h"
#include "loader/group_load.h"
#include "loader/loader_commands.h"
#include "platform/command_line.h"
#include "platform/process_group.h"
#include "platform/progress.h"
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
    "  --threads N            read, scan and convert on N threads (default: one\n"
    "                         per core; the project is the same for every N)\n"
    "  --mpi                  in a job started by mpirun or srun, share the files\n"
    "                         out among the job's processes (runs of whole files in\n"
    "                         order); the project and the Messages are the same as\n"
    "                         one process makes\n";

// The load shared among the processes of a job: the first reads the
// headers, asks and reports; the others only say what failed in their files.
int RunGroupLoad(DiskLoadRequest request, const std::vector<std::string>& files,
                 BatchLoadOptions options, ProcessGroup& group, std::ostream& out,
                 std::ostream& err) {
  const bool first = group.IsFirst();
  std::ostream silent(nullptr);
  GroupLoadRequest job;
  job.files = files;
  job.scan_every_file = !request.scan_also.empty();
  BatchDecisions decisions(std::move(options), first ? out : silent);
  TerminalPrompter prompter(err);
  SegyFileHeaders headers;
  bool read = !first || ReadDiskHeaders(request.input_path, headers, decisions, prompter);
  if (!group.AllOk(read)) return 1;
  GroupBytesWriter info;
  info.Put(headers.info);
  const std::string shared = group.Share(first ? info.Take() : std::string());
  GroupBytesReader(shared).Get(request.info);
  job.disk = std::move(request);
  TerminalProgress terminal(err, StderrIsTerminal());
  NullProgress quiet;
  Progress& progress = first ? static_cast<Progress&>(terminal) : quiet;
  LoadOutcome outcome = ConvertDiskFilesInGroup(job, group, decisions, prompter, progress);
  return outcome.result == LoadResult::Done ? 0 : 1;
}

}  // namespace

int RunLoadCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (WantsHelp(args)) {
    out << kLoadHelp << kLoadOptionsHelp;
    return 0;
  }
  std::set<std::string> value_options = OptionSet(kLoadValueOptions);
  value_options.insert("--threads");
  std::set<std::string> flag_options = OptionSet(kLoadFlagOptions);
  flag_options.insert("--mpi");
  CommandLine line(args, value_options, flag_options);
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
  std::unique_ptr<ProcessGroup> group;
  if (std::string problem = ReadMpiOption(line, group); !problem.empty()) {
    err << "load: " << problem << '\n';
    return 1;
  }
  if (group) return RunGroupLoad(request, line.positionals(), options, *group, out, err);
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
