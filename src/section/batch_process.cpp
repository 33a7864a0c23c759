#include "section/batch_process.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/parallel.h"
#include "platform/process_group.h"
#include "platform/progress.h"
#include "platform/prompter.h"
#include "platform/safe_write.h"
#include "platform/text_util.h"
#include "project/line_block_reader.h"
#include "project/output_guard.h"
#include "project/project_state.h"
#include "section/trace_conditioning.h"

namespace quarrix {
namespace {

// Checks the chain once on a silent trace, so that a parameter fault is told
// once rather than for every trace, and before any file is touched.
bool ChainAccepts(const ProcessingParams& params, const SurveyHeader& header, Prompter& prompter) {
  std::vector<std::int16_t> silent(static_cast<std::size_t>(header.trace_bytes / 2), 0);
  return ConditionTrace(silent, params, header.sample_rate, prompter) == 0;
}

// Creates the new trace file under its temporary name, filled with zero traces.
bool MakeZeroFile(const ProjectState& project, const BatchTarget& target, AmpFile& output,
                  const std::string& temporary, Prompter& prompter) {
  if (std::string problem = TraceOutputProblem(project, target.output_path); !problem.empty()) {
    prompter.Tell(problem, "Error", MessageIcon::Error);
    return false;
  }
  if (!output.Open(temporary, AmpOpenMode::Create)) {
    prompter.Tell("Cannot create amplitude file " + target.output_path + ": " + SystemErrorText(),
                  "Error", MessageIcon::Error);
    return false;
  }
  // Sized rather than written: the system gives zeros where nothing was
  // written, as it does for the loader's new trace file, and a survey's
  // worth of zeros written first took as long as the processing itself.
  if (!output.Reserve(project.header.AmpFileBytes())) {
    prompter.Tell("Amplitude file " + target.output_path + " could not be filled with zero traces",
                  "Error", MessageIcon::Error);
    return false;
  }
  return true;
}

// Opens the file written to: the project's own file for reading and writing,
// or a new file under a temporary name (renamed into place when the run
// succeeds) filled with zero traces. In a group the first process makes the
// new file and the others open it once it is filled; true when every process
// has its file open.
bool OpenOutput(ProjectState& project, const BatchTarget& target, AmpFile& output,
                const std::string& temporary, ProcessGroup& group, Prompter& prompter,
                Progress& progress) {
  if (target.in_place) {
    std::string path = project.amp.path();
    project.amp.Close();
    bool opened = project.amp.Open(path, AmpOpenMode::ReadWrite);
    if (!opened) {
      project.amp.Open(path, AmpOpenMode::Read);
      prompter.Tell("Cannot open amplitude file " + path + " for writing", "Error",
                    MessageIcon::Error);
    }
    if (group.AllOk(opened)) return true;
    if (opened) project.amp.Open(path, AmpOpenMode::Read);
    return false;
  }
  bool made = true;
  if (group.IsFirst()) made = MakeZeroFile(project, target, output, temporary, prompter);
  if (!group.AllOk(made)) return false;
  bool opened = group.IsFirst() || output.Open(temporary, AmpOpenMode::ReadWrite);
  if (!opened)
    prompter.Tell("Cannot open amplitude file " + temporary + " for writing: " + SystemErrorText(),
                  "Error", MessageIcon::Error);
  return group.AllOk(opened);
}

enum class RunEnd { Finished, Cancelled, WriteFailed };

struct RunResult {
  RunEnd end = RunEnd::Finished;
  long long unread_traces = 0;
};

// One worker's share of the work: its reader, its line of processed traces
// and what went wrong in its lines.
struct LineWorker {
  LineWorker(const AmpFile& input, const SurveyHeader& header, std::size_t block_bytes)
      : reader(input, header, block_bytes),
        line(static_cast<std::size_t>(header.traces_per_line) *
             static_cast<std::size_t>(header.trace_bytes / 2 + 1)) {}
  LineBlockReader reader;
  std::vector<std::int16_t> line;
  std::vector<std::int16_t> run;  // neighbouring traces as the file holds them
  long long unread_traces = 0;
  bool write_failed = false;
};

// Processes line i: every trace read (from the worker's block of lines) and
// conditioned, then each trace that was read written at its place. A trace
// missing from a short file is left as it is in the output.
void ProcessLine(int i, const SurveyHeader& header, TraceConditioner* conditioner, AmpFile& output,
                 LineWorker& worker) {
  const std::size_t stride = static_cast<std::size_t>(header.trace_bytes / 2 + 1);
  std::vector<bool> read(static_cast<std::size_t>(header.traces_per_line));
  for (int j = 0; j < header.traces_per_line; ++j) {
    std::int16_t* trace = worker.line.data() + stride * static_cast<std::size_t>(j);
    std::fill(trace, trace + stride, std::int16_t{0});
    read[static_cast<std::size_t>(j)] =
        worker.reader.Read(trace, i, j, header.trace_bytes, conditioner) == 0;
    if (!read[static_cast<std::size_t>(j)]) ++worker.unread_traces;
  }
  // A line's records lie side by side in the file, so each run of traces
  // that were read goes out in one write.
  const std::size_t samples = static_cast<std::size_t>(header.trace_bytes / 2);
  for (int j = 0; j < header.traces_per_line && !worker.write_failed;) {
    if (!read[static_cast<std::size_t>(j)]) {
      ++j;
      continue;
    }
    int end = j;
    while (end < header.traces_per_line && read[static_cast<std::size_t>(end)]) ++end;
    worker.run.resize(samples * static_cast<std::size_t>(end - j));
    for (int k = j; k < end; ++k) {
      const std::int16_t* trace = worker.line.data() + stride * static_cast<std::size_t>(k);
      std::copy(trace, trace + samples,
                worker.run.data() + samples * static_cast<std::size_t>(k - j));
    }
    SamplesFromFileOrder(worker.run.data(), worker.run.size());
    const std::size_t bytes = worker.run.size() * sizeof(std::int16_t);
    if (output.WriteAt(TraceOffset(header, i, j), worker.run.data(), bytes) != bytes)
      worker.write_failed = true;
    j = end;
  }
}

// Processes the lines of the range.
RunResult ProcessAllTraces(const AmpFile& input, AmpFile& output, const SurveyHeader& header,
                           ProcessingConditioner& conditioner, int threads, LineRange lines,
                           Progress& progress) {
  const WorkerConditioners conditioners(&conditioner, ThreadsForWholeFile(input, header, threads));
  const LinePassPlan plan = PlanLinePass(header, lines.count(), conditioners.threads());
  std::vector<std::unique_ptr<LineWorker>> workers;
  for (int w = 0; w < conditioners.threads(); ++w)
    workers.push_back(std::make_unique<LineWorker>(input, header, plan.block_bytes));
  RunResult result;
  progress.SetRange(0, 100);
  auto report = [&](int lines_done) {
    for (const auto& worker : workers)
      if (worker->write_failed) result.end = RunEnd::WriteFailed;
    if (result.end == RunEnd::WriteFailed) return false;
    if (lines_done == lines.count()) return true;
    int percent = static_cast<int>(static_cast<double>(lines_done) / lines.count() * 100.0);
    if (percent % 5 == 0) progress.SetPosition(percent);
    if (progress.Cancelled()) result.end = RunEnd::Cancelled;
    return result.end == RunEnd::Finished;
  };
  // The first position and cancel check come before any line, as in a
  // line-by-line pass.
  if (report(0)) {
    ForEachLineBatch(
        lines.count(), conditioners.threads(), plan.lines_per_task,
        [&](int w, int first_line, int end_line) {
          for (int i = lines.first + first_line; i < lines.first + end_line; ++i)
            ProcessLine(i, header, conditioners.For(w), output,
                        *workers[static_cast<std::size_t>(w)]);
        },
        report);
  }
  for (const auto& worker : workers) result.unread_traces += worker->unread_traces;
  if (result.end == RunEnd::Finished && !output.Flush()) result.end = RunEnd::WriteFailed;
  return result;
}

}  // namespace

std::string TraceOutputProblem(const ProjectState& project, const std::string& path) {
  if (IsSameFile(path, project.amp.path()) || IsSameFile(path, project.AmpPath()))
    return path + " is the project's own amplitude file: process it in place instead";
  if (IsProjectFile(project, path))
    return path + " is a file of the project, not an amplitude file";
  std::error_code error;
  const std::filesystem::path file(path);
  if (std::filesystem::exists(file, error) && !EqualsIgnoreCase(file.extension().string(), ".amp"))
    return path + " exists and is not an amplitude file (*.amp): it is left as it is";
  return "";
}

bool BatchProcessTraces(ProjectState& project, ProcessingParams& params, const BatchTarget& target,
                        Prompter& prompter, Progress& progress) {
  if (!project.amp.IsOpen()) {
    prompter.Tell("No amplitude file is open", "Error", MessageIcon::Error);
    return false;
  }
  const SurveyHeader& header = project.header;
  if (!ChainAccepts(params, header, prompter)) return false;
  progress.SetLabel("Batch Process");
  SingleProcess alone;
  ProcessGroup& group = target.group ? *target.group : alone;
  AmpFile new_file;
  const std::string temporary =
      target.in_place ? "" : group.Share(UniqueTemporaryPath(target.output_path, ".tmp~"));
  // A new trace file exists only under its own name once it is complete.
  const std::string owned_temporary = group.IsFirst() ? temporary : std::string();
  TemporaryRemover remover(owned_temporary);
  if (!OpenOutput(project, target, new_file, temporary, group, prompter, progress)) return false;
  AmpFile& output = target.in_place ? project.amp : new_file;
  ProcessingConditioner conditioner(params, header.sample_rate, prompter);
  RunResult run =
      ProcessAllTraces(project.amp, output, header, conditioner, target.threads,
                       LinesOfRank(header.num_lines, group.Rank(), group.Size()), progress);

  const std::string written = target.in_place ? output.path() : target.output_path;
  const bool closed = output.Close();
  if (target.in_place) project.amp.Open(written, AmpOpenMode::Read);
  if (!closed && run.end == RunEnd::Finished) run.end = RunEnd::WriteFailed;
  const bool write_failed = !group.AllOk(run.end != RunEnd::WriteFailed);
  const bool finished = group.AllOk(run.end == RunEnd::Finished);
  run.unread_traces = group.Sum(run.unread_traces);
  if (!target.in_place && finished) {
    std::string error;
    const bool renamed = !group.IsFirst() || RenameIntoPlace(temporary, written, &error);
    if (!renamed) prompter.Tell(error, "Error", MessageIcon::Error);
    if (!group.AllOk(renamed)) return false;
  }
  if (write_failed) {
    if (group.IsFirst())
      prompter.Tell("Amplitude file " + written + " could not be written completely", "Error",
                    MessageIcon::Error);
    return false;
  }
  if (!finished) return false;
  if (run.unread_traces > 0 && group.IsFirst())
    prompter.Tell(FormatText("%lld traces could not be read from %s and were not processed",
                             run.unread_traces, project.amp.path().c_str()),
                  "Warning", MessageIcon::Warning);
  params.phase_on = 0;
  params.filter_on = 0;
  params.shift_on = 0;
  return true;
}

bool BatchProcess(ProjectState& project, ProcessingParams& params, Prompter& prompter,
                  Progress& progress) {
  BatchTarget target;
  target.threads = MachineThreadCount();  // the file is the same for any count
  target.in_place = prompter.Message("Do INPLACE processing", "Warning", MessageIcon::Warning,
                                     MessageButtons::YesNo) == MessageAnswer::Yes;
  if (!target.in_place) {
    std::optional<std::string> path =
        prompter.SaveFile({.title = "Create Amplitude File",
                           .filter_names = {"Amplitude Files (*.amp)"},
                           .filter_patterns = {"*.amp"},
                           .default_extension = "amp",
                           .must_exist = false,
                           .prompt_overwrite = true});
    if (!path) return false;
    target.output_path = *path;
  }
  return BatchProcessTraces(project, params, target, prompter, progress);
}

}  // namespace quarrix
