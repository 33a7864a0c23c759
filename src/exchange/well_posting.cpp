#include "exchange/well_posting.h"

#include "exchange/well_exchange.h"
#include "platform/paths.h"

namespace quarrix {
namespace {

Rgb FromWindowsRgb(std::uint32_t colour) {
  return Rgb{static_cast<std::uint8_t>(colour & 0xff),
             static_cast<std::uint8_t>((colour >> 8) & 0xff),
             static_cast<std::uint8_t>((colour >> 16) & 0xff)};
}

}  // namespace

bool ReadWellGroupPost(const std::string& path, const SurveyHeader& header, WellGroupPost& group,
                       std::string& problem) {
  WellAttributes map_attributes;
  map_attributes.symbol_size = group.style.symbol_inches;
  map_attributes.character_size = group.style.character_inches;
  // Like single well files, a bare group name is taken from the current folder.
  std::string folder = DirectoryOf(path).empty() ? "." : DirectoryOf(path);
  auto wells = WellsToPost(folder, {FileNameOf(path)}, map_attributes);
  if (wells.empty()) {
    problem = "Cannot read the well group " + path;
    return false;
  }
  const WellAttributes& a = wells.front().attributes;
  group.style.symbol_colour = FromWindowsRgb(a.symbol_colour);
  group.style.label_colour = FromWindowsRgb(a.label_colour);
  group.style.symbol_inches = a.symbol_size;
  group.style.character_inches = a.character_size;
  group.style.erase_symbol_background = a.erase_symbol_background != 0;
  group.style.erase_label_background = a.erase_label_background != 0;
  group.style.thickness = a.thickness + 1;
  group.style.label_position = a.label_position;
  for (const WellWithAttributes& w : wells) {
    PostedWell posted;
    posted.name = w.name;
    posted.title = WellTitle(w.record);
    posted.line_row =
        (w.record.line - header.first_line) / static_cast<double>(header.line_increment);
    posted.trace_column =
        (w.record.trace - header.first_trace) / static_cast<double>(header.trace_increment);
    posted.x = w.record.x;
    posted.y = w.record.y;
    posted.symbol = w.record.symbol;
    posted.depth = w.record.depth;
    posted.time = w.record.time;
    group.wells.push_back(posted);
  }
  return true;
}

}  // namespace quarrix
