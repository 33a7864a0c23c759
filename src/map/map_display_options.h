#pragma once
// What the map dialogs choose, as plain values: "Map Options" (axis label
// increments, well symbol and text sizes), the wells to post with "Well
// Options" and "Well Sort Parameters", and the DXF files to draw.
#include <string>
#include <vector>

#include "map/map_overlays.h"

namespace quarrix {

struct MapOptions {
  int line_label_every = 0, trace_label_every = 0;  // cells between labels, 0 = automatic
  double well_symbol_inches = 0.12, well_text_inches = 0.1;
  bool operator==(const MapOptions&) const = default;
};

// The wells posted on a map: well files (".wll") and well groups (".lgv") of
// the project, and how they are labelled and sorted.
struct WellChoice {
  std::vector<std::string> names;
  WellPostingOptions posting;
  bool operator==(const WellChoice&) const = default;
};

// A map draws at most this many DXF files at a time.
inline constexpr std::size_t kMaxDxfFiles = 10;
// The first kMaxDxfFiles of a selection.
std::vector<std::string> KeepFirstDxfFiles(std::vector<std::string> paths);

// Groups ahead of single wells, so that a well chosen both singly and in a
// group is posted with its group's attributes.
std::vector<std::string> GroupsFirst(std::vector<std::string> names);
// Drops every well whose name an earlier group already posts, so that no well
// is drawn (and labelled) twice.
void PostEachWellOnce(std::vector<WellGroupPost>& groups);

// The map's well style from its options.
WellStyle MapWellStyle(const MapOptions& options);

}  // namespace quarrix
