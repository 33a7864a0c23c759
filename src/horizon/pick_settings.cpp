#include "horizon/pick_settings.h"

#include <algorithm>

#include "platform/numeric.h"
#include "platform/paths.h"
#include "platform/profile_file.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

const char kSection[] = "setup";

// The integer keys and where each lives.
struct IntKey {
  const char* key;
  int PickSettings::*field;
};
const IntKey kIntKeys[] = {
    {"pickwin", &PickSettings::pick_window_ms},
    {"pick_type", &PickSettings::pick_style},
    {"LineWidth", &PickSettings::line_width},
    {"PPLineWidth", &PickSettings::previous_line_width},
    {"snap", &PickSettings::snap_bins},
    {"cdpinc", &PickSettings::trace_label_increment},
    {"stk_gain", &PickSettings::var_gain},
    {"cgain", &PickSettings::colour_gain},
    {"TrcType", &PickSettings::trace_type},
    {"pldir", &PickSettings::plot_direction},
    {"stk_pol", &PickSettings::polarity},
    {"pl_st_time", &PickSettings::first_time_ms},
    {"pl_end_time", &PickSettings::last_time_ms},
    {"inc_plot", &PickSettings::display_step},
    {"AutopickMode", &PickSettings::autopick_mode},
    {"CurHor", &PickSettings::current_horizon},
    {"CurFal", &PickSettings::current_fault},
    {"PickType", &PickSettings::interaction_mode},
    {"wlabel", &PickSettings::well_labels},
};

struct FloatKey {
  const char* key;
  double PickSettings::*field;
};
const FloatKey kFloatKeys[] = {{"tpi", &PickSettings::traces_per_inch},
                               {"ips", &PickSettings::inches_per_second},
                               {"max_defl", &PickSettings::max_deflection}};

struct NameList {
  const char* count_key;
  const char* name_key;
  std::vector<std::string> PickSettings::*names;
};
const NameList kLists[] = {{"phorizons", "szlruhor%d", &PickSettings::horizons},
                           {"pfaults", "szlrufal%d", &PickSettings::faults},
                           {"well_cnt", "szlruwel%d", &PickSettings::wells}};

std::vector<std::string> ReadNames(const ProfileFile& file, const NameList& list,
                                   const std::string& folder) {
  std::vector<std::string> names;
  int stored = file.GetInt(kSection, list.count_key, 0);
  for (int k = 0; k < stored; ++k) {
    std::string name = file.GetString(kSection, FormatText(list.name_key, k), "", 140);
    if (name.empty()) break;
    if (FileExists(JoinPath(folder, name))) names.push_back(name);
  }
  return names;
}

int IndexInside(int index, std::size_t count) {
  return index >= 0 && index < static_cast<int>(count) ? index : -1;
}

}  // namespace

std::string PickSettingsPath(const std::string& project_folder) {
  return JoinPath(project_folder, "pickedit.ini");
}

PickSettings LoadPickSettings(const std::string& project_folder, const SurveyHeader& header) {
  ProfileFile file(PickSettingsPath(project_folder));
  PickSettings s;
  const int data_end = Trunc32(header.start_time + header.num_samples * header.sample_rate);
  s.first_time_ms = header.start_time;
  s.last_time_ms = data_end;
  for (const IntKey& k : kIntKeys) s.*k.field = file.GetInt(kSection, k.key, s.*k.field);
  for (const FloatKey& k : kFloatKeys) {
    std::string text = file.GetString(kSection, k.key, FormatText("%f", s.*k.field));
    s.*k.field = ParseCDouble(text);
  }
  s.first_time_ms = std::max(s.first_time_ms, header.start_time);
  s.last_time_ms = std::min(s.last_time_ms, data_end);
  for (const NameList& list : kLists) s.*list.names = ReadNames(file, list, project_folder);
  s.current_horizon = IndexInside(s.current_horizon, s.horizons.size());
  s.current_fault = IndexInside(s.current_fault, s.faults.size());
  return s;
}

bool SavePickSettings(const std::string& project_folder, const PickSettings& s) {
  ProfileFile file(PickSettingsPath(project_folder));
  for (const IntKey& k : kIntKeys) file.WriteInt(kSection, k.key, s.*k.field);
  for (const FloatKey& k : kFloatKeys)
    file.WriteString(kSection, k.key, FormatText("%f", s.*k.field));
  for (const NameList& list : kLists) {
    const std::vector<std::string>& names = s.*list.names;
    file.WriteInt(kSection, list.count_key, static_cast<int>(names.size()));
    for (std::size_t k = 0; k < names.size(); ++k)
      file.WriteString(kSection, FormatText(list.name_key, static_cast<int>(k)), names[k]);
  }
  return file.Save();
}

}  // namespace quarrix
