#include "loader/batch_decisions.h"

#include <cmath>
#include <ostream>
#include <tuple>

#include "platform/command_line.h"
#include "platform/paths.h"
#include "platform/text_util.h"

namespace quarrix {

const char* const kLoadValueOptions[] = {
    "--project",      "--line-word",     "--trace-word", "--corner", "--start-time", "--end-time",
    "--line-inc",     "--trace-inc",     "--scale",      "--owner",  "--line-name",  "--collector",
    "--line-spacing", "--trace-spacing", "--lines",      "--traces", nullptr};
const char* const kLoadFlagOptions[] = {"--2d", "--no-scale", nullptr};

const char kLoadOptionsHelp[] =
    "  --project DIR/NAME     the project: DIR/NAME/NAME.hdr and NAME.amp (required)\n"
    "  --line-word BYTE[:SIZE]   trace-header byte (1-based) of the line number,\n"
    "                         SIZE 2 or 4 (default 4); 189 is the usual in-line word\n"
    "  --trace-word BYTE[:SIZE]  the same for the trace number (193: cross-line)\n"
    "  --2d                   2-D data: every trace is on line 1 (no --line-word)\n"
    "  --corner N             corner index 1..8 (default 4)\n"
    "  --start-time MS --end-time MS   the time window (default: whole trace)\n"
    "  --line-inc N --trace-inc N      increments of the grid (default 1)\n"
    "  --no-scale             store samples truncated, without scaling\n"
    "  --scale VALUE          the value that maps to 32767 (default: calculated)\n"
    "  --owner T --line-name T --collector T    header labels (39 characters)\n"
    "  --line-spacing F --trace-spacing F      spacings in map units\n"
    "  --lines FIRST:LAST --traces FIRST:LAST   the survey's line and trace ranges\n"
    "                         (default: the ranges the header scan finds)\n";

namespace {

std::string ParseNumber(const CommandLine& line, const char* name, double& value) {
  if (auto text = line.Value(name)) {
    auto parsed = ParseWholeDouble(*text);
    if (!parsed) return FormatText("%s: '%s' is not a number", name, text->c_str());
    value = *parsed;
  }
  return "";
}

std::string ParseInt(const CommandLine& line, const char* name, int& value) {
  if (auto text = line.Value(name)) {
    auto parsed = ParseWholeInt(*text);
    if (!parsed || *parsed < -2147483647LL || *parsed > 2147483647LL)
      return FormatText("%s: '%s' is not a whole number", name, text->c_str());
    value = static_cast<int>(*parsed);
  }
  return "";
}

std::string ParseWord(const CommandLine& line, const char* name, std::optional<HeaderWord>& word) {
  if (auto text = line.Value(name)) {
    word = ParseHeaderWord(*text);
    if (!word)
      return FormatText(
          "%s: '%s' is not BYTE[:SIZE] starting a 4-byte (or 2-byte) word of "
          "the 240-byte trace header",
          name, text->c_str());
  }
  return "";
}

std::string ParseRange(const CommandLine& line, const char* name,
                       std::optional<std::pair<int, int>>& range) {
  if (auto text = line.Value(name)) {
    auto pair = ParseNumberPair(*text, ':');
    auto whole = [](double v) { return v == std::trunc(v) && std::fabs(v) <= 2147483647.0; };
    if (!pair || !whole(pair->first) || !whole(pair->second) || pair->first > pair->second)
      return FormatText("%s takes FIRST:LAST", name);
    range = std::pair{static_cast<int>(pair->first), static_cast<int>(pair->second)};
  }
  return "";
}

}  // namespace

std::string ParseLoadOptions(const CommandLine& line, BatchLoadOptions& o, bool words_required) {
  o.project = line.Value("--project").value_or("");
  if (o.project.empty()) return "--project DIR/NAME is required";
  if (FileNameOf(o.project).empty()) return "--project must end with the project name";
  // The name becomes the project's folder and file names: "." or ".." would put
  // the project files beside (or above) the folder the user named.
  if (const std::string name = FileNameOf(o.project); name == "." || name == "..")
    return "--project must end with the project name, not '" + name + "'";
  o.two_d = line.Has("--2d");
  o.window.no_scaling = line.Has("--no-scale");
  if (o.window.no_scaling && line.Has("--scale")) return "give --no-scale or --scale, not both";
  std::string problem;
  double line_inc = 1.0, trace_inc = 1.0, line_spacing = 0.0, trace_spacing = 0.0, scale = 0.0;
  int corner = 0;
  for (std::string p :
       {ParseWord(line, "--line-word", o.line_word), ParseWord(line, "--trace-word", o.trace_word),
        ParseInt(line, "--corner", corner), ParseInt(line, "--start-time", o.window.start_time),
        ParseInt(line, "--end-time", o.window.end_time), ParseNumber(line, "--line-inc", line_inc),
        ParseNumber(line, "--trace-inc", trace_inc),
        ParseNumber(line, "--line-spacing", line_spacing),
        ParseNumber(line, "--trace-spacing", trace_spacing), ParseNumber(line, "--scale", scale),
        ParseRange(line, "--lines", o.lines), ParseRange(line, "--traces", o.traces)})
    if (problem.empty()) problem = p;
  if (!problem.empty()) return problem;
  if (words_required && !o.trace_word) return "--trace-word BYTE[:SIZE] is required";
  if (words_required && !o.two_d && !o.line_word)
    return "--line-word BYTE[:SIZE] is required (or --2d)";
  if (line.Has("--corner")) {
    if (corner < 1 || corner > 8) return "--corner must be 1 to 8";
    o.corner = corner;
  }
  if (line.Has("--scale")) {
    if (!(scale > 0.0)) return "--scale must be above 0";
    o.scale = scale;
  }
  o.values.line_increment = static_cast<float>(line_inc);
  o.values.trace_increment = static_cast<float>(trace_inc);
  o.values.line_spacing = static_cast<float>(line_spacing);
  o.values.trace_spacing = static_cast<float>(trace_spacing);
  SetLabelText(o.values.owner, line.Value("--owner").value_or(""));
  SetLabelText(o.values.line_name, line.Value("--line-name").value_or(""));
  SetLabelText(o.values.collector, line.Value("--collector").value_or(""));
  return "";
}

std::set<std::string> OptionSet(const char* const* names) {
  std::set<std::string> set;
  for (; *names; ++names) set.insert(*names);
  return set;
}

std::string ProjectHeaderPathFor(const std::string& dir_and_name) {
  std::string name = FileNameOf(dir_and_name);
  return JoinPath(dir_and_name, name + ".hdr");
}

void BatchDecisions::AddMessage(const std::string& line) {
  messages_ << line << '\n';
}

std::optional<std::string> BatchDecisions::ProjectHeaderPath() {
  return ProjectHeaderPathFor(options_.project);
}

std::optional<HeaderWordChoice> BatchDecisions::ChooseHeaderWords(const HeaderScanTables&,
                                                                  bool two_d) {
  HeaderWordChoice choice;
  choice.two_d = two_d;
  if (options_.line_word) choice.line = *options_.line_word;
  if (!options_.trace_word || (!two_d && !options_.line_word)) return std::nullopt;
  choice.trace = *options_.trace_word;
  return choice;
}

int BatchDecisions::ChooseCorner(const CoverageGrid&, int candidate) {
  return options_.corner.value_or(candidate);
}

bool BatchDecisions::EditHeaderValues(SurveyHeader& header) {
  const SurveyHeader& v = options_.values;
  header.owner = v.owner;
  header.line_name = v.line_name;
  header.collector = v.collector;
  header.line_spacing = v.line_spacing;
  header.trace_spacing = v.trace_spacing;
  header.line_increment = v.line_increment;
  header.trace_increment = v.trace_increment;
  if (options_.corner) header.corner_index = *options_.corner;
  if (options_.lines) std::tie(header.first_line, header.last_line) = *options_.lines;
  if (options_.traces) std::tie(header.first_trace, header.last_trace) = *options_.traces;
  return true;
}

std::optional<std::string> BatchDecisions::AppendFile() {
  if (options_.append.empty()) return std::nullopt;
  std::string next = options_.append.front();
  options_.append.pop_front();
  return next;
}

std::optional<double> BatchDecisions::ScaleValue(const ScaleSummary& summary) {
  return options_.scale.value_or(summary.calculated);
}

}  // namespace quarrix
