#include "map/horizon_plot.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "map/contour_cell_fill.h"
#include "map/contour_grid.h"
#include "map/contour_painter.h"
#include "map/contour_tracer.h"
#include "map/fault_cut_lines.h"
#include "map/grid_smoothing.h"
#include "map/map_colours.h"
#include "map/plot_transform.h"
#include "platform/numeric.h"
#include "platform/parallel.h"
#include "platform/progress.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

// Page layout, in inches.
constexpr double kMargin = 0.6;
constexpr double kPaletteWidth = 1.4;
constexpr double kTitleLineHeight = 0.3;
constexpr double kLabelSpacingInches = 3.0;

std::vector<int> Thresholds(ColourBar& bar) {
  const int count = UsableBandCount(bar);
  return std::vector<int>(bar.thresholds.begin(), bar.thresholds.begin() + count);
}

// One quadrilateral per run of equal colour along a row.
void DrawCellRaster(Canvas& canvas, const PlotTransform& transform, const HorizonGrid& grid,
                    const MapZoom& zoom, ColourBar& bar, int decimate) {
  MapColourIndex colours(bar);
  const int step = decimate + 1;
  canvas.SetPen({PenStyle::Null, 0, kBlack});
  auto cell_edge = [&](int k, int count) { return std::min(k, count) - 0.5; };
  for (int r = 0; r < grid.rows; r += step) {
    int c = 0;
    while (c < grid.columns) {
      const std::uint8_t index = colours.Of(grid.At(r, c));
      int end = c + step;
      while (end < grid.columns && colours.Of(grid.At(r, end)) == index) end += step;
      if (index != colours.Unpicked()) {
        const double r0 = zoom.first_row + cell_edge(r, grid.rows);
        const double r1 = zoom.first_row + cell_edge(r + step, grid.rows);
        const double c0 = zoom.first_column + cell_edge(c, grid.columns);
        const double c1 = zoom.first_column + cell_edge(end, grid.columns);
        const Point quad[4] = {transform.ToDevice(r0, c0), transform.ToDevice(r0, c1),
                               transform.ToDevice(r1, c1), transform.ToDevice(r1, c0)};
        canvas.SetBrush({BrushStyle::Solid, colours.palette()[index]});
        canvas.Polygon(quad, 4);
      }
      c = end;
    }
  }
}

// The grid with every null cell given the value of a nearest picked cell, so
// that fills run whole up to the holes (cleared afterwards), extended by one
// ring that repeats the edge values and bordered by a ring of the lowest value, so that every
// level's area closes outside the data and fills cover the edge cells whole.
HorizonGrid LowBordered(const HorizonGrid& grid) {
  const HorizonGrid low = NearestFilled(grid);
  HorizonGrid out(grid.rows + 4, grid.columns + 4, -32768);
  for (int r = -1; r <= grid.rows; ++r)
    for (int c = -1; c <= grid.columns; ++c)
      out.At(r + 2, c + 2) =
          low.At(std::clamp(r, 0, grid.rows - 1), std::clamp(c, 0, grid.columns - 1));
  return out;
}

// Quadrilaterals over cells (row and column ranges inclusive, relative to the
// zoom window) in one colour.
void FillCells(Canvas& canvas, const GridToDevice& to_device, const MapZoom& zoom, double r0,
               double r1, double c0, double c1, Rgb colour) {
  canvas.SetPen({PenStyle::Null, 0, kBlack});
  canvas.SetBrush({BrushStyle::Solid, colour});
  r0 += zoom.first_row, r1 += zoom.first_row, c0 += zoom.first_column, c1 += zoom.first_column;
  const Point quad[4] = {to_device(r0 - 0.5, c0 - 0.5), to_device(r0 - 0.5, c1 + 0.5),
                         to_device(r1 + 0.5, c1 + 0.5), to_device(r1 + 0.5, c0 - 0.5)};
  canvas.Polygon(quad, 4);
}

