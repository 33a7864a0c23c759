#include "map/plot_map_command.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <ostream>
#include <set>

#include "map/horizon_plot.h"
#include "map/plot_map_style_options.h"
#include "platform/command_line.h"
#include "platform/numeric.h"
#include "platform/paths.h"
#include "platform/plot_output.h"
#include "platform/progress.h"
#include "platform/terminal_prompter.h"
#include "platform/text_util.h"
#include "project/output_guard.h"
#include "project/project_state.h"
#include "project/xy_geometry.h"

namespace quarrix {
namespace {

const char kHelp[] =
    "usage: quarrix-batch plot-map PROJECT.hdr GRIDFILE [--amp]\n"
    "         [--type horizon|contour|lcontour|surface] [--colour-file FILE]\n"
    "         [--scale FT_PER_INCH] [--colour-gain 1-15] [--grid-lines] [--grid-circles]\n"
    "         [--labels] [--in-xy]\n"
    "         [--smooth none|light|heavy] [--decimate K] [--fill-holes]\n"
    "         [--wells A.wll,G.lgv] [--faults F.ffl] [--arb A.arb] [--dxf F.dxf[,G.dxf]]\n"
    "         [--poly-faults F.flp] [--zoom LINE1,LINE2,TRACE1,TRACE2]\n"
    "         [--contours EVERY1[,EVERY2[,EVERY3]]] [--no-palette]\n"
    "         [--camera DIST,AZI,ELEV] [--zscale F] [--fishnet] [--colour-fishnet]\n"
    "         [--title] [--comment1 TEXT] [--comment2 TEXT]\n"
    "         [--page WIDTH_IN,HEIGHT_IN] [--dpi N] --out FILE [--force]\n"
    "\n"
    "A bare FILE or GRIDFILE lies in the project folder; an existing FILE is\n"
    "replaced only with --force.\n"
    "Draws the presentation horizon plot of the time grid of a horizon-format file\n"
    "(--amp: the amplitude grid of a horizon) on a page (default 11 x 8.5 in):\n"
    "a colour raster (horizon), filled contours (contour), cell-filled contours\n"
    "with lines (lcontour) or a 3-D perspective view (surface). Colours come from\n"
    "--colour-file, else the grid's own .col/.aco file, else a colour set stretched\n"
    "over its values; --colour-gain colours an amplitude v as v x gain.\n"
    "--scale 0 (the default) fits the page. Overlays: wells and\n"
    "well groups, fault grids, arbitrary lines, DXF culture (world X/Y), poly faults.\n"
    "--zoom plots part of the survey; --contours sets the values between the lines\n"
    "of the three contour line classes (0 leaves a class out). FILE ends\n"
    "in .png, .bmp, .pdf, .svg, .wmf or .emf; --dpi (default 150) sets the\n"
    "resolution of raster and PDF output.\n"
    "\n";

constexpr double kMaxRasterPixels = 200e6;

std::vector<std::string> ListOption(const CommandLine& line, const std::string& option) {
  std::vector<std::string> items;
  for (const std::string& value : line.Values(option))
    for (const std::string& item : SplitText(value, ','))
      if (!item.empty()) items.push_back(item);
  return items;
}

bool ReadNumber(const CommandLine& line, const std::string& option, double low, double high,
                double& value, std::string& problem) {
  auto text = line.Value(option);
  if (!text || !problem.empty()) return problem.empty();
  auto number = ParseWholeDouble(*text);
  if (!number || *number < low || *number > high)
    problem = FormatText("%s must be a number from %g to %g", option.c_str(), low, high);
  else
    value = *number;
  return problem.empty();
}

// Options that shape the plot, checked; "" when all are sound.
std::string ReadSettings(const CommandLine& line, HorizonPlotSettings& s, double& dpi,
                         double& page_width, double& page_height) {
  std::string problem;
  const std::string type = line.Value("--type").value_or("horizon");
  if (type == "horizon")
    s.type = HorizonPlotType::Horizon;
  else if (type == "contour")
    s.type = HorizonPlotType::Contour;
  else if (type == "lcontour")
    s.type = HorizonPlotType::LineContour;
  else if (type == "surface")
    s.type = HorizonPlotType::Surface;
  else
    return "--type is horizon, contour, lcontour or surface";
  const std::string smooth = line.Value("--smooth").value_or("none");
  if (smooth == "none")
    s.smoothing = DataSmoothing::None;
  else if (smooth == "light")
    s.smoothing = DataSmoothing::Light;
  else if (smooth == "heavy")
    s.smoothing = DataSmoothing::Heavy;
  else
    return "--smooth is none, light or heavy";
  double scale = 0, decimate = 0, gain = 1;
  ReadNumber(line, "--scale", 0, 1e7, scale, problem);
  ReadNumber(line, "--colour-gain", 1, 15, gain, problem);
  ReadNumber(line, "--decimate", 0, 100, decimate, problem);
  ReadNumber(line, "--zscale", -1e4, 1e4, s.camera.z_scale, problem);
  ReadNumber(line, "--dpi", 10, 1200, dpi, problem);
  if (!problem.empty()) return problem;
  s.scale_feet_per_inch = static_cast<int>(scale);
  s.decimate = static_cast<int>(decimate);
  s.colour_gain = static_cast<int>(gain);
  if (auto camera = line.Value("--camera")) {
    std::vector<std::string> parts = SplitText(*camera, ',');
    std::optional<double> values[3];
    for (std::size_t i = 0; i < parts.size() && i < 3; ++i) values[i] = ParseWholeDouble(parts[i]);
    if (parts.size() != 3 || !values[0] || !values[1] || !values[2] || *values[0] <= 0)
      return "--camera takes DIST,AZI,ELEV with a positive distance";
    s.camera.distance = *values[0];
    s.camera.azimuth = *values[1];
    s.camera.elevation = *values[2];
  }
  if (auto page = line.Value("--page")) {
    auto size = ParseNumberPair(*page, ',');
    if (!size || size->first < 2 || size->second < 2 || size->first > 200 || size->second > 200)
      return "--page takes WIDTH_IN,HEIGHT_IN, each from 2 to 200";
    page_width = size->first;
    page_height = size->second;
  }
  s.grid_lines = line.Has("--grid-lines");
  s.grid_circles = line.Has("--grid-circles");
  s.label_traces_lines = line.Has("--labels");
  s.in_xy = line.Has("--in-xy");
  s.title = line.Has("--title");
  s.fill_holes = line.Has("--fill-holes");
  s.camera.fishnet = line.Has("--fishnet") || line.Has("--colour-fishnet");
  s.camera.colour_fishnet = line.Has("--colour-fishnet");
  s.comment1 = line.Value("--comment1").value_or("");
  s.comment2 = line.Value("--comment2").value_or("");
  return "";
}

// The values between contour lines of the three line classes; their pens and
// labels stay as the bar's default classes have them.
std::string ReadContourClasses(const CommandLine& line, HorizonPlotSettings& s) {
  const std::vector<std::string> every = ListOption(line, "--contours");
  if (every.empty()) return "";
  if (every.size() > 3) return "--contours takes at most three values";
  for (std::size_t k = 0; k < 3; ++k) {
    std::optional<double> value = k < every.size() ? ParseWholeDouble(every[k]) : 0.0;
    if (!value || *value < 0 || *value > 32767 || *value != std::floor(*value))
      return "--contours takes whole values from 0 to 32767";
    s.classes[k].every = static_cast<std::int16_t>(*value);
  }
  return "";
}

// The request of the command line's files and zoom window; "" when sound.
std::string ReadRequest(const CommandLine& line, HorizonPlotRequest& request) {
  request.header_path = line.positionals()[0];
  request.grid_path = line.positionals()[1];
  request.amplitude = line.Has("--amp");
  request.colour_file = line.Value("--colour-file").value_or("");
  request.wells = ListOption(line, "--wells");
  request.faults = ListOption(line, "--faults");
  request.arbitrary_lines = ListOption(line, "--arb");
  request.dxf = ListOption(line, "--dxf");
  request.poly_faults = line.Value("--poly-faults").value_or("");
  return "";
}

// The zoom window of --zoom in line and trace numbers; false when unsound.
bool ApplyZoomOption(const CommandLine& line, HorizonPlotDocument& doc) {
  auto text = line.Value("--zoom");
  if (!text) return true;
  std::vector<std::string> parts = SplitText(*text, ',');
  if (parts.size() != 4) return false;
  int numbers[4];
  for (std::size_t i = 0; i < 4; ++i) {
    std::optional<double> n = ParseWholeDouble(parts[i]);
    if (!n || std::fabs(*n) > 1e9) return false;
    numbers[i] = Trunc32(*n);
  }
  std::optional<MapZoom> zoom =
      ZoomOfNumbers(doc.header, numbers[0], numbers[1], numbers[2], numbers[3]);
  if (!zoom) return false;
  doc.data.zoom = *zoom;
  return true;
}

}  // namespace

int RunPlotMap(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               RasterPlotWriter* raster, const PlotMapReaders& readers) {
  for (const std::string& a : args)
    if (a == "--help" || a == "-h") {
      out << kHelp << kPlotStyleHelp;
      return 0;
    }
  std::set<std::string> value_options = {"--type",     "--colour-file", "--scale",  "--colour-gain",
                                         "--smooth",   "--decimate",    "--wells",  "--faults",
                                         "--arb",      "--dxf",         "--camera", "--zscale",
                                         "--comment1", "--comment2",    "--page",   "--dpi",
                                         "--out",      "--poly-faults", "--zoom",   "--contours"};
  std::set<std::string> flags = {
      "--amp",        "--grid-lines", "--grid-circles",   "--labels",     "--in-xy", "--title",
      "--fill-holes", "--fishnet",    "--colour-fishnet", "--no-palette", "--force"};
  value_options.insert(PlotStyleValueOptions().begin(), PlotStyleValueOptions().end());
  flags.insert(PlotStyleFlagOptions().begin(), PlotStyleFlagOptions().end());
  CommandLine line(args, value_options, flags);
  if (!line.error().empty() || line.positionals().size() != 2 || !line.Value("--out")) {
    err << "plot-map: "
        << (line.error().empty() ? "give PROJECT.hdr, GRIDFILE and --out FILE" : line.error())
        << '\n'
        << kHelp << kPlotStyleHelp;
    return 2;
  }
  const std::string& header_path = line.positionals()[0];
  const std::string out_path = ResolveProjectName(DirectoryOf(header_path), *line.Value("--out"));
  const PlotFormat format = PlotFormatOf(out_path);
  if (format == PlotFormat::Unknown) {
    err << "plot-map: --out must end in .png, .bmp, .pdf, .svg, .wmf or .emf\n";
    return 2;
  }
  HorizonPlotSettings settings;
  double dpi = 150, page_width = 11, page_height = 8.5;
  std::string problem = ReadSettings(line, settings, dpi, page_width, page_height);
  if (problem.empty()) problem = ReadPlotStyleOptions(line, settings);
  if (!problem.empty()) {
    err << "plot-map: " << problem << '\n';
    return 2;
  }
  if (format != PlotFormat::Metafile && page_width * page_height * dpi * dpi > kMaxRasterPixels) {
    err << "plot-map: the page is too large at this --dpi\n";
    return 2;
  }

  settings.palette = !line.Has("--no-palette");
  HorizonPlotRequest request;
  ReadRequest(line, request);
  request.grid_path = ResolveProjectName(DirectoryOf(header_path), request.grid_path);
  request.well_style = settings.well_style;
  std::optional<HorizonPlotDocument> doc =
      LoadHorizonPlot(request, readers, LoadColourSets(ConfigFile("colorset.ini")), problem, err);
  if (!doc) {
    err << "plot-map: " << problem << '\n';
    return 1;
  }
  if (!ApplyZoomOption(line, *doc)) {
    err << "plot-map: --zoom takes LINE1,LINE2,TRACE1,TRACE2 within the survey\n";
    return 2;
  }
  if (settings.in_xy && !doc->placement.HasXy())
    err << "plot-map: the project has no X/Y file; --in-xy is ignored\n";
  DefaultLineClasses(doc->data.bar, settings);
  if (std::string problem = ReadContourClasses(line, settings); !problem.empty()) {
    err << "plot-map: " << problem << '\n';
    return 2;
  }
  // The bar's classes replaced the line rows read above: style them again.
  ReadPlotStyleOptions(line, settings);
  ProjectState project;
  NameProject(project, header_path, doc->header);
  if (!MayCreate(project, out_path, line.Has("--force"), "plot-map", err)) return 1;

  const PlotPage page = HorizonPlotPage(*doc, page_width, page_height, static_cast<int>(dpi));
  TerminalPrompter prompter(err);
  NullProgress progress;
  HorizonPlotResult result;
  auto draw = [&](Canvas& canvas) {
    const DeviceInfo device = canvas.Device();
    Rect area{0, 0, page_width * device.ppi_x, page_height * device.ppi_y};
    result = DrawHorizonPlotDocument(canvas, area, settings, *doc, progress, prompter);
  };
  std::string error;
  if (!SavePlot(out_path, page, draw, raster, error)) {
    err << "plot-map: " << error << '\n';
    return 1;
  }
  out << FormatText("%s: %d x %d cells, scale 1 in = %d ft\n", out_path.c_str(),
                    doc->data.zoom.Columns(), doc->data.zoom.Rows(), result.scale_feet_per_inch);
  return result.drawn ? 0 : 1;
}

int RunPlotMapCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  return RunPlotMap(args, out, err, nullptr);
}

}  // namespace quarrix
