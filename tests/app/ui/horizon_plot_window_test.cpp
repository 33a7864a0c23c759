// The presentation horizon plot on the demo survey, driven without a person:
// opening the horizon, the property pages against plot-map, printed and saved
// output, poly faults digitised with clicks, and the 3-D view turned by a drag.
#include "map/ui/horizon_plot_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QTest>
#include <QWheelEvent>
#include <cstring>
#include <filesystem>
#include <sstream>

#include "app/main_commands.h"
#include "app/plot_map_readers.h"
#include "app/ui/main_frame.h"
#include "exchange/demo_culture.h"
#include "fault/demo_fault.h"
#include "fault/poly_fault_outlines.h"
#include "horizon/demo_interpretation.h"
#include "loader/demo_survey.h"
#include "map/plot_map_command.h"
#include "map/ui/colour_button.h"
#include "map/ui/horizon_values_window.h"
#include "platform/atomic_file.h"
#include "platform/progress.h"
#include "platform/recording_canvas.h"
#include "platform/scripted_prompter.h"
#include "platform/ui/command_host.h"
#include "platform/ui/plot_view.h"
#include "platform/ui/qt_plot_writer.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

using namespace horizon_plot_command;
using testing::ReadFileBytes;

int DemoWithCulture(const std::string& header, std::ostream& out, std::ostream& err) {
  if (int status = AddDemoInterpretation(header, out, err)) return status;
  if (!AddDemoFault(header, out, err)) return 1;
  return AddDemoCulture(header, out, err);
}

// One small demo survey for every test: 60 in-lines of 80 traces.
const std::string& DemoHeader() {
  static testing::TempFolder folder;
  static const std::string header = [] {
    std::ostringstream out, err;
    EXPECT_EQ(RunDemoCommand({folder.path(), "--lines", "60", "--traces", "80", "--samples", "251"},
                             out, err, DemoWithCulture),
              0)
        << err.str();
    return folder.File("demo/demo.hdr");
  }();
  return header;
}

std::string ProjectFile(const std::string& name) {
  return (std::filesystem::path(DemoHeader()).parent_path() / name).string();
}

// Pixels of one colour in an image.
int CountColour(const QImage& image, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
  return n;
}

bool HasTool(const char* name) {
  return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

// How far two drawings of one plot differ, judged over blocks of 8 x 8
// pixels so that anti-aliased edges and text rasterised by another program
// do not count: the mean and the largest difference of a block's mean grey.
struct BlockDifference {
  double mean = 1e9, largest = 1e9;
};
BlockDifference CompareBlocks(const QImage& a, const QImage& b) {
  BlockDifference d;
  if (a.size() != b.size() || a.isNull()) return d;
  d.mean = d.largest = 0;
  int blocks = 0;
  for (int y0 = 0; y0 + 8 <= a.height(); y0 += 8)
    for (int x0 = 0; x0 + 8 <= a.width(); x0 += 8) {
      double sum = 0;
      for (int y = y0; y < y0 + 8; ++y)
        for (int x = x0; x < x0 + 8; ++x) sum += qGray(a.pixel(x, y)) - qGray(b.pixel(x, y));
      const double block = std::abs(sum / 64);
      d.mean += block, d.largest = std::max(d.largest, block), ++blocks;
    }
  d.mean /= std::max(1, blocks);
  return d;
}

class HorizonPlotWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
    frame = std::make_unique<MainFrame>(session, &prompter);
    ASSERT_TRUE(frame->OpenProjectFile(QString::fromStdString(DemoHeader())));
    frame->Dispatch(command::kHorizonPlot);
    window = frame->horizon_plot();
    ASSERT_NE(window, nullptr);
    window->resize(900, 640);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    // "Sel Horizon Files": the demo horizon from the time list.
    window->run_dialog = [](QDialog& dialog) {
      auto& select = dynamic_cast<SelectHorizonDialog&>(dialog);
      auto found = select.times()->findItems("demo_top.hor", Qt::MatchExactly);
      if (found.isEmpty()) return false;
      found.front()->setSelected(true);
      return true;
    };
    Run(kOpenHorizon);
  }
  void Run(int id) {
    window->Dispatch(id);
    window->view()->RedrawNow();
  }
  const PlotGridFrame& Frame() {
    const auto* frame_of_plot = std::any_cast<PlotGridFrame>(&window->view()->geometry());
    static PlotGridFrame none;
    EXPECT_NE(frame_of_plot, nullptr);
    return frame_of_plot ? *frame_of_plot : none;
  }
  void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons buttons,
             Qt::KeyboardModifiers keys = Qt::NoModifier) {
    QMouseEvent event(type, at, window->view()->viewport()->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, keys);
    QApplication::sendEvent(window->view()->viewport(), &event);
  }
  QPoint WidgetPoint(Point p) { return {qRound(p.x), qRound(p.y)}; }

  testing::TempFolder folder;
  Session session;
  ScriptedPrompter prompter;
  std::unique_ptr<MainFrame> frame;
  HorizonPlotWindow* window = nullptr;
};

