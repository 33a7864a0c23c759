#pragma once
// The one check every command makes before it writes: the project's own
// header, trace and X/Y files are never an output nor an edited grid, a file
// is created over an existing one only when the user said so, and a grid
// file edited in place must be of the survey's grid size.
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>

namespace quarrix {

struct ProjectState;
struct SurveyHeader;

// Fills in the header and file names of a project whose trace file a command
// does not open, for the checks below.
void NameProject(ProjectState& project, const std::string& header_path, const SurveyHeader& header);

// True when the two paths name one file: links followed, and (as a project
// copied from a case-blind disk may name its files either way) case ignored.
bool IsSameFile(const std::string& a, const std::string& b);

// True when path is (or links to, or differs only in case from) the project's
// header, trace or X/Y file.
bool IsProjectFile(const ProjectState& project, const std::string& path);

// "" when a command may create path, else the reason. An existing file is
// refused unless replace_existing (the batch "--force", a GUI overwrite
// question answered Yes); a project file is refused always.
std::string CheckNewOutput(const ProjectState& project, const std::string& path,
                           bool replace_existing);

// The kinds of file edited in place.
enum class EditedFile { Horizon, GridFile, Fault };

// "" when path is an existing file of the kind that a command may change in
// place: not a project file, a regular file (links followed) and of the size
// the survey's grid gives that kind; else the reason.
std::string CheckEditedFile(const ProjectState& project, const std::string& path, EditedFile kind);

// The sizes a file of the kind may have for a grid of rows x columns cells.
bool GridFileSizeFits(EditedFile kind, std::int64_t rows, std::int64_t columns, std::int64_t size);

// The checks above for batch commands: say "COMMAND: reason" on err and give
// false when the file may not be written.
bool MayCreate(const ProjectState& project, const std::string& path, bool force,
               const char* command, std::ostream& err);
bool MayEdit(const ProjectState& project, const std::string& path, EditedFile kind,
             const char* command, std::ostream& err);

class WriteSession;
// Starts the write session of a file a batch command changes in place: the
// lock (a busy file is said and gives nothing) and the marker; says when an
// earlier run on the file did not finish.
std::unique_ptr<WriteSession> LockForEditing(const std::string& path, const char* command,
                                             std::ostream& err);

}  // namespace quarrix
