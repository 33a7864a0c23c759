#include "section/batch_process.h"

#include <filesystem>
#include <vector>

#include "platform/progress.h"
#include "platform/prompter.h"
#include "platform/text_util.h"
#include "project/project_state.h"
#include "section/trace_conditioning.h"

namespace quarrix {
namespace {

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error) && !error;
}

// Checks the chain once on a silent trace, so that a parameter fault is told
// once rather than for every trace, and before any file is touched.
bool ChainAccepts(const ProcessingParams& params, const SurveyHeader& header, Prompter& prompter) {
  std::vector<std::int16_t> silent(static_cast<std::size_t>(header.trace_bytes / 2), 0);
  return ConditionTrace(silent, params, header.sample_rate, prompter) == 0;
}

// Opens the file written to: the project's own file for reading and writing,
// or a new file filled with zero traces.
bool OpenOutput(ProjectState& project, const BatchTarget& target, AmpFile& output,
                Prompter& prompter, Progress& progress) {
  if (target.in_place) {
    std::string path = project.amp.path();
    project.amp.Close();
    if (project.amp.Open(path, AmpOpenMode::ReadWrite)) return true;
    project.amp.Open(path, AmpOpenMode::Read);
    prompter.Tell("Cannot open amplitude file " + path + " for writing", "Error",
                  MessageIcon::Error);
    return false;
  }
  if (std::string problem = TraceOutputProblem(project, target.output_path); !problem.empty()) {
    prompter.Tell(problem, "Error", MessageIcon::Error);
    return false;
  }
  if (!output.Open(target.output_path, AmpOpenMode::Create)) {
    prompter.Tell("Cannot create amplitude file " + target.output_path, "Error",
                  MessageIcon::Error);
    return false;
  }
  if (!FillWithZeroTraces(output, project.header, progress)) {
    prompter.Tell("Amplitude file " + target.output_path + " could not be filled with zero traces",
                  "Error", MessageIcon::Error);
    return false;
  }
  return true;
}

enum class RunEnd { Finished, Cancelled, WriteFailed };

struct RunResult {
  RunEnd end = RunEnd::Finished;
  long long unread_traces = 0;
};

RunResult ProcessAllTraces(AmpFile& input, AmpFile& output, const SurveyHeader& header,
                           ProcessingConditioner& conditioner, Progress& progress) {
  RunResult result;
  std::vector<std::int16_t> trace(static_cast<std::size_t>(header.trace_bytes / 2) + 1);
  progress.SetRange(0, 100);
  for (int i = 0; i < header.num_lines; ++i) {
    int percent = static_cast<int>(static_cast<double>(i) / header.num_lines * 100.0);
    if (percent % 5 == 0) progress.SetPosition(percent);
    if (progress.Cancelled()) {
      result.end = RunEnd::Cancelled;
      return result;
    }
    for (int j = 0; j < header.traces_per_line; ++j) {
      std::fill(trace.begin(), trace.end(), std::int16_t{0});
      if (ReadTrace(input, header, trace.data(), i, j, header.trace_bytes, &conditioner) != 0) {
        // A trace missing from a short file is left as it is in the output.
        ++result.unread_traces;
        continue;
      }
      if (WriteTrace(output, header, trace.data(), i, j, header.trace_bytes) != 0) {
        result.end = RunEnd::WriteFailed;
        return result;
      }
    }
  }
  if (!output.Flush()) result.end = RunEnd::WriteFailed;
  return result;
}

}  // namespace

std::string TraceOutputProblem(const ProjectState& project, const std::string& path) {
  if (SameFile(path, project.amp.path()) || SameFile(path, project.AmpPath()))
    return path + " is the project's own amplitude file: process it in place instead";
  if (SameFile(path, project.header_path) || SameFile(path, project.XyPath()))
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
  AmpFile new_file;
  if (!OpenOutput(project, target, new_file, prompter, progress)) return false;
  AmpFile& output = target.in_place ? project.amp : new_file;
  ProcessingConditioner conditioner(params, header.sample_rate, prompter);
  RunResult run = ProcessAllTraces(project.amp, output, header, conditioner, progress);

  const std::string written = output.path();
  if (target.in_place) {
    project.amp.Close();
    project.amp.Open(written, AmpOpenMode::Read);
  } else {
    new_file.Close();
  }
  if (run.end == RunEnd::WriteFailed) {
    prompter.Tell("Amplitude file " + written + " could not be written completely", "Error",
                  MessageIcon::Error);
    return false;
  }
  if (run.end == RunEnd::Cancelled) return false;
  if (run.unread_traces > 0)
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
  target.in_place = prompter.Message("Do INPLACE processing", "Warning", MessageIcon::Warning,
                                     MessageButtons::YesNo) == MessageAnswer::Yes;
  if (!target.in_place) {
    FileDialogRequest request;
    request.title = "Create Amplitude File";
    request.filter_names[0] = "Amplitude Files (*.amp)";
    request.filter_patterns[0] = "*.amp";
    request.default_extension = "amp";
    request.must_exist = false;
    request.prompt_overwrite = true;
    std::optional<std::string> path = prompter.SaveFile(request);
    if (!path) return false;
    target.output_path = *path;
  }
  return BatchProcessTraces(project, params, target, prompter, progress);
}

}  // namespace quarrix
