#include "section/section_render.h"

#include <algorithm>
#include <functional>

#include "platform/progress.h"
#include "section/section_wiggle.h"

namespace quarrix {
namespace {

// Reads the section's traces in drawing order and hands each column's window
// samples to draw_column; stops at a read failure or a cancellation.
void WalkSection(const SectionSource& source, const SectionPlot& plot,
                 const std::vector<SectionColumn>& columns, const SectionLayout& layout,
                 Progress* progress, SectionDrawResult& result,
                 const std::function<void(int, const std::vector<std::int16_t>&)>& draw_column) {
  const SurveyHeader& header = source.header;
  std::vector<std::int16_t> trace(static_cast<std::size_t>(std::max(0, header.num_samples)));
  std::vector<std::int16_t> window(static_cast<std::size_t>(layout.window_samples));
  const int count = static_cast<int>(columns.size());
  int last_percent = -1;
  for (int k = 0; k < count; ++k) {
    if (progress) {
      if (progress->Cancelled()) {
        result.cancelled = true;
        return;
      }
      const int percent = count > 1 ? k * 100 / (count - 1) : 100;
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
  WalkSection(source, plot, columns, layout, progress, result,
              [&](int k, const std::vector<std::int16_t>& window) {
                DrawWiggleTrace(canvas, layout.ColumnX(k), layout.data.top, window.data(), 0,
                                static_cast<int>(window.size()), scale);
              });
  DrawFurniture(canvas, source, plot, columns, result);
  return result;
}

SectionDrawResult DrawColourSection(Canvas& canvas, const SectionSource& source,
                                    const SectionPlot& plot, Progress* progress) {
  SectionDrawResult result;
  const SectionDisplay& display = plot.display;
  const auto columns = SectionColumns(source.header, plot.section, display);
  result.columns = static_cast<int>(columns.size());
  result.layout = PlanSection(source.header, plot, canvas.Device(), SectionMode::Colour);
  const SectionLayout& layout = result.layout;
  const int rows = layout.window_samples;
  const ColourMapper mapper(plot.colour_bar, display.colour_gain, display.polarity);

  // Column-major colour indexes and, when overlays are drawn, the windows.
  const bool overlays = display.ovtrwidth > 0 || display.ovlabwidth > 0 ||
                        (!plot.wells.empty() && display.ovwellwidth > 0);
  std::vector<std::uint8_t> indexes;
  indexes.reserve(columns.size() * static_cast<std::size_t>(rows));
  std::vector<std::vector<std::int16_t>> windows;
  std::vector<std::int16_t> previous, before_previous, shown(static_cast<std::size_t>(rows));
  WalkSection(source, plot, columns, layout, progress, result,
              [&](int k, const std::vector<std::int16_t>& window) {
                const std::vector<std::int16_t>* column = &window;
                if (display.smooth_colours && k > 0) {
                  for (int r = 0; r < rows; ++r)
                    shown[r] = k == 1 ? static_cast<std::int16_t>((previous[r] + window[r]) / 2)
                                      : static_cast<std::int16_t>(before_previous[r] / 4 +
                                                                  previous[r] / 2 + window[r] / 4);
                  column = &shown;
                }
                for (int r = 0; r < rows; ++r) indexes.push_back(mapper.Index((*column)[r]));
                if (display.smooth_colours) {
                  before_previous.swap(previous);
                  previous = window;
                }
                if (overlays) windows.push_back(window);
              });

  const int n = result.drawn;
  if (n > 0) {
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
    const double a = layout.ColumnX(0), b = layout.ColumnX(n - 1);
    canvas.StretchImage(image, {std::min(a, b) - layout.dx / 2, layout.data.top,
                                std::max(a, b) + layout.dx / 2, layout.data.bottom});
  }

  // Overlay wiggles: every ovtrinc-th trace, labelled traces, well traces.
  const WiggleScale scale = ScaleOf(layout, display);
  const int step = plot.section.kind == SectionKind::CrossLine ? display.ln_inc : display.tr_inc;
  const std::vector<SectionColumn> drawn(columns.begin(), columns.begin() + n);
  std::vector<bool> well_columns(static_cast<std::size_t>(n), false);
  for (const SectionWell& well : plot.wells)
    if (int k = WellColumn(source.header, drawn, well, step); k >= 0) well_columns[k] = true;
  for (int k = 0; overlays && k < n; ++k) {
    const double x = layout.ColumnX(k);
    const auto& window = windows[k];
    auto overlay = [&](int width_setting, Rgb colour) {
      if (width_setting <= 0) return;
      canvas.SetPen({PenStyle::Solid, width_setting - 1, colour});
      DrawWiggleLine(canvas, x, layout.data.top, window.data(), rows, scale);
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
