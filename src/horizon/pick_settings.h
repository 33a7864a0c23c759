#pragma once
// The pick-edit workspace's settings, kept per project in "pickedit.ini"
// (section "setup") in the project folder.
#include <string>
#include <vector>

#include "project/survey_header.h"

namespace quarrix {

inline constexpr int kPickStyleEntireLine = 6;
inline constexpr int kPickStyleRubberBand = 7;
inline constexpr int kModeHorizons = 8;
inline constexpr int kModeFaults = 9;
inline constexpr int kTraceTypeVariableArea = 256;
inline constexpr int kTraceTypeColour = 512;

struct PickSettings {
  int pick_window_ms = 10;                  // "pickwin"
  int pick_style = kPickStyleEntireLine;    // "pick_type"
  int line_width = 2;                       // "LineWidth"
  int previous_line_width = 1;              // "PPLineWidth"
  int snap_bins = 4;                        // "snap"
  int trace_label_increment = 10;           // "cdpinc"
  int var_gain = 40;                        // "stk_gain"
  int colour_gain = 10;                     // "cgain"
  int trace_type = kTraceTypeVariableArea;  // "TrcType"
  int plot_direction = 1;                   // "pldir": 1 left to right
  int polarity = 1;                         // "stk_pol"
  int first_time_ms = 0;                    // "pl_st_time"
  int last_time_ms = 0;                     // "pl_end_time"
  int display_step = 10;                    // "inc_plot"
  int autopick_mode = 1;                    // "AutopickMode"
  int current_horizon = -1;                 // "CurHor"
  int current_fault = -1;                   // "CurFal"
  int interaction_mode = kModeHorizons;     // "PickType"
  int well_labels = 0;                      // "wlabel"
  double traces_per_inch = 16.0;            // "tpi"
  double inches_per_second = 8.0;           // "ips"
  double max_deflection = 2.0;              // "max_defl"
  std::vector<std::string> horizons;        // "szlruhor%d", counted by "phorizons"
  std::vector<std::string> faults;          // "szlrufal%d", counted by "pfaults"
  std::vector<std::string> wells;           // "szlruwel%d", counted by "well_cnt"

  int DisplaySpanMs() const { return last_time_ms - first_time_ms; }
};

std::string PickSettingsPath(const std::string& project_folder);

// Reads every key with its default (display times clamped to the data), then
// the three name lists, dropping names whose files are not in the project
// folder; a current index outside its list becomes -1.
PickSettings LoadPickSettings(const std::string& project_folder, const SurveyHeader& header);
// Writes every key and the three lists; false when the file cannot be written.
bool SavePickSettings(const std::string& project_folder, const PickSettings& settings);

// The "Pick Trace Options" gain: the variable-area gain sets the deflection too.
inline void SetVarGain(PickSettings& settings, int gain) {
  settings.var_gain = gain;
  settings.max_deflection = gain / 10.0;
}

}  // namespace quarrix
