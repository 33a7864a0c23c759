#pragma once
// What a section plot shows and where: the section description (in-line,
// cross-line or arbitrary line and its time window), the display settings,
// the trace sequence and the device scales of one drawing.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "project/survey_header.h"

namespace quarrix {

enum class SectionKind { InLine, CrossLine, Arbitrary };

struct SectionDescription {
  SectionKind kind = SectionKind::InLine;
  int line_number = 0;   // in-line: the line shown
  int trace_number = 0;  // cross-line: the trace shown
  // First and last trace (in-line) or line (cross-line) numbers drawn; a last
  // of 0 runs to the end of the survey. Arbitrary lines start at list entry
  // `first` (0-based) and show the rest of the list.
  int first = 0, last = 0;
  std::string arb_name;
  std::vector<std::int32_t> arb_entries;  // trace-file byte offsets
  int start_ms = 0, end_ms = 0;
};

// The display settings of a section plot (the user's settings and the trace
// plot's own switches), taken as plain values.
struct SectionDisplay {
  double tpi = 24, ips = 3;
  int gain = 20;
  int polarity = 1;  // +1 normal, -1 reverse
  bool left_to_right = true;
  int tr_inc = 1, ln_inc = 1, lbl_inc = 20;
  int horizon_line_width = 1;
  int timing_interval_ms = 100;
  int colour_gain = 1;  // 1..15
  bool smooth_colours = false;
  double title_scale = 0.4;  // the title block is drawn when above 0.5
  std::string comment1, comment2;
  double symsize = 0.25;  // well symbols, inches
  int glppix = 96, glppiy = 96;
  // Colour-section overlays: widths are pen width + 1, 0 draws nothing.
  int ovtrinc = 1, ovtrwidth = 1, ovlabwidth = 2;
  int ovwellcolor = 3, ovwellwidth = 2;
  bool ovwellstick = false, ovwelltrace = true;
};

// One drawn trace: its place in the survey and, for arbitrary lines, in the
// list.
struct SectionColumn {
  int line_index = 0, trace_index = 0;
  int list_position = 0;
};

// The traces of the section in drawing order, with the stopping rule of the
// section's last trace or line. Arbitrary-line entries outside the survey are
// left out.
std::vector<SectionColumn> SectionColumns(const SurveyHeader& header,
                                          const SectionDescription& section,
                                          const SectionDisplay& display);

// Arbitrary-line file bytes: a 16-bit count and that many 32-bit offsets.
// A short file gives the entries it holds.
std::vector<std::int32_t> DecodeArbitraryLine(std::string_view bytes);

// Device scales and the places of the plot's parts, in device units.
struct SectionLayout {
  double ppi_x = 96, ppi_y = 96;
  double dx = 4;              // trace spacing
  double margin = 48;         // half an inch
  double sample_step = 1;     // device units per sample
  double units_per_ms = 1;    // device units per millisecond
  double annotation_top = 0;  // top of the trace annotation rows
  double width = 0, height = 0;
  Rect title_band;        // above everything
  Rect data;              // the traces' time window
  double side_width = 0;  // room for the colour legend at the end side
  int label_height = 10;
  int columns = 0;
  int first_sample = 0;    // window start, in samples from the trace start
  int window_samples = 0;  // samples in the time window
  bool left_to_right = true;
  bool wells_row = false;

  // x of the k-th drawn trace (whole units).
  double ColumnX(int k) const;
  // y of window row r (quarter units).
  double RowY(double r) const;
};

// The scales of a drawing: on the screen from glppix/glppiy, on printers and
// metafiles from the device. Refuses nothing; callers check the window.
SectionLayout ComputeSectionLayout(const SurveyHeader& header, const SectionDescription& section,
                                   const SectionDisplay& display, const DeviceInfo& device,
                                   int columns, bool colour_legend, bool wells);

// window[r] = trace[first_sample + r], zero where the trace has no sample
// (flattening moves first_sample to the datum, which may lie anywhere).
void WindowSamples(const std::vector<std::int16_t>& trace, int first_sample,
                   std::vector<std::int16_t>& window);

}  // namespace quarrix
