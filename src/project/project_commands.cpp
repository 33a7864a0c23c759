#include "project/project_commands.h"

#include <ostream>

#include "platform/command_line.h"
#include "platform/json_writer.h"
#include "platform/numeric.h"
#include "platform/terminal_prompter.h"
#include "platform/text_util.h"
#include "project/header_fields.h"
#include "project/header_file.h"
#include "project/project_state.h"

namespace quarrix {
namespace {

const char kHeaderHelp[] =
    "usage: quarrix-batch header show PROJECT.hdr [--json]\n"
    "       quarrix-batch header set PROJECT.hdr FIELD=VALUE ...\n"
    "\n"
    "show  prints every stored field and the derived values (num_samples,\n"
    "      end_time, num_lines, traces_per_line); --json prints one object.\n"
    "set   edits fields as the Header Information dialog does and saves the\n"
    "      header. trace_length=MS sets the sample count from a length in ms.\n"
    "Fields: owner line_name collector trace_spacing line_spacing trace_bytes\n"
    "        sample_rate first_line last_line first_trace last_trace\n"
    "        corner_index line_increment trace_increment start_time\n";

const char kXyHelp[] =
    "usage: quarrix-batch xy create PROJECT.hdr --a X,Y --b X,Y --c X,Y\n"
    "       quarrix-batch xy convert PROJECT.hdr --line L --trace T\n"
    "       quarrix-batch xy convert PROJECT.hdr --x X --y Y\n"
    "\n"
    "create   writes the X/Y file from the corners A (first line, first trace),\n"
    "         B (first line, last trace) and C (last line, first trace).\n"
    "convert  prints \"X Y\" of a line and trace, or \"LINE TRACE dl dt\" of a\n"
    "         world position (line and trace rounded, offsets with six decimals).\n";

void PrintHeader(const SurveyHeader& h, bool json, std::ostream& out) {
  if (json) {
    JsonWriter w(out);
    w.BeginObject();
    for (const HeaderFieldView& f : HeaderFields()) {
      w.Key(f.name);
      if (f.kind == HeaderFieldKind::Text)
        w.String(HeaderFieldText(h, f.name));
      else if (f.kind == HeaderFieldKind::Integer)
        w.Int(static_cast<long long>(HeaderFieldNumber(h, f.name)));
      else
        w.Double(HeaderFieldNumber(h, f.name));
    }
    w.EndObject();
    out << '\n';
    return;
  }
  for (const HeaderFieldView& f : HeaderFields())
    out << f.name << (f.derived ? " (derived)" : "") << ": " << HeaderFieldText(h, f.name) << '\n';
}

int HeaderSet(const std::string& path, const std::vector<std::string>& assignments,
              std::ostream& err) {
  TerminalPrompter prompter(err);
  SurveyHeader header;
  if (!LoadHeader(path, header, prompter)) return 1;
  if (assignments.empty()) {
    err << "header set: give at least one FIELD=VALUE\n";
    return 2;
  }
  HeaderEdits edits;
  for (const std::string& assignment : assignments) {
    std::size_t eq = assignment.find('=');
    if (eq == std::string::npos) {
      err << "header set: '" << assignment << "' is not FIELD=VALUE\n";
      return 2;
    }
    edits.emplace_back(assignment.substr(0, eq), assignment.substr(eq + 1));
  }
  HeaderEditResult result = ApplyHeaderEdits(header, edits);
  if (!result.problem.empty()) {
    err << "header set: " << (result.bad_geometry ? "not saved, " : "") << result.problem << '\n';
    return result.bad_geometry ? 1 : 2;
  }
  return SaveHeader(path, header, prompter) ? 0 : 1;
}

std::optional<XyPoint> ParseCorner(const CommandLine& line, const std::string& option) {
  auto text = line.Value(option);
  if (!text) return std::nullopt;
  auto pair = ParseNumberPair(*text, ',');
  if (!pair) return std::nullopt;
  return XyPoint{Trunc32(pair->first), Trunc32(pair->second)};
}

}  // namespace

int RunHeaderCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || WantsHelp(args)) {
    (args.empty() ? err : out) << kHeaderHelp;
    return args.empty() ? 2 : 0;
  }
  const std::string& verb = args[0];
  std::vector<std::string> rest(args.begin() + 1, args.end());
  if (verb == "show") {
    CommandLine line(rest, {}, {"--json"});
    if (!line.error().empty() || line.positionals().size() != 1) {
      err << (line.error().empty() ? "header show: give one PROJECT.hdr" : line.error()) << '\n';
      return 2;
    }
    TerminalPrompter prompter(err);
    SurveyHeader header;
    if (!LoadHeader(line.positionals()[0], header, prompter)) return 1;
    PrintHeader(header, line.Has("--json"), out);
    return 0;
  }
  if (verb == "set") {
    if (rest.empty()) {
      err << kHeaderHelp;
      return 2;
    }
    return HeaderSet(rest[0], std::vector<std::string>(rest.begin() + 1, rest.end()), err);
  }
  err << "header: unknown command '" << verb << "'\n" << kHeaderHelp;
  return 2;
}

int RunXyCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || WantsHelp(args)) {
    (args.empty() ? err : out) << kXyHelp;
    return args.empty() ? 2 : 0;
  }
  const std::string& verb = args[0];
  std::vector<std::string> rest(args.begin() + 1, args.end());
  CommandLine line(rest, {"--a", "--b", "--c", "--line", "--trace", "--x", "--y"}, {});
  if (!line.error().empty() || line.positionals().size() != 1) {
    err << (line.error().empty() ? "xy: give one PROJECT.hdr" : line.error()) << '\n';
    return 2;
  }
  TerminalPrompter prompter(err);
  ProjectState project;
  if (!OpenProject(project, line.positionals()[0], prompter)) return 1;
  if (verb == "create") {
    auto a = ParseCorner(line, "--a"), b = ParseCorner(line, "--b"), c = ParseCorner(line, "--c");
    if (!a || !b || !c) {
      err << "xy create: give the three corners as --a X,Y --b X,Y --c X,Y\n";
      return 2;
    }
    if (!WriteXyFile(project.XyPath(), project.header, XyCorners{*a, *b, *c})) {
      err << "Cannot Create X/Y File!\n";
      return 1;
    }
    out << project.XyPath() << '\n';
    return 0;
  }
  if (verb != "convert") {
    err << "xy: unknown command '" << verb << "'\n" << kXyHelp;
    return 2;
  }
  if (!project.placement.HasXy()) {
    err << "X/Y File not Found!!\n";
    return 1;
  }
  auto number = [&](const char* option) -> std::optional<long long> {
    auto text = line.Value(option);
    return text ? ParseWholeInt(*text) : std::nullopt;
  };
  const SurveyHeader& h = project.header;
  if (line.Has("--line") || line.Has("--trace")) {
    auto l = number("--line"), t = number("--trace");
    if (!l || !t) {
      err << "xy convert: give whole numbers for --line and --trace\n";
      return 2;
    }
    XyPoint p = LineTraceToXy(h, project.placement, static_cast<int>(*l - h.first_line),
                              static_cast<int>(*t - h.first_trace));
    out << p.x << ' ' << p.y << '\n';
    return 0;
  }
  auto x = number("--x"), y = number("--y");
  if (!x || !y) {
    err << "xy convert: give --line L --trace T, or --x X --y Y (whole map units)\n";
    return 2;
  }
  auto offset = XyToLineTrace(h, project.placement, static_cast<std::int32_t>(*x),
                              static_cast<std::int32_t>(*y));
  if (!offset) {
    err << "xy convert: the header's line or trace spacing is 0, so positions cannot be "
           "converted\n";
    return 1;
  }
  out << RoundedLine(h, offset->dl) << ' ' << RoundedTrace(h, offset->dt) << ' '
      << FormatText("%.6f %.6f", offset->dl, offset->dt) << '\n';
  return 0;
}

}  // namespace quarrix
