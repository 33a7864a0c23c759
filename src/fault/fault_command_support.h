#pragma once
// What the fault sub-commands share: the project header, option parsing and
// reading and saving the fault grid, with problems worded for the user.
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "fault/fault_grid.h"
#include "platform/command_line.h"
#include "platform/terminal_prompter.h"
#include "platform/write_session.h"
#include "project/output_guard.h"
#include "project/project_state.h"
#include "project/survey_header.h"

namespace quarrix {

// One run of a sub-command: its parsed arguments, the project header and the
// batch prompter (messages to stderr).
struct FaultRun {
  FaultRun(const std::string& name, const CommandLine& line, std::ostream& out, std::ostream& err)
      : name(name), line(line), out(out), err(err), prompter(err) {}

  const std::string& name;
  const CommandLine& line;
  std::ostream& out;
  std::ostream& err;
  TerminalPrompter prompter;
  SurveyHeader header;
  ProjectState project;                   // the project's header and file names (no trace file)
  std::unique_ptr<WriteSession> session;  // the lock and marker of the file edited
  int last_failure = 0;                   // the status of the last Fail

  // Checks the number of positionals (the project header first) and loads the
  // header: 0, or the exit status after saying what is wrong.
  int Start(std::size_t positionals, const char* usage);
  // The file positional index names: a bare name lies in the project folder.
  std::string File(std::size_t index) const;
  // Whether the command may create path (an existing file only with
  // --force) or change path in place as a file of the kind (then locked for
  // the run, with its marker); says why not.
  bool MayCreate(const std::string& path);
  bool MayEdit(const std::string& path, EditedFile kind);
  // The file edited is complete: its marker goes.
  void EditFinished();
  // Reads a fault file of the project into a fresh grid.
  std::optional<FaultGrid> ReadFaultFile(const std::string& path);
  // An "A:B" pair of whole numbers from an option; nothing (said) when absent
  // or malformed.
  std::optional<std::pair<int, int>> IntPair(const char* option);
  // Says what is wrong; returns the exit status (2 bad arguments, 1 files).
  int Fail(const std::string& problem, int status = 2);
};

}  // namespace quarrix
