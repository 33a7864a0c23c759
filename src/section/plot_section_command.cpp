#include "section/plot_section_command.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <ostream>

#include "platform/atomic_file.h"
#include "platform/command_line.h"
#include "platform/paths.h"
#include "platform/plot_output.h"
#include "platform/terminal_prompter.h"
#include "platform/text_util.h"
#include "project/output_guard.h"
#include "project/project_state.h"
#include "section/conditioning_commands.h"
#include "section/processing_params.h"
#include "section/section_inputs.h"
#include "section/section_plot_loader.h"
#include "section/section_render.h"
#include "section/trace_conditioning.h"

namespace quarrix {
namespace {

const char kHelp[] =
    "usage: quarrix-batch plot-section PROJECT.hdr (--line N | --xline N | --arb FILE.arb)\n"
    "         [--mode var|color] [--start-ms MS] [--end-ms MS]\n"
    "         [--first-trace N] [--last-trace N] [--first-line N] [--last-line N]\n"
    "         [--tpi F] [--ips F] [--gain N] [--reverse] [--right-to-left]\n"
    "         [--horizons A.hor,B.hor] [--datum D.hor] [--wells W1.wll,...]\n"
    "         [--colour-file FILE.aco] [--colour-gain N] [--smooth] [--title]\n"
    "         [--comment1 TEXT] [--comment2 TEXT] [--dpi N] [processing options]\n"
    "         --out FILE [--force]\n"
    "\n"
    "A bare FILE lies in the project folder; an existing FILE is replaced only\n"
    "with --force.\n"
    "Draws a wiggle/variable-area (var, the default) or colour-density (color)\n"
    "section of the traces, conditioned by the processing options. The page\n"
    "size follows from the plot scale (traces per inch, inches per second).\n"
    "FILE ends in .png, .bmp, .pdf, .svg, .wmf or .emf (.wmf and .emf are both placeable Windows "
    "metafiles at 96 units per\n"
    "inch; .bmp is 8-bit RLE8 with the plot palette). --first-trace/--last-trace\n"
    "limit an in-line (for an arbitrary line --first-trace is the first list\n"
    "entry, from 0), --first-line/--last-line a cross-line. --datum flattens on\n"
    "a horizon: it runs along the top of the window. --dpi (default 150) sets\n"
    "the resolution of raster and PDF output.\n\n";

// The largest raster page drawn, in pixels.
constexpr double kMaxRasterPixels = 200e6;

bool ReadNumber(const CommandLine& line, const std::string& option, long long low, long long high,
                int& value, std::ostream& err) {
  auto text = line.Value(option);
  if (!text) return true;
  auto number = ParseWholeInt(*text);
  if (!number || *number < low || *number > high) {
    err << "plot-section: " << option << " must be a whole number from " << low << " to " << high
        << '\n';
    return false;
  }
  value = static_cast<int>(*number);
  return true;
}

bool ReadDecimal(const CommandLine& line, const std::string& option, double low, double high,
                 double& value, std::ostream& err) {
  auto text = line.Value(option);
  if (!text) return true;
  auto number = ParseWholeDouble(*text);
  if (!number || *number < low || *number > high) {
    err << "plot-section: " << option << " must be a number from " << low << " to " << high << '\n';
    return false;
  }
  value = *number;
  return true;
}

std::vector<std::string> ListOption(const CommandLine& line, const std::string& option) {
  std::vector<std::string> items;
  for (const std::string& value : line.Values(option))
    for (const std::string& item : SplitText(value, ','))
      if (!item.empty()) items.push_back(item);
  return items;
}

// The section, display settings and overlay files the command line asks for.
bool ReadPlotRequest(const CommandLine& line, const SurveyHeader& header,
                     SectionPlotRequest& request, int& dpi, std::ostream& err) {
  SectionDescription& section = request.section;
  SectionDisplay& display = request.display;
  constexpr long long kBig = 1000000000;
  section.start_ms = header.start_time;
  section.end_ms = header.end_time;
  if (!ReadNumber(line, "--start-ms", header.start_time, header.end_time, section.start_ms, err) ||
      !ReadNumber(line, "--end-ms", header.start_time, header.end_time, section.end_ms, err) ||
      !ReadDecimal(line, "--tpi", 0.5, 500, display.tpi, err) ||
      !ReadDecimal(line, "--ips", 0.1, 100, display.ips, err) ||
      !ReadNumber(line, "--gain", 0, 1000, display.gain, err) ||
      !ReadNumber(line, "--colour-gain", 1, 15, display.colour_gain, err) ||
      !ReadNumber(line, "--dpi", 10, 2400, dpi, err))
    return false;
  if (section.end_ms <= section.start_ms) {
    err << "plot-section: --end-ms must be after --start-ms\n";
    return false;
  }
  if (line.Has("--line")) {
    section.kind = SectionKind::InLine;
    if (!ReadNumber(line, "--line", -kBig, kBig, section.line_number, err) ||
        !ReadNumber(line, "--first-trace", -kBig, kBig, section.first, err) ||
        !ReadNumber(line, "--last-trace", -kBig, kBig, section.last, err))
      return false;
  } else if (line.Has("--xline")) {
    section.kind = SectionKind::CrossLine;
    if (!ReadNumber(line, "--xline", -kBig, kBig, section.trace_number, err) ||
        !ReadNumber(line, "--first-line", -kBig, kBig, section.first, err) ||
        !ReadNumber(line, "--last-line", -kBig, kBig, section.last, err))
      return false;
  } else {
    section.kind = SectionKind::Arbitrary;
    request.arb_path = *line.Value("--arb");
    if (!ReadNumber(line, "--first-trace", 0, kBig, section.first, err)) return false;
  }
  display.polarity = line.Has("--reverse") ? -1 : 1;
  display.left_to_right = !line.Has("--right-to-left");
  display.smooth_colours = line.Has("--smooth");
  display.title_scale = line.Has("--title") ? 1.0 : 0.4;
  display.comment1 = line.Value("--comment1").value_or("").substr(0, 39);
  display.comment2 = line.Value("--comment2").value_or("").substr(0, 39);
  request.horizon_paths = ListOption(line, "--horizons");
  request.datum_path = line.Value("--datum").value_or("");
  request.well_paths = ListOption(line, "--wells");
  request.colour_file = line.Value("--colour-file").value_or("");
  return true;
}

}  // namespace

int RunPlotSection(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   RasterPlotWriter* raster) {
  for (const std::string& a : args)
    if (a == "--help" || a == "-h") {
      out << kHelp << kProcessingOptionsHelp;
      return 0;
    }
  std::set<std::string> value_options = {
      "--line",   "--xline",       "--arb",         "--mode",       "--start-ms",
      "--end-ms", "--first-trace", "--last-trace",  "--first-line", "--last-line",
      "--tpi",    "--ips",         "--gain",        "--horizons",   "--datum",
      "--wells",  "--colour-file", "--colour-gain", "--comment1",   "--comment2",
      "--dpi",    "--out"};
  value_options.insert(kProcessingValueOptions.begin(), kProcessingValueOptions.end());
  CommandLine line(args, value_options,
                   {"--reverse", "--right-to-left", "--smooth", "--title", "--force"});
  if (!line.error().empty() || line.positionals().size() != 1 || !line.Value("--out")) {
    err << (line.error().empty() ? "plot-section: give one PROJECT.hdr and --out FILE"
                                 : "plot-section: " + line.error())
        << '\n'
        << kHelp;
    return 2;
  }
  const int kinds = line.Has("--line") + line.Has("--xline") + line.Has("--arb");
  if (kinds != 1) {
    err << "plot-section: give exactly one of --line, --xline and --arb\n";
    return 2;
  }
  const std::string mode_text = line.Value("--mode").value_or("var");
  if (mode_text != "var" && mode_text != "color" && mode_text != "colour") {
    err << "plot-section: --mode is var or color\n";
    return 2;
  }
  const SectionMode mode = mode_text == "var" ? SectionMode::Wiggle : SectionMode::Colour;
  ProcessingParams params;
  if (std::string problem = ReadProcessingOptions(line, params); !problem.empty()) {
    err << "plot-section: " << problem << '\n';
    return 2;
  }
  const std::string out_path =
      ResolveProjectName(DirectoryOf(line.positionals()[0]), *line.Value("--out"));
  const PlotFormat format = PlotFormatOf(out_path);
  if (format == PlotFormat::Unknown) {
    err << "plot-section: --out must end in .png, .bmp, .pdf, .svg, .wmf or .emf\n";
    return 2;
  }

  TerminalPrompter prompter(err);
  ProjectState project;
  if (!OpenProject(project, line.positionals()[0], prompter)) return 1;
  if (!MayCreate(project, out_path, line.Has("--force"), "plot-section", err)) return 1;
  const SurveyHeader& header = project.header;
  if (std::string problem = HeaderProblem(header); !problem.empty()) {
    err << "plot-section: " << problem << '\n';
    return 1;
  }
  if (!project.amp.IsOpen()) {
    err << "plot-section: cannot open the trace file " << project.AmpPath() << '\n';
    return 1;
  }

  int dpi = 150;
  SectionPlotRequest request;
  if (!ReadPlotRequest(line, header, request, dpi, err)) return 2;
  request.params = params;
  std::optional<SectionPlot> loaded = LoadSectionPlot(project, request, prompter);
  if (!loaded) return 1;
  SectionPlot& plot = *loaded;

  // The page follows from the plot scale on the output device.
  DeviceInfo device;
  if (format == PlotFormat::Metafile) {
    device.ppi_x = device.ppi_y = 96;
    device.metafile = true;
  } else {
    device.ppi_x = device.ppi_y = dpi;
    device.printing = true;
  }
  const SectionLayout layout = PlanSection(header, plot, device, mode);
  if (layout.columns == 0) {
    err << "plot-section: the section has no traces in this survey\n";
    return 1;
  }
  PlotPage page = SectionPlotPage(header, plot, mode, device);
  page.dpi = dpi;
  if (format != PlotFormat::Metafile && layout.width * layout.height > kMaxRasterPixels) {
    err << FormatText("plot-section: the page would be %.0f x %.0f pixels; lower --dpi or --tpi\n",
                      layout.width, layout.height);
    return 2;
  }

  const bool conditioned = ConditioningOn(params);
  ProcessingConditioner conditioner(params, header.sample_rate, prompter);
  SectionSource source{project.amp, header, conditioned ? &conditioner : nullptr};
  SectionDrawResult result;
  auto draw = [&](Canvas& canvas) {
    result = mode == SectionMode::Colour ? DrawColourSection(canvas, source, plot)
                                         : DrawWiggleSection(canvas, source, plot);
  };
  std::string error;
  if (!SavePlot(out_path, page, draw, raster, error)) {
    err << "plot-section: " << error << '\n';
    return 1;
  }
  out << FormatText("%s: %d traces, %.2f x %.2f in\n", out_path.c_str(), result.drawn,
                    page.width_in, page.height_in);
  if (result.read_failed) {
    err << FormatText("plot-section: trace %d of %d could not be read; the plot stops there\n",
                      result.drawn + 1, result.columns);
    return 1;
  }
  return 0;
}

int RunPlotSectionCommand(const std::vector<std::string>& args, std::ostream& out,
                          std::ostream& err) {
  return RunPlotSection(args, out, err, nullptr);
}

}  // namespace quarrix