TEST_F(HorizonPlotWindowTest, OpensTheHorizonWithItsColourBar) {
  ASSERT_TRUE(window->state().HasPlot());
  EXPECT_TRUE(window->windowTitle().endsWith("demo_top.hor"));
  EXPECT_EQ(window->status()->text(), "Horizon Plot Complete");
  const QImage& image = window->view()->image();
  ASSERT_FALSE(image.isNull());
  // The bar's band colours fill the cells and the legend.
  ColourBar bar = window->state().document->data.bar;
  std::vector<Rgb> palette = CreateBarPalette(bar);
  int bands_seen = 0;
  for (int k = 0; k < bar.count; ++k)
    bands_seen += CountColour(image, qRgb(palette[k].r, palette[k].g, palette[k].b)) > 0;
  EXPECT_GT(bands_seen, bar.count / 2);
  // The legend sits right of the cells.
  const Point right_edge = Frame().ToDevice(30, 79.5);
  int legend = 0;
  for (int x = qRound(right_edge.x) + 30; x < image.width(); ++x)
    legend += image.pixel(x, image.height() / 3) != qRgb(255, 255, 255);
  EXPECT_GT(legend, 20);
  EXPECT_FALSE(window->commands().action(kSavePolyFault)->isEnabled());

  // "Horizon Values" shows the same grid as a table: line 1001 in row 1, the
  // traces across under their numbers, nulls empty.
  Run(kHorizonValues);
  auto* values = window->findChild<HorizonValuesWindow*>();
  ASSERT_NE(values, nullptr);
  EXPECT_FALSE(values->isModal());
  const HorizonPlotDocument& doc = *window->state().document;
  EXPECT_EQ(values->grid()->CellText(1, 1), "1001");
  EXPECT_EQ(values->grid()->model()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(),
            "2002");
  for (int column : {0, 37, 79}) {
    const std::int16_t cell = doc.grid.At(5, column);
    EXPECT_EQ(values->grid()->CellText(6, column + 2).toStdString(),
              cell == HORIZON_NULL ? "" : std::to_string(cell));
  }
}

