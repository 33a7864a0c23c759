#include "map/horizon_plot_document.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <ostream>

#include "map/grid_file_io.h"
#include "map/plot_map_inputs.h"
#include "platform/atomic_file.h"
#include "platform/paths.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

std::string ReadWells(const HorizonPlotRequest& request, const SurveyHeader& header,
                      const PlotMapReaders& readers, const WellStyle& map_style,
                      HorizonPlotData& data) {
  std::string bytes;
  WellGroupPost single;
  single.style = map_style;
  for (const std::string& path : request.wells) {
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
  // A well is posted once: a well file also listed in a group goes with the
  // group's attributes.
  std::erase_if(single.wells, [&](const PostedWell& well) {
    return std::any_of(data.wells.begin(), data.wells.end(), [&](const WellGroupPost& group) {
      return std::any_of(group.wells.begin(), group.wells.end(), [&](const PostedWell& listed) {
        return EqualsIgnoreCase(listed.name, well.name);
      });
    });
  });
  if (!single.wells.empty()) data.wells.push_back(single);
  return "";
}

// Reads every overlay file of the request; "" when all were read.
std::string ReadOverlays(const HorizonPlotRequest& request, const SurveyHeader& header,
                         const PlotMapReaders& readers, HorizonPlotData& data) {
  if (std::string problem = ReadWells(request, header, readers, request.well_style, data);
      !problem.empty())
    return problem;
  std::string bytes;
  for (const std::string& path : request.faults) {
    if (!ReadWholeFile(path, bytes)) return "cannot open " + path;
    if (!DecodeFaultGrid(bytes, header, data.faults.emplace_back()))
      return path + " is too short for a fault grid of this project";
    data.fault_names.push_back(std::filesystem::path(path).stem().string());
  }
  for (const std::string& path : request.arbitrary_lines) {
    if (!ReadWholeFile(path, bytes)) return "cannot open " + path;
    data.arbitrary_lines.push_back(DecodeArbitraryPolyline(bytes, header));
    data.arbitrary_names.push_back(std::filesystem::path(path).stem().string());
  }
  // Ten DXF overlay slots.
  const std::size_t dxf_count = std::min<std::size_t>(request.dxf.size(), 10);
  for (std::size_t k = 0; k < dxf_count; ++k) {
    if (!readers.dxf) return "DXF files cannot be read by this program";
    std::string problem;
    if (!readers.dxf(request.dxf[k], data.culture.emplace_back(), problem)) return problem;
  }
  if (!request.poly_faults.empty()) {
    if (!readers.poly_faults) return "poly-fault files cannot be read by this program";
    std::string problem;
    if (!readers.poly_faults(request.poly_faults, data.poly_faults, problem)) return problem;
  }
  return "";
}

bool ZoomInside(const MapZoom& zoom, const HorizonGrid& grid) {
  return !zoom.Empty() && zoom.first_row >= 0 && zoom.first_column >= 0 &&
         zoom.last_row < grid.rows && zoom.last_column < grid.columns;
}

}  // namespace

HorizonPlotDocument& HorizonPlotDocument::operator=(const HorizonPlotDocument& other) {
  request = other.request;
  header = other.header;
  placement = other.placement;
  grid = other.grid;
  times = other.times;
  data = other.data;
  data.grid = &grid;
  data.times = other.data.times ? &times : nullptr;
  data.header = &header;
  data.placement = &placement;
  return *this;
}

std::optional<HorizonPlotDocument> LoadHorizonPlot(const HorizonPlotRequest& request,
                                                   const PlotMapReaders& readers,
                                                   const ColourSets& sets, std::string& problem,
                                                   std::ostream& remarks) {
  LoadedGridFile loaded;
  if (!LoadGridFile(request.header_path, request.grid_path, loaded, problem, remarks))
    return std::nullopt;
  HorizonPlotDocument doc;
  doc.request = request;
  doc.header = loaded.header;
  doc.grid = loaded.time;
  HorizonPlotData& data = doc.data;
  data.amplitude = request.amplitude;
  if (request.amplitude) {
    const std::size_t offset = kHorizonStyleBytes + GridBytes(doc.grid);
    if (loaded.bytes.size() < offset + GridBytes(doc.grid)) {
      problem = request.grid_path + " holds no amplitude grid";
      return std::nullopt;
    }
    doc.times = doc.grid;
    doc.data.times = &doc.times;
    DecodeGridCells(std::string_view(loaded.bytes).substr(offset), doc.grid);
  }
  doc.placement = LoadXyGeometry(BaseWithDot(request.header_path) + "x_y", doc.header);
  if (!request.colour_file.empty()) {
    if (!ReadColourFile(request.colour_file, data.bar)) {
      problem = "cannot read the colour file " + request.colour_file;
      return std::nullopt;
    }
    data.colour_name = FileNameOf(request.colour_file);
  } else {
    data.bar =
        PlotColourBar(request.grid_path, doc.grid, request.amplitude, sets, data.colour_name);
  }
  data.zoom = request.zoom.value_or(FullMapZoom(doc.header));
  if (!ZoomInside(data.zoom, doc.grid)) {
    problem = "the zoom window lies outside the survey";
    return std::nullopt;
  }
  data.plot_name = std::filesystem::path(request.header_path).stem().string();
  data.file_name = FileNameOf(request.grid_path);
  data.date = LocalTimeText("%m/%d/%y");
  data.time = LocalTimeText("%H:%M:%S");
  problem = ReadOverlays(request, doc.header, readers, data);
  if (!problem.empty()) return std::nullopt;
  return doc;  // copied into the optional, which points the data again
}

