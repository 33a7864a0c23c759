#pragma once
// The colour bar of a map window and the choice behind it ("Select Color
// Scheme"): scheme 0 is the grid's own colour file, schemes 1..8 a colour set
// stretched over the grid's values. A horizon keeps its choice in its style
// word; other grids (slices) keep it in the window.
#include <string>

#include "horizon/colour_files.h"
#include "horizon/horizon_grid.h"
#include "section/colour_bar.h"

namespace quarrix {

inline constexpr int kOwnColourFileScheme = 0;
inline constexpr int kColourSchemeCount = 9;  // 0 and the eight sets

struct ColourSchemeChoice {
  int scheme = 1;
  // Replace the grid's colour file with the stretched bar: only when the user
  // asks for it, so that a hand-made colour file is never lost by accident.
  bool replace_colour_file = false;
  bool operator==(const ColourSchemeChoice&) const = default;
};

// The built-in bar of geology grids (".geo"): sixteen formation codes 0..15,
// one colour each, code 0 youngest (pale yellow) to code 15 oldest (dark
// violet); other values clamp to the nearest code.
ColourBar GeologyColourBar();

// The colour file a grid's map reads for scheme 0: ".col" beside it for
// times, ".aco" for amplitudes and slices.
std::string OwnColourFilePath(const std::string& grid_path, bool amplitude);

// The scheme a grid's map uses: a horizon's style word, else `fallback`.
int MapColourScheme(const std::string& grid_path, bool amplitude, int fallback);
// Stores a horizon's scheme in its style word; false when the file cannot be
// updated. Other grids have no word and keep their scheme in the window.
bool StoreMapColourScheme(const std::string& grid_path, bool amplitude, int scheme);

struct MapColours {
  ColourBar bar;
  std::string name;     // shown beside the map: the file or the set's name
  std::string written;  // the colour file written, "" when none
  bool write_failed = false;
};

// The map's bar and its name for a scheme, reading but never writing: what
// BuildMapColours gives, for drawings redrawn often.
MapColours MapColoursOf(const std::string& grid_path, const HorizonGrid& grid, bool amplitude,
                        int scheme, const ColourSets& sets);

// The map's bar. Scheme 0 reads the own colour file; without one a geology
// grid gets the geology bar and any other the default bar, saved as its
// colour file. Schemes 1..8 stretch that time (or amplitude) set over the
// grid's values; the bar is saved as the colour file when none exists yet or
// when `replace_colour_file` asks for it, never over an existing file
// otherwise.
MapColours BuildMapColours(const std::string& grid_path, const HorizonGrid& grid, bool amplitude,
                           const ColourSchemeChoice& choice, const ColourSets& sets);

}  // namespace quarrix
