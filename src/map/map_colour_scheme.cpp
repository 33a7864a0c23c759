#include "map/map_colour_scheme.h"

#include <algorithm>
#include <filesystem>

#include "horizon/horizon_style.h"
#include "map/map_colours.h"
#include "map/plot_map_inputs.h"
#include "platform/paths.h"

namespace quarrix {
namespace {

// Formation colours from youngest to oldest.
constexpr Rgb kGeologyColours[16] = {
    {255, 255, 153}, {255, 230, 102}, {255, 204, 51},  {242, 166, 51},
    {230, 128, 51},  {204, 102, 51},  {179, 204, 102}, {128, 191, 77},
    {77, 166, 77},   {51, 153, 153},  {77, 128, 204},  {51, 77, 179},
    {102, 77, 179},  {128, 51, 153},  {102, 26, 128},  {77, 0, 102},
};

bool IsHorizonFile(const std::string& path) {
  return HasExtension(path, "hor");
}

}  // namespace

ColourBar GeologyColourBar() {
  ColourBar bar;
  // Band k holds code 15 - k: thresholds 15 down to 0, so that a code falls
  // into its own band and codes below 0 clamp into the last one.
  bar.count = 16;
  bar.max_value = 15;
  bar.min_value = -1;
  bar.increment = 1;
  for (int k = 0; k < 16; ++k) {
    bar.thresholds[k] = static_cast<std::int16_t>(15 - k);
    bar.colours[k] = kGeologyColours[15 - k];
  }
  bar.colours[16] = kGeologyColours[0];
  return bar;
}

std::string OwnColourFilePath(const std::string& grid_path, bool amplitude) {
  std::filesystem::path own(grid_path);
  own.replace_extension(amplitude ? ".aco" : ".col");
  return own.string();
}

int MapColourScheme(const std::string& grid_path, bool amplitude, int fallback) {
  if (!IsHorizonFile(grid_path)) return fallback;
  auto style = ReadHorizonStyle(grid_path);
  if (!style) return fallback;
  return amplitude ? style->amplitude_colour_scheme : style->time_colour_scheme;
}

bool StoreMapColourScheme(const std::string& grid_path, bool amplitude, int scheme) {
  if (!IsHorizonFile(grid_path)) return true;
  return UpdateHorizonStyle(grid_path, [amplitude, scheme](HorizonStyle& style) {
    (amplitude ? style.amplitude_colour_scheme : style.time_colour_scheme) = scheme;
  });
}

MapColours MapColoursOf(const std::string& grid_path, const HorizonGrid& grid, bool amplitude,
                        int scheme, const ColourSets& sets) {
  MapColours colours;
  scheme = std::clamp(scheme, 0, kColourSchemeCount - 1);
  if (scheme == kOwnColourFileScheme) {
    const std::string own = OwnColourFilePath(grid_path, amplitude);
    if (!grid_path.empty() && FileExists(own) && ReadColourFile(own, colours.bar)) {
      colours.name = FileNameOf(own);
    } else if (HasExtension(grid_path, "geo")) {
      colours.bar = GeologyColourBar();
      colours.name = "Geology Colors";
    } else {
      SetDefaultColourBar(colours.bar);
      colours.name = kDefaultColourBarName;
    }
    return colours;
  }
  const ColourSetRecord& set = sets[scheme - 1 + (amplitude ? kColourSetCount / 2 : 0)];
  int low = 0, high = 0;
  if (!GridRange(grid, low, high)) {
    // Nothing picked yet: nothing to stretch the set over.
    SetDefaultColourBar(colours.bar);
    colours.name = kDefaultColourBarName;
    return colours;
  }
  colours.name = set.Name();
  colours.bar = StretchColourSet(ColourSetAnchors(set), set.min_increment, low, high);
  return colours;
}

MapColours BuildMapColours(const std::string& grid_path, const HorizonGrid& grid, bool amplitude,
                           const ColourSchemeChoice& choice, const ColourSets& sets) {
  const std::string own = OwnColourFilePath(grid_path, amplitude);
  const bool exists = FileExists(own);
  const int scheme = std::clamp(choice.scheme, 0, kColourSchemeCount - 1);
  MapColours colours = MapColoursOf(grid_path, grid, amplitude, scheme, sets);
  int low = 0, high = 0;
  // A missing colour file gets the bar; an existing one is replaced only when
  // asked, and an empty grid's stand-in bar is not worth saving.
  const bool save = scheme == kOwnColourFileScheme
                        ? !exists
                        : GridRange(grid, low, high) && (!exists || choice.replace_colour_file);
  if (save) {
    if (WriteColourFile(own, colours.bar))
      colours.written = own;
    else
      colours.write_failed = true;
  }
  return colours;
}

}  // namespace quarrix
