#include <algorithm>

#include "exchange/ascii_export.h"
#include "exchange/ascii_import.h"
#include "exchange/exchange_commands.h"
#include "exchange/horizon_conversion.h"
#include "platform/command_line.h"
#include "platform/paths.h"
#include "platform/terminal_progress.h"
#include "platform/terminal_prompter.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

const char kImportHelp[] =
    "usage: quarrix-batch import-horizon PROJECT.hdr FILE --line-col N --trace-col N\n"
    "           --z-col N [--amp-col N] --out NAME.hor [--grid] [--protect]\n"
    "\n"
    "Reads FILE as numbers separated by blanks, tabs or commas (the first 15\n"
    "of each line; vendor fixed-column files read the same way), takes line,\n"
    "trace, Z (and amplitude) from the 1-based columns given and writes the\n"
    "horizon with its pick registration. Z of 1.0E37 is null. --grid fills\n"
    "the holes by natural-neighbour gridding; --protect marks the converted\n"
    "cells non-editable (registration 8 instead of 1). A bare NAME is written\n"
    "in the project folder.\n";

const char kExportHelp[] =
    "usage: quarrix-batch export-horizon PROJECT.hdr NAME.hor\n"
    "           --format landmark|geoquest|hampson-russell|custom [--out FILE]\n"
    "           [--lines A:B[:INC]] [--traces C:D[:INC]]\n"
    "           [--null 32700|1.0E37|VALUE|skip] [--delimiter comma|space|tab]\n"
    "\n"
    "Writes the horizon as text in a vendor's fixed columns (landmark: line,\n"
    "trace, X, Y, Z; geoquest: Z, trace, line; hampson-russell: trace, line,\n"
    "amplitude, Z) or as custom comma-delimited line, trace, X, Y, Z, amplitude.\n"
    "--delimiter writes the format's fields delimited instead (each field is\n"
    "followed by the delimiter). --null sets the text of null cells; skip\n"
    "leaves unpicked cells out. Lines end in CR LF; without --out to stdout.\n";

struct Range {
  int first = 0, last = 0, increment = 1;
};

std::optional<Range> ParseRange(const std::string& text) {
  std::vector<std::string> parts = SplitText(text, ':');
  if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
  auto a = ParseWholeInt(parts[0]), b = ParseWholeInt(parts[1]);
  auto inc = parts.size() == 3 ? ParseWholeInt(parts[2]) : std::optional<long long>(1);
  if (!a || !b || !inc || *inc < 1 || *inc > 100000 || std::abs(*a) > 1000000000 ||
      std::abs(*b) > 1000000000)
    return std::nullopt;
  return Range{static_cast<int>(*a), static_cast<int>(*b), static_cast<int>(*inc)};
}

std::optional<ExportVendor> VendorByName(const std::string& name) {
  if (EqualsIgnoreCase(name, "landmark")) return ExportVendor::Landmark;
  if (EqualsIgnoreCase(name, "geoquest")) return ExportVendor::Geoquest;
  if (EqualsIgnoreCase(name, "hampson-russell")) return ExportVendor::HampsonRussell;
  if (EqualsIgnoreCase(name, "custom")) return ExportVendor::Custom;
  return std::nullopt;
}

std::optional<ExportLayout> LayoutByName(const std::string& name) {
  if (EqualsIgnoreCase(name, "comma")) return ExportLayout::CommaDelimited;
  if (EqualsIgnoreCase(name, "space")) return ExportLayout::SpaceDelimited;
  if (EqualsIgnoreCase(name, "tab")) return ExportLayout::TabDelimited;
  return std::nullopt;
}

}  // namespace

std::string ProjectFileArgument(const ProjectState& project, const std::string& name) {
  if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos) return name;
  return JoinPath(DirectoryOf(project.header_path), name);
}

