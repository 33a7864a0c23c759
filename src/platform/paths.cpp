#include "platform/paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/text_util.h"

namespace quarrix {

std::string ConfigFolder() {
#if defined(_WIN32)
  if (const char* appdata = std::getenv("APPDATA"); appdata && *appdata)
    return JoinPath(appdata, "quarrix");
#endif
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
    return JoinPath(xdg, "quarrix");
  if (const char* home = std::getenv("HOME"); home && *home)
    return JoinPath(JoinPath(home, ".config"), "quarrix");
  return "quarrix";
}

bool EnsureConfigFolder() {
  std::error_code error;
  std::filesystem::create_directories(ConfigFolder(), error);
  return !error;
}

std::string ConfigFile(const std::string& name) {
  return JoinPath(ConfigFolder(), name);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  char last = folder.back();
  if (last == '/' || last == '\\') return folder + name;
  return folder + "/" + name;
}

std::string ResolveProjectName(const std::string& project_folder, const std::string& name) {
  if (name.find_first_of("/\\") != std::string::npos) return name;
  return JoinPath(project_folder, name);
}

static std::size_t LastSeparator(const std::string& path) {
  return path.find_last_of("/\\");
}

std::string DirectoryOf(const std::string& path) {
  std::size_t slash = LastSeparator(path);
  if (slash == std::string::npos) return "";
  if (slash == 0) return path.substr(0, 1);
  return path.substr(0, slash);
}

std::string FileNameOf(const std::string& path) {
  std::size_t slash = LastSeparator(path);
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string BaseWithDot(const std::string& path) {
  std::size_t slash = LastSeparator(path);
  std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path + ".";
  return path.substr(0, dot + 1);
}

bool HasExtension(const std::string& path, const std::string& ext) {
  std::string name = FileNameOf(path);
  std::size_t dot = name.find_last_of('.');
  return dot != std::string::npos && EqualsIgnoreCase(name.substr(dot + 1), ext);
}

bool FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

std::string FindProgram(const std::string& name, const std::string& first_folder) {
  std::error_code error;
  auto runnable = [&](const std::string& path) {
    if (!std::filesystem::is_regular_file(path, error)) return false;
    auto perms = std::filesystem::status(path, error).permissions();
    return (perms & std::filesystem::perms::owner_exec) != std::filesystem::perms::none;
  };
  if (!first_folder.empty() && runnable(JoinPath(first_folder, name)))
    return JoinPath(first_folder, name);
  const char* path = std::getenv("PATH");
  if (!path) return "";
#if defined(_WIN32)
  const char separator = ';';
#else
  const char separator = ':';
#endif
  for (const std::string& folder : SplitText(path, separator))
    if (!folder.empty() && runnable(JoinPath(folder, name))) return JoinPath(folder, name);
  return "";
}

long long FileSize(const std::string& path) {
  std::error_code error;
  auto size = std::filesystem::file_size(path, error);
  return error ? -1 : static_cast<long long>(size);
}

}  // namespace quarrix
