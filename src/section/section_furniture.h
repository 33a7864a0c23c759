#pragma once
// What both section renderers draw around the traces: trace annotation,
// timing lines with their side annotation, the title block, horizon lines
// and names, and well symbols.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "section/section_view.h"

namespace quarrix {

// A horizon shown on the section: its time grid (num_lines x traces_per_line
// cells, row-major by line, milliseconds, 32700 = no pick) and colour code.
using TimeGrid = std::shared_ptr<const std::vector<std::int16_t>>;

struct SectionHorizon {
  std::string name;  // file name; its extension is cut off for the label
  TimeGrid times;
  int colour_code = 12;  // 5..14
};

inline constexpr std::int16_t kHorizonNullTime = 32700;

// A well to mark: its position, symbol type (1..12) and name.
struct SectionWell {
  int line_number = 0, trace_number = 0;
  int symbol = 1;
  std::string name;
};

// The section horizon pen colour of a colour code (clamped to 5..14).
Rgb HorizonColour(int colour_code);

// Colours of the colour-section well overlay: 1 "Black" .. 7 "Cyan".
Rgb OverlayWellColour(int code);

// Whether a column carries a trace label: in-lines label trace numbers,
// cross-lines line numbers that are multiples of the increment; arbitrary
// lines every increment-th list position.
bool CarriesLabel(SectionKind kind, int list_position, int line_number, int trace_number,
                  int label_increment);

// The label above one trace: a tick from a quarter of the label height above
// top_y down to top_y and the number beside it (arbitrary lines: the line
// number above the trace number). Draws nothing when the column carries no
// label; returns whether it did.
bool DrawTraceAnnotation(Canvas& canvas, SectionKind kind, int list_position, double x,
                         double top_y, int line_number, int trace_number, int label_height,
                         int label_increment);

// Timing lines across the data every tenth of the interval: seconds labels
// at multiples of 100 ms beside the data, solid lines at 500 ms, dotted at
// 100 ms, dash-dot-dot at the interval. For arbitrary lines also the row
// headings "Trace" and "Line".
void DrawTimingLines(Canvas& canvas, const SectionLayout& layout, SectionKind kind, int start_ms,
                     int end_ms, int interval_ms);

// Conditioning named in the title block when phase, filter or shift is on.
struct ConditioningNote {
  int phase = 0;
  std::array<int, 4> filter{};
  int shift = 0;
};

struct TitleBlockText {
  std::array<std::string, 4> lines;
};

TitleBlockText SectionTitle(const SectionDescription& section, const SectionDisplay& display,
                            const SurveyHeader& header, const std::string& project_title,
                            const std::string& date, const std::string& time,
                            const std::optional<ConditioningNote>& conditioning);

// The name of a print job: "Trace Plot" for a single plot; in an automatic
// series "In-Line Plot %d", "X-Line Plot %d" or "Arb-Line Plot %s".
std::string PrintDocumentName(const SectionDescription& section, bool series);

// The title lines at 1/5 .. 4/5 of the band's height, in Arial.
void DrawTitleBlock(Canvas& canvas, Rect band, const TitleBlockText& text);

// Where a trace's window starts when flattening on a datum: the datum's
// sample, so that the datum runs along the window start; nothing for a null
// datum cell (the column is left blank).
std::optional<int> DatumFirstSample(const SurveyHeader& header, const std::int16_t* datum,
                                    const SectionColumn& column);

// Horizon lines over the section, broken at null times and outside the
// window, and each horizon's name beside the data where it meets the first
// trace with a time inside the window.
void DrawHorizonOverlay(Canvas& canvas, const SectionLayout& layout, const SurveyHeader& header,
                        const std::vector<SectionColumn>& columns, int start_ms,
                        const std::vector<SectionHorizon>& horizons, const std::int16_t* datum,
                        int line_width);

// The column where a well lies (nearest within half the trace step, at least
// one bin), or -1.
int WellColumn(const SurveyHeader& header, const std::vector<SectionColumn>& columns,
               const SectionWell& well, int step);

// Well symbols and names in the row above the trace annotation.
void DrawWellMarkers(Canvas& canvas, const SectionLayout& layout, const SurveyHeader& header,
                     const std::vector<SectionColumn>& columns,
                     const std::vector<SectionWell>& wells, double symbol_inches, int step);

}  // namespace quarrix