ContourOptions FrameOptions(const GridToDevice& to_device, const MapZoom& zoom,
                            const HorizonGrid& grid, int step, int border) {
  ContourOptions options;
  // Levels are traced on every core and drawn in their order: the picture is
  // the same for any count (the mapping to the device only reads).
  options.threads = MachineThreadCount();
  options.frame.left = -border * step;
  options.frame.top = -border * step;
  options.frame.width = (grid.columns - 1) * step;
  options.frame.height = (grid.rows - 1) * step;
  options.frame.orient = [&to_device, zoom](double& x, double& y) {
    Point p = to_device(zoom.first_row + y, zoom.first_column + x);
    x = p.x;
    y = p.y;
  };
  return options;
}

}  // namespace

bool DrawContourPlot(Canvas& canvas, const GridToDevice& to_device, const HorizonGrid& grid,
                     const MapZoom& zoom, ColourBar& bar, const HorizonPlotSettings& settings,
                     LabelSpace& labels, Progress& progress, Prompter& prompter) {
  const std::vector<int> thresholds = Thresholds(bar);
  const std::vector<int> ascending(thresholds.rbegin(), thresholds.rend());
  const int count = static_cast<int>(thresholds.size());
  const DeviceInfo device = canvas.Device();
  const int step = settings.decimate + 1;
  const HorizonGrid thinned = DecimateGrid(grid, settings.decimate);
  if (thinned.rows < 2 || thinned.columns < 2) return true;
  std::vector<Rgb> band_colours(bar.colours.begin(), bar.colours.begin() + count + 1);
  ContourPainter painter(canvas, {}, band_colours, settings.classes,
                         Trunc32(settings.label_inches * device.ppi_y),
                         kLabelSpacingInches * device.ppi_x);
  painter.UseLabelSpace(&labels);
  if (settings.type == HorizonPlotType::Contour) {
    // Lowest level first, so that each higher area is painted over the lower.
    std::vector<Rgb> level_colours;
    for (int i = 0; i < count; ++i) level_colours.push_back(bar.colours[count - 1 - i]);
    ContourPainter filler(canvas, level_colours, {}, {}, 1, 0);
    // Values below the lowest level take the bar's last colour.
    FillCells(canvas, to_device, zoom, 0, grid.rows - 1, 0, grid.columns - 1, bar.colours[count]);
    const HorizonGrid bordered = LowBordered(thinned);
    ContourOptions options = FrameOptions(to_device, zoom, bordered, step, 2);
    if (DrawFilledContours(bordered, ascending, options, filler, progress, prompter) !=
        ContourError::None)
      return false;
    // The fills reach into the border and the holes: clear them.
    for (int r = 0; r < grid.rows; ++r)
      for (int c = 0; c < grid.columns; ++c) {
        if (grid.At(r, c) != HORIZON_NULL) continue;
        int end = c;
        while (end + 1 < grid.columns && grid.At(r, end + 1) == HORIZON_NULL) ++end;
        FillCells(canvas, to_device, zoom, r, r, c, end, kWhite);
        c = end;
      }
    const double rows = grid.rows, columns = grid.columns, b = 2.0 * step;
    FillCells(canvas, to_device, zoom, -b, -1, -b, columns - 1 + b, kWhite);
    FillCells(canvas, to_device, zoom, rows, rows - 1 + b, -b, columns - 1 + b, kWhite);
    FillCells(canvas, to_device, zoom, 0, rows - 1, -b, -1, kWhite);
    FillCells(canvas, to_device, zoom, 0, rows - 1, columns, columns - 1 + b, kWhite);
  } else {
    ContourOptions options = FrameOptions(to_device, zoom, thinned, step, 0);
    // Cells with null corners are left out.
    HorizonGrid low = thinned;
    std::replace(low.cells.begin(), low.cells.end(), HORIZON_NULL, std::int16_t{-32768});
    DrawCellContours(low, thresholds, options, painter, progress);
  }
  const bool any_class = std::any_of(settings.classes.begin(), settings.classes.end(),
                                     [](const ContourLineClass& k) { return k.every != 0; });
  if (!any_class) return true;
  ContourOptions options = FrameOptions(to_device, zoom, thinned, step, 0);
  options.fill = false;
  options.classes = settings.classes;
  options.smoothing = settings.contour_curve;
  // Lowest level first here too: its line, round nearly all the data, becomes
  // the outline that labels must lie in.
  // Levels of no class draw nothing in the line pass: leave them out.
  std::vector<int> lined;
  std::copy_if(ascending.begin(), ascending.end(), std::back_inserter(lined),
               [&](int level) { return LineClassOf(level, settings.classes) != 0; });
  return DrawFilledContours(thinned, lined, options, painter, progress, prompter) ==
         ContourError::None;
}