TEST_F(HorizonPlotWindowTest, PropertyPagesDrawAsPlotMapWithTheSameOptions) {
  window->run_dialog = [](QDialog& dialog) {
    auto& sheet = dynamic_cast<HorizonPropertiesDialog&>(dialog);
    sheet.option("Plot Grid Lines")->setChecked(true);
    sheet.option("Print Title")->setChecked(false);
    sheet.plot_type()->setCurrentText("Contour");
    sheet.contour_every(0)->setValue(4);
    sheet.contour_every(1)->setValue(0);
    sheet.contour_every(2)->setValue(20);
    return true;
  };
  window->state().settings.scale_feet_per_inch = 1000;  // the sheet's Scale page keeps it
  Run(kOptions);
  prompter.QueueFile(folder.File("window.bmp"));
  Run(kSaveBitmap);
  const QImage shown = window->view()->image();
  const double inches_x = shown.width() / 96.0, inches_y = shown.height() / 96.0;
  QtPlotWriter writer;
  std::ostringstream out, err;
  std::ostringstream page_text;
  page_text.precision(17);  // the very same page, not one rounded to microinches
  page_text << inches_x << ',' << inches_y;
  const std::string page = page_text.str();
  ASSERT_EQ(RunPlotMap({DemoHeader(), ProjectFile("demo_top.hor"), "--type", "contour", "--scale",
                        "1000", "--labels", "--grid-lines", "--contours", "4,0,20", "--page", page,
                        "--dpi", "96", "--out", folder.File("batch.bmp")},
                       out, err, &writer, ProgramPlotMapReaders()),
            0)
      << err.str();
  QImage saved(QString::fromStdString(folder.File("window.bmp")));
  QImage batch(QString::fromStdString(folder.File("batch.bmp")));
  ASSERT_FALSE(saved.isNull());
  ASSERT_EQ(saved.size(), batch.size());
  int differ = 0;
  for (int y = 0; y < saved.height(); ++y)
    for (int x = 0; x < saved.width(); ++x) differ += saved.pixel(x, y) != batch.pixel(x, y);
  EXPECT_EQ(differ, 0) << "window and plot-map agree";
  // The grid lines changed the drawing.
  EXPECT_GT(CountColour(shown, qRgb(96, 96, 96)), 200);
}

