#include "map/map_commands.h"

#include <algorithm>
#include <map>
#include <optional>
#include <ostream>

#include "map/colour_bar_levels.h"
#include "map/contour_tracer.h"
#include "map/grid_file_io.h"
#include "map/gridding.h"
#include "platform/atomic_file.h"
#include "platform/command_line.h"
#include "platform/json_writer.h"
#include "platform/paths.h"
#include "platform/terminal_progress.h"
#include "platform/terminal_prompter.h"
#include "platform/text_util.h"
#include "platform/write_session.h"
#include "project/output_guard.h"
#include "project/project_state.h"

namespace quarrix {
namespace {

const char kGridHelp[] =
    "usage: quarrix-batch grid PROJECT.hdr GRIDFILE [--out FILE [--force]] [--no-extrapolate]\n"
    "           [--gradient [--t1 X --t2 Y]] [--area FIRST_LINE:LAST_LINE,FIRST_TRACE:LAST_TRACE]\n"
    "           [--threads N]\n"
    "\n"
    "Fills the null cells of the time grid of a horizon-format file by natural-neighbour\n"
    "gridding, in place unless --out names a new file (a copy with the filled grid;\n"
    "an existing one is replaced only with --force). Bare names lie in the project folder.\n"
    "--no-extrapolate  leaves cells outside the picks' triangulation null\n"
    "--gradient        blends in local gradient planes (tautness --t1, default 1.5,\n"
    "                  and --t2, default 7.0)\n"
    "--area            grids only this rectangle of survey line and trace numbers\n"
    "--threads N       shares the rows out among N threads (default: one per core;\n"
    "                  the grid is the same for every N)\n";

const char kContourHelp[] =
    "usage: quarrix-batch contour PROJECT.hdr GRIDFILE (--levels V1,V2,... | --colour-file FILE)\n"
    "           [--decimate K] [--smooth none|light|medium|heavy] [--json] [--threads N]\n"
    "\n"
    "Traces the contours of the time grid of a horizon-format file at each level (or at\n"
    "the thresholds of a colour file) and prints, per level, every traced path with its\n"
    "closed flag and its points in grid coordinates (column = trace index, row = line\n"
    "index); --json prints one object. --decimate keeps every (K+1)-th row and column.\n"
    "--threads N traces N levels at once (default: one per core; the output is the same).\n";

// "FIRST_LINE:LAST_LINE,FIRST_TRACE:LAST_TRACE" in survey numbers, to a rectangle.
bool ParseArea(const std::string& text, const SurveyHeader& h, GridRectangle& area,
               std::string& problem) {
  std::vector<std::string> parts = SplitText(text, ',');
  std::optional<std::pair<double, double>> lines, traces;
  if (parts.size() == 2) {
    lines = ParseNumberPair(parts[0], ':');
    traces = ParseNumberPair(parts[1], ':');
  }
  if (!lines || !traces) {
    problem = "--area takes FIRST_LINE:LAST_LINE,FIRST_TRACE:LAST_TRACE";
    return false;
  }
  auto [l0, l1] = std::minmax(lines->first, lines->second);
  auto [t0, t1] = std::minmax(traces->first, traces->second);
  if (l0 < h.first_line || l1 > h.last_line || t0 < h.first_trace || t1 > h.last_trace) {
    problem = FormatText("--area must lie within lines %d:%d and traces %d:%d", h.first_line,
                         h.last_line, h.first_trace, h.last_trace);
    return false;
  }
  int first_row = h.LineIndex(static_cast<int>(l0)), last_row = h.LineIndex(static_cast<int>(l1));
  int first_column = h.TraceIndex(static_cast<int>(t0));
  int last_column = h.TraceIndex(static_cast<int>(t1));
  area = {first_column, first_row, last_column - first_column + 1, last_row - first_row + 1};
  return true;
}

std::optional<double> DoubleOption(const CommandLine& line, const char* name, double fallback,
                                   std::string& problem) {
  auto text = line.Value(name);
  if (!text) return fallback;
  auto value = ParseWholeDouble(*text);
  if (!value) problem = FormatText("%s takes a number", name);
  return value;
}

}  // namespace

int RunGridCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || WantsHelp(args)) {
    (args.empty() ? err : out) << kGridHelp;
    return args.empty() ? 2 : 0;
  }
  CommandLine line(args, {"--out", "--t1", "--t2", "--area", "--threads"},
                   {"--no-extrapolate", "--gradient", "--force"});
  if (!line.error().empty() || line.positionals().size() != 2) {
    err << "grid: " << (line.error().empty() ? "give PROJECT.hdr and GRIDFILE" : line.error())
        << '\n';
    return 2;
  }
  GriddingOptions options;
  options.extrapolate = !line.Has("--no-extrapolate");
  options.apply_gradient = line.Has("--gradient");
  std::string problem;
  auto t1 = DoubleOption(line, "--t1", options.tautness1, problem);
  auto t2 = DoubleOption(line, "--t2", options.tautness2, problem);
  if (!t1 || !t2) {
    err << "grid: " << problem << '\n';
    return 2;
  }
  options.tautness1 = *t1;
  options.tautness2 = *t2;
  if (problem = ReadThreadsOption(line, options.threads); !problem.empty()) {
    err << "grid: " << problem << '\n';
    return 2;
  }

  const std::string& header_path = line.positionals()[0];
  const std::string grid_path = ResolveProjectName(DirectoryOf(header_path), line.positionals()[1]);
  LoadedGridFile file;
  if (!LoadGridFile(header_path, grid_path, file, problem, err)) {
    err << "grid: " << problem << '\n';
    return 1;
  }
  ProjectState project;
  NameProject(project, header_path, file.header);
  std::optional<std::string> target;
  if (auto name = line.Value("--out")) target = ResolveProjectName(DirectoryOf(header_path), *name);
  if (target ? !MayCreate(project, *target, line.Has("--force"), "grid", err)
             : !MayEdit(project, grid_path, EditedFile::GridFile, "grid", err))
    return 1;
  std::unique_ptr<WriteSession> session;
  if (!target && !(session = LockForEditing(grid_path, "grid", err))) return 1;
  GridRectangle area{0, 0, file.time.columns, file.time.rows};
  if (auto text = line.Value("--area"); text && !ParseArea(*text, file.header, area, problem)) {
    err << "grid: " << problem << '\n';
    return 2;
  }

  HorizonGrid before = file.time;
  TerminalPrompter prompter(err);
  TerminalProgress progress(err, StderrIsTerminal());
  GriddingResult result = GridHorizonArea(file.time, area, {}, options, progress, prompter);
  if (result == GriddingResult::ScaleRatio || result == GriddingResult::OutOfMemory) return 1;
  if (result == GriddingResult::TooFewPoints)
    err << "grid: fewer than 4 picks in the area; nothing changed\n";
  std::size_t filled = 0;
  for (std::size_t i = 0; i < before.CellCount(); ++i)
    filled += before.cells[i] != file.time.cells[i];

  if (target) {
    if (!WriteFileAtomically(*target, OverlayGrids(file.bytes, &file.time, nullptr))) {
      err << "grid: cannot write " << *target << '\n';
      return 1;
    }
  } else if (filled > 0 && !WriteHorizon(grid_path, &file.time, nullptr)) {
    err << "grid: cannot write " << grid_path << '\n';
    return 1;
  }
  if (session) session->Finish();
  out << "filled " << filled << " cells\n";
  return 0;
}