namespace {

Pen PenOf(const LineStyle& style) {
  return {style.style, style.width, style.colour};
}

// A unit vector on the page along increasing rows or columns.
Point PageDirection(const PlotTransform& transform, bool along_rows) {
  Point a = transform.ToDevice(0, 0);
  Point b = along_rows ? transform.ToDevice(1, 0) : transform.ToDevice(0, 1);
  double length = std::hypot(b.x - a.x, b.y - a.y);
  return length > 0 ? Point{(b.x - a.x) / length, (b.y - a.y) / length} : Point{0, 1};
}

// The label increment actually used along one edge: the set increment, or
// the first of 2, 5, 10, 20, 50, ... times it at which neighbouring labels
// (each `extent` long along the edge, plus a gap of half the text height)
// stay apart. `per_number` is the device distance between consecutive line
// or trace numbers along the edge.
int SpacedLabelIncrement(int increment, double per_number, double extent, double height) {
  if (increment <= 0 || !(per_number > 0)) return increment;
  const double needed = extent + height / 2;
  static constexpr int kSteps[] = {1, 2, 5};
  for (long long decade = 1; decade < 1000000000LL; decade *= 10)
    for (int step : kSteps) {
      long long every = increment * step * decade;
      if (every * per_number >= needed || every > 1000000000LL) return static_cast<int>(every);
    }
  return increment;
}

// The extent along an edge running in `direction` of a horizontal label box.
double ExtentAlong(Point direction, double width, double height) {
  return std::abs(direction.x) * width + std::abs(direction.y) * height;
}

bool IsMultiple(int number, int every) {
  return every > 0 && number % every == 0;
}

void DrawGridLines(Canvas& canvas, const PlotTransform& transform, const SurveyHeader& header,
                   const MapZoom& zoom, const HorizonPlotSettings& settings) {
  const DeviceInfo device = canvas.Device();
  const double r0 = zoom.first_row - 0.5, r1 = zoom.last_row + 0.5;
  const double c0 = zoom.first_column - 0.5, c1 = zoom.last_column + 0.5;
  if (settings.grid_lines || settings.grid_circles) {
    canvas.SetPen(PenOf(settings.grid_style));
    canvas.SetBrush(kNullBrush);
    const double radius = 0.04 * device.ppi_x;
    for (int r = zoom.first_row; r <= zoom.last_row; ++r) {
      if (!IsMultiple(header.LineNumber(r), settings.grid_line_increment)) continue;
      if (settings.grid_lines) canvas.Line(transform.ToDevice(r, c0), transform.ToDevice(r, c1));
      if (!settings.grid_circles) continue;
      for (int c = zoom.first_column; c <= zoom.last_column; ++c)
        if (IsMultiple(header.TraceNumber(c), settings.grid_trace_increment)) {
          Point p = transform.ToDevice(r, c);
          canvas.Ellipse({p.x - radius, p.y - radius, p.x + radius, p.y + radius});
        }
    }
    if (settings.grid_lines)
      for (int c = zoom.first_column; c <= zoom.last_column; ++c)
        if (IsMultiple(header.TraceNumber(c), settings.grid_trace_increment))
          canvas.Line(transform.ToDevice(r0, c), transform.ToDevice(r1, c));
  }
}

// Line numbers along the two edges where lines end, trace numbers along the
// other two.
void DrawEdgeLabels(Canvas& canvas, const PlotTransform& transform, const SurveyHeader& header,
                    const MapZoom& zoom, const HorizonPlotSettings& settings) {
  const DeviceInfo device = canvas.Device();
  const double r0 = zoom.first_row - 0.5, r1 = zoom.last_row + 0.5;
  const double c0 = zoom.first_column - 0.5, c1 = zoom.last_column + 0.5;
  const int height = std::max(6, Trunc32(settings.label_inches * device.ppi_y));
  canvas.SetFont({"Arial", height, 400, 0});
  canvas.SetTextColour(kBlack);
  const double gap = 0.25 * device.ppi_x;
  const Point down_rows = PageDirection(transform, true);
  const Point along_columns = PageDirection(transform, false);
  auto label = [&](Point edge, Point outward, const std::string& text) {
    canvas.Text({edge.x + outward.x * gap, edge.y + outward.y * gap + height / 3.0}, text,
                kAlignCentre | kAlignBaseline);
  };
  // Labels of neighbouring lines (traces) never touch: the increment grows
  // until the widest number fits between them.
  auto widest = [&](int a, int b) {
    return std::max(canvas.TextWidth(FormatText("%d", a)), canvas.TextWidth(FormatText("%d", b)));
  };
  auto per_number = [](Point a, Point b, double numbers) {
    return numbers > 0 ? std::hypot(b.x - a.x, b.y - a.y) / numbers : 0.0;
  };
  const int line_every = SpacedLabelIncrement(
      settings.label_line_increment,
      per_number(transform.ToDevice(0, c0), transform.ToDevice(1, c0), header.line_increment),
      ExtentAlong(down_rows, widest(header.first_line, header.last_line), height), height);
  const int trace_every = SpacedLabelIncrement(
      settings.label_trace_increment,
      per_number(transform.ToDevice(r0, 0), transform.ToDevice(r0, 1), header.trace_increment),
      ExtentAlong(along_columns, widest(header.first_trace, header.last_trace), height), height);
  for (int r = zoom.first_row; r <= zoom.last_row; ++r) {
    const int number = header.LineNumber(r);
    if (!IsMultiple(number, line_every)) continue;
    const std::string text = FormatText("%d", number);
    label(transform.ToDevice(r, c0), {-along_columns.x, -along_columns.y}, text);
    label(transform.ToDevice(r, c1), along_columns, text);
  }
  for (int c = zoom.first_column; c <= zoom.last_column; ++c) {
    const int number = header.TraceNumber(c);
    if (!IsMultiple(number, trace_every)) continue;
    const std::string text = FormatText("%d", number);
    label(transform.ToDevice(r0, c), {-down_rows.x, -down_rows.y}, text);
    label(transform.ToDevice(r1, c), down_rows, text);
  }
}

void DrawGridAndLabels(Canvas& canvas, const PlotTransform& transform, const SurveyHeader& header,
                       const MapZoom& zoom, const HorizonPlotSettings& settings) {
  DrawGridLines(canvas, transform, header, zoom, settings);
  if (settings.label_traces_lines) DrawEdgeLabels(canvas, transform, header, zoom, settings);
}

// The wells of a group as posted on this plot, each with the plotted grid's
// value under it.
WellGroupPost WithMapValues(const WellGroupPost& group, const HorizonGrid& grid,
                            const MapZoom& zoom) {
  WellGroupPost out = group;
  for (PostedWell& well : out.wells) {
    const int r = static_cast<int>(std::lround(well.line_row)) - zoom.first_row;
    const int c = static_cast<int>(std::lround(well.trace_column)) - zoom.first_column;
    if (r >= 0 && r < grid.rows && c >= 0 && c < grid.columns && grid.At(r, c) != HORIZON_NULL)
      well.map_value = grid.At(r, c);
  }
  return out;
}

// A line's name written upright beside a point of it, in the first free
// place above, below, right or left of the point; left out when none is free.
void DrawLineName(Canvas& canvas, LabelSpace& labels, Point at, const std::string& name, Rgb colour,
                  int height) {
  if (name.empty()) return;
  canvas.SetFont({"Arial", height, 400, 0});
  const double width = canvas.TextWidth(name), gap = height * 0.4;
  const Point centres[] = {{at.x, at.y - gap - height / 2.0},
                           {at.x, at.y + gap + height / 2.0},
                           {at.x + gap + width / 2, at.y},
                           {at.x - gap - width / 2, at.y}};
  for (const Point& centre : centres)
    if (labels.Take(LabelSpace::Turned(centre, width, height, 0), height * 0.2)) {
      canvas.SetTextColour(colour);
      canvas.Text({centre.x, centre.y + height / 2.0}, name, kAlignCentre | kAlignBottom);
      return;
    }
}

void DrawOverlays(Canvas& canvas, const PlotTransform& transform,
                  const HorizonPlotSettings& settings, const HorizonPlotData& data,
                  const HorizonGrid& plotted, LabelSpace& labels) {
  OverlayPlacer place;
  place.grid = [&transform](double row, double column) { return transform.ToDevice(row, column); };
  if (data.placement->HasXy())
    place.world = [&transform](double x, double y) { return transform.WorldToDevice(x, y); };
  const int other_smooth = static_cast<int>(settings.other_curve);
  // A fault is drawn where it cuts the horizon's times, or nearest them.
  const HorizonGrid& times = data.times ? *data.times : *data.grid;
  const int name_height = std::max(6, Trunc32(settings.label_inches * canvas.Device().ppi_y));
  // Each line is named once, at the middle of its longest piece.
  auto name_line = [&](const std::vector<GridPolyline>& pieces, const std::string& name,
                       Rgb colour) {
    const GridPolyline* longest = nullptr;
    for (const GridPolyline& piece : pieces)
      if (!longest || piece.points.size() > longest->points.size()) longest = &piece;
    if (!longest || longest->points.empty()) return;
    const auto [row, column] = longest->points[longest->points.size() / 2];
    DrawLineName(canvas, labels, transform.ToDevice(row, column), name, colour, name_height);
  };
  for (std::size_t k = 0; k < data.faults.size(); ++k) {
    const std::vector<GridPolyline> cuts = FaultMapLines(times, data.faults[k], data.zoom);
    DrawGridPolylines(canvas, place, cuts, settings.fault_style, other_smooth);
    if (settings.label_faults && k < data.fault_names.size())
      name_line(cuts, data.fault_names[k], settings.fault_style.colour);
  }
  if (settings.plot_polyfaults) {
    canvas.SetPen(PenOf(settings.fault_style));
    canvas.SetBrush(kNullBrush);
    for (const GridPolyline& outline : data.poly_faults) {
      std::vector<Point> polygon;
      for (const auto& [row, column] : outline.points)
        polygon.push_back(transform.ToDevice(row, column));
      if (polygon.size() >= 3) canvas.Polygon(polygon);
    }
    std::vector<Point> open;
    for (const auto& [row, column] : data.poly_fault_open.points)
      open.push_back(transform.ToDevice(row, column));
    if (open.size() >= 2) canvas.Polyline(open);
  }
  DrawGridPolylines(canvas, place, data.arbitrary_lines, settings.arbitrary_style, other_smooth);
  if (settings.label_arbitrary_lines)
    for (std::size_t k = 0; k < data.arbitrary_lines.size() && k < data.arbitrary_names.size(); ++k)
      name_line({data.arbitrary_lines[k]}, data.arbitrary_names[k],
                settings.arbitrary_style.colour);
  // Culture first: its texts stand where the drawing puts them, and the well
  // labels find room beside them; the wells lie on top.
  if (settings.plot_dxf && !data.culture.empty() && place.world) {
    const WorldWindow window =
        ZoomWorldWindow(*data.header, *data.placement, data.zoom, settings.dxf_margin_feet);
    for (const CultureDrawing& culture : data.culture)
      DrawCulture(canvas, place, culture, settings.culture, window, transform.DataRect(),
                  transform.UnitsPerFootX(), &labels);
  }
  for (const WellGroupPost& group : data.wells)
    DrawWells(canvas, place, WithMapValues(group, plotted, data.zoom), settings.well_options,
              &labels);
}

void DrawTitleLines(Canvas& canvas, Rect band, const std::vector<std::string>& lines) {
  const DeviceInfo device = canvas.Device();
  const double line_height = kTitleLineHeight * device.ppi_y;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    canvas.SetFont({"Arial", Trunc32(line_height * (i == 0 ? 0.6 : 0.5)), i == 0 ? 700 : 400, 0});
    canvas.SetTextColour(kBlack);
    canvas.Text({band.left, band.top + line_height * (static_cast<double>(i) + 0.8)}, lines[i],
                kAlignLeft | kAlignBaseline);
  }
}

}  // namespace

