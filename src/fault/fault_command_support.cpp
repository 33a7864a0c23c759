#include "fault/fault_command_support.h"

#include <cmath>
#include <ostream>

#include "fault/fault_file.h"
#include "platform/paths.h"
#include "project/header_file.h"

namespace quarrix {

int FaultRun::Start(std::size_t positionals, const char* usage) {
  if (!line.error().empty()) return Fail(line.error());
  if (line.positionals().size() != positionals) return Fail(usage);
  if (!LoadHeader(line.positionals()[0], header, prompter)) return 1;
  if (std::string problem = HeaderProblem(header); !problem.empty())
    return Fail(line.positionals()[0] + ": " + problem, 1);
  NameProject(project, line.positionals()[0], header);
  return 0;
}

std::string FaultRun::File(std::size_t index) const {
  return ResolveProjectName(DirectoryOf(project.header_path), line.positionals()[index]);
}

bool FaultRun::MayCreate(const std::string& path) {
  std::string problem = CheckNewOutput(project, path, line.Has("--force"));
  if (!problem.empty()) Fail(problem, 1);
  return problem.empty();
}

bool FaultRun::MayEdit(const std::string& path, EditedFile kind) {
  std::string problem = CheckEditedFile(project, path, kind);
  if (!problem.empty()) {
    Fail(problem, 1);
    return false;
  }
  session = std::make_unique<WriteSession>();
  if (!session->Begin(path)) {
    Fail(session->problem(), 1);
    return false;
  }
  if (!session->warning().empty()) err << "fault " << name << ": " << session->warning() << '\n';
  return true;
}

void FaultRun::EditFinished() {
  if (session) session->Finish();
}

std::optional<FaultGrid> FaultRun::ReadFaultFile(const std::string& path) {
  FaultGrid grid = SurveyFaultGrid(header);
  if (!ReadFault(path, grid, prompter)) return std::nullopt;
  return grid;
}

std::optional<std::pair<int, int>> FaultRun::IntPair(const char* option) {
  std::optional<std::string> text = line.Value(option);
  std::optional<std::pair<double, double>> pair;
  if (text) pair = ParseNumberPair(*text, ':');
  auto whole = [](double v) { return std::fabs(v) < 1e9 && v == std::trunc(v); };
  if (!pair || !whole(pair->first) || !whole(pair->second)) {
    Fail(std::string(option) + " takes two whole numbers A:B");
    return std::nullopt;
  }
  return std::pair<int, int>(static_cast<int>(pair->first), static_cast<int>(pair->second));
}

int FaultRun::Fail(const std::string& problem, int status) {
  err << "fault " << name << ": " << problem << '\n';
  return last_failure = status;
}

}  // namespace quarrix
