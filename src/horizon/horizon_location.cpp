#include "horizon/horizon_location.h"

#include <algorithm>
#include <filesystem>

#include "platform/paths.h"
#include "platform/text_util.h"

namespace quarrix {

std::string HorizonLocation::BaseName() const {
  std::string name = FileNameOf(path);
  std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string HorizonLocation::Companion(const std::string& extension) const {
  const std::string wanted = BaseName() + extension;
  const std::string exact = JoinPath(project_folder, wanted);
  if (FileExists(exact)) return exact;
  // Projects made on Windows may hold "TOP.HOP" beside "Top.hor".
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(project_folder, ec))
    if (EqualsIgnoreCase(entry.path().filename().string(), wanted)) return entry.path().string();
  return exact;
}

bool HorizonLocation::InProjectFolder() const {
  std::error_code ec;
  auto folder_of = [&](const std::string& folder) {
    return std::filesystem::weakly_canonical(
        std::filesystem::absolute(folder.empty() ? "." : folder, ec), ec);
  };
  return folder_of(DirectoryOf(path)) == folder_of(project_folder);
}

std::string HorizonLocation::OutsideProjectProblem() const {
  if (InProjectFolder()) return "";
  return path + " is outside the project folder " +
         (project_folder.empty() ? "." : project_folder) +
         ", where its registration and colour files live; give a name in that folder";
}

HorizonLocation LocateHorizon(const std::string& project_folder, const std::string& name) {
  std::filesystem::path given(name);
  std::string path = given.is_absolute() ? name : JoinPath(project_folder, name);
  return {project_folder, path};
}

ZoomWindow FullSurveyZoom(const SurveyHeader& h) {
  return {h.first_line, h.LineNumber(h.num_lines - 1), h.first_trace,
          h.TraceNumber(h.traces_per_line - 1)};
}

IndexArea ZoomIndexArea(const SurveyHeader& h, const ZoomWindow& zoom) {
  IndexArea area;
  area.first_row = std::max(h.LineIndex(zoom.first_line), 0);
  area.last_row = std::min(h.LineIndex(zoom.last_line), h.num_lines - 1);
  area.first_column = std::max(h.TraceIndex(zoom.first_trace), 0);
  area.last_column = std::min(h.TraceIndex(zoom.last_trace), h.traces_per_line - 1);
  return area;
}

void OpenHorizonList::Open(const std::vector<std::string>& selected) {
  names.assign(selected.begin(), selected.begin() + static_cast<std::ptrdiff_t>(
                                                        std::min(selected.size(), kMaxEntries)));
  current = names.empty() ? -1 : 0;
}

bool OpenHorizonList::Append(const std::string& name) {
  if (names.size() >= kMaxEntries) return false;
  names.push_back(name);
  current = static_cast<int>(names.size()) - 1;
  return true;
}

const std::string* OpenHorizonList::Current() const {
  if (current < 0 || current >= static_cast<int>(names.size())) return nullptr;
  return &names[static_cast<std::size_t>(current)];
}

std::vector<std::string> ListFilesWithExtension(const std::string& folder,
                                                const std::string& extension) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    std::string name = entry.path().filename().string();
    if (entry.is_regular_file(ec) && HasExtension(name, extension)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace quarrix