HorizonGrid PreparePlotGrid(const HorizonGrid& grid, const MapZoom& zoom, bool fill_holes,
                            DataSmoothing smoothing) {
  HorizonGrid out(zoom.Rows(), zoom.Columns());
  for (int r = 0; r < out.rows; ++r)
    std::copy(grid.Row(zoom.first_row + r) + zoom.first_column,
              grid.Row(zoom.first_row + r) + zoom.last_column + 1, out.Row(r));
  if (fill_holes) out = FillHoles(out);
  if (smoothing == DataSmoothing::Light) out = LightSmooth(out);
  if (smoothing == DataSmoothing::Heavy) out = HeavySmooth(out);
  return out;
}

std::vector<std::string> HorizonPlotTitle(const HorizonPlotData& data,
                                          const HorizonPlotSettings& settings, int scale) {
  const char* first = data.amplitude
                          ? "Amplitude Plot   %s   File %s   %s   %s   Scale 1 in = %d ft"
                          : "Horizon Plot   %s   File %s   %s   %s   Scale 1 in = %d ft";
  const SurveyHeader& h = *data.header;
  const std::string area =
      FormatText("Lines %d-%d  Traces %d-%d", h.LineNumber(data.zoom.first_row),
                 h.LineNumber(data.zoom.last_row), h.TraceNumber(data.zoom.first_column),
                 h.TraceNumber(data.zoom.last_column));
  return {FormatText(first, data.plot_name.c_str(), data.file_name.c_str(), data.date.c_str(),
                     data.time.c_str(), scale),
          FormatText("%s   %s   %s", settings.comment1.c_str(), settings.comment2.c_str(),
                     area.c_str()),
          FormatText("Color %s    %s    %s", data.colour_name.c_str(),
                     FormatText("Min %d", data.bar.min_value).c_str(),
                     FormatText("Max %d", data.bar.max_value).c_str())};
}

