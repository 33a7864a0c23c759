#include "map/plot_map_command.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <ostream>

#include "map/grid_file_io.h"
#include "map/horizon_plot.h"
#include "map/plot_map_inputs.h"
#include "platform/atomic_file.h"
#include "platform/command_line.h"
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
    "         [--scale FT_PER_INCH] [--grid-lines] [--grid-circles] [--labels] [--in-xy]\n"
    "         [--smooth none|light|heavy] [--decimate K] [--fill-holes]\n"
    "         [--wells A.wll,G.lgv] [--faults F.ffl] [--arb A.arb] [--dxf F.dxf[,G.dxf]]\n"
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
    "over its values. --scale 0 (the default) fits the page. Overlays: wells and\n"
    "well groups, fault grids, arbitrary lines, DXF culture (world X/Y). FILE ends\n"
    "in .png, .bmp, .pdf, .svg, .wmf or .emf; --dpi (default 150) sets the\n"
    "resolution of raster and PDF output.\n";

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
  double scale = 0, decimate = 0;
  ReadNumber(line, "--scale", 0, 1e7, scale, problem);
  ReadNumber(line, "--decimate", 0, 100, decimate, problem);
  ReadNumber(line, "--zscale", -1e4, 1e4, s.camera.z_scale, problem);
  ReadNumber(line, "--dpi", 10, 1200, dpi, problem);
  if (!problem.empty()) return problem;
  s.scale_feet_per_inch = static_cast<int>(scale);
  s.decimate = static_cast<int>(decimate);
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

// Contour line classes of a bar: thin lines every fifth band, heavier
// labelled lines every twenty-fifth.
void DefaultLineClasses(const ColourBar& bar, HorizonPlotSettings& s) {
  const int every = bar.increment * (bar.count > 30 ? 5 : 1);
  if (every <= 0 || every > 32767 / 5) return;
  s.classes[0] = {static_cast<std::int16_t>(every), false, 1, false, 0x404040};
  s.classes[2] = {static_cast<std::int16_t>(every * 5), true, 2, false, 0};
}

// Reads every overlay file named on the command line; "" when all were read.
std::string ReadOverlays(const CommandLine& line, const SurveyHeader& header,
                         const PlotMapReaders& readers, const WellStyle& map_style,
                         HorizonPlotData& data) {
  std::string bytes;
  WellGroupPost single;
  single.style = map_style;
  for (const std::string& path : ListOption(line, "--wells")) {
    if (HasExtension(path, "lgv")) {
      if (!readers.well_group) return "well groups (.lgv) cannot be read by this program";
      WellGroupPost group;
      group.style = map_style;
      group.style.label_position = 1;
      std::string problem;
      if (!readers.well_group(path, header, group, problem)) return problem;
      data.wells.push_back(std::move(group));
      continue;
    }
    PostedWell well;
    if (!ReadWholeFile(path, bytes)) return "cannot open " + path;
    if (!DecodePostedWell(bytes, header, well)) return path + " is not a well file";
    well.name = std::filesystem::path(path).stem().string();
    single.wells.push_back(well);
  }
  if (!single.wells.empty()) data.wells.push_back(single);
  for (const std::string& path : ListOption(line, "--faults")) {
    if (!ReadWholeFile(path, bytes)) return "cannot open " + path;
    if (!DecodeFaultGrid(bytes, header, data.faults.emplace_back()))
      return path + " is too short for a fault grid of this project";
  }
  for (const std::string& path : ListOption(line, "--arb")) {
    if (!ReadWholeFile(path, bytes)) return "cannot open " + path;
    data.arbitrary_lines.push_back(DecodeArbitraryPolyline(bytes, header));
  }
  std::vector<std::string> dxf = ListOption(line, "--dxf");
  if (dxf.size() > 10) dxf.resize(10);  // ten overlay slots
  for (const std::string& path : dxf) {
    if (!readers.dxf) return "DXF files cannot be read by this program";
    std::string problem;
    if (!readers.dxf(path, data.culture.emplace_back(), problem)) return problem;
  }
  return "";
}

}  // namespace

