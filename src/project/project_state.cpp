#include "project/project_state.h"

#include <vector>

#include "platform/paths.h"
#include "platform/progress.h"
#include "platform/prompter.h"
#include "platform/safe_write.h"
#include "platform/text_util.h"
#include "platform/write_session.h"
#include "project/header_file.h"
#include "project/trace_file_check.h"

namespace quarrix {

namespace {

// A marker beside the trace file means a run changing it in place did not
// finish: the user is told the traces may be incomplete.
void WarnOfInterruptedWrite(const ProjectState& project, Prompter& prompter) {
  if (!project.amp.IsOpen()) return;
  if (std::string warning = InterruptedWriteWarning(project.AmpPath()); !warning.empty())
    prompter.Tell(warning, "Warning", MessageIcon::Warning);
}

}  // namespace

bool OpenProject(ProjectState& project, const std::string& header_path, Prompter& prompter) {
  SurveyHeader header = project.header;
  if (!LoadHeader(header_path, header, prompter, HeaderReader::Interpretation)) return false;
  if (!TraceFileAgrees(header, BaseWithDot(header_path) + "amp", prompter)) return false;
  project.header = header;
  project.header_path = header_path;
  project.project_base = BaseWithDot(header_path);
  DefaultViewAngles(header.corner_index, project.view_azimuth, project.view_elevation);
  RefreshPlacement(project);
  project.amp.Open(project.AmpPath(), AmpOpenMode::Read);
  WarnOfInterruptedWrite(project, prompter);
  project.is_open = true;
  return true;
}

void RefreshPlacement(ProjectState& project) {
  project.placement = LoadXyGeometry(project.XyPath(), project.header, project.placement);
}

bool FillWithZeroTraces(AmpFile& file, const SurveyHeader& header, Progress& progress) {
  std::vector<char> zeros(static_cast<std::size_t>(header.traces_per_line) * header.trace_bytes, 0);
  progress.SetRange(0, header.num_lines);
  for (int i = 0; i < header.num_lines; ++i) {
    if (progress.Cancelled()) return false;
    if (file.WriteAt(TraceOffset(header, i, 0), zeros.data(), zeros.size()) != zeros.size())
      return false;
    progress.SetPosition(i + 1);
  }
  return file.Flush();
}

bool CreateZeroAmpFile(ProjectState& project, Prompter& prompter, Progress& progress) {
  const std::string path = project.AmpPath();
  if (project.amp.IsOpen()) {
    prompter.Tell("The project's trace file " + path +
                      " is open: a dummy trace file is made only for a project without one",
                  "Warning", MessageIcon::Warning);
    return false;
  }
  if (prompter.Message("Create Dummy Amp File???", "Warning", MessageIcon::Warning,
                       MessageButtons::OkCancel) != MessageAnswer::Ok)
    return false;
  const SurveyHeader& h = project.header;
  std::string question =
      FormatText("File requires %lld bytes, PROCEED??", static_cast<long long>(h.AmpFileBytes()));
  if (prompter.Message(question, "Warning", MessageIcon::Warning, MessageButtons::OkCancel) !=
      MessageAnswer::Ok)
    return false;
  if (FileExists(path) &&
      prompter.Message("The trace file " + path +
                           " exists. Replace its traces with zeros? They cannot be recovered.",
                       "Warning", MessageIcon::Warning,
                       MessageButtons::YesNoDefaultNo) != MessageAnswer::Yes)
    return false;
  // Made under a temporary name, so an old file stays until the new one is whole.
  const std::string temporary = UniqueTemporaryPath(path, ".tmp~");
  TemporaryRemover remover(temporary);
  AmpFile file;
  if (!file.Open(temporary, AmpOpenMode::Create)) {
    prompter.Tell("Cannot create amplitude file " + path + ": " + SystemErrorText(), "Error",
                  MessageIcon::Error);
    return false;
  }
  progress.SetLabel("Create Amp File");
  bool written = FillWithZeroTraces(file, h, progress);
  written = file.Close() && written;
  std::string error;
  if (!written || !RenameIntoPlace(temporary, path, &error)) {
    prompter.Tell("Amplitude file " + path + " could not be written completely", "Error",
                  MessageIcon::Error);
    return false;
  }
  prompter.Tell(FormatText("Created the trace file %s: %lld bytes of zero traces", path.c_str(),
                           static_cast<long long>(h.AmpFileBytes())),
                "Create Amp File", MessageIcon::Information);
  return project.amp.Open(path, AmpOpenMode::Read);
}

}  // namespace quarrix