void DefaultLineClasses(const ColourBar& bar, HorizonPlotSettings& s) {
  const double range = std::abs(double(bar.max_value) - double(bar.min_value));
  if (!(range > 0)) return;
  // The first of 1, 2, 5, 10, 20, ... that gives at most about ten lines.
  int every = 0;
  for (int decade = 1; decade <= 10000 && every == 0; decade *= 10)
    for (int step : {1, 2, 5})
      if (range / (step * decade) <= 12) {
        every = step * decade;
        break;
      }
  if (every == 0 || every > 32767 / 5) return;
  s.classes[0] = {static_cast<std::int16_t>(every), false, 1, 0, 0x404040};
  s.classes[1] = {};
  s.classes[2] = {static_cast<std::int16_t>(every * 5), true, 2, 0, 0};
}

std::optional<MapZoom> ZoomOfNumbers(const SurveyHeader& header, int first_line, int last_line,
                                     int first_trace, int last_trace) {
  const MapZoom full = FullMapZoom(header);
  auto index_of = [](double number, double first, double increment) {
    if (increment == 0) increment = 1;
    return static_cast<int>(std::clamp(std::round((number - first) / increment), -1e9, 1e9));
  };
  auto row_of = [&](int line) { return index_of(line, header.first_line, header.line_increment); };
  auto column_of = [&](int trace) {
    return index_of(trace, header.first_trace, header.trace_increment);
  };
  const int rows[2] = {row_of(first_line), row_of(last_line)};
  const int columns[2] = {column_of(first_trace), column_of(last_trace)};
  // A window wholly outside the survey is refused, not squeezed onto its edge.
  if (std::max(rows[0], rows[1]) < 0 || std::min(rows[0], rows[1]) > full.last_row ||
      std::max(columns[0], columns[1]) < 0 || std::min(columns[0], columns[1]) > full.last_column)
    return std::nullopt;
  MapZoom zoom;
  zoom.first_row = std::clamp(std::min(row_of(first_line), row_of(last_line)), 0, full.last_row);
  zoom.last_row = std::clamp(std::max(row_of(first_line), row_of(last_line)), 0, full.last_row);
  zoom.first_column =
      std::clamp(std::min(column_of(first_trace), column_of(last_trace)), 0, full.last_column);
  zoom.last_column =
      std::clamp(std::max(column_of(first_trace), column_of(last_trace)), 0, full.last_column);
  if (full.Empty() || zoom.Empty()) return std::nullopt;
  return zoom;
}

HorizonPlotResult DrawHorizonPlotDocument(Canvas& canvas, Rect page,
                                          const HorizonPlotSettings& settings,
                                          HorizonPlotDocument& document, Progress& progress,
                                          Prompter& prompter) {
  document.data.grid = &document.grid;
  document.data.header = &document.header;
  document.data.placement = &document.placement;
  return DrawHorizonPlot(canvas, page, settings, document.data, progress, prompter);
}

PlotPage HorizonPlotPage(const HorizonPlotDocument& document, double width_in, double height_in,
                         int dpi) {
  PlotPage page;
  page.width_in = width_in;
  page.height_in = height_in;
  page.dpi = dpi;
  page.document_name = "Horizon Plot";
  ColourBar bar = document.data.bar;
  page.palette = CreateBarPalette(bar);
  page.palette.back() = kWhite;
  page.palette.push_back(kBlack);
  return page;
}

}  // namespace quarrix
