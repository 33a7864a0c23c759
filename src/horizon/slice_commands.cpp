#include <ostream>

#include "horizon/arbitrary_line.h"
#include "horizon/batch_setup.h"
#include "horizon/flattening.h"
#include "horizon/horizon_commands.h"
#include "horizon/time_slices.h"
#include "platform/command_line.h"
#include "platform/paths.h"
#include "platform/process_group.h"
#include "platform/progress.h"
#include "platform/terminal_progress.h"
#include "project/output_guard.h"

namespace quarrix {
namespace {

const char kSliceHelp[] =
    "usage: quarrix-batch slice PROJECT.hdr --start MS --end MS [--inc MS]\n"
    "         [--flatten FILE.flt] [--threads N] [--mpi]\n"
    "\n"
    "Writes one time slice per time start, start + inc, ... up to end (only the\n"
    "start when inc is 0 or absent) as NNNN.slc in the project folder, or\n"
    "NNNNflt.slc when flattened on the shifts of FILE.flt.\n"
    "\n"
    "--threads N shares the lines out among N threads (default: one per core;\n"
    "the files are the same for every N). --mpi, in a job started by mpirun or\n"
    "srun, shares the lines out among the job's processes; the first writes the\n"
    "slices, the same files as one process writes.\n";

const char kFlattenHelp[] =
    "usage: quarrix-batch flatten PROJECT.hdr NAME.hor --out FILE.flt [--force]\n"
    "\n"
    "Writes the Auto Flatten shifts of a horizon (datum halfway between its\n"
    "shallowest and deepest pick) as a flatten file. An existing file is\n"
    "replaced only with --force.\n";

const char kArbHelp[] =
    "usage: quarrix-batch arb create PROJECT.hdr NAME.arb --vertex TRACE_INDEX,LINE_INDEX ...\n"
    "         [--force]\n"
    "\n"
    "Writes an arbitrary line through the vertices (indexes count from 0):\n"
    "every bin of the straight walk between consecutive vertices. An existing\n"
    "file is replaced only with --force.\n";

template <typename Body>
int RunWithHelp(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                const char* help, Body body) {
  if (args.empty() || WantsHelp(args)) {
    (args.empty() ? err : out) << help;
    return args.empty() ? 2 : 0;
  }
  return body();
}

}  // namespace

int RunSliceCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  return RunWithHelp(args, out, err, kSliceHelp, [&] {
    CommandLine line(args, {"--start", "--end", "--inc", "--flatten", "--threads"}, {"--mpi"});
    std::string problem = line.error();
    if (problem.empty() && line.positionals().size() != 1) problem = "give one PROJECT.hdr";
    if (problem.empty() && (!line.Has("--start") || !line.Has("--end")))
      problem = "give --start and --end";
    SliceRequest request;
    if (problem.empty()) problem = ReadIntOption(line, "--start", -32768, 32767, request.start_ms);
    if (problem.empty()) problem = ReadIntOption(line, "--end", -32768, 32767, request.end_ms);
    if (problem.empty()) problem = ReadIntOption(line, "--inc", 0, 32767, request.increment_ms);
    if (problem.empty()) problem = ReadThreadsOption(line, request.threads);
    if (!problem.empty()) return Usage(err, "slice", problem, kSliceHelp);
    std::unique_ptr<ProcessGroup> group;
    if (std::string mpi_problem = ReadMpiOption(line, group); !mpi_problem.empty()) {
      err << "slice: " << mpi_problem << '\n';
      return 1;
    }
    request.group = group.get();
    const bool first = !group || group->IsFirst();
    auto batch = OpenBatchProject(line.positionals()[0], true, "slice", err);
    if (group && !group->AllOk(batch != nullptr)) return 1;
    if (!batch) return 1;
    FlattenTable flatten;
    if (auto file = line.Value("--flatten")) {
      std::string path = LocateHorizon(batch->folder, *file).path;
      if (!LoadFlattenFile(path, batch->project.header, flatten)) {
        err << "slice: cannot read the flatten file " << path << '\n';
        return 1;
      }
      request.flatten = &flatten;
    }
    TerminalProgress terminal(err, StderrIsTerminal());
    NullProgress quiet;
    Progress& progress = first ? static_cast<Progress&>(terminal) : quiet;
    SliceRun run = GenerateTimeSlices(batch->project.header, batch->project.amp, nullptr,
                                      batch->folder, request, progress, batch->prompter);
    if (first)
      for (const std::string& path : run.written) out << path << '\n';
    return run.written.size() == SliceTimes(request).size() ? 0 : 1;
  });
}

int RunFlattenCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  return RunWithHelp(args, out, err, kFlattenHelp, [&] {
    CommandLine line(args, {"--out"}, {"--force"});
    std::string problem = line.error();
    if (problem.empty() && line.positionals().size() != 2)
      problem = "give PROJECT.hdr and NAME.hor";
    if (problem.empty() && !line.Has("--out")) problem = "give --out FILE.flt";
    if (!problem.empty()) return Usage(err, "flatten", problem, kFlattenHelp);
    auto batch = OpenBatchProject(line.positionals()[0], false, "flatten", err);
    if (!batch) return 1;
    const SurveyHeader& h = batch->project.header;
    HorizonLocation horizon = LocateHorizon(batch->folder, line.positionals()[1]);
    HorizonGrid time(h.num_lines, h.traces_per_line);
    if (std::string problem;
        ReadWholeHorizon(horizon.path, &time, nullptr, problem) != HorizonReadResult::Ok) {
      err << "flatten: " << problem << '\n';
      return 1;
    }
    std::string out_path = LocateHorizon(batch->folder, *line.Value("--out")).path;
    if (!MayCreate(batch->project, out_path, line.Has("--force"), "flatten", err)) return 1;
    if (!WriteFlattenFile(out_path, AutoFlattenShifts(time))) {
      err << "flatten: cannot write " << out_path << '\n';
      return 1;
    }
    out << out_path << '\n';
    return 0;
  });
}

int RunArbCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  return RunWithHelp(args, out, err, kArbHelp, [&] {
    CommandLine line(args, {"--vertex"}, {"--force"});
    const auto& pos = line.positionals();
    std::string problem = line.error();
    if (problem.empty() && (pos.size() != 3 || pos[0] != "create"))
      problem = "give create, PROJECT.hdr and NAME.arb";
    std::vector<ArbitraryBin> vertices;
    for (const std::string& text : line.Values("--vertex")) {
      auto pair = ParseWholePair(text, ',');
      if (!pair)
        problem = "--vertex takes TRACE_INDEX,LINE_INDEX";
      else
        vertices.push_back({pair->first, pair->second});
    }
    if (problem.empty() && vertices.empty()) problem = "give at least one --vertex";
    if (!problem.empty()) return Usage(err, "arb", problem, kArbHelp);
    auto batch = OpenBatchProject(pos[1], false, "arb", err);
    if (!batch) return 1;
    for (const ArbitraryBin& v : vertices)
      if (v.trace_index < 0 || v.trace_index >= batch->project.header.traces_per_line ||
          v.line_index < 0 || v.line_index >= batch->project.header.num_lines)
        return Usage(err, "arb", "a vertex lies outside the survey", kArbHelp);
    std::string path = LocateHorizon(batch->folder, pos[2]).path;
    if (!MayCreate(batch->project, path, line.Has("--force"), "arb", err)) return 1;
    if (!SaveArbitraryLine(path, vertices, batch->project.header, batch->prompter)) return 1;
    out << path << '\n';
    return 0;
  });
}

}  // namespace quarrix