int RunImportHorizonCommand(const std::vector<std::string>& args, std::ostream& out,
                            std::ostream& err) {
  if (WantsHelp(args)) {
    out << kImportHelp;
    return 0;
  }
  CommandLine line(args, {"--line-col", "--trace-col", "--z-col", "--amp-col", "--out"},
                   {"--grid", "--protect"});
  std::string problem = line.error();
  if (problem.empty() && line.positionals().size() != 2) problem = "give PROJECT.hdr and FILE";
  if (problem.empty() && !line.Value("--out")) problem = "give --out NAME.hor";
  int columns[4] = {0, 0, 0, 0};
  const char* names[4] = {"--line-col", "--trace-col", "--z-col", "--amp-col"};
  for (int k = 0; k < 4 && problem.empty(); ++k) {
    auto text = line.Value(names[k]);
    if (!text) {
      if (k < 3) problem = FormatText("give %s N", names[k]);
      continue;
    }
    auto value = ParseWholeInt(*text);
    if (!value || *value < 1 || *value > kVirtualFields)
      problem = FormatText("%s must be a column from 1 to %d", names[k], kVirtualFields);
    else
      columns[k] = static_cast<int>(*value);
  }
  if (!problem.empty()) {
    err << "import-horizon: " << problem << '\n' << kImportHelp;
    return 2;
  }
  TerminalPrompter prompter(err);
  ProjectState project;
  if (!OpenProject(project, line.positionals()[0], prompter)) return 1;
  TerminalProgress progress(err, StderrIsTerminal());
  SheetTable table;
  ImportOutcome imported = ImportAsciiHorizon(table, line.positionals()[1], progress, prompter);
  if (!imported.opened || imported.long_line != 0) return 1;
  table.AssignRole(ColumnRole::Line, columns[0]);
  table.AssignRole(ColumnRole::Trace, columns[1]);
  table.AssignRole(ColumnRole::Z, columns[2]);
  if (columns[3] != 0) table.AssignRole(ColumnRole::Amp, columns[3]);
  auto horizon = SheetToHorizon(table, project.header,
                                line.Has("--protect") ? kRegProtected : kRegSeed, prompter);
  if (!horizon) return 1;
  if (line.Has("--grid")) GridConvertedHorizon(*horizon, progress, prompter);
  const std::string path = ProjectFileArgument(project, *line.Value("--out"));
  if (!WriteConvertedHorizon(path, project, *horizon)) {
    err << "import-horizon: cannot write " << path << '\n';
    return 1;
  }
  out << imported.rows << " rows read, " << horizon->cells << " cells set, written to " << path
      << '\n';
  if (std::string skipped = SkippedRowsText(*horizon); !skipped.empty()) err << skipped << '\n';
  return 0;
}

int RunExportHorizonCommand(const std::vector<std::string>& args, std::ostream& out,
                            std::ostream& err) {
  if (WantsHelp(args)) {
    out << kExportHelp;
    return 0;
  }
  CommandLine line(args, {"--format", "--out", "--lines", "--traces", "--null", "--delimiter"}, {});
  std::string problem = line.error();
  if (problem.empty() && line.positionals().size() != 2) problem = "give PROJECT.hdr and NAME.hor";
  std::optional<ExportVendor> vendor;
  if (problem.empty()) {
    vendor = VendorByName(line.Value("--format").value_or(""));
    if (!vendor) problem = "give --format landmark, geoquest, hampson-russell or custom";
  }
  std::optional<ExportLayout> layout;
  if (problem.empty() && line.Value("--delimiter")) {
    layout = LayoutByName(*line.Value("--delimiter"));
    if (!layout) problem = "--delimiter must be comma, space or tab";
  }
  std::optional<Range> lines, traces;
  if (problem.empty() && line.Value("--lines") && !(lines = ParseRange(*line.Value("--lines"))))
    problem = "--lines must be A:B or A:B:INC with INC at least 1";
  if (problem.empty() && line.Value("--traces") && !(traces = ParseRange(*line.Value("--traces"))))
    problem = "--traces must be C:D or C:D:INC with INC at least 1";
  if (!problem.empty()) {
    err << "export-horizon: " << problem << '\n' << kExportHelp;
    return 2;
  }
  TerminalPrompter prompter(err);
  ProjectState project;
  if (!OpenProject(project, line.positionals()[0], prompter)) return 1;
  HorizonExportOptions options = VendorExportOptions(*vendor, project.header);
  if (layout) options.layout = *layout;
  if (lines) {
    options.start_line = lines->first;
    options.end_line = lines->last;
    options.line_increment = lines->increment;
  }
  if (traces) {
    options.start_trace = traces->first;
    options.end_trace = traces->last;
    options.trace_increment = traces->increment;
  }
  if (auto null_text = line.Value("--null"))
    options.null_text = EqualsIgnoreCase(*null_text, "skip") ? "" : *null_text;
  const std::string horizon = ProjectFileArgument(project, line.positionals()[1]);
  if (auto path = line.Value("--out"))
    return ExportAsciiHorizon(project, horizon, *path, options, prompter) ? 0 : 1;
  return ExportAsciiHorizon(project, horizon, out, options, prompter) ? 0 : 1;
}

}  // namespace quarrix