namespace {

// Keeps the traced paths per level, in grid coordinates.
class PathCollector : public ContourSink {
 public:
  explicit PathCollector(double units_per_cell) : units_(units_per_cell) {}
  DrawOutcome Polygon(const ContourPolygon& polygon) override {
    auto& paths = by_level_[polygon.level_index];
    for (const ContourPath& path : polygon.paths) paths.push_back(path);
    return DrawOutcome::Drawn;
  }
  void Print(const std::vector<int>& levels, bool json, std::ostream& out) const {
    if (!json) {
      for (std::size_t i = 0; i < levels.size(); ++i) {
        const auto& paths = Paths(i);
        std::size_t closed = std::count_if(paths.begin(), paths.end(),
                                           [](const ContourPath& p) { return p.closed; });
        out << "level " << levels[i] << ": " << paths.size() << " paths, " << closed << " closed\n";
      }
      return;
    }
    JsonWriter w(out);
    w.BeginObject().Key("levels").BeginArray();
    for (std::size_t i = 0; i < levels.size(); ++i) {
      w.BeginObject().Key("level").Int(levels[i]).Key("polygons").BeginArray();
      for (const ContourPath& path : Paths(i)) {
        w.BeginObject().Key("closed").Bool(path.closed).Key("points").BeginArray();
        for (const DevicePoint& p : path.points)
          w.BeginArray().Double(p.x / units_).Double(p.y / units_).EndArray();
        w.EndArray().EndObject();
      }
      w.EndArray().EndObject();
    }
    w.EndArray().EndObject();
    out << '\n';
  }

