#include "map/map_display_options.h"

#include <algorithm>
#include <set>

#include "platform/paths.h"

namespace quarrix {

std::vector<std::string> KeepFirstDxfFiles(std::vector<std::string> paths) {
  if (paths.size() > kMaxDxfFiles) paths.resize(kMaxDxfFiles);
  return paths;
}

std::vector<std::string> GroupsFirst(std::vector<std::string> names) {
  std::stable_partition(names.begin(), names.end(),
                        [](const std::string& name) { return HasExtension(name, "lgv"); });
  return names;
}

void PostEachWellOnce(std::vector<WellGroupPost>& groups) {
  std::set<std::string> posted;
  for (WellGroupPost& group : groups)
    std::erase_if(group.wells,
                  [&](const PostedWell& well) { return !posted.insert(well.name).second; });
  std::erase_if(groups, [](const WellGroupPost& group) { return group.wells.empty(); });
}

WellStyle MapWellStyle(const MapOptions& options) {
  WellStyle style;
  style.symbol_inches = options.well_symbol_inches;
  style.character_inches = options.well_text_inches;
  return style;
}

}  // namespace quarrix
