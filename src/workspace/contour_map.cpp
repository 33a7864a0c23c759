#include "workspace/contour_map.h"

#include <algorithm>
#include <cmath>

#include "map/horizon_plot_document.h"
#include "platform/command_line.h"
#include "platform/decimal_text.h"
#include "platform/text_util.h"
#include "workspace/map_view.h"

namespace quarrix {
namespace {

constexpr int kMaxLineWidth = 20;

bool ReadWhole(const std::string& text, long long low, long long high, int& out) {
  const auto value = ParseWholeInt(Trim(text));
  if (!value || *value < low || *value > high) return false;
  out = static_cast<int>(*value);
  return true;
}

}  // namespace

ContourOptionsForm FormFromContourOptions(const ContourMapOptions& options, const ColourBar& bar) {
  const HorizonPlotSettings settings = ContourPlotSettings(options, bar);
  ContourOptionsForm form;
  form.line_contour = options.type == HorizonPlotType::LineContour;
  form.decimate = std::to_string(options.decimate);
  form.smoothing = static_cast<int>(options.smoothing) - 1;
  for (std::size_t k = 0; k < 3; ++k) {
    const ContourLineClass& c = settings.classes[k];
    form.rows[k] = {std::to_string(c.every), c.label, std::to_string(c.width), c.style != 0,
                    c.colour};
  }
  form.label_inches = ShortestDecimal(options.label_inches);
  return form;
}

std::string ApplyContourOptionsForm(const ContourOptionsForm& form, const SurveyHeader& header,
                                    ContourMapOptions& options) {
  ContourMapOptions next = options;
  next.type = form.line_contour ? HorizonPlotType::LineContour : HorizonPlotType::Contour;
  // The decimated survey must keep at least two rows and columns to contour.
  const int keep = std::min(header.num_lines, header.traces_per_line) / 2 - 1;
  if (!ReadWhole(form.decimate, 0, std::max(0, keep), next.decimate))
    return FormatText("\"Decimate Data Skip\" must be a whole number from 0 to %d.",
                      std::max(0, keep));
  next.smoothing = static_cast<CurveSmoothing>(std::clamp(form.smoothing, 0, 3) + 1);
  for (std::size_t k = 0; k < 3; ++k) {
    const ContourOptionsForm::ClassRow& row = form.rows[k];
    int every = 0, width = 0;
    if (!ReadWhole(row.every, 0, 32767, every))
      return FormatText("\"Modulo\" of Contour %d must be a whole number from 0 to 32767.",
                        static_cast<int>(k + 1));
    if (!ReadWhole(row.width, 1, kMaxLineWidth, width))
      return FormatText("\"Thickness\" of Contour %d must be a whole number from 1 to %d.",
                        static_cast<int>(k + 1), kMaxLineWidth);
    next.classes[k] = {static_cast<std::int16_t>(every), row.label,
                       static_cast<std::int16_t>(width), row.dashed, row.colour};
  }
  const auto inches = ParseWholeDouble(Trim(form.label_inches));
  if (!inches || !std::isfinite(*inches) || *inches < 0.02 || *inches > 2)
    return "\"Label Size\" must be a number of inches from 0.02 to 2.";
  next.label_inches = *inches;
  next.classes_from_bar = false;
  options = next;
  return "";
}

HorizonPlotSettings ContourPlotSettings(const ContourMapOptions& options, const ColourBar& bar) {
  HorizonPlotSettings settings;
  settings.type = options.type;
  settings.decimate = options.decimate;
  settings.contour_curve = options.smoothing;
  settings.label_inches = options.label_inches;
  if (options.classes_from_bar)
    DefaultLineClasses(bar, settings);
  else
    settings.classes = options.classes;
  return settings;
}

MapGeometry DrawContourMap(Canvas& canvas, Rect client, const MapPicture& picture,
                           const SurveyHeader& header, const MapZoom& zoom,
                           const ContourMapOptions& options, Progress& progress,
                           Prompter& prompter) {
  const HorizonGrid& grid = picture.grid;
  if (!picture.readable || zoom.Empty() || zoom.first_row < 0 || zoom.first_column < 0 ||
      zoom.last_row >= grid.rows || zoom.last_column >= grid.columns)
    return {};
  const MapGeometry geometry = MapLayout(client, canvas.Device(), header, zoom);
  if (geometry.Empty()) return geometry;
  ColourBar bar = picture.bar;
  const HorizonPlotSettings settings = ContourPlotSettings(options, bar);
  canvas.SetPen({PenStyle::Null, 0, kBlack});
  canvas.SetBrush({BrushStyle::Solid, kWhite});
  canvas.Rectangle(geometry.area);
  canvas.SetClip(geometry.area);
  LabelSpace labels;
  DrawContourPlot(
      canvas, [&geometry](double r, double c) { return geometry.PixelOf(r, c); },
      PreparePlotGrid(grid, zoom, false, DataSmoothing::None), zoom, bar, settings, labels,
      progress, prompter);
  canvas.ClearClip();
  canvas.SetPen({PenStyle::Solid, 1, kBlack});
  canvas.SetBrush({BrushStyle::Null, kBlack});
  canvas.Rectangle(geometry.area);
  DrawMapAxisLabels(canvas, geometry, header);
  return geometry;
}

}  // namespace quarrix
