#include "horizon/horizon_commands.h"

#include <map>
#include <ostream>

#include "horizon/arbitrary_line.h"
#include "horizon/batch_setup.h"
#include "horizon/horizon_files.h"
#include "horizon/horizon_style.h"
#include "horizon/pick_line.h"
#include "horizon/pick_settings.h"
#include "platform/atomic_file.h"
#include "platform/command_line.h"
#include "platform/json_writer.h"
#include "platform/paths.h"
#include "platform/text_util.h"
#include "platform/write_session.h"
#include "project/output_guard.h"

namespace quarrix {
namespace {

const char kHorizonHelp[] =
    "usage: quarrix-batch horizon create PROJECT.hdr NAME.hor [--force]\n"
    "       quarrix-batch horizon info PROJECT.hdr NAME.hor [--json]\n"
    "\n"
    "create  makes an empty horizon (both grids null, peak picking) with its\n"
    "        pick registration (.hop) and colour files (.col, .aco).\n"
    "info    prints the style fields, the number of picked cells, their time\n"
    "        range and the registration counts by value.\n"
    "A bare horizon name lies in the project folder; a name with a folder is\n"
    "taken as given. create replaces an existing file only with --force.\n";

const char kPickHelp[] =
    "usage: quarrix-batch pick PROJECT.hdr NAME.hor\n"
    "         (--line N | --xline N | --arb FILE.arb [--offset N] [--by-lines])\n"
    "         --from POS:MS [--to POS:MS] [--style entire|rubber]\n"
    "         [--direction both|right|left] [--type TYPE] [--erase] [--window MS]\n"
    "\n"
    "One gesture on a section: a click (no --to, or --to at the same position)\n"
    "tracks the event along the whole line in entire style; a drag picks the\n"
    "positions between its ends. POS is a trace number on an in-line (--line),\n"
    "a line number on a cross-line (--xline) and a place in the list of the\n"
    "arbitrary line (--arb, from 0; the line moved by --offset traces, or lines\n"
    "with --by-lines; its bins outside the survey are left alone); MS is the\n"
    "time in ms.\n"
    "TYPE: peak trough cursor zero-peak-up zero-peak-down zero-trough-up\n"
    "zero-trough-down. --type and --erase rewrite the horizon's pick type and\n"
    "--window the pick window of pickedit.ini before the gesture.\n";

const std::map<std::string, int> kPickTypes = {{"peak", kPickPeak},
                                               {"trough", kPickTrough},
                                               {"cursor", kPickAtCursor},
                                               {"zero-peak-up", kPickZeroAbovePeak},
                                               {"zero-peak-down", kPickZeroBelowPeak},
                                               {"zero-trough-up", kPickZeroAboveTrough},
                                               {"zero-trough-down", kPickZeroBelowTrough}};

void PrintInfo(const HorizonLocation& horizon, const HorizonGrid& time, bool json,
               std::ostream& out) {
  HorizonStyle style = ReadHorizonStyle(horizon.path).value_or(HorizonStyle{});
  long long picked = 0;
  int low = HORIZON_NULL, high = -32768;
  for (std::int16_t t : time.cells)
    if (t != HORIZON_NULL) {
      ++picked;
      low = std::min<int>(low, t);
      high = std::max<int>(high, t);
    }
  std::map<int, long long> registration;
  std::string bytes;
  if (ReadWholeFile(horizon.Companion(".hop"), bytes))
    for (char b : bytes) ++registration[static_cast<std::uint8_t>(b)];
  const std::pair<const char*, int> fields[] = {
      {"colour_index", style.colour_index},
      {"pick_type", style.pick_type},
      {"previous_colour_index", style.previous_colour_index},
      {"time_colour_scheme", style.time_colour_scheme},
      {"amplitude_colour_scheme", style.amplitude_colour_scheme}};
  if (json) {
    JsonWriter w(out);
    w.BeginObject();
    for (const auto& [name, value] : fields) w.Key(name).Int(value);
    w.Key("picked_cells").Int(picked);
    w.Key("min_time");
    picked ? w.Int(low) : w.Null();
    w.Key("max_time");
    picked ? w.Int(high) : w.Null();
    w.Key("registration").BeginObject();
    for (const auto& [value, count] : registration) w.Key(std::to_string(value)).Int(count);
    w.EndObject().EndObject();
    out << '\n';
    return;
  }
  for (const auto& [name, value] : fields) out << name << ' ' << value << '\n';
  out << "picked_cells " << picked << '\n';
  if (picked) out << "time_range " << low << ' ' << high << '\n';
  for (const auto& [value, count] : registration)
    out << "registration " << value << ' ' << count << '\n';
}

// The pick command's options once checked.
struct PickOptions {
  long long offset = 0;
  std::pair<int, int> from, to;  // position and time in ms
  std::optional<int> type;
  int window = -1;
  std::string style, direction;
};

// Checks the options; returns the problem to show with the usage, or nothing.
std::string ReadPickOptions(const CommandLine& line, PickOptions& options) {
  if (line.positionals().size() != 2) return "give PROJECT.hdr and NAME.hor";
  if (line.Has("--line") + line.Has("--xline") + line.Has("--arb") != 1)
    return "give one of --line, --xline and --arb";
  std::optional<long long> offset = 0;
  if (auto text = line.Value("--offset")) offset = ParseWholeInt(*text);
  if (!offset || *offset < -(1LL << 30) || *offset > (1LL << 30))
    return "--offset takes a whole number";
  options.offset = *offset;
  auto from = line.Value("--from") ? ParseWholePair(*line.Value("--from"), ':') : std::nullopt;
  auto to = line.Value("--to") ? ParseWholePair(*line.Value("--to"), ':') : from;
  if (!from || !to) return "--from and --to take POS:MS";
  options.from = *from;
  options.to = *to;
  if (auto text = line.Value("--type")) {
    auto found = kPickTypes.find(*text);
    if (found == kPickTypes.end()) return "unknown --type " + *text;
    options.type = found->second;
  }
  if (auto problem = ReadIntOption(line, "--window", 0, 100, options.window); !problem.empty())
    return problem;
  options.style = line.Value("--style").value_or("");
  options.direction = line.Value("--direction").value_or("both");
  if (!options.style.empty() && options.style != "entire" && options.style != "rubber")
    return "--style is entire or rubber";
  if (options.direction != "both" && options.direction != "right" && options.direction != "left")
    return "--direction is both, right or left";
  return {};
}

// The section named by --line, --xline or --arb; returns 0, or the exit status after
// reporting why there is none.
int ChoosePickSection(const CommandLine& line, const BatchProject& batch, long long offset,
                      PickSection& section, std::ostream& err) {
  const SurveyHeader& h = batch.project.header;
  if (auto arb = line.Value("--arb")) {
    ArbitraryLine arbitrary;
    const std::string path = ResolveProjectName(batch.folder, *arb);
    if (!ReadArbitraryLine(path, h, arbitrary)) {
      err << "pick: cannot read the arbitrary line " << path << '\n';
      return 1;
    }
    section = ArbitrarySection(arbitrary, static_cast<int>(offset), !line.Has("--by-lines"));
    return 0;
  }
  const bool inline_section = line.Has("--line");
  auto number = ParseWholeInt(*line.Value(inline_section ? "--line" : "--xline"));
  int index = number ? (inline_section ? h.LineIndex(static_cast<int>(*number))
                                       : h.TraceIndex(static_cast<int>(*number)))
                     : -1;
  if (index < 0 || index >= (inline_section ? h.num_lines : h.traces_per_line))
    return Usage(err, "pick", "the line or cross-line is not in the survey", kPickHelp);
  section = inline_section ? InlineSection(h, index) : CrosslineSection(h, index);
  return 0;
}

PickGesture GestureOf(const PickOptions& options, const PickSettings& settings) {
  PickGesture gesture;
  gesture.start_position = options.from.first;
  gesture.start_time = options.from.second;
  gesture.end_position = options.to.first;
  gesture.end_time = options.to.second;
  gesture.pick_style = options.style.empty()       ? settings.pick_style
                       : options.style == "rubber" ? kPickStyleRubberBand
                                                   : kPickStyleEntireLine;
  gesture.direction = options.direction == "right"  ? TrackDirection::Right
                      : options.direction == "left" ? TrackDirection::Left
                                                    : TrackDirection::Both;
  gesture.left_to_right = settings.plot_direction != 0;
  return gesture;
}

// How many cells of the section the horizon now holds.
int PickedCells(const SurveyHeader& h, const std::string& horizon_path,
                const PickSection& section) {
  HorizonGrid time(h.num_lines, h.traces_per_line);
  ReadHorizon(horizon_path, &time, nullptr);
  int picked = 0;
  for (const GridBin& bin : section.bins)
    picked += BinInGrid(h, bin) && time.At(bin.row, bin.column) != HORIZON_NULL;
  return picked;
}

}  // namespace

int RunHorizonCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || WantsHelp(args)) {
    (args.empty() ? err : out) << kHorizonHelp;
    return args.empty() ? 2 : 0;
  }
  CommandLine line(args, {}, {"--json", "--force"});
  const auto& pos = line.positionals();
  if (!line.error().empty()) return Usage(err, "horizon", line.error(), kHorizonHelp);
  if (pos.size() != 3 || (pos[0] != "create" && pos[0] != "info"))
    return Usage(err, "horizon", "give create or info, PROJECT.hdr and NAME.hor", kHorizonHelp);
  auto batch = OpenBatchProject(pos[1], false, "horizon", err);
  if (!batch) return 1;
  HorizonLocation horizon = LocateHorizon(batch->folder, pos[2]);
  if (pos[0] == "create") {
    if (!MayCreate(batch->project, horizon.path, line.Has("--force"), "horizon", err)) return 1;
    if (std::string problem = horizon.OutsideProjectProblem(); !problem.empty()) {
      err << "horizon: " << problem << '\n';
      return 1;
    }
    if (!CreateHorizonFile(horizon, batch->project.header)) {
      err << "horizon: cannot create " << horizon.path << '\n';
      return 1;
    }
    out << horizon.path << '\n';
    return 0;
  }
  if (!FileExists(horizon.path)) {
    err << "horizon: no horizon file " << horizon.path << '\n';
    return 1;
  }
  const SurveyHeader& header = batch->project.header;
  HorizonGrid time(header.num_lines, header.traces_per_line);
  if (std::string problem;
      ReadWholeHorizon(horizon.path, &time, nullptr, problem) != HorizonReadResult::Ok) {
    err << "horizon: " << problem << '\n';
    return 1;
  }
  if (std::string warning = InterruptedWriteWarning(horizon.path); !warning.empty())
    err << "horizon: " << warning << '\n';
  PrintInfo(horizon, time, line.Has("--json"), out);
  return 0;
}

int RunPickCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || WantsHelp(args)) {
    (args.empty() ? err : out) << kPickHelp;
    return args.empty() ? 2 : 0;
  }
  CommandLine line(args,
                   {"--line", "--xline", "--arb", "--offset", "--from", "--to", "--style",
                    "--direction", "--type", "--window"},
                   {"--erase", "--by-lines"});
  if (!line.error().empty()) return Usage(err, "pick", line.error(), kPickHelp);
  PickOptions options;
  if (std::string problem = ReadPickOptions(line, options); !problem.empty())
    return Usage(err, "pick", problem, kPickHelp);

  auto batch = OpenBatchProject(line.positionals()[0], true, "pick", err);
  if (!batch) return 1;
  const SurveyHeader& h = batch->project.header;
  PickSection section;
  if (int status = ChoosePickSection(line, *batch, options.offset, section, err); status != 0)
    return status;

  PickSettings settings = LoadPickSettings(batch->folder, h);
  if (options.window >= 0) {
    settings.pick_window_ms = options.window;
    if (!SavePickSettings(batch->folder, settings)) err << "pick: cannot save pickedit.ini\n";
  }
  PickEnvironment env = batch->Environment(line.positionals()[1], settings.pick_window_ms);
  if (!MayEdit(batch->project, env.horizon.path, EditedFile::Horizon, "pick", err)) return 1;
  std::unique_ptr<WriteSession> session = LockForEditing(env.horizon.path, "pick", err);
  if (!session) return 1;
  if (options.type || line.Has("--erase"))
    UpdateHorizonStyle(env.horizon.path, [&](HorizonStyle& s) {
      if (options.type) s.pick_type = *options.type;  // choosing a type clears the erase flag
      if (line.Has("--erase")) s.pick_type |= kPickErase;
    });

  PickOutcome outcome = PickLine(env, section, GestureOf(options, settings));
  if (outcome != PickOutcome::Failed) session->Finish();
  switch (outcome) {
    case PickOutcome::Picked: break;
    case PickOutcome::OutsideZoom:
      err << "pick: the section is outside the zoom window\n";
      return 1;
    default: return 1;
  }
  out << FormatText("%d of %d cells of the section picked\n",
                    PickedCells(h, env.horizon.path, section), section.count());
  return 0;
}

}  // namespace quarrix