TEST_F(HorizonPlotWindowTest, AttributesFilesAndDxfPagesDrawAsPlotMapWithTheSameOptions) {
  window->run_dialog = [](QDialog& dialog) {
    if (auto* files = dynamic_cast<SelectFilesDialog*>(&dialog)) {
      // The single wells: they are posted in the plot's own well attributes.
      for (int k = 0; k < files->wells()->count(); ++k)
        files->wells()->item(k)->setSelected(files->wells()->item(k)->text().endsWith(".wll"));
      files->faults()->selectAll();
      files->well_box("Title")->setChecked(true);
      files->well_box("Map Value")->setChecked(true);
      files->label_faults()->setChecked(true);
      return true;
    }
    auto& sheet = dynamic_cast<HorizonPropertiesDialog&>(dialog);
    sheet.option("Print Title")->setChecked(false);
    sheet.plot_type()->setCurrentText("Contour");
    sheet.line_style(0)->setCurrentText("Dash");
    sheet.line_colour(0)->SetColour({255, 0, 0});
    sheet.thickness(0)->setValue(2);
    sheet.line_colour(5)->SetColour({0, 200, 0});
    sheet.thickness(5)->setValue(3);
    sheet.well_colour(0)->SetColour({0, 0, 255});
    sheet.well_colour(1)->SetColour({128, 0, 128});
    sheet.erase_background(1)->setChecked(true);
    sheet.dxf_line_colour()->SetColour({255, 128, 0});
    sheet.dxf_line_width()->setValue(2);
    return true;
  };
  window->state().settings.scale_feet_per_inch = 1000;
  Run(kOpenOther);
  prompter.QueueFile(ProjectFile("culture.dxf"));
  Run(kImportDxf);
  Run(kOptions);
  prompter.QueueFile(folder.File("window.bmp"));
  Run(kSaveBitmap);
  const QImage shown = window->view()->image();
  const HorizonPlotRequest& request = window->state().document->request;
  auto joined = [](const std::vector<std::string>& paths) {
    std::string list;
    for (const std::string& path : paths) list += (list.empty() ? "" : ",") + path;
    return list;
  };
  std::ostringstream page_text;
  page_text.precision(17);
  page_text << shown.width() / 96.0 << ',' << shown.height() / 96.0;
  QtPlotWriter writer;
  std::ostringstream out, err;
  ASSERT_EQ(RunPlotMap({DemoHeader(),
                        ProjectFile("demo_top.hor"),
                        "--type",
                        "contour",
                        "--scale",
                        "1000",
                        "--labels",
                        "--wells",
                        joined(request.wells),
                        "--faults",
                        joined(request.faults),
                        "--dxf",
                        joined(request.dxf),
                        "--line",
                        "contour1=dash,ff0000,2",
                        "--line",
                        "fault=solid,00c800,3",
                        "--well-colours",
                        "0000ff,800080",
                        "--erase-background",
                        "label",
                        "--well-labels",
                        "name,title,value",
                        "--label-faults",
                        "--dxf-line",
                        "solid,ff8000,2",
                        "--page",
                        page_text.str(),
                        "--dpi",
                        "96",
                        "--out",
                        folder.File("batch.bmp")},
                       out, err, &writer, ProgramPlotMapReaders()),
            0)
      << err.str();
  QImage saved(QString::fromStdString(folder.File("window.bmp")));
  QImage batch(QString::fromStdString(folder.File("batch.bmp")));
  ASSERT_EQ(saved.size(), batch.size());
  int differ = 0;
  for (int y = 0; y < saved.height(); ++y)
    for (int x = 0; x < saved.width(); ++x) differ += saved.pixel(x, y) != batch.pixel(x, y);
  EXPECT_EQ(differ, 0) << "window and plot-map agree";
  // Each page changed the drawing: the fault, the contour class, the wells,
  // the culture.
  EXPECT_GT(CountColour(shown, qRgb(0, 200, 0)), 60) << "the fault where it cuts the horizon";
  EXPECT_GT(CountColour(shown, qRgb(255, 0, 0)), 100) << "contour 1 lines";
  EXPECT_GT(CountColour(shown, qRgb(0, 0, 255)), 10) << "well symbols";
  EXPECT_GT(CountColour(shown, qRgb(128, 0, 128)), 10) << "well labels";
  EXPECT_GT(CountColour(shown, qRgb(255, 128, 0)), 50) << "DXF lines";
  // The pages' choices outlive the window in the settings.
  window->close();
  EXPECT_EQ(session.settings.linecolor[5], 0 | 200 << 8);
  EXPECT_EQ(session.settings.linestyle[0], 1);
  EXPECT_EQ(session.settings.wellcolor, 255 << 16);
  EXPECT_EQ(session.settings.overlay_line_color, 255 | 128 << 8);
}

