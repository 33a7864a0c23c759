#pragma once
// Path helpers: the per-user configuration folder that stands in for the
// Windows directory, and the name manipulations project files need.
#include <string>

namespace quarrix {

// $XDG_CONFIG_HOME/quarrix, else ~/.config/quarrix (created on demand by
// EnsureConfigFolder). On Windows, %APPDATA%\quarrix.
std::string ConfigFolder();
bool EnsureConfigFolder();
// ConfigFolder() joined with a file name.
std::string ConfigFile(const std::string& name);

// The file a name given to a command stands for: a bare name lies in the
// project folder, a name with a folder is taken as given.
std::string ResolveProjectName(const std::string& project_folder, const std::string& name);

std::string JoinPath(const std::string& folder, const std::string& name);
// The folder part of a path ("" for a bare name).
std::string DirectoryOf(const std::string& path);
// The file name part of a path.
std::string FileNameOf(const std::string& path);
// The path cut after the dot of its extension: "/a/north.hdr" -> "/a/north.".
// A path without an extension gets a dot appended.
std::string BaseWithDot(const std::string& path);
// True when the file's extension equals ext (without the dot), ignoring case.
bool HasExtension(const std::string& path, const std::string& ext);
bool FileExists(const std::string& path);
// Finds an executable: first in first_folder, then along PATH; "" if absent.
std::string FindProgram(const std::string& name, const std::string& first_folder);
// Size of a file in bytes, or -1.
long long FileSize(const std::string& path);

}  // namespace quarrix