int RunPlotMap(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               RasterPlotWriter* raster, const PlotMapReaders& readers) {
  for (const std::string& a : args)
    if (a == "--help" || a == "-h") {
      out << kHelp;
      return 0;
    }
  CommandLine line(args,
                   {"--type", "--colour-file", "--scale", "--smooth", "--decimate", "--wells",
                    "--faults", "--arb", "--dxf", "--camera", "--zscale", "--comment1",
                    "--comment2", "--page", "--dpi", "--out"},
                   {"--amp", "--grid-lines", "--grid-circles", "--labels", "--in-xy", "--title",
                    "--fill-holes", "--fishnet", "--colour-fishnet", "--force"});
  if (!line.error().empty() || line.positionals().size() != 2 || !line.Value("--out")) {
    err << "plot-map: "
        << (line.error().empty() ? "give PROJECT.hdr, GRIDFILE and --out FILE" : line.error())
        << '\n'
        << kHelp;
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
  if (std::string problem = ReadSettings(line, settings, dpi, page_width, page_height);
      !problem.empty()) {
    err << "plot-map: " << problem << '\n';
    return 2;
  }
  if (format != PlotFormat::Metafile && page_width * page_height * dpi * dpi > kMaxRasterPixels) {
    err << "plot-map: the page is too large at this --dpi\n";
    return 2;
  }

  const std::string grid_path = ResolveProjectName(DirectoryOf(header_path), line.positionals()[1]);
  LoadedGridFile loaded;
  std::string problem;
  if (!LoadGridFile(header_path, grid_path, loaded, problem, err)) {
    err << "plot-map: " << problem << '\n';
    return 1;
  }
  ProjectState project;
  NameProject(project, header_path, loaded.header);
  if (!MayCreate(project, out_path, line.Has("--force"), "plot-map", err)) return 1;
  const SurveyHeader& header = loaded.header;
  HorizonPlotData data;
  data.amplitude = line.Has("--amp");
  HorizonGrid grid = loaded.time;
  if (data.amplitude) {
    const std::size_t offset = kHorizonStyleBytes + GridBytes(grid);
    if (loaded.bytes.size() < offset + GridBytes(grid)) {
      err << "plot-map: " << grid_path << " holds no amplitude grid\n";
      return 1;
    }
    DecodeGridCells(std::string_view(loaded.bytes).substr(offset), grid);
  }
  const SurveyPlacement placement = LoadXyGeometry(BaseWithDot(header_path) + "x_y", header);
  if (settings.in_xy && !placement.HasXy())
    err << "plot-map: the project has no X/Y file; --in-xy is ignored\n";

  if (auto colour_file = line.Value("--colour-file")) {
    if (!ReadColourFile(*colour_file, data.bar)) {
      err << "plot-map: cannot read the colour file " << *colour_file << '\n';
      return 1;
    }
    data.colour_name = std::filesystem::path(*colour_file).filename().string();
  } else {
    data.bar = PlotColourBar(grid_path, grid, data.amplitude,
                             LoadColourSets(ConfigFile("colorset.ini")), data.colour_name);
  }
  DefaultLineClasses(data.bar, settings);
  data.grid = &grid;
  data.header = &header;
  data.placement = &placement;
  data.zoom = FullMapZoom(header);
  data.plot_name = std::filesystem::path(header_path).stem().string();
  data.file_name = std::filesystem::path(grid_path).filename().string();
  data.date = LocalTimeText("%m/%d/%y");
  data.time = LocalTimeText("%H:%M:%S");
  if (std::string overlay_problem = ReadOverlays(line, header, readers, settings.well_style, data);
      !overlay_problem.empty()) {
    err << "plot-map: " << overlay_problem << '\n';
    return 1;
  }

  PlotPage page;
  page.width_in = page_width;
  page.height_in = page_height;
  page.dpi = static_cast<int>(dpi);
  page.document_name = "Horizon Plot";
  page.palette = CreateBarPalette(data.bar);
  page.palette.back() = kWhite;
  page.palette.push_back(kBlack);
  TerminalPrompter prompter(err);
  NullProgress progress;
  HorizonPlotResult result;
  auto draw = [&](Canvas& canvas) {
    const DeviceInfo device = canvas.Device();
    Rect area{0, 0, page_width * device.ppi_x, page_height * device.ppi_y};
    result = DrawHorizonPlot(canvas, area, settings, data, progress, prompter);
  };
  std::string error;
  if (!SavePlot(out_path, page, draw, raster, error)) {
    err << "plot-map: " << error << '\n';
    return 1;
  }
  out << FormatText("%s: %d x %d cells, scale 1 in = %d ft\n", out_path.c_str(),
                    data.zoom.Columns(), data.zoom.Rows(), result.scale_feet_per_inch);
  return result.drawn ? 0 : 1;
}

int RunPlotMapCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  return RunPlotMap(args, out, err, nullptr);
}

}  // namespace quarrix
