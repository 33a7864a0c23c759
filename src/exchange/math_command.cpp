#include <algorithm>

#include "exchange/exchange_commands.h"
#include "exchange/math_run.h"
#include "platform/command_line.h"
#include "platform/terminal_progress.h"
#include "platform/terminal_prompter.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

const char kMathHelp[] =
    "usage: quarrix-batch math PROJECT.hdr --out FILE (--expr \"h1 - h2\" | --function NAME)\n"
    "           [--h1 FILE[:time|:amp]] [--h2 FILE[:time|:amp]|CONSTANT] [--h3 FILE[:time|:amp]]\n"
    "           [--mode average|absolute|positive|negative] [--reference MS]\n"
    "           [--depth-ftn FILE.ftn] [--force]\n"
    "\n"
    "--expr   operands h1, h2, h3 and numbers with + - * /, evaluated left to\n"
    "         right without precedence; a null operand or a division by zero\n"
    "         gives the null value 32700.\n"
    "--function abs | lt-smooth | hv-smooth | fill-holes | null-to-zero |\n"
    "         zero-to-null | flatten (--reference, default the middle of the\n"
    "         range; written as .flt) | interval-avg (h1 top, h2 base, --mode)\n"
    "         | combine-amp (time h1, amplitudes h2) | depth-ftn (--depth-ftn)\n"
    "Inputs are time grids unless :amp names a horizon's amplitude grid. Bare\n"
    "file names are in the project folder. An existing output file is replaced\n"
    "only with --force.\n";

std::optional<IntervalMode> ModeByName(const std::string& name) {
  if (EqualsIgnoreCase(name, "average")) return IntervalMode::Average;
  if (EqualsIgnoreCase(name, "absolute")) return IntervalMode::Absolute;
  if (EqualsIgnoreCase(name, "positive")) return IntervalMode::Positive;
  if (EqualsIgnoreCase(name, "negative")) return IntervalMode::Negative;
  return std::nullopt;
}

MathInput InputArgument(const ProjectState& project, std::string text, bool may_be_constant) {
  MathInput input;
  if (may_be_constant) {
    if (auto value = ParseWholeDouble(text)) {
      input.constant = *value;
      return input;
    }
  }
  for (const char* suffix : {":amp", ":time"}) {
    std::string s = suffix;
    if (text.size() > s.size() && EqualsIgnoreCase(text.substr(text.size() - s.size()), s)) {
      input.amplitude = s == ":amp";
      text.resize(text.size() - s.size());
      break;
    }
  }
  input.path = ProjectFileArgument(project, text);
  return input;
}

}  // namespace

int RunMathCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (WantsHelp(args)) {
    out << kMathHelp;
    return 0;
  }
  CommandLine line(args,
                   {"--out", "--expr", "--function", "--h1", "--h2", "--h3", "--mode",
                    "--reference", "--depth-ftn"},
                   {"--force"});
  std::string problem = line.error();
  if (problem.empty() && line.positionals().size() != 1) problem = "give one PROJECT.hdr";
  if (problem.empty() && !line.Value("--out")) problem = "give --out FILE";
  if (problem.empty() && line.Value("--expr").has_value() == line.Value("--function").has_value())
    problem = "give either --expr or --function";
  MathRequest request;
  if (problem.empty() && line.Value("--function")) {
    auto function = MathFunctionByName(*line.Value("--function"));
    if (function)
      request.function = *function;
    else
      problem = "unknown --function " + *line.Value("--function");
  }
  if (problem.empty() && line.Value("--mode")) {
    auto mode = ModeByName(*line.Value("--mode"));
    if (mode)
      request.interval_mode = *mode;
    else
      problem = "--mode must be average, absolute, positive or negative";
  }
  if (problem.empty() && line.Value("--reference")) {
    auto reference = ParseWholeInt(*line.Value("--reference"));
    if (reference && *reference >= -32768 && *reference <= 32767)
      request.flatten_reference = static_cast<int>(*reference);
    else
      problem = "--reference must be a whole number of milliseconds";
  }
  if (problem.empty() && request.function == MathFunction::DepthFunction &&
      !line.Value("--depth-ftn"))
    problem = "depth-ftn needs --depth-ftn FILE.ftn";
  if (!problem.empty()) {
    err << "math: " << problem << '\n' << kMathHelp;
    return 2;
  }
  TerminalPrompter prompter(err);
  ProjectState project;
  if (!OpenProject(project, line.positionals()[0], prompter)) return 1;
  request.expression = line.Value("--expr").value_or("");
  request.output = ProjectFileArgument(project, *line.Value("--out"));
  request.replace_existing = line.Has("--force");
  const char* inputs[3] = {"--h1", "--h2", "--h3"};
  for (int i = 0; i < 3; ++i)
    if (auto text = line.Value(inputs[i]))
      request.inputs[i] = InputArgument(project, *text, i == 1);
  if (auto ftn = line.Value("--depth-ftn"))
    request.depth_function_path = ProjectFileArgument(project, *ftn);
  TerminalProgress progress(err, StderrIsTerminal());
  auto written = RunMath(request, project, progress, prompter);
  if (!written) return 1;
  out << *written << '\n';
  return 0;
}

}  // namespace quarrix
