#include "section/section_furniture.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/numeric.h"
#include "platform/text_util.h"
#include "section/well_symbols.h"

namespace quarrix {
namespace {

constexpr Rgb kHorizonColours[10] = {{255, 153, 51}, {153, 102, 0}, {0, 0, 0},   {0, 128, 0},
                                     {0, 0, 128},    {0, 255, 0},   {0, 0, 255}, {255, 0, 0},
                                     {255, 0, 255},  {255, 255, 0}};

constexpr Rgb kOverlayWellColours[7] = {{0, 0, 0},   {255, 0, 0},   {0, 255, 0},  {255, 255, 0},
                                        {0, 0, 255}, {255, 0, 255}, {0, 255, 255}};

// Labels beside the data sit on its start side: left of it when the section
// runs left to right, right of it otherwise. A label longer than the margin
// is moved in over the data rather than cut off at the page edge.
void SideLabel(Canvas& canvas, const SectionLayout& layout, double y, const std::string& text) {
  const double gap = layout.label_height / 2.0;
  const double width = canvas.TextWidth(text);
  if (layout.left_to_right) {
    if (layout.data.left - gap - width >= gap)
      canvas.Text({layout.data.left - gap, y}, text, kAlignRight | kAlignBaseline);
    else
      canvas.Text({gap, y}, text, kAlignLeft | kAlignBaseline);
  } else {
    if (layout.data.right + gap + width <= layout.width - gap)
      canvas.Text({layout.data.right + gap, y}, text, kAlignLeft | kAlignBaseline);
    else
      canvas.Text({layout.width - gap, y}, text, kAlignRight | kAlignBaseline);
  }
}

int AbsoluteSample(int time_ms, double sample_rate) {
  return Trunc32(time_ms / sample_rate);
}

}  // namespace

Rgb HorizonColour(int colour_code) {
  return kHorizonColours[std::clamp(colour_code, 5, 14) - 5];
}

Rgb OverlayWellColour(int code) {
  return kOverlayWellColours[std::clamp(code, 1, 7) - 1];
}

bool CarriesLabel(SectionKind kind, int list_position, int line_number, int trace_number,
                  int label_increment) {
  const int inc = std::max(1, label_increment);
  switch (kind) {
    case SectionKind::InLine: return trace_number % inc == 0;
    case SectionKind::CrossLine: return line_number % inc == 0;
    case SectionKind::Arbitrary: return list_position % inc == 0;
  }
  return false;
}

bool DrawTraceAnnotation(Canvas& canvas, SectionKind kind, int list_position, double x,
                         double top_y, int line_number, int trace_number, int label_height,
                         int label_increment) {
  if (!CarriesLabel(kind, list_position, line_number, trace_number, label_increment)) return false;
  const double tick_top = top_y - label_height / 4.0;
  canvas.SetPen({PenStyle::Solid, 1, kBlack});
  canvas.Line({x, tick_top}, {x, top_y});
  canvas.SetFont({"Arial", label_height, 400, 0});
  canvas.SetTextColour(kBlack);
  const double baseline = tick_top - 1;
  if (kind == SectionKind::Arbitrary) {
    canvas.Text({x + 2, baseline}, FormatText("%d", trace_number), kAlignLeft | kAlignBaseline);
    canvas.Text({x + 2, baseline - 1.3 * label_height}, FormatText("%d", line_number),
                kAlignLeft | kAlignBaseline);
  } else {
    canvas.Text({x + 2, baseline},
                FormatText("%d", kind == SectionKind::InLine ? trace_number : line_number),
                kAlignLeft | kAlignBaseline);
  }
  return true;
}

void DrawTimingLines(Canvas& canvas, const SectionLayout& layout, SectionKind kind, int start_ms,
                     int end_ms, int interval_ms) {
  const int interval = interval_ms > 0 ? interval_ms : 100;
  const double step = interval / 10.0;
  canvas.SetFont({"Arial", layout.label_height, 400, 0});
  canvas.SetTextColour(kBlack);
  if (kind == SectionKind::Arbitrary) {
    const double baseline = layout.data.top - layout.label_height / 4.0 - 1;
    SideLabel(canvas, layout, baseline, "Trace");
    SideLabel(canvas, layout, baseline - 1.3 * layout.label_height, "Line");
  }
  int previous = start_ms - 1;
  for (int i = 0;; ++i) {
    const int t = Trunc32(start_ms + i * step);
    if (t > end_ms) break;
    if (t == previous) continue;
    previous = t;
    const double y = layout.data.top + std::floor(4 * (t - start_ms) * layout.units_per_ms) / 4;
    if (t % 100 == 0)
      SideLabel(canvas, layout, y + layout.label_height / 3.0, FormatText("%01.1f", t / 1000.0));
    PenStyle style;
    if (t % 500 == 0)
      style = PenStyle::Solid;
    else if (t % 100 == 0)
      style = PenStyle::Dot;
    else if (t % interval == 0)
      style = PenStyle::DashDotDot;
    else
      continue;
    canvas.SetPen({style, 1, kBlack});
    canvas.Line({layout.data.left, y}, {layout.data.right, y});
  }
}

TitleBlockText SectionTitle(const SectionDescription& section, const SectionDisplay& display,
                            const SurveyHeader& header, const std::string& project_title,
                            const std::string& date, const std::string& time,
                            const std::optional<ConditioningNote>& conditioning) {
  TitleBlockText t;
  switch (section.kind) {
    case SectionKind::InLine:
      t.lines[0] = FormatText("<In-Line %d>  %s   %s   %s", section.line_number,
                              project_title.c_str(), date.c_str(), time.c_str());
      break;
    case SectionKind::CrossLine:
      t.lines[0] = FormatText("<X-Line %d>  %s   %s   %s", section.trace_number,
                              project_title.c_str(), date.c_str(), time.c_str());
      break;
    case SectionKind::Arbitrary:
      t.lines[0] = FormatText("<Arb-Line %s>  %s   %s   %s", section.arb_name.c_str(),
                              project_title.c_str(), date.c_str(), time.c_str());
      break;
  }
  t.lines[1] = FormatText("%s   %s   %s", LabelText(header.owner).c_str(),
                          LabelText(header.line_name).c_str(), LabelText(header.collector).c_str());
  t.lines[2] = FormatText("%s Polarity  Gain %d  %2.2f IPS  %2.2f TPI",
                          display.polarity < 0 ? "Reverse" : "Normal", display.gain, display.ips,
                          display.tpi);
  if (conditioning)
    t.lines[2] += FormatText("  Phase %d  Filt %d,%d,%d,%d  Shift %d", conditioning->phase,
                             conditioning->filter[0], conditioning->filter[1],
                             conditioning->filter[2], conditioning->filter[3], conditioning->shift);
  t.lines[3] = FormatText("%s    %s", display.comment1.c_str(), display.comment2.c_str());
  return t;
}

std::string PrintDocumentName(const SectionDescription& section, bool series) {
  if (!series) return "Trace Plot";
  switch (section.kind) {
    case SectionKind::InLine: return FormatText("In-Line Plot %d", section.line_number);
    case SectionKind::CrossLine: return FormatText("X-Line Plot %d", section.trace_number);
    case SectionKind::Arbitrary: return FormatText("Arb-Line Plot %s", section.arb_name.c_str());
  }
  return "Trace Plot";
}

void DrawTitleBlock(Canvas& canvas, Rect band, const TitleBlockText& text) {
  const double h = band.Height();
  canvas.SetFont({"Arial", std::max(6, Trunc32(h / 7)), 400, 0});
  canvas.SetTextColour(kBlack);
  for (int k = 0; k < 4; ++k)
    canvas.Text({band.left + h / 2, band.top + h * (k + 1) / 5}, text.lines[k],
                kAlignLeft | kAlignBaseline);
}

std::optional<int> DatumFirstSample(const SurveyHeader& header, const std::int16_t* datum,
                                    const SectionColumn& column) {
  const std::int16_t t =
      datum[static_cast<std::size_t>(column.line_index) * header.traces_per_line +
            column.trace_index];
  if (t == kHorizonNullTime) return std::nullopt;
  return AbsoluteSample(t, header.sample_rate) -
         AbsoluteSample(header.start_time, header.sample_rate);
}

void DrawHorizonOverlay(Canvas& canvas, const SectionLayout& layout, const SurveyHeader& header,
                        const std::vector<SectionColumn>& columns, int start_ms,
                        const std::vector<SectionHorizon>& horizons, const std::int16_t* datum,
                        int line_width) {
  const double rate = header.sample_rate;
  const int window_start = AbsoluteSample(start_ms, rate);
  std::vector<Point> segment;
  for (const SectionHorizon& horizon : horizons) {
    if (!horizon.times) continue;
    const Rgb colour = HorizonColour(horizon.colour_code);
    canvas.SetPen({PenStyle::Solid, line_width, colour});
    canvas.SetFont({"Arial", layout.label_height, 400, 0});
    canvas.SetTextColour(colour);
    auto flush = [&] {
      if (segment.size() >= 2) canvas.Polyline(segment);
      segment.clear();
    };
    bool named = false;
    for (std::size_t k = 0; k < columns.size(); ++k) {
      const SectionColumn& c = columns[k];
      const std::size_t cell =
          static_cast<std::size_t>(c.line_index) * header.traces_per_line + c.trace_index;
      const std::int16_t t = (*horizon.times)[cell];
      int top = window_start;
      if (datum) {
        if (datum[cell] == kHorizonNullTime) {
          flush();
          continue;
        }
        top = AbsoluteSample(datum[cell], rate);
      }
      const int row = t == kHorizonNullTime ? -1 : AbsoluteSample(t, rate) - top;
      if (row < 0 || row >= layout.window_samples) {
        flush();
        continue;
      }
      const Point p{layout.ColumnX(static_cast<int>(k)), layout.RowY(row)};
      segment.push_back(p);
      if (!named) {
        std::string name = horizon.name.size() > 4 ? horizon.name.substr(0, horizon.name.size() - 4)
                                                   : horizon.name;
        SideLabel(canvas, layout, p.y + layout.label_height / 3.0, name);
        named = true;
      }
    }
    flush();
  }
}

int WellColumn(const SurveyHeader& header, const std::vector<SectionColumn>& columns,
               const SectionWell& well, int step) {
  const int line = header.LineIndex(well.line_number), trace = header.TraceIndex(well.trace_number);
  const double allowed = std::max(1.0, std::max(1, step) / 2.0);
  int best = -1;
  double best_distance = 0;
  for (std::size_t k = 0; k < columns.size(); ++k) {
    const double d =
        std::abs(columns[k].line_index - line) + std::abs(columns[k].trace_index - trace);
    if (d <= allowed && (best < 0 || d < best_distance)) {
      best = static_cast<int>(k);
      best_distance = d;
    }
  }
  return best;
}

void DrawWellMarkers(Canvas& canvas, const SectionLayout& layout, const SurveyHeader& header,
                     const std::vector<SectionColumn>& columns,
                     const std::vector<SectionWell>& wells, double symbol_inches, int step) {
  const double size = symbol_inches * layout.ppi_y;
  const double y = layout.annotation_top - 0.9 * size;
  for (const SectionWell& well : wells) {
    const int k = WellColumn(header, columns, well, step);
    if (k < 0) continue;
    const double x = layout.ColumnX(k);
    DrawWellSymbol(canvas, well.symbol, {x, y}, size, kBlack);
    canvas.SetFont({"Arial", layout.label_height, 400, 0});
    canvas.SetTextColour(kBlack);
    canvas.Text({x + 0.7 * size, y + layout.label_height / 3.0}, well.name,
                kAlignLeft | kAlignBaseline);
  }
}

}  // namespace quarrix
