#include "section/section_render.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <span>

#include "platform/numeric.h"
#include "platform/progress.h"
#include "section/section_wiggle.h"

namespace quarrix {
namespace {

// The columns and window rows a drawing covers, [first, end): all of them,
// or on a device that shows only part of the plot, those reaching into it.
struct DrawnSpan {
  int first_column = 0, end_column = 0;
  int first_row = 0, end_row = 0;
};

DrawnSpan SpanOf(const SectionLayout& layout, const SectionDisplay& display, int columns,
                 const std::optional<Rect>& exposed) {
  const int rows = layout.window_samples;
  DrawnSpan span{0, columns, 0, rows};
  if (!exposed) return span;
  // A wiggle swings up to gain / 10 spacings from its column, a colour column
  // fills half a spacing each side; pens add a few units.
  const double reach = layout.dx * std::max(1.0, display.gain / 10.0) + 8;
  int first = columns, last = -1;
  for (int k = 0; k < columns; ++k) {
    const double x = layout.ColumnX(k);
    if (x + reach < exposed->left || x - reach > exposed->right) continue;
    first = std::min(first, k);
    last = k;
  }
  span.first_column = first;
  span.end_column = std::max(first, last + 1);
  // Two rows beyond each edge, so that lobes crossing it are drawn whole.
  if (layout.sample_step > 0) {
    const double top = (exposed->top - layout.data.top) / layout.sample_step;
    const double bottom = (exposed->bottom - layout.data.top) / layout.sample_step;
    span.first_row = std::clamp(Trunc32(std::floor(top)) - 2, 0, rows);
    span.end_row = std::clamp(Trunc32(std::ceil(bottom)) + 2, span.first_row, rows);
  }
  return span;
}

// Reads the section's traces of the span in drawing order, from `context`
// columns before it, and hands each column's window samples to draw_column;
// stops at a read failure or a cancellation. Columns outside the span count
// as done.
void WalkSection(const SectionSource& source, const SectionPlot& plot,
                 const std::vector<SectionColumn>& columns, const SectionLayout& layout,
                 const DrawnSpan& span, int context, Progress* progress, SectionDrawResult& result,
                 const std::function<void(int, const std::vector<std::int16_t>&)>& draw_column) {
  const SurveyHeader& header = source.header;
  std::vector<std::int16_t> trace(static_cast<std::size_t>(std::max(0, header.num_samples)));
  std::vector<std::int16_t> window(static_cast<std::size_t>(layout.window_samples));
  const int begin = std::max(0, span.first_column - context);
  const int count = span.end_column - begin;
  int last_percent = -1;
  result.drawn = begin;
  if (count > 0)
    AnnounceTraceReads(
        source.amp, header,
        std::span<const SectionColumn>(columns.data() + begin, static_cast<std::size_t>(count)));
  for (int k = begin; k < span.end_column; ++k) {
    if (progress) {
      if (progress->Cancelled()) {
        result.cancelled = true;
        return;
      }
      const int percent = count > 1 ? (k - begin) * 100 / (count - 1) : 100;
      if (percent % 5 == 0 && percent != last_percent) progress->SetPosition(percent);
      last_percent = percent;
    }
    const SectionColumn& c = columns[k];
    if (ReadTrace(source.amp, header, trace.data(), c.line_index, c.trace_index,
                  static_cast<int>(trace.size() * 2), source.conditioner) != 0) {
      result.read_failed = true;
      return;
    }
    std::optional<int> first = layout.first_sample;
    if (plot.datum) first = DatumFirstSample(header, plot.datum->data(), c);
    if (first)
      WindowSamples(trace, *first, window);
    else
      std::fill(window.begin(), window.end(), std::int16_t{0});
    draw_column(k, window);
    result.drawn = k + 1;
  }
  result.drawn = static_cast<int>(columns.size());
}

WiggleScale ScaleOf(const SectionLayout& layout, const SectionDisplay& display) {
  return {layout.dx, display.gain, display.polarity, layout.sample_step};
}

// Annotation, timing lines, horizons, wells and title: the same on both
// renderers, over the columns drawn.
void DrawFurniture(Canvas& canvas, const SectionSource& source, const SectionPlot& plot,
                   const std::vector<SectionColumn>& columns, const SectionDrawResult& result) {
  const SurveyHeader& header = source.header;
  const SectionLayout& layout = result.layout;
  const SectionDisplay& display = plot.display;
  const std::vector<SectionColumn> drawn(columns.begin(), columns.begin() + result.drawn);
  for (int k = 0; k < result.drawn; ++k)
    DrawTraceAnnotation(canvas, plot.section.kind, drawn[k].list_position, layout.ColumnX(k),
                        layout.data.top, header.LineNumber(drawn[k].line_index),
                        header.TraceNumber(drawn[k].trace_index), layout.label_height,
                        display.lbl_inc);
  const int start_ms = std::max(plot.section.start_ms, header.start_time);
  DrawTimingLines(canvas, layout, plot.section.kind, start_ms, plot.section.end_ms,
                  display.timing_interval_ms);
  DrawHorizonOverlay(canvas, layout, header, drawn, start_ms, plot.horizons,
                     plot.datum ? plot.datum->data() : nullptr, display.horizon_line_width);
  for (const SectionOverlay& overlay : plot.overlays)
    if (overlay) overlay(canvas, layout, drawn);
  const int step = plot.section.kind == SectionKind::CrossLine ? display.ln_inc : display.tr_inc;
  DrawWellMarkers(canvas, layout, header, drawn, plot.wells, display.symsize, step);
  if (display.title_scale > 0.5)
    DrawTitleBlock(canvas, layout.title_band,
                   SectionTitle(plot.section, display, header, plot.project_title, plot.date,
                                plot.time, plot.conditioning));
}

}  // namespace

SectionLayout PlanSection(const SurveyHeader& header, const SectionPlot& plot,
                          const DeviceInfo& device, SectionMode mode) {
  const auto columns = SectionColumns(header, plot.section, plot.display);
  return ComputeSectionLayout(header, plot.section, plot.display, device,
                              static_cast<int>(columns.size()), mode == SectionMode::Colour,
                              !plot.wells.empty());
}

SectionDrawResult DrawWiggleSection(Canvas& canvas, const SectionSource& source,
                                    const SectionPlot& plot, Progress* progress) {
  SectionDrawResult result;
  const auto columns = SectionColumns(source.header, plot.section, plot.display);
  result.columns = static_cast<int>(columns.size());
  result.layout = PlanSection(source.header, plot, canvas.Device(), SectionMode::Wiggle);
  const SectionLayout& layout = result.layout;
  const WiggleScale scale = ScaleOf(layout, plot.display);
  const DrawnSpan span = SpanOf(layout, plot.display, result.columns, canvas.Device().exposed);
  WalkSection(source, plot, columns, layout, span, 0, progress, result,
              [&](int k, const std::vector<std::int16_t>& window) {
                DrawWiggleTrace(canvas, layout.ColumnX(k), layout.data.top, window.data(),
                                span.first_row, span.end_row - span.first_row, scale);
              });
  DrawFurniture(canvas, source, plot, columns, result);
  return result;
}

namespace {

// The colour indexes of the span's columns and rows, column by column, and,
// when overlay wiggles are drawn, the columns' windows.
struct ColourColumns {
  std::vector<std::uint8_t> indexes;
  std::vector<std::vector<std::int16_t>> windows;
};

ColourColumns ReadColourColumns(const SectionSource& source, const SectionPlot& plot,
                                const std::vector<SectionColumn>& columns,
                                const SectionLayout& layout, const DrawnSpan& span,
                                bool keep_windows, Progress* progress, SectionDrawResult& result) {
  const SectionDisplay& display = plot.display;
  const ColourMapper mapper(plot.colour_bar, display.colour_gain, display.polarity);
  const int r0 = span.first_row, r1 = span.end_row;
  ColourColumns out;
  out.indexes.reserve(static_cast<std::size_t>(span.end_column - span.first_column) *
                      static_cast<std::size_t>(r1 - r0));
  // Smoothing mixes each column with the two before it, read even when they
  // lie outside the span.
  const int context = display.smooth_colours ? 2 : 0;
  std::vector<std::int16_t> previous, before_previous;
  std::vector<std::int16_t> shown(static_cast<std::size_t>(layout.window_samples));
  WalkSection(source, plot, columns, layout, span, context, progress, result,
              [&](int k, const std::vector<std::int16_t>& window) {
                if (k >= span.first_column) {
                  const std::vector<std::int16_t>* column = &window;
                  if (display.smooth_colours && k > 0) {
                    for (int r = r0; r < r1; ++r)
                      shown[r] = k == 1
                                     ? static_cast<std::int16_t>((previous[r] + window[r]) / 2)
                                     : static_cast<std::int16_t>(before_previous[r] / 4 +
                                                                 previous[r] / 2 + window[r] / 4);
                    column = &shown;
                  }
                  for (int r = r0; r < r1; ++r) out.indexes.push_back(mapper.Index((*column)[r]));
                  if (keep_windows) out.windows.push_back(window);
                }
                if (display.smooth_colours) {
                  before_previous.swap(previous);
                  previous = window;
                }
              });
  return out;
}

// Stretches the colour columns [span.first_column, span.first_column + n)
// into the plot as one image, placed exactly where the image of all `done`
// columns would put them.
void DrawColourImage(Canvas& canvas, const SectionPlot& plot, const SectionLayout& layout,
                     const DrawnSpan& span, int n, int done,
                     const std::vector<std::uint8_t>& indexes) {
  const int rows = span.end_row - span.first_row;
  if (n <= 0 || rows <= 0) return;
  IndexedImage image(n, rows);
  image.palette = CreateBarPalette(plot.colour_bar);
  // Columns into rows, in tiles that stay in the cache.
  constexpr int kTile = 64;
  for (int r0 = 0; r0 < rows; r0 += kTile)
    for (int k0 = 0; k0 < n; k0 += kTile)
      for (int r = r0; r < std::min(rows, r0 + kTile); ++r) {
        std::uint8_t* row = image.Row(r);
        for (int k = k0; k < std::min(n, k0 + kTile); ++k)
          row[layout.left_to_right ? k : n - 1 - k] =
              indexes[static_cast<std::size_t>(k) * rows + r];
      }
  // The image of all columns and rows would span [lo, hi) in `parts` equal
  // parts; part j starts at edge(lo, hi, j, parts).
  auto edge = [](double lo, double hi, int j, int parts) {
    return j == 0 ? lo : j == parts ? hi : lo + (hi - lo) * j / parts;
  };
  const double a = layout.ColumnX(0), b = layout.ColumnX(done - 1);
  const double left = std::min(a, b) - layout.dx / 2, right = std::max(a, b) + layout.dx / 2;
  const int from = layout.left_to_right ? span.first_column : done - span.first_column - n;
  const int total_rows = layout.window_samples;
  canvas.StretchImage(image, {edge(left, right, from, done),
                              edge(layout.data.top, layout.data.bottom, span.first_row, total_rows),
                              edge(left, right, from + n, done),
                              edge(layout.data.top, layout.data.bottom, span.end_row, total_rows)});
}

// Overlay wiggles over the colour columns drawn: every ovtrinc-th trace,
// labelled traces, well traces and well sticks.
void DrawColourOverlays(Canvas& canvas, const SectionSource& source, const SectionPlot& plot,
                        const SectionLayout& layout, const DrawnSpan& span,
                        const std::vector<SectionColumn>& drawn,
                        const std::vector<std::vector<std::int16_t>>& windows) {
  const SectionDisplay& display = plot.display;
  const WiggleScale scale = ScaleOf(layout, display);
  const int step = plot.section.kind == SectionKind::CrossLine ? display.ln_inc : display.tr_inc;
  const int n = static_cast<int>(drawn.size());
  std::vector<bool> well_columns(static_cast<std::size_t>(n), false);
  for (const SectionWell& well : plot.wells)
    if (int k = WellColumn(source.header, drawn, well, step); k >= 0) well_columns[k] = true;
  const int rows = span.end_row - span.first_row;
  for (std::size_t j = 0; j < windows.size(); ++j) {
    const int k = span.first_column + static_cast<int>(j);
    const double x = layout.ColumnX(k);
    const auto& window = windows[j];
    auto overlay = [&](int width_setting, Rgb colour) {
      if (width_setting <= 0) return;
      canvas.SetPen({PenStyle::Solid, width_setting - 1, colour});
      DrawWiggleLine(canvas, x, layout.data.top, window.data(), span.first_row, rows, scale);
    };
    if (k % std::max(1, display.ovtrinc) == 0) overlay(display.ovtrwidth, kBlack);
    if (CarriesLabel(plot.section.kind, drawn[k].list_position,
                     source.header.LineNumber(drawn[k].line_index),
                     source.header.TraceNumber(drawn[k].trace_index), display.lbl_inc))
      overlay(display.ovlabwidth, kBlack);
    if (well_columns[k] && display.ovwellwidth > 0) {
      const Rgb colour = OverlayWellColour(display.ovwellcolor);
      if (display.ovwelltrace) overlay(display.ovwellwidth, colour);
      if (display.ovwellstick) {
        canvas.SetPen({PenStyle::Solid, display.ovwellwidth - 1, colour});
        canvas.Line({x, layout.data.top}, {x, layout.data.bottom});
      }
    }
  }
}

}  // namespace

SectionDrawResult DrawColourSection(Canvas& canvas, const SectionSource& source,
                                    const SectionPlot& plot, Progress* progress) {
  SectionDrawResult result;
  const SectionDisplay& display = plot.display;
  const auto columns = SectionColumns(source.header, plot.section, display);
  result.columns = static_cast<int>(columns.size());
  result.layout = PlanSection(source.header, plot, canvas.Device(), SectionMode::Colour);
  const SectionLayout& layout = result.layout;
  const DrawnSpan span = SpanOf(layout, display, result.columns, canvas.Device().exposed);

  const bool overlays = display.ovtrwidth > 0 || display.ovlabwidth > 0 ||
                        (!plot.wells.empty() && display.ovwellwidth > 0);
  const ColourColumns read =
      ReadColourColumns(source, plot, columns, layout, span, overlays, progress, result);
  const int n = result.drawn;
  const int shown = std::max(0, std::min(span.end_column, n) - span.first_column);
  DrawColourImage(canvas, plot, layout, span, shown, n, read.indexes);
  const std::vector<SectionColumn> drawn(columns.begin(), columns.begin() + n);
  DrawColourOverlays(canvas, source, plot, layout, span, drawn, read.windows);

  if (n > 0) {
    const double legend_width = 1.1 * layout.ppi_x;
    const double end_x = layout.ColumnX(n - 1);
    const double left =
        layout.left_to_right ? end_x + layout.margin : end_x - layout.margin - legend_width;
    const double height = std::min(
        layout.data.Height(), BandCount(DrawableBar(plot.colour_bar)) * 1.6 * layout.label_height);
    DrawColourLegend(canvas, plot.colour_bar,
                     {left, layout.data.top, left + legend_width, layout.data.top + height},
                     !layout.left_to_right, layout.label_height);
  }
  DrawFurniture(canvas, source, plot, columns, result);
  return result;
}

std::vector<Rgb> SectionPlotPalette(const ColourBar& bar) {
  std::vector<Rgb> palette = CreateBarPalette(bar);
  auto add = [&](Rgb c) {
    if (palette.size() < 256 && std::find(palette.begin(), palette.end(), c) == palette.end())
      palette.push_back(c);
  };
  add(kWhite);
  for (int code = 5; code <= 14; ++code) add(HorizonColour(code));
  for (int code = 1; code <= 7; ++code) add(OverlayWellColour(code));
  return palette;
}

}  // namespace quarrix