Point HorizonPlotPageSize(const HorizonPlotSettings& settings, const HorizonPlotData& data,
                          double ppi_x, double ppi_y, Point fit) {
  if (settings.scale_feet_per_inch <= 0 || settings.type == HorizonPlotType::Surface ||
      !data.header || !data.placement || data.zoom.Empty())
    return fit;
  const PlotTransform transform(*data.header, *data.placement, data.zoom, settings.in_xy);
  double width = transform.WidthFeet() / settings.scale_feet_per_inch * ppi_x + 2 * kMargin * ppi_x;
  double height =
      transform.HeightFeet() / settings.scale_feet_per_inch * ppi_y + 2 * kMargin * ppi_y;
  if (settings.palette) width += (kPaletteWidth + 0.2) * ppi_x;
  if (settings.title) height += (3 * kTitleLineHeight + 0.2) * ppi_y;
  // Never smaller than the fit size: the title and colour bar keep their room.
  return {std::clamp(width, fit.x, std::max(fit.x, kMaxPlotPageUnits)),
          std::clamp(height, fit.y, std::max(fit.y, kMaxPlotPageUnits))};
}

ColourBar GainedColourBar(const ColourBar& bar, int colour_gain) {
  ColourBar gained = bar;
  const int gain = std::clamp(colour_gain, 1, 15);
  if (gain == 1) return gained;
  for (std::int16_t& threshold : gained.thresholds)
    threshold = static_cast<std::int16_t>(threshold / gain);
  gained.max_value = static_cast<std::int16_t>(bar.max_value / gain);
  gained.min_value = static_cast<std::int16_t>(bar.min_value / gain);
  gained.increment = static_cast<std::uint16_t>(bar.increment / gain);
  return gained;
}