TEST_F(HorizonPlotWindowTest, PrintsToPdfAndSavesAMetafileOfWhatIsShown) {
  window->run_dialog = [](QDialog& dialog) {
    if (auto* files = dynamic_cast<SelectFilesDialog*>(&dialog)) files->faults()->selectAll();
    return true;
  };
  Run(kOpenOther);
  const QImage shown = window->view()->image().convertToFormat(QImage::Format_RGB32);
  const double inches_x = shown.width() / 96.0, inches_y = shown.height() / 96.0;

  prompter.QueueFile(folder.File("plot.wmf"));
  Run(kSaveMetafile);
  const std::string wmf = ReadFileBytes(folder.File("plot.wmf"));
  ASSERT_GT(wmf.size(), 1000u);
  EXPECT_EQ(wmf.substr(0, 4), std::string("\xD7\xCD\xC6\x9A", 4));
  EXPECT_NE(wmf.find("Horizon Plot   demo   File demo_top.hor"), std::string::npos);

  // Printed on a page of the plot's size at the screen's resolution, the PDF
  // rendered by pdftoppm is the picture on the screen.
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setResolution(96);
  printer.setPageMargins(QMarginsF(0, 0, 0, 0));
  printer.setPageSize(
      QPageSize(QSizeF(inches_x, inches_y), QPageSize::Inch, QString(), QPageSize::ExactMatch));
  printer.setOutputFileName(QString::fromStdString(folder.File("plot.pdf")));
  ASSERT_TRUE(window->PrintTo(printer, 2));
  const std::string pdf = ReadFileBytes(folder.File("plot.pdf"));
  EXPECT_EQ(pdf.substr(0, 4), "%PDF");
  if (HasTool("pdftoppm")) {
    ASSERT_EQ(std::system(("pdftoppm -r 96 -f 1 -l 1 -singlefile '" + folder.File("plot.pdf") +
                           "' '" + folder.File("printed") + "'")
                              .c_str()),
              0);
    QImage printed(QString::fromStdString(folder.File("printed.ppm")));
    ASSERT_FALSE(printed.isNull());
    printed =
        printed.convertToFormat(QImage::Format_RGB32).copy(0, 0, shown.width(), shown.height());
    const BlockDifference d = CompareBlocks(shown, printed);
    EXPECT_LT(d.mean, 3) << "the printed page is the screen's picture";
    EXPECT_LT(d.largest, 60);
  }
  // The metafile read by another program (wmf2svg, which draws at its own
  // size, trimmed, in named colours) has the page's shape, every text of the
  // drawing and a polygon for each of its polygons.
  if (HasTool("wmf2svg")) {
    ASSERT_EQ(std::system(("wmf2svg -o '" + folder.File("plot.svg") + "' '" +
                           folder.File("plot.wmf") + "' 2>/dev/null")
                              .c_str()),
              0);
    const std::string svg = ReadFileBytes(folder.File("plot.svg"));
    QSvgRenderer renderer(QByteArray::fromStdString(svg));
    ASSERT_TRUE(renderer.isValid());
    const QSizeF size = renderer.defaultSize();
    const double scale = shown.width() / size.width();
    EXPECT_NEAR(shown.height() / size.height(), scale, 0.02 * scale) << "the page's shape";
    EXPECT_NE(svg.find("Horizon Plot   demo   File demo_top.hor"), std::string::npos);
    // Every text of the drawing, and a polygon for every run of cells.
    RecordingCanvas recorded({96, 96, false, false});
    NullProgress none;
    DrawHorizonPlotDocument(recorded, {0, 0, double(shown.width()), double(shown.height())},
                            window->state().settings, *window->state().document, none, prompter);
    for (const std::string& text : recorded.Texts())
      EXPECT_NE(svg.find(">" + text + "<"), std::string::npos) << text;
    std::size_t polygons = 0;
    for (std::size_t at = svg.find("<polygon"); at != std::string::npos;
         at = svg.find("<polygon", at + 1))
      ++polygons;
    EXPECT_GE(polygons, recorded.OfKind(PrimitiveKind::Polygon).size());
  }
}

TEST_F(HorizonPlotWindowTest, APolyFaultDigitisedWithClicksIsSavedReadBackAndDrawn) {
  const std::string flp = ProjectFile("demo_top.flp");
  std::filesystem::remove(flp);
  Run(kCreatePolyFault);
  const PlotGridFrame frame = Frame();
  const std::pair<double, double> corners[] = {{10, 10}, {10, 40}, {40, 40}, {40, 10}};
  for (auto [row, column] : corners) {
    const QPoint at = WidgetPoint(frame.ToDevice(row, column));
    Mouse(QEvent::MouseButtonPress, at, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, at, Qt::NoButton);
  }
  Mouse(QEvent::MouseButtonPress, WidgetPoint(frame.ToDevice(25, 25)), Qt::LeftButton,
        Qt::ControlModifier);
  ASSERT_EQ(window->state().poly_faults.closed.size(), 1u);
  EXPECT_TRUE(window->commands().action(kSavePolyFault)->isEnabled());
  Run(kSavePolyFault);
  std::vector<GridPolyline> back;
  std::string problem;
  ASSERT_TRUE(ReadPolyFaultOutlines(flp, back, problem)) << problem;
  ASSERT_EQ(back.size(), 1u);
  ASSERT_EQ(back[0].points.size(), 4u);
  // A pixel is a fraction of a cell at this scale.
  const double cell = std::hypot(frame.per_column.x, frame.per_column.y);
  for (std::size_t k = 0; k < 4; ++k) {
    EXPECT_NEAR(back[0].points[k].first, corners[k].first, 1.0 / cell + 0.02);
    EXPECT_NEAR(back[0].points[k].second, corners[k].second, 1.0 / cell + 0.02);
  }
  // Drawn in the fault colour along its edges, and again after "Show Poly Fault".
  window->view()->RedrawNow();
  EXPECT_GT(CountColour(window->view()->image(), qRgb(200, 0, 0)), 100);
  Run(kShowPolyFault);
  EXPECT_EQ(window->state().poly_faults.closed.size(), 1u);
  EXPECT_GT(CountColour(window->view()->image(), qRgb(200, 0, 0)), 100);
  std::filesystem::remove(flp);
  Run(kEditPolyFault);
  EXPECT_EQ(prompter.last_text(), "Cannot Open POLY FAULT File");
  EXPECT_TRUE(window->state().poly_faults.closed.empty());
}

