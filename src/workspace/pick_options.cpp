#include "workspace/pick_options.h"

#include <algorithm>

#include "horizon/flattening.h"
#include "horizon/horizon_style.h"
#include "platform/paths.h"
#include "project/project_state.h"
#include "workspace/workspace.h"

namespace quarrix {

PickOptions PickOptionsOf(const Workspace& w) {
  PickOptions o;
  const PickSettings& s = w.settings;
  o.pick_style = s.pick_style;
  o.pick_window_ms = s.pick_window_ms;
  o.auto_update = w.auto_update;
  o.snap_bins = s.snap_bins;
  o.arbitrary_by_traces = w.arbitrary_by_traces;
  o.line_width = s.line_width;
  o.show_last_display = w.show_last_display;
  o.previous_line_width = s.previous_line_width;
  if (auto horizon = CurrentHorizon(w)) {
    const HorizonStyle style = ReadHorizonStyle(horizon->path).value_or(HorizonStyle{});
    o.pick_type = std::max(1, style.search_type());
    o.erase = style.erase();
    o.colour_index = style.colour_index;
    o.previous_colour_index = style.previous_colour_index;
  }
  return o;
}

void ApplyPickOptions(Workspace& w, const PickOptions& o) {
  PickSettings& s = w.settings;
  s.pick_style = o.pick_style == kPickStyleRubberBand ? kPickStyleRubberBand : kPickStyleEntireLine;
  s.pick_window_ms = std::clamp(o.pick_window_ms, 0, 100);
  s.snap_bins = std::max(0, o.snap_bins);
  s.line_width = std::clamp(o.line_width, 0, 10);
  s.previous_line_width = std::clamp(o.previous_line_width, 0, 10);
  w.auto_update = o.auto_update;
  w.arbitrary_by_traces = o.arbitrary_by_traces;
  w.show_last_display = o.show_last_display;
  if (auto horizon = CurrentHorizon(w))
    UpdateHorizonStyle(horizon->path, [&o](HorizonStyle& style) {
      style.pick_type = std::clamp(o.pick_type, 1, 7) | (o.erase ? kPickErase : 0);
      style.colour_index = std::clamp(o.colour_index, 0, 15);
      style.previous_colour_index = std::clamp(o.previous_colour_index, 0, 15);
    });
}

TraceOptions TraceOptionsOf(const Workspace& w) {
  const PickSettings& s = w.settings;
  TraceOptions o;
  o.start_ms = std::max(s.first_time_ms, w.header().start_time);
  o.end_ms = s.last_time_ms;
  o.traces_per_inch = s.traces_per_inch;
  o.inches_per_second = s.inches_per_second;
  o.label_increment = s.trace_label_increment;
  o.var_gain = s.var_gain;
  o.colour_gain = s.colour_gain;
  o.display_step = s.display_step;
  o.left_to_right = s.plot_direction != 0;
  o.reverse = s.polarity < 0;
  o.colour = s.trace_type == kTraceTypeColour;
  o.flatten = w.flatten.on;
  o.flatten_file = w.flatten.file;
  return o;
}

std::string ApplyTraceOptions(Workspace& w, const TraceOptions& o) {
  const SurveyHeader& h = w.header();
  const int data_end = h.start_time + h.num_samples * h.sample_rate;
  const int start = std::max(o.start_ms, h.start_time);
  const int end = std::min(o.end_ms, data_end);
  if (end <= start) return "The End Time must lie after the Start Time.";
  if (!(o.traces_per_inch > 0) || !(o.inches_per_second > 0))
    return "Traces per Inch and Inches per Second must be above 0.";
  if (o.flatten && !o.flatten_file.empty()) {
    FlattenTable table = w.flatten;
    if (!LoadFlattenFile(JoinPath(w.folder, o.flatten_file), h, table))
      return "Cannot read " + o.flatten_file;
    table.file = o.flatten_file;
    w.flatten = std::move(table);
  } else {
    w.flatten.on = false;
  }
  PickSettings& s = w.settings;
  s.first_time_ms = start;
  s.last_time_ms = end;
  s.traces_per_inch = o.traces_per_inch;
  s.inches_per_second = o.inches_per_second;
  s.trace_label_increment = std::max(1, o.label_increment);
  SetVarGain(s, o.var_gain);
  s.colour_gain = o.colour_gain;
  s.display_step = std::max(1, o.display_step);
  s.plot_direction = o.left_to_right ? 1 : 0;
  s.polarity = o.reverse ? -1 : 1;
  s.trace_type = o.colour ? kTraceTypeColour : kTraceTypeVariableArea;
  return "";
}

bool SetAutoFlatten(Workspace& w, bool on) {
  if (!on) {
    w.flatten.on = false;
    return true;
  }
  auto horizon = CurrentHorizon(w);
  if (!horizon) return false;
  HorizonGrid time(w.header().num_lines, w.header().traces_per_line);
  if (ReadHorizon(horizon->path, &time, nullptr) != HorizonReadResult::Ok) return false;
  w.flatten.shift = AutoFlattenShifts(time);
  w.flatten.on = true;
  return true;
}

}  // namespace quarrix