 private:
  const std::vector<ContourPath>& Paths(std::size_t level_index) const {
    static const std::vector<ContourPath> none;
    auto found = by_level_.find(static_cast<int>(level_index));
    return found == by_level_.end() ? none : found->second;
  }
  double units_;
  std::map<int, std::vector<ContourPath>> by_level_;
};

bool ParseLevels(const CommandLine& line, std::vector<int>& levels, std::string& problem) {
  auto list = line.Value("--levels");
  auto colour_file = line.Value("--colour-file");
  if (list.has_value() == colour_file.has_value()) {
    problem = "give either --levels or --colour-file";
    return false;
  }
  if (colour_file) {
    std::string bytes;
    if (!ReadWholeFile(*colour_file, bytes)) {
      problem = "cannot open the colour file " + *colour_file;
      return false;
    }
    levels = ColourBarLevels(bytes);
    return true;
  }
  for (const std::string& text : SplitText(*list, ',')) {
    auto value = ParseWholeInt(Trim(text));
    if (!value || *value < -32768 || *value > 32767) {
      problem = "--levels takes whole numbers from -32768 to 32767, separated by commas";
      return false;
    }
    levels.push_back(static_cast<int>(*value));
  }
  return true;
}

}  // namespace

int RunContourCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || WantsHelp(args)) {
    (args.empty() ? err : out) << kContourHelp;
    return args.empty() ? 2 : 0;
  }
  CommandLine line(args, {"--levels", "--colour-file", "--decimate", "--smooth", "--threads"},
                   {"--json"});
  if (!line.error().empty() || line.positionals().size() != 2) {
    err << "contour: " << (line.error().empty() ? "give PROJECT.hdr and GRIDFILE" : line.error())
        << '\n';
    return 2;
  }
  std::vector<int> levels;
  std::string problem;
  if (!ParseLevels(line, levels, problem)) {
    err << "contour: " << problem << '\n';
    return 2;
  }
  ContourOptions options;
  options.fill = false;
  if (auto text = line.Value("--decimate")) {
    auto k = ParseWholeInt(*text);
    if (!k || *k < 0 || *k > 10000) {
      err << "contour: --decimate takes a whole number from 0\n";
      return 2;
    }
    options.decimate = static_cast<int>(*k);
  }
  if (auto text = line.Value("--smooth")) {
    static const std::map<std::string, CurveSmoothing> kinds = {{"none", CurveSmoothing::None},
                                                                {"light", CurveSmoothing::Light},
                                                                {"medium", CurveSmoothing::Medium},
                                                                {"heavy", CurveSmoothing::Heavy}};
    auto kind = kinds.find(ToLower(*text));
    if (kind == kinds.end()) {
      err << "contour: --smooth takes none, light, medium or heavy\n";
      return 2;
    }
    options.smoothing = kind->second;
  }
  if (problem = ReadThreadsOption(line, options.threads); !problem.empty()) {
    err << "contour: " << problem << '\n';
    return 2;
  }

  LoadedGridFile file;
  if (!LoadGridFile(line.positionals()[0], line.positionals()[1], file, problem, err)) {
    err << "contour: " << problem << '\n';
    return 1;
  }
  // Device units are 1/1024 of an original cell, so grid coordinates print exactly.
  constexpr double kUnits = 1024;
  int step = options.decimate + 1;
  int rows = file.time.rows / step, columns = file.time.columns / step;
  options.frame.width = kUnits * step * (columns - 1);
  options.frame.height = kUnits * step * (rows - 1);
  PathCollector collector(kUnits);
  TerminalPrompter prompter(err);
  TerminalProgress progress(err, StderrIsTerminal());
  if (DrawFilledContours(file.time, levels, options, collector, progress, prompter) !=
      ContourError::None)
    return 1;
  collector.Print(levels, line.Has("--json"), out);
  return 0;
}

}  // namespace quarrix