TEST_F(HorizonPlotWindowTest, ABoxDraggedOnThePlanViewZoomsToIt) {
  const PlotGridFrame frame = Frame();
  Mouse(QEvent::MouseButtonPress, WidgetPoint(frame.ToDevice(9.6, 19.6)), Qt::LeftButton);
  Mouse(QEvent::MouseMove, WidgetPoint(frame.ToDevice(20, 30)), Qt::LeftButton);
  Mouse(QEvent::MouseMove, WidgetPoint(frame.ToDevice(30.4, 40.4)), Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, WidgetPoint(frame.ToDevice(30.4, 40.4)), Qt::NoButton);
  // A pixel is more than a cell at the demo's scale.
  const double slack = 1.0 / std::hypot(frame.per_column.x, frame.per_column.y) + 1;
  const MapZoom& zoom = window->state().document->data.zoom;
  EXPECT_NEAR(zoom.first_row, 10, slack);
  EXPECT_NEAR(zoom.last_row, 30, slack);
  EXPECT_NEAR(zoom.first_column, 20, slack);
  EXPECT_NEAR(zoom.last_column, 40, slack);
  EXPECT_NE(window->status()->text().indexOf("Zoomed to lines"), -1);
  // The next drawing is of the box: its corner cell moves to the plot's corner.
  window->view()->RedrawNow();
  const Point before = frame.ToDevice(10, 20), after = Frame().ToDevice(10, 20);
  EXPECT_GT(std::hypot(after.x - before.x, after.y - before.y), 5);
}

TEST_F(HorizonPlotWindowTest, DraggingTheSurfaceTurnsTheCameraAndTheSettingsKeepIt) {
  window->run_dialog = [](QDialog&) { return true; };
  Run(kSurface);
  ASSERT_TRUE(window->state().ShowsSurface());
  const SurfaceCamera start = window->state().settings.camera;
  Mouse(QEvent::MouseButtonPress, {300, 300}, Qt::LeftButton);
  Mouse(QEvent::MouseMove, {330, 290}, Qt::LeftButton);
  Mouse(QEvent::MouseMove, {360, 280}, Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, {360, 280}, Qt::NoButton);
  const SurfaceCamera& camera = window->state().settings.camera;
  EXPECT_DOUBLE_EQ(camera.azimuth, start.azimuth + 60 * kSurfaceDegreesPerUnit);
  EXPECT_DOUBLE_EQ(camera.elevation, start.elevation - 20 * kSurfaceDegreesPerUnit);
  QWheelEvent wheel(QPointF(300, 300), window->view()->viewport()->mapToGlobal(QPointF(300, 300)),
                    QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                    false);
  QApplication::sendEvent(window->view()->viewport(), &wheel);
  EXPECT_DOUBLE_EQ(camera.distance, start.distance * kSurfaceWheelFactor);
  EXPECT_NE(window->status()->text().indexOf("Azimuth"), -1);
  window->view()->RedrawNow();
  const double azimuth = camera.azimuth, elevation = camera.elevation;
  window->close();
  EXPECT_DOUBLE_EQ(session.settings.camazi, azimuth);
  EXPECT_DOUBLE_EQ(session.settings.camelev, elevation);
  EXPECT_DOUBLE_EQ(session.settings.camdist, start.distance * kSurfaceWheelFactor);
}

