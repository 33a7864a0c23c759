#pragma once
// The presentation trace plot's state and behaviour without its window: the
// section chosen with "Set Line", stepping through the survey, the plot mode
// switches, the automatic print series, the drawing with the geometry the
// mouse needs, and the cursor read-out.
#include <optional>
#include <string>
#include <vector>

#include "section/section_plot_loader.h"
#include "section/section_render.h"

namespace quarrix {

// The window's command numbers (other windows post and compare them).
namespace trace_plot_command {
constexpr int kOpenBitmap = 2096;
constexpr int kSaveBitmap = 2097;
constexpr int kSaveMetafile = 2064;
constexpr int kPrint = 2072;
constexpr int kPrintSetup = 2033;
constexpr int kExit = 2034;
constexpr int kLoadColourFile = 2056;
constexpr int kDefaultColours = 2058;
constexpr int kOverlayOptions = 2057;
constexpr int kChangeColours = 2060;
constexpr int kSaveColourFile = 2061;
constexpr int kSetup = 2049;
constexpr int kPlotter = 2050;
constexpr int kProcess = 32000;
constexpr int kBatchProcess = 2229;
constexpr int kSetLine = 2051;
constexpr int kSetHorizons = 2052;
constexpr int kAutomatic = 2055;
constexpr int kComments = 2063;
constexpr int kPlotVar = 2045;
constexpr int kPlotDirect = 2044;
constexpr int kPlotColour = 2046;
constexpr int kBackTen = 2082;
constexpr int kBack = 2048;
constexpr int kRedraw = 2047;
constexpr int kForward = 2053;
constexpr int kForwardTen = 2083;
constexpr int kHelp = 2077;
}  // namespace trace_plot_command

// What "Set Line" chose, in line and trace numbers. An in-line section shows
// start_line and steps up to end_line, drawing start_trace..end_trace; a
// cross-line section shows start_trace and steps up to end_trace, drawing
// start_line..end_line. An end of 0 stands for the survey's last.
struct TracePlotLines {
  SectionKind kind = SectionKind::InLine;
  int start_line = 0, end_line = 0;
  int start_trace = 0, end_trace = 0;
  std::string arb_path;
};

struct TracePlotDocument {
  SurveyHeader header;
  TracePlotLines lines;
  int line_index = 0, trace_index = 0;  // the in-line or cross-line shown
  SectionPlotRequest request;           // time window, display, overlays, conditioning
  ColourBar colour_bar;                 // count 0 until first used (then the default)
  std::string colour_bar_name;
  bool var_mode = false, colour_mode = false;  // both off until a mode is chosen
  bool automatic = false;
  bool redraw_needed = false;
  int fault_line_width = 3;
  double max_defl = 2.0;  // the "max_defl" setting, gain / 10 after "Setup"
  std::vector<std::string> fault_paths;
};

// A fresh window's state: in-line index 0 over the whole survey, no mode.
TracePlotDocument NewTracePlotDocument(const SurveyHeader& header, const SectionDisplay& display);

// The section the window shows now.
SectionDescription CurrentSection(const TracePlotDocument& doc);
bool HasPlotMode(const TracePlotDocument& doc);
SectionMode ModeOf(const TracePlotDocument& doc);
void ChoosePlotMode(TracePlotDocument& doc, SectionMode mode);

// "-10", "-", "+", "+10": moves an in-line by steps x "ln_inc" lines, a
// cross-line by steps x "tr_inc" traces, never below the survey's first nor
// past the section's end line (trace); arbitrary lines stay. Always asks for
// a redraw.
void StepSection(TracePlotDocument& doc, int steps);

// "Set Line" on OK: starts below the survey raised to it, ends above it
// lowered to it, an end of 0 or below the start made the survey's last; the
// section shown becomes the start.
void ApplyLines(TracePlotDocument& doc, TracePlotLines lines);
// The "Default" button: the whole survey.
TracePlotLines DefaultLines(const SurveyHeader& header, SectionKind kind);

// The sections "&Print" prints with "&Automatic" checked: from the current
// one to the end line (in-lines) or end trace (cross-lines) by the increment;
// an arbitrary line once.
std::vector<SectionDescription> AutomaticSeries(const TracePlotDocument& doc);

// "In-line 120", "Cross-line 40" or the arbitrary line's file name.
std::string SectionName(const SurveyHeader& header, const SectionDescription& section);

// The values "Setup" edits.
struct TracePlotSetup {
  int start_ms = 0, end_ms = 0;
  SectionDisplay display;
  double max_defl = 2.0;
  int fault_line_width = 3;
};
TracePlotSetup SetupOf(const TracePlotDocument& doc);
// Stores the dialog's values: a start time below the project's first sample
// is raised to it, colour gain below 1 becomes 1, max_defl is gain / 10.
void ApplySetup(TracePlotDocument& doc, const TracePlotSetup& setup);

// The file names of one kind in a folder, sorted ("*.arb", "*.hor", ...).
std::vector<std::string> ProjectFiles(const std::string& folder, const std::string& extension);

// The plot as drawn: what the mouse needs to find a trace and a time.
struct TracePlotGeometry {
  SectionLayout layout;
  std::vector<SectionColumn> columns;  // the columns drawn
  int start_ms = 0;
  SectionDescription section;
};

// Draws the plot in the document's mode (nothing without a mode).
TracePlotGeometry DrawTracePlot(Canvas& canvas, const SectionSource& source,
                                const SectionPlot& plot, SectionMode mode, Progress* progress);

// The time and column under a point of the plot, with the column's place in
// the survey; nothing outside the traces.
struct TracePlotPosition {
  int time_ms = 0;
  int column = 0;  // 1-based, as the status bar shows it
  int line_index = 0, trace_index = 0;
};
std::optional<TracePlotPosition> PositionAt(const TracePlotGeometry& geometry, Point p,
                                            int sample_rate);

// The status bar texts: "%4d ms", "trace %d" and the amplitude there.
struct TracePlotReadout {
  std::string time, trace, amplitude;
};
TracePlotReadout ReadoutAt(const TracePlotGeometry& geometry, Point p, const SectionSource& source);

}  // namespace quarrix
