#include "map/plot_map_inputs.h"

#include <filesystem>

#include "map/map_colours.h"
#include "platform/atomic_file.h"
#include "section/section_inputs.h"
#include "section/section_view.h"

namespace quarrix {

ColourBar PlotColourBar(const std::string& grid_path, const HorizonGrid& grid, bool amplitude,
                        std::string& name) {
  std::filesystem::path own(grid_path);
  own.replace_extension(amplitude ? ".aco" : ".col");
  std::string bytes;
  ColourBar bar;
  if (ReadWholeFile(own.string(), bytes) && DecodeColourBar(bytes, bar)) {
    name = own.filename().string();
    return bar;
  }
  int low = 0, high = 0;
  if (!GridRange(grid, low, high)) {
    SetDefaultColourBar(bar);
    name = kDefaultColourBarName;
    return bar;
  }
  if (amplitude) {
    name = "Blue - Red";
    return StretchColourSet({{0, 0, 255}, {255, 255, 255}, {255, 0, 0}}, 2000 / 120 + 1, low, high);
  }
  name = "Rainbow";
  return StretchColourSet({{255, 0, 255},
                           {128, 0, 255},
                           {0, 0, 255},
                           {0, 255, 0},
                           {255, 255, 0},
                           {255, 128, 0},
                           {255, 0, 0}},
                          2, low, high);
}

bool DecodePostedWell(std::string_view bytes, const SurveyHeader& header, PostedWell& well) {
  SectionWell marker;
  if (!DecodeWellMarker(bytes, marker)) return false;
  auto i32 = [&](std::size_t at) {
    return static_cast<std::int32_t>(
        static_cast<std::uint8_t>(bytes[at]) | static_cast<std::uint8_t>(bytes[at + 1]) << 8 |
        static_cast<std::uint8_t>(bytes[at + 2]) << 16 |
        static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at + 3])) << 24);
  };
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
  const std::int64_t record = header.trace_bytes, per_line = header.traces_per_line;
  if (record <= 0 || per_line <= 0) return line;
  for (std::int32_t entry : DecodeArbitraryLine(bytes)) {
    if (entry < 0) continue;
    const std::int64_t ordinal = entry / record, row = ordinal / per_line;
    if (row >= header.num_lines) continue;
    line.points.push_back({static_cast<double>(row), static_cast<double>(ordinal % per_line)});
  }
  return line;
}

}  // namespace quarrix
