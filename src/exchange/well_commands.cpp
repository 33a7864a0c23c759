#include <algorithm>

#include "exchange/exchange_commands.h"
#include "exchange/well_exchange.h"
#include "platform/command_line.h"
#include "platform/json_writer.h"
#include "platform/numeric.h"
#include "platform/paths.h"
#include "platform/terminal_prompter.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

const char kWellHelp[] =
    "usage: quarrix-batch well create PROJECT.hdr NAME --line L --trace T [--x X --y Y]\n"
    "           [--time MS] [--depth D] [--symbol 1..12] [--title T]\n"
    "       quarrix-batch well show PROJECT.hdr NAME.wll [--json]\n"
    "\n"
    "create  writes NAME.wll in the project folder as the Well Parameters\n"
    "        dialog does; without --x/--y the position comes from line and\n"
    "        trace through the X/Y file (Calculate). The title keeps 30\n"
    "        characters; an existing well keeps its reserved bytes.\n"
    "show    prints the well record.\n";

void PrintWell(const std::string& name, const WellRecord& well, bool json, std::ostream& out) {
  if (json) {
    JsonWriter w(out);
    w.BeginObject().Key("name").String(name).Key("line").Int(well.line);
    w.Key("trace").Int(well.trace).Key("x").Int(well.x).Key("y").Int(well.y);
    w.Key("time").Int(well.time).Key("depth").Int(well.depth).Key("symbol").Int(well.symbol);
    w.Key("title").String(WellTitle(well)).EndObject();
    out << '\n';
    return;
  }
  out << "name: " << name << "\nline: " << well.line << "\ntrace: " << well.trace
      << "\nx: " << well.x << "\ny: " << well.y << "\ntime: " << well.time
      << "\ndepth: " << well.depth << "\nsymbol: " << well.symbol << "\ntitle: " << WellTitle(well)
      << '\n';
}

// Reads a whole number option within limits into value; false (with problem
// set) when it is given but not such a number.
bool TakeNumber(const CommandLine& line, const char* name, long long low, long long high,
                long long& value, std::string& problem) {
  auto text = line.Value(name);
  if (!text) return true;
  auto parsed = ParseWholeInt(*text);
  if (!parsed || *parsed < low || *parsed > high) {
    problem = FormatText("%s must be a whole number from %lld to %lld", name, low, high);
    return false;
  }
  value = *parsed;
  return true;
}

int CreateWell(const CommandLine& line, std::ostream& out, std::ostream& err) {
  std::string problem = line.positionals().size() == 2 ? "" : "give PROJECT.hdr and NAME";
  long long l = 0, t = 0, x = 0, y = 0, time = 0, depth = 0, symbol = 1;
  if (problem.empty() && (!line.Value("--line") || !line.Value("--trace")))
    problem = "give --line L and --trace T";
  if (problem.empty() && line.Value("--x").has_value() != line.Value("--y").has_value())
    problem = "give both --x and --y, or neither";
  const long long kInt = 2147483647;
  problem.empty() && TakeNumber(line, "--line", -32768, 32767, l, problem) &&
      TakeNumber(line, "--trace", -32768, 32767, t, problem) &&
      TakeNumber(line, "--x", -kInt, kInt, x, problem) &&
      TakeNumber(line, "--y", -kInt, kInt, y, problem) &&
      TakeNumber(line, "--time", 0, 65535, time, problem) &&
      TakeNumber(line, "--depth", 0, 65535, depth, problem) &&
      TakeNumber(line, "--symbol", 1, kWellSymbolCount, symbol, problem);
  std::string name = line.positionals().size() == 2 ? line.positionals()[1] : "";
  if (HasExtension(name, "wll")) name.resize(name.size() - 4);
  if (problem.empty() && !IsPlainWellName(name)) problem = "NAME must be a plain file name";
  if (!problem.empty()) {
    err << "well create: " << problem << '\n' << kWellHelp;
    return 2;
  }
  TerminalPrompter prompter(err);
  ProjectState project;
  if (!OpenProject(project, line.positionals()[0], prompter)) return 1;
  const std::string path = JoinPath(DirectoryOf(project.header_path), name + ".wll");
  WellRecord well = ReadWellFile(path).value_or(WellRecord{});
  well.line = static_cast<std::int16_t>(l);
  well.trace = static_cast<std::int16_t>(t);
  well.x = static_cast<std::int32_t>(x);
  well.y = static_cast<std::int32_t>(y);
  well.time = static_cast<std::uint16_t>(time);
  well.depth = static_cast<std::uint16_t>(depth);
  well.symbol = static_cast<std::int16_t>(symbol);
  SetWellTitle(well, line.Value("--title").value_or(""), kWellDialogTitleChars);
  if (!line.Value("--x")) CalculateWellPosition(well, project, prompter);
  if (!WriteWellFile(path, well)) {
    prompter.Tell("Cannot Create Well File!", "Error");
    return 1;
  }
  out << path << '\n';
  return 0;
}

}  // namespace

int RunWellCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (WantsHelp(args)) {
    out << kWellHelp;
    return 0;
  }
  if (args.empty() || (args[0] != "create" && args[0] != "show")) {
    err << kWellHelp;
    return 2;
  }
  std::vector<std::string> rest(args.begin() + 1, args.end());
  if (args[0] == "create") {
    CommandLine line(
        rest, {"--line", "--trace", "--x", "--y", "--time", "--depth", "--symbol", "--title"}, {});
    if (!line.error().empty()) {
      err << "well create: " << line.error() << '\n';
      return 2;
    }
    return CreateWell(line, out, err);
  }
  CommandLine line(rest, {}, {"--json"});
  if (!line.error().empty() || line.positionals().size() != 2) {
    err << "well show: " << (line.error().empty() ? "give PROJECT.hdr and NAME.wll" : line.error())
        << '\n';
    return 2;
  }
  TerminalPrompter prompter(err);
  ProjectState project;
  if (!OpenProject(project, line.positionals()[0], prompter)) return 1;
  std::string path = ProjectFileArgument(project, line.positionals()[1]);
  if (!HasExtension(path, "wll") && !FileExists(path)) path += ".wll";
  auto well = ReadWellFile(path);
  if (!well) {
    err << "well show: cannot read " << path << " as a well file\n";
    return 1;
  }
  std::string name = FileNameOf(path);
  PrintWell(name.substr(0, name.rfind('.')), *well, line.Has("--json"), out);
  return 0;
}

}  // namespace quarrix