HorizonPlotResult DrawHorizonPlot(Canvas& canvas, Rect page, const HorizonPlotSettings& settings,
                                  HorizonPlotData& data, Progress& progress, Prompter& prompter) {
  HorizonPlotResult result;
  const SurveyHeader& header = *data.header;
  const MapZoom& zoom = data.zoom;
  if (!data.grid || zoom.Empty() || zoom.first_row < 0 || zoom.first_column < 0 ||
      zoom.last_row >= data.grid->rows || zoom.last_column >= data.grid->columns)
    return result;
  const DeviceInfo device = canvas.Device();
  const double px = device.ppi_x, py = device.ppi_y;
  Rect area{page.left + kMargin * px, page.top + kMargin * py, page.right - kMargin * px,
            page.bottom - kMargin * py};
  const int title_lines = settings.title ? 3 : 0;
  Rect title_band{area.left, area.bottom - title_lines * kTitleLineHeight * py, area.right,
                  area.bottom};
  area.bottom = title_band.top - (settings.title ? 0.2 * py : 0);
  Rect palette_band{area.right - kPaletteWidth * px, area.top, area.right, area.bottom};
  if (settings.palette) area.right = palette_band.left - 0.2 * px;
  if (area.Width() <= 0 || area.Height() <= 0) return result;
  UsableBandCount(data.bar);  // a bar without bands becomes the default bar
  ColourBar bar = data.amplitude ? GainedColourBar(data.bar, settings.colour_gain) : data.bar;

  HorizonGrid grid = PreparePlotGrid(*data.grid, zoom, settings.fill_holes, settings.smoothing);
  PlotTransform transform(header, *data.placement, zoom, settings.in_xy);
  result.scale_feet_per_inch = settings.scale_feet_per_inch > 0 ? settings.scale_feet_per_inch
                                                                : transform.FitScale(area, px, py);
  transform.Place(area, result.scale_feet_per_inch, px, py);
  result.data_rect = settings.type == HorizonPlotType::Surface ? area : transform.DataRect();
  result.frame = transform.Frame();

  bool complete = true;
  LabelSpace labels;
  if (settings.type == HorizonPlotType::Surface) {
    SurfaceGeometry geometry;
    geometry.column_feet = std::fabs(header.trace_spacing * header.trace_increment);
    geometry.row_feet = std::fabs(header.line_spacing * header.line_increment);
    if (geometry.column_feet <= 0) geometry.column_feet = 1;
    if (geometry.row_feet <= 0) geometry.row_feet = 1;
    geometry.values_up = data.amplitude;
    geometry.first_line = header.LineNumber(zoom.first_row);
    geometry.first_trace = header.TraceNumber(zoom.first_column);
    geometry.line_step = header.LineNumber(1) - header.LineNumber(0);
    geometry.trace_step = header.TraceNumber(1) - header.TraceNumber(0);
    DrawSurfaceView(canvas, area, DecimateGrid(grid, settings.decimate), bar, geometry,
                    settings.camera);
  } else {
    if (settings.type == HorizonPlotType::Horizon)
      DrawCellRaster(canvas, transform, grid, zoom, bar, settings.decimate);
    else
      complete = DrawContourPlot(
          canvas, [&transform](double r, double c) { return transform.ToDevice(r, c); }, grid, zoom,
          bar, settings, labels, progress, prompter);
    if (complete) {
      DrawGridAndLabels(canvas, transform, header, zoom, settings);
      DrawOverlays(canvas, transform, settings, data, grid, labels);
    }
  }
  if (settings.palette) {
    const int count = UsableBandCount(bar);
    Rect legend = palette_band;
    legend.bottom = std::min(legend.bottom, legend.top + count * 0.25 * py);
    DrawColourLegend(canvas, bar, legend, false, std::max(6, Trunc32(0.1 * py)));
  }
  if (settings.title)
    DrawTitleLines(canvas, title_band,
                   HorizonPlotTitle(data, settings, result.scale_feet_per_inch));
  result.drawn = complete;
  return result;
}

}  // namespace quarrix
