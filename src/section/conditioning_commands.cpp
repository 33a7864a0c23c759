#include "section/conditioning_commands.h"

#include <cmath>
#include <ostream>

#include "platform/command_line.h"
#include "platform/json_writer.h"
#include "platform/paths.h"
#include "platform/process_group.h"
#include "platform/progress.h"
#include "platform/safe_write.h"
#include "platform/terminal_progress.h"
#include "platform/terminal_prompter.h"
#include "platform/text_util.h"
#include "platform/write_session.h"
#include "project/output_guard.h"
#include "project/project_state.h"
#include "section/batch_process.h"
#include "section/condition_range.h"
#include "section/processing_options.h"
#include "section/trace_conditioning.h"

namespace quarrix {

const char kProcessingOptionsHelp[] =
    "Processing options (each turns its step on; steps run in this order):\n"
    "  --phase DEG              phase rotation in degrees\n"
    "  --filter F1,F2,F3,F4     band-pass corners in Hz (0 at F1 and F4, 1 from F2 to F3)\n"
    "  --shift MS               static shift in ms (positive moves events earlier)\n"
    "  --agc WINDOW_MS[,SCALE]  RMS AGC half-window in ms and output scale (default 4000)\n"
    "  --attribute amplitude|phase|frequency\n"
    "                           an instantaneous attribute instead of the steps above\n";

const std::set<std::string> kProcessingValueOptions = {"--phase", "--filter", "--shift", "--agc",
                                                       "--attribute"};

// Reads the processing options into params; "" when they are sound, else what
// is wrong.
std::string ReadProcessingOptions(const CommandLine& line, ProcessingParams& params) {
  if (auto text = line.Value("--phase")) {
    auto degrees = ParseWholeInt(*text);
    if (!degrees) return "--phase takes whole degrees";
    params.phase_on = 1;
    params.phase_deg = NormalisedPhase(*degrees);
  }
  if (auto text = line.Value("--filter")) {
    std::vector<std::string> parts = SplitText(*text, ',');
    if (parts.size() != 4) return "--filter takes four corner frequencies F1,F2,F3,F4";
    for (int i = 0; i < 4; ++i) {
      auto hertz = ParseWholeInt(parts[i]);
      if (!hertz || *hertz < 0 || *hertz > 1000000)
        return "--filter corners are whole frequencies in Hz from 0 to 1000000";
      params.filter_hz[i] = static_cast<std::uint32_t>(*hertz);
    }
    params.filter_on = 1;
  }
  if (auto text = line.Value("--shift")) {
    auto ms = ParseWholeInt(*text);
    if (!ms || *ms < -1000000 || *ms > 1000000) return "--shift takes whole milliseconds";
    params.shift_on = 1;
    params.shift_ms = static_cast<std::int32_t>(*ms);
  }
  if (auto text = line.Value("--agc")) {
    std::vector<std::string> parts = SplitText(*text, ',');
    auto window = parts.size() <= 2 ? ParseWholeInt(parts[0]) : std::nullopt;
    if (!window || *window < 0 || *window > 1000000)
      return "--agc takes a window in whole milliseconds, optionally followed by ,SCALE";
    params.agc_window_ms = static_cast<std::int32_t>(*window);
    if (parts.size() == 2) {
      auto scale = ParseWholeDouble(parts[1]);
      if (!scale || !(std::abs(*scale) <= 1e30)) return "--agc scale must be a number";
      params.agc_scale = static_cast<float>(*scale);
    }
    params.agc_on = 1;
  }
  if (auto text = line.Value("--attribute")) {
    if (*text == "amplitude")
      params.attribute = kAttributeAmplitude;
    else if (*text == "phase")
      params.attribute = kAttributePhase;
    else if (*text == "frequency")
      params.attribute = kAttributeFrequency;
    else
      return "--attribute is amplitude, phase or frequency";
    // As in the Processing Options dialog, an attribute replaces the steps.
    if (params.phase_on || params.filter_on || params.shift_on || params.agc_on)
      return "--attribute cannot be combined with --phase, --filter, --shift or --agc";
  }
  return "";
}

namespace {

const char kConditionUsage[] =
    "usage: quarrix-batch condition PROJECT.hdr --line-index I --trace-index J\n"
    "                               [processing options] [--json]\n"
    "       quarrix-batch condition PROJECT.hdr --lines FIRST:LAST\n"
    "                               [processing options] [--out FILE [--force]]\n"
    "                               [--threads N] [--mpi]\n"
    "\n"
    "Prints the samples of one trace after conditioning, one per line; with\n"
    "--json an object with \"samples\" and \"result\" (0 when the trace was read\n"
    "and conditioned whole, else 1). Indexes count from 0.\n"
    "With --lines, every trace of the lines FIRST to LAST (indexes) is printed\n"
    "as one text line: its line index, its trace index and its samples,\n"
    "separated by blanks, in line and trace order; --out writes them to FILE\n"
    "(a bare name lies in the project folder; an existing file is replaced\n"
    "only with --force). --threads N shares the lines out among N threads\n"
    "(default: one per core) and --mpi, in a job started by mpirun or srun,\n"
    "among the job's processes; the listing is the same either way.\n\n";

const char kProcessUsage[] =
    "usage: quarrix-batch process PROJECT.hdr [processing options]\n"
    "         (--in-place | --out FILE.amp [--force]) [--threads N] [--mpi]\n"
    "\n"
    "Conditions every trace of the project's trace file and writes the result\n"
    "over it (--in-place) or into a new trace file (--out; a bare name lies in\n"
    "the project folder), which replaces an existing file only with --force.\n"
    "--threads N shares the lines out among N threads (default: one per core;\n"
    "the file is the same for every N). --mpi, in a job started by mpirun or\n"
    "srun, shares the lines out among the job's processes; the file is the same\n"
    "as one process makes.\n\n";

std::set<std::string> With(std::set<std::string> options, std::initializer_list<const char*> more) {
  for (const char* option : more) options.insert(option);
  return options;
}

// Parses the command line and opens the project; on failure prints why and
// gives the exit status.
struct CommandSetup {
  int status = 0;
  ProcessingParams params;
  ProjectState project;
};

void PrepareCommand(const CommandLine& line, const char* name, const char* usage,
                    CommandSetup& setup, std::ostream& err) {
  if (!line.error().empty() || line.positionals().size() != 1) {
    err << name << ": " << (line.error().empty() ? "give one PROJECT.hdr" : line.error()) << '\n'
        << usage << kProcessingOptionsHelp;
    setup.status = 2;
    return;
  }
  if (std::string problem = ReadProcessingOptions(line, setup.params); !problem.empty()) {
    err << name << ": " << problem << '\n';
    setup.status = 2;
    return;
  }
  TerminalPrompter prompter(err);
  if (!OpenProject(setup.project, line.positionals()[0], prompter)) {
    setup.status = 1;
    return;
  }
  if (!setup.project.amp.IsOpen()) {
    err << name << ": cannot open the amplitude file " << setup.project.AmpPath() << '\n';
    setup.status = 1;
  }
}

std::optional<int> IndexOption(const CommandLine& line, const char* option, int count) {
  auto text = line.Value(option);
  auto value = text ? ParseWholeInt(*text) : std::nullopt;
  if (!value || *value < 0 || *value >= count) return std::nullopt;
  return static_cast<int>(*value);
}

// "FIRST:LAST" line indexes within the survey.
std::optional<LineRange> LinesOption(const CommandLine& line, int count) {
  auto text = line.Value("--lines");
  auto pair = text ? ParseNumberPair(*text, ':') : std::nullopt;
  if (!pair || pair->first != std::trunc(pair->first) || pair->second != std::trunc(pair->second) ||
      pair->first < 0 || pair->first > pair->second || pair->second >= count)
    return std::nullopt;
  return LineRange{static_cast<int>(pair->first), static_cast<int>(pair->second) + 1};
}

// "condition --lines": the listing of a run of lines, shared among threads
// and, with --mpi, among the job's processes; the first one writes it.
int RunConditionLines(const CommandLine& line, std::ostream& out, std::ostream& err) {
  std::unique_ptr<ProcessGroup> joined;
  if (std::string problem = ReadMpiOption(line, joined); !problem.empty()) {
    err << "condition: " << problem << '\n';
    return 1;
  }
  SingleProcess alone;
  ProcessGroup& group = joined ? *joined : alone;
  CommandSetup setup;
  PrepareCommand(line, "condition", kConditionUsage, setup, err);
  if (!group.AllOk(setup.status == 0)) return setup.status != 0 ? setup.status : 1;
  const SurveyHeader& header = setup.project.header;
  std::optional<LineRange> lines = LinesOption(line, header.num_lines);
  int threads = 1;
  std::string problem = ReadThreadsOption(line, threads);
  if (!lines || line.Has("--line-index") || line.Has("--trace-index") || line.Has("--json"))
    problem = FormatText(
        "--lines takes FIRST:LAST line indexes from 0 to %d (and no --line-index, "
        "--trace-index or --json)",
        header.num_lines - 1);
  if (!problem.empty()) {
    err << "condition: " << problem << '\n';
    return 2;
  }
  std::string out_path;
  if (auto path = line.Value("--out"))
    out_path = ResolveProjectName(DirectoryOf(setup.project.header_path), *path);
  if (!out_path.empty() && !FirstDecides(&group, [&] {
        return MayCreate(setup.project, out_path, line.Has("--force"), "condition", err);
      }))
    return 1;
  TerminalPrompter prompter(err);
  // A parameter fault is told once, before any trace is read.
  std::vector<std::int16_t> silent(static_cast<std::size_t>(header.trace_bytes / 2), 0);
  if (!FirstDecides(&group, [&] {
        return ConditionTrace(silent, setup.params, header.sample_rate, prompter) == 0;
      }))
    return 1;
  ProcessingConditioner conditioner(setup.params, header.sample_rate, prompter);
  TerminalProgress terminal(err, StderrIsTerminal());
  NullProgress quiet;
  Progress& progress = group.IsFirst() ? static_cast<Progress&>(terminal) : quiet;
  progress.SetLabel("Condition Lines");
  const LineRange share = LinesOfRank(lines->count(), group.Rank(), group.Size());
  ConditionedListing listing = ListConditionedLines(
      setup.project.amp, header, &conditioner,
      {lines->first + share.first, lines->first + share.end}, threads, progress);
  if (!group.AllOk(!listing.cancelled)) return 1;
  const std::vector<char> all = group.GatherOnFirst(listing.text.data(), listing.text.size());
  const long long failed = group.Sum(listing.failed);
  bool written = true;
  if (group.IsFirst()) {
    const std::string_view text(all.data(), all.size());
    std::string error;
    if (out_path.empty())
      written =
          static_cast<bool>(out.write(text.data(), static_cast<std::streamsize>(text.size())));
    else if (!(written = WriteFileSafely(out_path, text, &error)))
      err << "condition: " << error << '\n';
    if (failed > 0)
      err << FormatText("condition: %lld traces could not be read or conditioned whole\n", failed);
  }
  if (!group.AllOk(written)) return 1;
  if (group.IsFirst() && !out_path.empty()) out << out_path << '\n';
  return failed > 0 ? 1 : 0;
}

}  // namespace

int RunConditionCommand(const std::vector<std::string>& args, std::ostream& out,
                        std::ostream& err) {
  if (args.empty() || WantsHelp(args)) {
    (args.empty() ? err : out) << kConditionUsage << kProcessingOptionsHelp;
    return args.empty() ? 2 : 0;
  }
  CommandLine line(args,
                   With(kProcessingValueOptions,
                        {"--line-index", "--trace-index", "--lines", "--out", "--threads"}),
                   {"--json", "--mpi", "--force"});
  if (line.Has("--lines")) return RunConditionLines(line, out, err);
  if (line.Has("--out") || line.Has("--threads") || line.Has("--mpi") || line.Has("--force")) {
    err << "condition: --out, --force, --threads and --mpi go with --lines\n";
    return 2;
  }
  CommandSetup setup;
  PrepareCommand(line, "condition", kConditionUsage, setup, err);
  if (setup.status != 0) return setup.status;
  const SurveyHeader& header = setup.project.header;
  auto line_index = IndexOption(line, "--line-index", header.num_lines);
  auto trace_index = IndexOption(line, "--trace-index", header.traces_per_line);
  if (!line_index || !trace_index) {
    err << FormatText("condition: give --line-index from 0 to %d and --trace-index from 0 to %d\n",
                      header.num_lines - 1, header.traces_per_line - 1);
    return 2;
  }
  TerminalPrompter prompter(err);
  ProcessingConditioner conditioner(setup.params, header.sample_rate, prompter);
  // Room for every byte read, even when a header gives an odd record length.
  std::vector<std::int16_t> trace(static_cast<std::size_t>(header.trace_bytes + 1) / 2, 0);
  int result = ReadTrace(setup.project.amp, header, trace.data(), *line_index, *trace_index,
                         header.trace_bytes, &conditioner);
  if (line.Has("--json")) {
    JsonWriter json(out);
    json.BeginObject().Key("samples").BeginArray();
    for (std::int16_t v : trace) json.Int(v);
    json.EndArray().Key("result").Int(result).EndObject();
    out << '\n';
  } else {
    for (std::int16_t v : trace) out << v << '\n';
  }
  return result == 0 ? 0 : 1;
}

int RunProcessCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || WantsHelp(args)) {
    (args.empty() ? err : out) << kProcessUsage << kProcessingOptionsHelp;
    return args.empty() ? 2 : 0;
  }
  CommandLine line(args, With(kProcessingValueOptions, {"--out", "--threads"}),
                   {"--in-place", "--force", "--mpi"});
  std::unique_ptr<ProcessGroup> group;
  if (std::string problem = ReadMpiOption(line, group); !problem.empty()) {
    err << "process: " << problem << '\n';
    return 1;
  }
  CommandSetup setup;
  PrepareCommand(line, "process", kProcessUsage, setup, err);
  if (group && !group->AllOk(setup.status == 0) && setup.status == 0) return 1;
  if (setup.status != 0) return setup.status;
  BatchTarget target;
  target.group = group.get();
  target.in_place = line.Has("--in-place");
  if (auto path = line.Value("--out"))
    target.output_path = ResolveProjectName(DirectoryOf(setup.project.header_path), *path);
  if (target.in_place == !target.output_path.empty()) {
    err << "process: give either --in-place or --out FILE.amp\n";
    return 2;
  }
  if (std::string problem = ReadThreadsOption(line, target.threads); !problem.empty()) {
    err << "process: " << problem << '\n';
    return 2;
  }
  if (!target.in_place && !FirstDecides(group.get(), [&] {
        return MayCreate(setup.project, target.output_path, line.Has("--force"), "process", err);
      }))
    return 1;
  // Processing in place rewrites the project's trace file trace by trace: it
  // is locked for the run (by the first process of a job) and marked until
  // the run has finished.
  std::unique_ptr<WriteSession> session;
  if (target.in_place && !FirstDecides(group.get(), [&] {
        return (session = LockForEditing(setup.project.AmpPath(), "process", err)) != nullptr;
      }))
    return 1;
  const bool first = !group || group->IsFirst();
  TerminalPrompter prompter(err);
  TerminalProgress terminal(err, StderrIsTerminal());
  NullProgress quiet;
  Progress& progress = first ? static_cast<Progress&>(terminal) : quiet;
  if (!BatchProcessTraces(setup.project, setup.params, target, prompter, progress)) return 1;
  if (session) session->Finish();
  if (first) out << (target.in_place ? setup.project.AmpPath() : target.output_path) << '\n';
  return 0;
}

}  // namespace quarrix
