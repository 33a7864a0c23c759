#include "project/output_guard.h"

#include <filesystem>
#include <ostream>
#include <system_error>

#include "platform/paths.h"
#include "platform/text_util.h"
#include "platform/write_session.h"
#include "project/project_state.h"

namespace quarrix {
namespace fs = std::filesystem;
namespace {

// The absolute form of a path with every link resolved as far as it exists.
std::string ResolvedPath(const std::string& path) {
  std::error_code error;
  fs::path resolved = fs::weakly_canonical(fs::absolute(path, error), error);
  return error ? path : resolved.string();
}

}  // namespace

bool IsSameFile(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  std::error_code error;
  if (fs::equivalent(a, b, error) && !error) return true;
  // Neither need exist: the resolved names are compared.
  return EqualsIgnoreCase(ResolvedPath(a), ResolvedPath(b));
}

void NameProject(ProjectState& project, const std::string& header_path,
                 const SurveyHeader& header) {
  project.header = header;
  project.header_path = header_path;
  project.project_base = BaseWithDot(header_path);
}

bool IsProjectFile(const ProjectState& project, const std::string& path) {
  for (const std::string& own : {project.header_path, project.AmpPath(), project.XyPath()})
    if (IsSameFile(path, own)) return true;
  return false;
}

std::string CheckNewOutput(const ProjectState& project, const std::string& path,
                           bool replace_existing) {
  if (IsProjectFile(project, path))
    return path + " is one of the project's own files and is never written by this command";
  std::error_code error;
  fs::file_status status = fs::status(path, error);
  if (fs::is_directory(status)) return path + " is a folder";
  if (fs::exists(status) && !replace_existing)
    return path + " already exists (give --force to replace it)";
  return "";
}

bool GridFileSizeFits(EditedFile kind, std::int64_t rows, std::int64_t columns, std::int64_t size) {
  const std::int64_t grid = 2 * rows * columns;
  switch (kind) {
    case EditedFile::Horizon:
    case EditedFile::GridFile: return size == 4 + grid || size == 4 + 2 * grid;
    case EditedFile::Fault: return size == 12 + grid;
  }
  return false;
}

std::string CheckEditedFile(const ProjectState& project, const std::string& path, EditedFile kind) {
  if (IsProjectFile(project, path))
    return path + " is one of the project's own files, not a " +
           (kind == EditedFile::Fault ? "fault file" : "horizon file");
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return "no such file " + path;
  const auto size = static_cast<std::int64_t>(fs::file_size(path, error));
  const std::int64_t rows = project.header.num_lines, columns = project.header.traces_per_line;
  if (!error && GridFileSizeFits(kind, rows, columns, size)) return "";
  // A short file gets the words every reader of horizon files uses.
  const std::int64_t grid = 2 * rows * columns;
  const std::int64_t needed = kind == EditedFile::Fault     ? 12 + grid
                              : kind == EditedFile::Horizon ? 4 + 2 * grid
                                                            : 4 + grid;
  if (!error && size < needed)
    return FormatText("%s holds %lld bytes, too few for a %lld x %lld grid of this project (%lld)",
                      path.c_str(), static_cast<long long>(size), static_cast<long long>(rows),
                      static_cast<long long>(columns), static_cast<long long>(needed));
  return FormatText("%s is not a %s of this survey's grid (%lld bytes)", path.c_str(),
                    kind == EditedFile::Fault ? "fault file" : "horizon file",
                    static_cast<long long>(size));
}

bool MayCreate(const ProjectState& project, const std::string& path, bool force,
               const char* command, std::ostream& err) {
  std::string problem = CheckNewOutput(project, path, force);
  if (!problem.empty()) err << command << ": " << problem << '\n';
  return problem.empty();
}

bool MayEdit(const ProjectState& project, const std::string& path, EditedFile kind,
             const char* command, std::ostream& err) {
  std::string problem = CheckEditedFile(project, path, kind);
  if (!problem.empty()) err << command << ": " << problem << '\n';
  return problem.empty();
}

std::unique_ptr<WriteSession> LockForEditing(const std::string& path, const char* command,
                                             std::ostream& err) {
  auto session = std::make_unique<WriteSession>();
  if (!session->Begin(path)) {
    err << command << ": " << session->problem() << '\n';
    return nullptr;
  }
  if (!session->warning().empty()) err << command << ": " << session->warning() << '\n';
  return session;
}

}  // namespace quarrix
