#pragma once
// What the "Pick Options" and "Pick Trace Options" dialogs show and store:
// the picking settings with the current horizon's pick type and pens, and
// the section display settings with the flattening.
#include <string>

namespace quarrix {

struct Workspace;

struct PickOptions {
  int pick_style = 6;       // 6 "Auto ", 7 "Rubber Band"
  int pick_type = 1;        // 1..7, without the erase flag
  bool erase = false;       // "Erase"
  int pick_window_ms = 10;  // "Pk Win", 0..100
  bool auto_update = true;
  int snap_bins = 4;
  bool arbitrary_by_traces = true;  // "Trace Advance" / "Line Advance"
  int line_width = 2;               // 0..10
  int colour_index = 12;            // the current horizon's pen
  bool show_last_display = true;
  int previous_line_width = 1;     // 0..10
  int previous_colour_index = 13;  // the current horizon's previous-picks pen
};

PickOptions PickOptionsOf(const Workspace& workspace);
// Stores the values (pick window and widths kept within their ranges) and
// writes the pick type, erase flag and both pens into the current horizon's
// style word.
void ApplyPickOptions(Workspace& workspace, const PickOptions& options);

struct TraceOptions {
  int start_ms = 0, end_ms = 0;
  double traces_per_inch = 16, inches_per_second = 8;
  int label_increment = 10;
  int var_gain = 40, colour_gain = 10;
  int display_step = 10;  // "Display Advance"
  bool left_to_right = true;
  bool reverse = false;
  bool colour = false;  // "Color" plot type, else "Var "
  bool flatten = false;
  std::string flatten_file;  // a "*.flt" of the project folder
};

TraceOptions TraceOptionsOf(const Workspace& workspace);
// Stores the values: the start raised to the data's first time, the end
// lowered to its last, the deflection following the variable-area gain;
// flattening on when a flatten file is chosen and can be read. Gives the
// problem when the values cannot be used (nothing is stored), else "".
std::string ApplyTraceOptions(Workspace& workspace, const TraceOptions& options);

// "Auto Flatten": on, the shifts that flatten the current horizon; off,
// flattening stops (the shifts stay). False when there is no horizon to
// flatten on.
bool SetAutoFlatten(Workspace& workspace, bool on);

}  // namespace quarrix
