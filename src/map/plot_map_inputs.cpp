#include "map/plot_map_inputs.h"

#include <algorithm>
#include <filesystem>

#include "horizon/arbitrary_line.h"
#include "horizon/horizon_style.h"
#include "map/map_colours.h"
#include "platform/byte_order.h"
#include "platform/paths.h"
#include "platform/text_util.h"
#include "section/section_inputs.h"

namespace quarrix {

std::vector<Rgb> ColourSetAnchors(const ColourSetRecord& set) {
  std::vector<Rgb> anchors;
  for (std::uint32_t colour : set.colours)
    if (colour != 0)
      anchors.push_back({static_cast<std::uint8_t>(colour & 0xFF),
                         static_cast<std::uint8_t>(colour >> 8 & 0xFF),
                         static_cast<std::uint8_t>(colour >> 16 & 0xFF)});
  return anchors;
}

namespace {

std::filesystem::path OwnColourFile(const std::string& grid_path, bool amplitude) {
  std::filesystem::path own(grid_path);
  own.replace_extension(amplitude ? ".aco" : ".col");
  return own;
}

}  // namespace

ColourBar PlotColourBar(const std::string& grid_path, const HorizonGrid& grid, bool amplitude,
                        const ColourSets& sets, std::string& name) {
  // A horizon names its scheme in its style word; other grids use their own
  // colour file when there is one, else the first set of their kind.
  int scheme = 1;
  const std::filesystem::path own = OwnColourFile(grid_path, amplitude);
  if (auto style = ReadHorizonStyle(grid_path); style && HasExtension(grid_path, "hor"))
    scheme = amplitude ? style->amplitude_colour_scheme : style->time_colour_scheme;
  ColourBar bar;
  if ((scheme == 0 || !HasExtension(grid_path, "hor")) && ReadColourFile(own.string(), bar)) {
    name = own.filename().string();
    return bar;
  }
  int low = 0, high = 0;
  if (!GridRange(grid, low, high)) {
    SetDefaultColourBar(bar);
    name = kDefaultColourBarName;
    return bar;
  }
  const ColourSetRecord& set =
      sets[std::clamp(scheme, 1, 8) - 1 + (amplitude ? kColourSetCount / 2 : 0)];
  name = set.Name();
  return StretchColourSet(ColourSetAnchors(set), set.min_increment, low, high);
}

bool SetPlotColoursAsDefault(const std::string& grid_path, bool amplitude, const ColourBar& bar,
                             std::string& name) {
  const std::filesystem::path own = OwnColourFile(grid_path, amplitude);
  if (!WriteColourFile(own.string(), bar)) return false;
  name = own.filename().string();
  if (HasExtension(grid_path, "hor") && ReadHorizonStyle(grid_path))
    return UpdateHorizonStyle(grid_path, [amplitude](HorizonStyle& style) {
      (amplitude ? style.amplitude_colour_scheme : style.time_colour_scheme) = 0;
    });
  return true;
}

bool DecodePostedWell(std::string_view bytes, const SurveyHeader& header, PostedWell& well) {
  SectionWell marker;
  if (!DecodeWellMarker(bytes, marker)) return false;
  auto i32 = [&](std::size_t at) { return le::Get<std::int32_t>(bytes, at); };
  well.line_row =
      (marker.line_number - header.first_line) / static_cast<double>(header.line_increment);
  well.trace_column =
      (marker.trace_number - header.first_trace) / static_cast<double>(header.trace_increment);
  well.symbol = marker.symbol;
  if (bytes.size() >= 80) {
    well.x = i32(40);
    well.y = i32(44);
    std::string_view title = bytes.substr(48, 32);
    well.title = std::string(title.substr(0, title.find('\0')));
    well.depth = static_cast<std::uint8_t>(bytes[4]) | static_cast<std::uint8_t>(bytes[5]) << 8;
    well.time = static_cast<std::uint8_t>(bytes[6]) | static_cast<std::uint8_t>(bytes[7]) << 8;
  }
  return true;
}

bool DecodeFaultGrid(std::string_view bytes, const SurveyHeader& header, HorizonGrid& grid) {
  constexpr std::size_t kFaultGridOffset = 12;
  grid = HorizonGrid(header.num_lines, header.traces_per_line);
  if (bytes.size() < kFaultGridOffset + GridBytes(grid)) return false;
  DecodeGridCells(bytes.substr(kFaultGridOffset), grid);
  return true;
}

GridPolyline DecodeArbitraryPolyline(std::string_view bytes, const SurveyHeader& header) {
  GridPolyline line;
  for (const ArbitraryBin& bin : DecodeArbitraryLine(bytes, header))
    line.points.push_back(
        {static_cast<double>(bin.line_index), static_cast<double>(bin.trace_index)});
  return line;
}

}  // namespace quarrix
