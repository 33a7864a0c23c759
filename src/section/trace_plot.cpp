#include "section/trace_plot.h"

#include <algorithm>
#include <filesystem>

#include "platform/numeric.h"
#include "platform/paths.h"
#include "platform/text_util.h"
#include "section/trace_conditioning.h"

namespace quarrix {
namespace {

int LastLineIndex(const SurveyHeader& h, int end_line) {
  const int last = h.num_lines - 1;
  return end_line <= 0 ? last : std::clamp(h.LineIndex(end_line), 0, last);
}

int LastTraceIndex(const SurveyHeader& h, int end_trace) {
  const int last = h.traces_per_line - 1;
  return end_trace <= 0 ? last : std::clamp(h.TraceIndex(end_trace), 0, last);
}

SectionDescription SectionAt(const TracePlotDocument& doc, int line_index, int trace_index) {
  SectionDescription section = doc.request.section;
  section.kind = doc.lines.kind;
  section.line_number = doc.header.LineNumber(line_index);
  section.trace_number = doc.header.TraceNumber(trace_index);
  if (section.kind == SectionKind::InLine) {
    section.first = doc.lines.start_trace;
    section.last = doc.lines.end_trace;
  } else if (section.kind == SectionKind::CrossLine) {
    section.first = doc.lines.start_line;
    section.last = doc.lines.end_line;
  } else {
    section.first = 0;
    section.last = 0;
    section.arb_name = std::filesystem::path(doc.lines.arb_path).filename().string();
  }
  return section;
}

}  // namespace

TracePlotLines DefaultLines(const SurveyHeader& header, SectionKind kind) {
  TracePlotLines lines;
  lines.kind = kind;
  lines.start_line = header.first_line;
  lines.end_line = header.last_line;
  lines.start_trace = header.first_trace;
  lines.end_trace = header.last_trace;
  return lines;
}

TracePlotDocument NewTracePlotDocument(const SurveyHeader& header, const SectionDisplay& display) {
  TracePlotDocument doc;
  doc.header = header;
  doc.lines = DefaultLines(header, SectionKind::InLine);
  doc.request.display = display;
  doc.request.section.start_ms = header.start_time;
  doc.request.section.end_ms = header.end_time;
  return doc;
}

SectionDescription CurrentSection(const TracePlotDocument& doc) {
  return SectionAt(doc, doc.line_index, doc.trace_index);
}

bool HasPlotMode(const TracePlotDocument& doc) {
  return doc.var_mode || doc.colour_mode;
}

SectionMode ModeOf(const TracePlotDocument& doc) {
  return doc.colour_mode ? SectionMode::Colour : SectionMode::Wiggle;
}

void ChoosePlotMode(TracePlotDocument& doc, SectionMode mode) {
  doc.var_mode = mode == SectionMode::Wiggle;
  doc.colour_mode = mode == SectionMode::Colour;
  doc.redraw_needed = true;
}

void StepSection(TracePlotDocument& doc, int steps) {
  // The line (trace) shown stops at the section's end line (trace) itself
  // rather than one step beyond it, so stepping never shows a line outside
  // the range the user set.
  const SurveyHeader& h = doc.header;
  const SectionDisplay& d = doc.request.display;
  if (doc.lines.kind == SectionKind::InLine) {
    const int next = doc.line_index + steps * std::max(1, d.ln_inc);
    doc.line_index = std::clamp(next, 0, std::max(0, LastLineIndex(h, doc.lines.end_line)));
  } else if (doc.lines.kind == SectionKind::CrossLine) {
    const int next = doc.trace_index + steps * std::max(1, d.tr_inc);
    doc.trace_index = std::clamp(next, 0, std::max(0, LastTraceIndex(h, doc.lines.end_trace)));
  }
  doc.redraw_needed = true;
}

void ApplyLines(TracePlotDocument& doc, TracePlotLines lines) {
  const SurveyHeader& h = doc.header;
  auto limit = [](int& start, int& end, int first, int last) {
    start = std::clamp(start, first, last);
    if (end <= 0 || end > last) end = last;
    if (end < start) end = last;
  };
  limit(lines.start_line, lines.end_line, h.first_line, h.last_line);
  limit(lines.start_trace, lines.end_trace, h.first_trace, h.last_trace);
  doc.lines = std::move(lines);
  doc.line_index = std::clamp(h.LineIndex(doc.lines.start_line), 0, std::max(0, h.num_lines - 1));
  doc.trace_index =
      std::clamp(h.TraceIndex(doc.lines.start_trace), 0, std::max(0, h.traces_per_line - 1));
  doc.request.arb_path = doc.lines.kind == SectionKind::Arbitrary ? doc.lines.arb_path : "";
  doc.redraw_needed = true;
}

std::vector<SectionDescription> AutomaticSeries(const TracePlotDocument& doc) {
  std::vector<SectionDescription> series;
  const SurveyHeader& h = doc.header;
  const SectionDisplay& d = doc.request.display;
  if (doc.lines.kind == SectionKind::InLine) {
    for (int i = doc.line_index; i <= LastLineIndex(h, doc.lines.end_line);
         i += std::max(1, d.ln_inc))
      series.push_back(SectionAt(doc, i, doc.trace_index));
  } else if (doc.lines.kind == SectionKind::CrossLine) {
    for (int j = doc.trace_index; j <= LastTraceIndex(h, doc.lines.end_trace);
         j += std::max(1, d.tr_inc))
      series.push_back(SectionAt(doc, doc.line_index, j));
  } else {
    series.push_back(CurrentSection(doc));
  }
  return series;
}

std::string SectionName(const SurveyHeader& header, const SectionDescription& section) {
  (void)header;
  switch (section.kind) {
    case SectionKind::InLine: return FormatText("In-line %d", section.line_number);
    case SectionKind::CrossLine: return FormatText("Cross-line %d", section.trace_number);
    default: return "Arbitrary line " + section.arb_name;
  }
}

TracePlotGeometry DrawTracePlot(Canvas& canvas, const SectionSource& source,
                                const SectionPlot& plot, SectionMode mode, Progress* progress) {
  const SectionDrawResult result = mode == SectionMode::Colour
                                       ? DrawColourSection(canvas, source, plot, progress)
                                       : DrawWiggleSection(canvas, source, plot, progress);
  TracePlotGeometry geometry;
  geometry.layout = result.layout;
  geometry.columns = SectionColumns(source.header, plot.section, plot.display);
  geometry.columns.resize(static_cast<std::size_t>(result.drawn));
  geometry.start_ms = std::max(plot.section.start_ms, source.header.start_time);
  geometry.section = plot.section;
  return geometry;
}

std::optional<TracePlotPosition> PositionAt(const TracePlotGeometry& g, Point p, int sample_rate) {
  const SectionLayout& layout = g.layout;
  if (g.columns.empty() || layout.dx <= 0 || layout.units_per_ms <= 0) return std::nullopt;
  if (p.y < layout.data.top || p.y >= layout.data.bottom) return std::nullopt;
  const double along = layout.left_to_right ? p.x - layout.ColumnX(0) : layout.ColumnX(0) - p.x;
  const int k = Trunc32((along + layout.dx / 2) / layout.dx);
  if (along + layout.dx / 2 < 0 || k >= static_cast<int>(g.columns.size())) return std::nullopt;
  TracePlotPosition position;
  // Whole samples, as the rows are drawn.
  const int row = Trunc32((p.y - layout.data.top) / layout.sample_step);
  position.time_ms = g.start_ms + Trunc32(row * static_cast<double>(sample_rate));
  position.column = k + 1;
  position.line_index = g.columns[k].line_index;
  position.trace_index = g.columns[k].trace_index;
  return position;
}

TracePlotReadout ReadoutAt(const TracePlotGeometry& geometry, Point p,
                           const SectionSource& source) {
  const SurveyHeader& h = source.header;
  TracePlotReadout readout;
  auto position = PositionAt(geometry, p, h.sample_rate);
  if (!position) return readout;
  readout.time = FormatText("%4d ms", position->time_ms);
  readout.trace = FormatText("trace %d", position->column);
  std::vector<std::int16_t> trace(static_cast<std::size_t>(std::max(0, h.num_samples)));
  const int sample =
      Trunc32((position->time_ms - h.start_time) / static_cast<double>(h.sample_rate));
  if (sample >= 0 && sample < h.num_samples &&
      ReadTrace(source.amp, h, trace.data(), position->line_index, position->trace_index,
                static_cast<int>(trace.size() * 2), source.conditioner) == 0)
    readout.amplitude = FormatText("amplitude %d", trace[static_cast<std::size_t>(sample)]);
  return readout;
}

}  // namespace quarrix

namespace quarrix {

TracePlotSetup SetupOf(const TracePlotDocument& doc) {
  TracePlotSetup setup;
  setup.start_ms = doc.request.section.start_ms;
  setup.end_ms = doc.request.section.end_ms;
  setup.display = doc.request.display;
  setup.max_defl = doc.max_defl;
  setup.fault_line_width = doc.fault_line_width;
  return setup;
}

void ApplySetup(TracePlotDocument& doc, const TracePlotSetup& setup) {
  doc.request.section.start_ms = std::max(setup.start_ms, doc.header.start_time);
  doc.request.section.end_ms = setup.end_ms;
  doc.request.display = setup.display;
  doc.request.display.colour_gain = std::max(1, setup.display.colour_gain);
  doc.max_defl = setup.display.gain / 10.0;
  doc.fault_line_width = setup.fault_line_width;
  doc.redraw_needed = true;
}

std::vector<std::string> ProjectFiles(const std::string& folder, const std::string& extension) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry :
       std::filesystem::directory_iterator(folder.empty() ? "." : folder, error)) {
    if (!entry.is_regular_file(error)) continue;
    const std::string name = entry.path().filename().string();
    if (HasExtension(name, extension)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace quarrix
