#include "fault/fault_commands.h"

#include <ostream>

#include "fault/fault_command_support.h"
#include "fault/fault_edits.h"
#include "fault/fault_file.h"
#include "fault/fault_interpolation.h"
#include "fault/fault_segment.h"
#include "horizon/arbitrary_line.h"
#include "platform/json_writer.h"
#include "platform/numeric.h"
#include "platform/terminal_progress.h"
#include "platform/text_util.h"

namespace quarrix {

// The conversion sub-commands live beside their core functions.
int RunFaultToHorizon(FaultRun& run);
int RunFaultFromHorizon(FaultRun& run);
int RunFaultBlankHorizon(FaultRun& run);
int RunFaultImportForeign(FaultRun& run);

namespace {

const char kFaultHelp[] =
    "usage: quarrix-batch fault SUBCOMMAND PROJECT.hdr ...\n"
    "\n"
    "  create PROJECT.hdr NAME.ffl                 a new, empty fault file\n"
    "  info PROJECT.hdr NAME.ffl [--json]          extent, seed count, filled count\n"
    "  segment PROJECT.hdr NAME.ffl SECTION --from POS:MS --to POS:MS [--erase]\n"
    "      picks (or erases) a segment: POS is a trace number on an in-line, a line\n"
    "      number on a cross-line, a bin of the arbitrary line (from 0)\n"
    "  shift PROJECT.hdr NAME.ffl SECTION --towards left|right|up|down [--right-to-left]\n"
    "      moves a section's fault cells one position or one sample\n"
    "  from-previous PROJECT.hdr NAME.ffl SECTION --previous M\n"
    "      copies the cells of section M (line, trace or offset) into this one\n"
    "  interpolate PROJECT.hdr NAME.ffl --method linear|gridding\n"
    "  uninterpolate PROJECT.hdr NAME.ffl          keeps only the picked seeds\n"
    "  erase-range PROJECT.hdr NAME.ffl --lines A:B --traces C:D\n"
    "  to-horizon PROJECT.hdr NAME.ffl OUT.hor     the fault's times as a horizon\n"
    "  from-horizon PROJECT.hdr IN.hor OUT.ffl     a horizon's times as a fault\n"
    "  blank-horizon PROJECT.hdr HORIZON.hor NAME.ffl [MORE.ffl ...]\n"
    "      nulls the horizon where it crosses each fault\n"
    "  import-foreign PROJECT.hdr FILE.fal         a Tridex fault file as FILE.ffl\n"
    "\n"
    "SECTION is --line N (an in-line), --xline N (a cross-line) or --arb FILE.arb\n"
    "[--offset N] [--by-lines] (the arbitrary line moved by N traces, or N lines).\n"
    "A bare file name lies in the project folder; a name with a folder is taken\n"
    "as given. A file that a sub-command creates (create, to-horizon,\n"
    "from-horizon, import-foreign) replaces an existing one only with --force.\n";

std::string CountsLine(const FaultCounts& counts) {
  return FormatText("%zu seeds, %zu cells set\n", counts.seeds, counts.filled);
}

bool Save(FaultRun& run, const std::string& path, const FaultGrid& grid) {
  if (!SaveFault(path, grid, run.prompter)) return false;
  run.EditFinished();
  run.out << CountsLine(CountFaultCells(grid));
  return true;
}

int RunCreate(FaultRun& run) {
  if (int status = run.Start(2, "give PROJECT.hdr and NAME.ffl")) return status;
  const std::string path = run.File(1);
  if (!run.MayCreate(path)) return 1;
  if (!CreateFaultFile(path, run.header, run.prompter)) return 1;
  run.out << path << '\n';
  return 0;
}

int RunInfo(FaultRun& run) {
  if (int status = run.Start(2, "give PROJECT.hdr and NAME.ffl")) return status;
  FaultGrid grid = SurveyFaultGrid(run.header);
  FaultExtent stored;
  if (!ReadFault(run.File(1), grid, stored, run.prompter)) return 1;
  FaultExtent e = ComputeFaultExtent(grid);
  FaultCounts counts = CountFaultCells(grid);
  if (run.line.Has("--json")) {
    JsonWriter w(run.out);
    w.BeginObject().Key("rows").Int(grid.rows).Key("columns").Int(grid.columns);
    w.Key("extent").BeginObject().Key("first_row").Int(e.first_row);
    w.Key("first_column").Int(e.first_column).Key("last_row").Int(e.last_row);
    w.Key("last_column").Int(e.last_column).EndObject();
    w.Key("stored_extent").BeginArray().Int(stored.first_row).Int(stored.first_column);
    w.Int(stored.last_row).Int(stored.last_column).EndArray();
    w.Key("seeds").Int(static_cast<long long>(counts.seeds));
    w.Key("filled").Int(static_cast<long long>(counts.filled)).EndObject();
    run.out << '\n';
  } else {
    run.out << FormatText("extent rows %d..%d, columns %d..%d\n", e.first_row, e.last_row,
                          e.first_column, e.last_column)
            << CountsLine(counts);
  }
  return 0;
}

// The kind of section the options name: exactly one of --line, --xline, --arb.
std::optional<PickSectionKind> SectionKindOption(FaultRun& run) {
  const bool line = run.line.Has("--line"), xline = run.line.Has("--xline");
  const bool arb = run.line.Has("--arb");
  if (line + xline + arb == 1)
    return line ? PickSectionKind::Inline : xline ? PickSectionKind::Crossline : PickSectionKind::Arbitrary;
  const SurveyHeader& h = run.header;
  run.Fail(FormatText("give --line (a line %d..%d), --xline (a trace %d..%d) or --arb FILE.arb",
                      h.first_line, h.last_line, h.first_trace, h.last_trace));
  return std::nullopt;
}

// A section: an in-line by line number, a cross-line by trace number or the
// arbitrary line of --arb moved by an offset (traces, or lines with
// --by-lines); nothing (said) when the number is outside the survey.
std::optional<PickSection> SectionAt(FaultRun& run, PickSectionKind kind,
                                     std::optional<long long> number) {
  const SurveyHeader& h = run.header;
  if (!number) {
    run.Fail("section numbers and offsets are whole numbers");
    return std::nullopt;
  }
  if (kind == PickSectionKind::Arbitrary) {
    ArbitraryLine line;
    const std::string path = run.line.Value("--arb").value_or("");
    if (!ReadArbitraryLine(path, h, line)) {
      run.Fail("cannot read the arbitrary line " + path, 1);
      return std::nullopt;
    }
    return ArbitrarySection(line, Trunc32(static_cast<double>(*number)),
                            !run.line.Has("--by-lines"));
  }
  if (kind == PickSectionKind::Inline && *number >= h.first_line && *number <= h.last_line)
    return InlineSection(h, h.LineIndex(static_cast<int>(*number)));
  if (kind == PickSectionKind::Crossline && *number >= h.first_trace && *number <= h.last_trace)
    return CrosslineSection(h, h.TraceIndex(static_cast<int>(*number)));
  run.Fail(FormatText("lines lie in %d..%d and traces in %d..%d", h.first_line, h.last_line,
                      h.first_trace, h.last_trace));
  return std::nullopt;
}

// The section named by --line N, --xline N or --arb FILE [--offset N].
std::optional<PickSection> SectionOption(FaultRun& run) {
  std::optional<PickSectionKind> kind = SectionKindOption(run);
  if (!kind) return std::nullopt;
  const char* option = *kind == PickSectionKind::Inline      ? "--line"
                       : *kind == PickSectionKind::Crossline ? "--xline"
                                                         : "--offset";
  return SectionAt(run, *kind, ParseWholeInt(run.line.Value(option).value_or("0")));
}

int RunSegment(FaultRun& run) {
  if (int status = run.Start(2, "give PROJECT.hdr and NAME.ffl")) return status;
  std::optional<PickSection> section = SectionOption(run);
  if (!section) return run.last_failure;
  auto from = run.IntPair("--from");
  auto to = from ? run.IntPair("--to") : std::nullopt;
  if (!from || !to) return 2;
  constexpr int kLatest = FAULT_NULL - kFaultSeedFlag - 1;
  if (from->second < 0 || from->second > kLatest || to->second < 0 || to->second > kLatest)
    return run.Fail(FormatText("times must lie in 0..%d ms", kLatest));
  // Section positions from survey numbers along the section.
  auto position = [&](int number) { return SectionPositionOf(run.header, section->kind, number); };
  const std::string path = run.File(1);
  if (!run.MayEdit(path, EditedFile::Fault)) return 1;
  std::optional<FaultGrid> grid = run.ReadFaultFile(path);
  if (!grid) return 1;
  if (run.line.Has("--erase"))
    EraseFaultSegment(*grid, *section, position(from->first), position(to->first));
  else
    AddFaultSegment(*grid, *section, position(from->first), from->second, position(to->first),
                    to->second);
  return Save(run, path, *grid) ? 0 : 1;
}

int RunShift(FaultRun& run) {
  if (int status = run.Start(2, "give PROJECT.hdr and NAME.ffl")) return status;
  std::optional<PickSection> section = SectionOption(run);
  if (!section) return run.last_failure;
  std::string towards = run.line.Value("--towards").value_or("");
  if (towards != "left" && towards != "right" && towards != "up" && towards != "down")
    return run.Fail("--towards takes left, right, up or down");
  const std::string path = run.File(1);
  if (!run.MayEdit(path, EditedFile::Fault)) return 1;
  std::optional<FaultGrid> grid = run.ReadFaultFile(path);
  if (!grid) return 1;
  if (towards == "up" || towards == "down")
    ShiftFaultInTime(*grid, *section,
                     towards == "up" ? -run.header.sample_rate : run.header.sample_rate);
  else
    ShiftFaultSideways(*grid, *section, towards == "left" ? ScreenSide::Left : ScreenSide::Right,
                       !run.line.Has("--right-to-left"));
  return Save(run, path, *grid) ? 0 : 1;
}

int RunFromPrevious(FaultRun& run) {
  if (int status = run.Start(2, "give PROJECT.hdr and NAME.ffl")) return status;
  std::optional<PickSection> current = SectionOption(run);
  if (!current) return run.last_failure;
  std::optional<long long> number;
  if (auto text = run.line.Value("--previous")) number = ParseWholeInt(*text);
  std::optional<PickSection> previous = SectionAt(run, current->kind, number);
  if (!previous) return run.last_failure;
  const std::string path = run.File(1);
  if (!run.MayEdit(path, EditedFile::Fault)) return 1;
  std::optional<FaultGrid> grid = run.ReadFaultFile(path);
  if (!grid) return 1;
  SetFaultFromPrevious(*grid, *current, *previous);
  return Save(run, path, *grid) ? 0 : 1;
}

int RunInterpolate(FaultRun& run) {
  if (int status = run.Start(2, "give PROJECT.hdr and NAME.ffl")) return status;
  std::string method = run.line.Value("--method").value_or("");
  if (method != "linear" && method != "gridding")
    return run.Fail("--method takes linear or gridding");
  const std::string path = run.File(1);
  if (!run.MayEdit(path, EditedFile::Fault)) return 1;
  std::optional<FaultGrid> grid = run.ReadFaultFile(path);
  if (!grid) return 1;
  if (method == "linear") {
    InterpolateFaultLinear(*grid);
  } else {
    TerminalProgress progress(run.err, StderrIsTerminal());
    GriddingResult result =
        InterpolateFaultGridding(*grid, FaultGriddingDefaults(), progress, run.prompter);
    if (result == GriddingResult::ScaleRatio || result == GriddingResult::OutOfMemory) return 1;
    if (result == GriddingResult::TooFewPoints)
      run.err << "fault interpolate: fewer than 4 seeds; nothing changed\n";
  }
  return Save(run, path, *grid) ? 0 : 1;
}

int RunUninterpolate(FaultRun& run) {
  if (int status = run.Start(2, "give PROJECT.hdr and NAME.ffl")) return status;
  const std::string path = run.File(1);
  if (!run.MayEdit(path, EditedFile::Fault)) return 1;
  std::optional<FaultGrid> grid = run.ReadFaultFile(path);
  if (!grid) return 1;
  UninterpolateFault(*grid);
  return Save(run, path, *grid) ? 0 : 1;
}

int RunEraseRange(FaultRun& run) {
  if (int status = run.Start(2, "give PROJECT.hdr and NAME.ffl")) return status;
  auto lines = run.IntPair("--lines");
  auto traces = lines ? run.IntPair("--traces") : std::nullopt;
  if (!lines || !traces) return 2;
  const std::string path = run.File(1);
  if (!run.MayEdit(path, EditedFile::Fault)) return 1;
  std::optional<FaultGrid> grid = run.ReadFaultFile(path);
  if (!grid) return 1;
  EraseFaultRangeByNumbers(*grid, run.header, lines->first, lines->second, traces->first,
                           traces->second);
  return Save(run, path, *grid) ? 0 : 1;
}

struct SubCommand {
  const char* name;
  int (*run)(FaultRun&);
  std::set<std::string> values;
  std::set<std::string> flags;
};

const std::vector<SubCommand>& SubCommands() {
  static const std::vector<SubCommand> table = {
      {"create", RunCreate, {}, {}},
      {"info", RunInfo, {}, {"--json"}},
      {"segment",
       RunSegment,
       {"--line", "--xline", "--arb", "--offset", "--from", "--to"},
       {"--erase", "--by-lines"}},
      {"shift",
       RunShift,
       {"--line", "--xline", "--arb", "--offset", "--towards"},
       {"--right-to-left", "--by-lines"}},
      {"from-previous",
       RunFromPrevious,
       {"--line", "--xline", "--arb", "--offset", "--previous"},
       {"--by-lines"}},
      {"interpolate", RunInterpolate, {"--method"}, {}},
      {"uninterpolate", RunUninterpolate, {}, {}},
      {"erase-range", RunEraseRange, {"--lines", "--traces"}, {}},
      {"to-horizon", RunFaultToHorizon, {}, {}},
      {"from-horizon", RunFaultFromHorizon, {}, {}},
      {"blank-horizon", RunFaultBlankHorizon, {}, {}},
      {"import-foreign", RunFaultImportForeign, {}, {}},
  };
  return table;
}

}  // namespace

int RunFaultCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  for (const std::string& arg : args)
    if (arg == "--help" || arg == "-h") {
      out << kFaultHelp;
      return 0;
    }
  if (args.empty()) {
    err << kFaultHelp;
    return 2;
  }
  for (const SubCommand& sub : SubCommands()) {
    if (args[0] != sub.name) continue;
    std::set<std::string> flags = sub.flags;
    flags.insert("--force");
    CommandLine line(std::vector<std::string>(args.begin() + 1, args.end()), sub.values, flags);
    FaultRun run(args[0], line, out, err);
    int status = sub.run(run);
    return status == 0 && run.prompter.failures() > 0 ? 1 : status;
  }
  err << "fault: unknown sub-command " << args[0] << '\n' << kFaultHelp;
  return 2;
}

}  // namespace quarrix
