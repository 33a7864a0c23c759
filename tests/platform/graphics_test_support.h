#pragma once
// Running the outside programs the graphics tests check our files with.
#include <cstdio>
#include <string>

namespace quarrix::testing {

// Runs a shell command; returns its exit status and what it printed.
inline int RunCommand(const std::string& command, std::string& output) {
  output.clear();
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return -1;
  char buffer[4096];
  std::size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
  int status = pclose(pipe);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

inline bool HaveProgram(const std::string& name) {
  std::string ignored;
  return RunCommand("command -v " + name, ignored) == 0;
}

// A Python that has Pillow (the system one when the first on PATH lacks it),
// or "" when there is none.
inline std::string PythonWithPillow() {
  std::string ignored;
  for (const char* python : {"python3", "/usr/bin/python3"})
    if (RunCommand(std::string(python) + " -c 'import PIL'", ignored) == 0) return python;
  return "";
}

}  // namespace quarrix::testing
