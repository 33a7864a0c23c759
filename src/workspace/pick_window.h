#pragma once
// A section pick window without its shell: which in-line, cross-line or
// arbitrary line it shows, moving through the survey, its caption, the plot
// it draws (the section with every open horizon and the previous picks) and
// turning a point of the drawing into a section position and time.
#include <optional>
#include <string>

#include "horizon/pick_section.h"
#include "section/section_plot_loader.h"
#include "section/trace_plot.h"

namespace quarrix {

struct Workspace;

struct PickWindowState {
  PickSectionKind kind = PickSectionKind::Inline;
  // Line index (in-lines), trace index (cross-lines) or the arbitrary line's
  // offset in traces or lines (may be negative).
  int position = 0;
  std::optional<int> previous;        // the position shown before the last move
  int first_time = 0, last_time = 0;  // displayed times, ms
  // Arbitrary windows: the ".arb" file, read again on every drawing and
  // pick, and whether the offset moves the line along traces or lines.
  std::string arb_path;
  bool by_traces = true;
};

// A window on a line index (in-lines) or trace index (cross-lines), showing
// the workspace's displayed times.
PickWindowState NewPickWindow(const Workspace& workspace, PickSectionKind kind, int position);
// A window on an arbitrary line's file at offset 0, advancing as the
// workspace's arbitrary windows do.
PickWindowState NewArbitraryWindow(const Workspace& workspace, const std::string& arb_path);

// Positions a window of that kind can show: lines for in-lines, traces for cross-lines.
int PositionCount(const SurveyHeader& header, PickSectionKind kind);

// "Go To Previous"/"Go To Next" (steps -1/+1), "Go Back"/"Go Forward" (the
// step): the position moves within the survey; the old one becomes the
// previous position when the previous picks follow the last display. An
// arbitrary window's offset is not bounded; when the workspace switched
// between advancing by traces and by lines, the offset starts again from 0.
void MovePickWindow(PickWindowState& window, const SurveyHeader& header, int steps, bool remember,
                    bool arbitrary_by_traces = true);
// "Select Line or X-Line": a line number (in-lines), trace number
// (cross-lines) or offset (arbitrary windows); false for a line or trace
// outside the survey.
bool ShowNumber(PickWindowState& window, const SurveyHeader& header, int number, bool remember);
// The range "Select Line or X-Line" offers: first and last line or trace number.
std::pair<int, int> NumberRange(const SurveyHeader& header, PickSectionKind kind);

// "In Line -- %d", "Cross Line -- %d" with the line or trace number, or
// "Arbitrary Line -- %s  %+d Trace" ("Line") with the file name and offset.
std::string PickWindowCaption(const SurveyHeader& header, const PickWindowState& window);

// The bins the picking engine works on; an arbitrary window reads its file
// (no bins when it cannot be read).
PickSection SectionOf(const SurveyHeader& header, const PickWindowState& window);
// The same window's section at another position (its previous one).
PickSection SectionAt(const SurveyHeader& header, const PickWindowState& window, int position);

// The section and overlays a window draws, from the workspace's display
// settings and open horizons.
SectionPlotRequest PickWindowRequest(const Workspace& workspace, const PickWindowState& window);
SectionMode PickWindowMode(const Workspace& workspace);
// Flattens the plot on the workspace's flatten table when flattening is on:
// each trace's window starts at the first displayed time less its bin's shift.
void AddFlattening(const Workspace& workspace, SectionPlot& plot);
// Adds the previous-picks overlay (every open horizon on the previous section,
// in its previous-picks pen) when the workspace shows it.
void AddPreviousPicks(const Workspace& workspace, const PickWindowState& window, SectionPlot& plot);

// A point of the drawing as the picking engine takes it: the trace number
// (in-lines), line number (cross-lines) or place in the arbitrary line's
// list, and the displayed time; in_band
// when the point lies above the traces, in the annotation band.
struct SectionPoint {
  int number = 0;
  int time_ms = 0;
  SectionColumn column;
  bool in_band = false;
};
std::optional<SectionPoint> SectionPointAt(const TracePlotGeometry& geometry,
                                           const SurveyHeader& header, PickSectionKind kind,
                                           Point p);
// The pixel of a number and time (the inverse, for tests and the benchmark).
Point PointOf(const TracePlotGeometry& geometry, const SurveyHeader& header, PickSectionKind kind,
              int number, int time_ms);

}  // namespace quarrix
