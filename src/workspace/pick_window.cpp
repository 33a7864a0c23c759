#include "workspace/pick_window.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "horizon/arbitrary_line.h"
#include "horizon/horizon_style.h"
#include "platform/numeric.h"
#include "platform/paths.h"
#include "platform/text_util.h"
#include "project/project_state.h"
#include "workspace/workspace.h"

namespace quarrix {
namespace {

bool Inline(const PickWindowState& w) {
  return w.kind == PickSectionKind::Inline;
}

SectionDisplay DisplayOf(const PickSettings& s) {
  SectionDisplay d;
  d.tpi = s.traces_per_inch;
  d.ips = s.inches_per_second;
  d.gain = s.trace_type == kTraceTypeColour ? s.colour_gain : s.var_gain;
  d.colour_gain = std::clamp(s.colour_gain, 1, 15);
  d.polarity = s.polarity < 0 ? -1 : 1;
  d.left_to_right = s.plot_direction != 0;
  d.lbl_inc = std::max(1, s.trace_label_increment);
  d.horizon_line_width = s.line_width;
  return d;
}

// The number of a column along the section: its trace number on in-lines,
// its line number on cross-lines, its place in the list on arbitrary lines.
int NumberOf(const SurveyHeader& h, PickSectionKind kind, const SectionColumn& column) {
  switch (kind) {
    case PickSectionKind::Inline: return h.TraceNumber(column.trace_index);
    case PickSectionKind::Crossline: return h.LineNumber(column.line_index);
    default: return column.list_position;
  }
}

// The trace-file offsets the section renderer walks for an arbitrary
// section; bins outside the survey (or beyond what an offset can address)
// become -1, which the renderer skips while keeping every bin's place in the list.
std::vector<std::int32_t> ArbitraryEntries(const SurveyHeader& h, const PickSection& section) {
  std::vector<std::int32_t> entries;
  entries.reserve(section.bins.size());
  for (const GridBin& bin : section.bins) {
    const long long offset =
        (static_cast<long long>(bin.row) * h.traces_per_line + bin.column) * h.trace_bytes;
    const bool usable = BinInGrid(h, bin) && offset <= INT32_MAX;
    entries.push_back(usable ? static_cast<std::int32_t>(offset) : -1);
  }
  return entries;
}

// Draws the previous picks along columns some of which have no bin in the
// survey: each run of columns inside it on its own, at its place along the
// section (the layout's margin moved to the run's first column).
void DrawPicksInRuns(Canvas& canvas, const SectionLayout& layout, const SurveyHeader& header,
                     const std::vector<std::optional<SectionColumn>>& columns, int start_ms,
                     const std::vector<SectionHorizon>& horizons, const TimeGrid& datum,
                     int width) {
  std::size_t k = 0;
  while (k < columns.size()) {
    if (!columns[k]) {
      ++k;
      continue;
    }
    SectionLayout shifted = layout;
    shifted.margin += static_cast<double>(k) * layout.dx;
    std::vector<SectionColumn> run;
    for (; k < columns.size() && columns[k]; ++k) run.push_back(*columns[k]);
    DrawHorizonOverlay(canvas, shifted, header, run, start_ms, horizons,
                       datum ? datum->data() : nullptr, width);
  }
}

}  // namespace

PickWindowState NewPickWindow(const Workspace& workspace, PickSectionKind kind, int position) {
  PickWindowState w;
  w.kind = kind;
  w.position = std::clamp(position, 0, std::max(0, PositionCount(workspace.header(), kind) - 1));
  w.first_time = workspace.settings.first_time_ms;
  w.last_time = workspace.settings.last_time_ms;
  return w;
}

PickWindowState NewArbitraryWindow(const Workspace& workspace, const std::string& arb_path) {
  PickWindowState w;
  w.kind = PickSectionKind::Arbitrary;
  w.arb_path = arb_path;
  w.by_traces = workspace.arbitrary_by_traces;
  w.first_time = workspace.settings.first_time_ms;
  w.last_time = workspace.settings.last_time_ms;
  return w;
}

int PositionCount(const SurveyHeader& header, PickSectionKind kind) {
  return kind == PickSectionKind::Inline ? header.num_lines : header.traces_per_line;
}

void MovePickWindow(PickWindowState& w, const SurveyHeader& header, int steps, bool remember,
                    bool arbitrary_by_traces) {
  if (w.kind == PickSectionKind::Arbitrary) {
    if (w.by_traces != arbitrary_by_traces) {
      // The offset along the other axis goes back to 0; the previous
      // picks no longer belong to this axis either.
      w.by_traces = arbitrary_by_traces;
      w.position = 0;
      w.previous.reset();
    }
    if (remember) w.previous = w.position;
    w.position = static_cast<int>(
        std::clamp(static_cast<long long>(w.position) + steps, -(1LL << 30), 1LL << 30));
    return;
  }
  const int last = std::max(0, PositionCount(header, w.kind) - 1);
  if (remember) w.previous = w.position;
  w.position = std::clamp(w.position + steps, 0, last);
}

bool ShowNumber(PickWindowState& w, const SurveyHeader& header, int number, bool remember) {
  if (w.kind == PickSectionKind::Arbitrary) {
    if (remember) w.previous = w.position;
    w.position = number;
    return true;
  }
  auto [low, high] = NumberRange(header, w.kind);
  if (number < low || number > high) return false;
  if (remember) w.previous = w.position;
  w.position = Inline(w) ? header.LineIndex(number) : header.TraceIndex(number);
  return true;
}

std::pair<int, int> NumberRange(const SurveyHeader& header, PickSectionKind kind) {
  if (kind == PickSectionKind::Inline)
    return {header.LineNumber(0), header.LineNumber(std::max(0, header.num_lines - 1))};
  return {header.TraceNumber(0), header.TraceNumber(std::max(0, header.traces_per_line - 1))};
}

std::string PickWindowCaption(const SurveyHeader& header, const PickWindowState& w) {
  switch (w.kind) {
    case PickSectionKind::Inline: return FormatText("In Line -- %d", header.LineNumber(w.position));
    case PickSectionKind::Crossline:
      return FormatText("Cross Line -- %d", header.TraceNumber(w.position));
    default:
      return FormatText("Arbitrary Line -- %s  %+d %s", FileNameOf(w.arb_path).c_str(), w.position,
                        w.by_traces ? "Trace" : "Line");
  }
}

PickSection SectionOf(const SurveyHeader& header, const PickWindowState& w) {
  return SectionAt(header, w, w.position);
}

PickSection SectionAt(const SurveyHeader& header, const PickWindowState& w, int position) {
  switch (w.kind) {
    case PickSectionKind::Inline: return InlineSection(header, position);
    case PickSectionKind::Crossline: return CrosslineSection(header, position);
    default: {
      ArbitraryLine line;
      if (!ReadArbitraryLine(w.arb_path, header, line)) line.bins.clear();
      return ArbitrarySection(line, position, w.by_traces);
    }
  }
}

SectionPlotRequest PickWindowRequest(const Workspace& workspace, const PickWindowState& w) {
  const SurveyHeader& h = workspace.header();
  SectionPlotRequest request;
  SectionDescription& s = request.section;
  if (w.kind == PickSectionKind::Arbitrary) {
    s.kind = SectionKind::Arbitrary;
    s.arb_name = FileNameOf(w.arb_path);
    s.arb_entries = ArbitraryEntries(h, SectionOf(h, w));
  } else {
    s.kind = Inline(w) ? SectionKind::InLine : SectionKind::CrossLine;
  }
  s.line_number = h.LineNumber(Inline(w) ? w.position : 0);
  s.trace_number = h.TraceNumber(Inline(w) ? 0 : w.position);
  s.first = w.kind == PickSectionKind::Arbitrary ? 0 : Inline(w) ? h.first_trace : h.first_line;
  s.last = 0;
  s.start_ms = w.first_time;
  s.end_ms = w.last_time;
  request.display = DisplayOf(workspace.settings);
  for (const std::string& name : workspace.horizons.names)
    request.horizon_paths.push_back(LocateHorizon(workspace.folder, name).path);
  request.params = workspace.params;
  return request;
}

SectionMode PickWindowMode(const Workspace& workspace) {
  return workspace.settings.trace_type == kTraceTypeColour ? SectionMode::Colour
                                                           : SectionMode::Wiggle;
}

void AddFlattening(const Workspace& workspace, SectionPlot& plot) {
  if (!workspace.flatten.on || workspace.flatten.shift.cells.empty()) return;
  const int start = std::max(plot.section.start_ms, workspace.header().start_time);
  auto datum = std::make_shared<std::vector<std::int16_t>>(workspace.flatten.shift.cells.size());
  for (std::size_t k = 0; k < datum->size(); ++k)
    (*datum)[k] = Trunc16(start - workspace.flatten.shift.cells[k]);
  plot.datum = std::move(datum);
}

void AddPreviousPicks(const Workspace& workspace, const PickWindowState& w, SectionPlot& plot) {
  if (!workspace.show_previous || !w.previous) return;
  std::vector<SectionHorizon> previous = plot.horizons;
  for (std::size_t k = 0; k < previous.size() && k < workspace.horizons.names.size(); ++k) {
    auto style =
        ReadHorizonStyle(LocateHorizon(workspace.folder, workspace.horizons.names[k]).path);
    previous[k].colour_code = style.value_or(HorizonStyle{}).previous_colour_index;
  }
  const SurveyHeader header = workspace.header();
  const int start_ms = std::max(plot.section.start_ms, header.start_time);
  const int width = workspace.settings.previous_line_width;
  const bool inline_window = Inline(w);
  const int at = *w.previous;
  const TimeGrid datum = plot.datum;
  if (w.kind == PickSectionKind::Arbitrary) {
    // Each column moves to the bin of its place in the list at the previous offset.
    const PickSection before = SectionAt(header, w, at);
    plot.overlays.push_back([=](Canvas& canvas, const SectionLayout& layout,
                                const std::vector<SectionColumn>& columns) {
      std::vector<std::optional<SectionColumn>> moved;
      for (const SectionColumn& c : columns) {
        const auto p = static_cast<std::size_t>(c.list_position);
        if (p < before.bins.size() && BinInGrid(header, before.bins[p]))
          moved.push_back(
              SectionColumn{before.bins[p].row, before.bins[p].column, c.list_position});
        else
          moved.push_back(std::nullopt);
      }
      DrawPicksInRuns(canvas, layout, header, moved, start_ms, previous, datum, width);
    });
    return;
  }
  plot.overlays.push_back(
      [=](Canvas& canvas, const SectionLayout& layout, const std::vector<SectionColumn>& columns) {
        std::vector<SectionColumn> moved = columns;
        for (SectionColumn& c : moved) (inline_window ? c.line_index : c.trace_index) = at;
        DrawHorizonOverlay(canvas, layout, header, moved, start_ms, previous,
                           datum ? datum->data() : nullptr, width);
      });
}

std::optional<SectionPoint> SectionPointAt(const TracePlotGeometry& g, const SurveyHeader& h,
                                           PickSectionKind kind, Point p) {
  const SectionLayout& layout = g.layout;
  if (g.columns.empty() || layout.dx <= 0 || layout.units_per_ms <= 0) return std::nullopt;
  if (p.y >= layout.data.bottom) return std::nullopt;
  const double along = layout.left_to_right ? p.x - layout.ColumnX(0) : layout.ColumnX(0) - p.x;
  const int k = static_cast<int>(std::floor((along + layout.dx / 2) / layout.dx));
  if (k < 0 || k >= static_cast<int>(g.columns.size())) return std::nullopt;
  SectionPoint point;
  point.column = g.columns[static_cast<std::size_t>(k)];
  point.number = NumberOf(h, kind, point.column);
  point.in_band = p.y < layout.data.top;
  const double ms = std::max(0.0, (p.y - layout.data.top) / layout.units_per_ms);
  point.time_ms = g.start_ms + static_cast<int>(std::floor(ms));
  return point;
}

Point PointOf(const TracePlotGeometry& g, const SurveyHeader& h, PickSectionKind kind, int number,
              int time_ms) {
  const SectionLayout& layout = g.layout;
  int k = 0;
  while (k + 1 < static_cast<int>(g.columns.size()) &&
         NumberOf(h, kind, g.columns[static_cast<std::size_t>(k)]) != number)
    ++k;
  // The middle of the time's pixel rows, so the point reads back as that time.
  const double y = layout.data.top + (time_ms - g.start_ms + 0.5) * layout.units_per_ms;
  return {layout.ColumnX(k), y};
}

}  // namespace quarrix