// Pictures of the composed map and of the 3-D view for people to look at (in
// $QUARRIX_SCREENSHOT_DIR, else the build's artefacts folder);
// tests/e2e/horizon_plot_screenshot.sh runs this under Xvfb.
TEST_F(HorizonPlotWindowTest, ScreenshotsOfTheComposedMapAndTheSurface) {
  window->resize(1000, 760);
  window->state().settings.scale_feet_per_inch = 0;  // fit the window
  window->run_dialog = [](QDialog& dialog) {
    if (auto* files = dynamic_cast<SelectFilesDialog*>(&dialog)) {
      for (QListWidget* list : {files->wells(), files->faults()}) list->selectAll();
      files->well_box("Title")->setChecked(true);
      files->label_faults()->setChecked(true);
      return true;
    }
    if (auto* sheet = dynamic_cast<HorizonPropertiesDialog*>(&dialog)) {
      sheet->option("Plot Grid Lines")->setChecked(true);
      sheet->plot_type()->setCurrentText("Contour");
      sheet->data_smoothing()->setCurrentText("Light");
      return true;
    }
    return true;  // the Surface dialog as it stands
  };
  Run(kOpenOther);
  prompter.QueueFile(ProjectFile("culture.dxf"));
  Run(kImportDxf);
  Run(kOptions);
  ASSERT_EQ(window->state().document->data.culture.size(), 1u);
  ASSERT_FALSE(window->state().document->data.wells.empty());
  ASSERT_FALSE(window->state().document->data.faults.empty());
  // Each well is posted once, though listed in the group and chosen as a file.
  int demo1 = 0;
  for (const WellGroupPost& group : window->state().document->data.wells)
    for (const PostedWell& well : group.wells) demo1 += well.name == "DEMO-1";
  EXPECT_EQ(demo1, 1);
  Run(kCreatePolyFault);
  const PlotGridFrame frame = Frame();
  for (auto [row, column] : {std::pair{40.0, 50.0}, {40.0, 65.0}, {52.0, 60.0}}) {
    const QPoint at = WidgetPoint(frame.ToDevice(row, column));
    Mouse(QEvent::MouseButtonPress, at, Qt::LeftButton);
  }
  QTest::keyClick(window->view(), Qt::Key_Escape);
  window->view()->RedrawNow();
  ASSERT_EQ(window->state().poly_faults.closed.size(), 1u);

  QDir folder(qEnvironmentVariableIsSet("QUARRIX_SCREENSHOT_DIR")
                  ? qEnvironmentVariable("QUARRIX_SCREENSHOT_DIR")
                  : QString(QUARRIX_BINARY_DIR) + "/artefacts");
  ASSERT_TRUE(folder.mkpath("."));
  const QString platform = QGuiApplication::platformName();
  ASSERT_TRUE(window->grab().save(folder.filePath("horizon_plot_map_" + platform + ".png")));
  Run(kSurface);
  Mouse(QEvent::MouseButtonPress, {300, 300}, Qt::LeftButton);
  Mouse(QEvent::MouseMove, {340, 310}, Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, {340, 310}, Qt::NoButton);
  window->view()->RedrawNow();
  ASSERT_TRUE(window->grab().save(folder.filePath("horizon_plot_surface_" + platform + ".png")));
}

}  // namespace
}  // namespace quarrix
