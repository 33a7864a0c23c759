// The contour map window and the map output commands on the demo survey: the
// contour map opens from "Open Contour File" in the time map's layout (same
// read-out, same zoom, band colours where the time map has them),
// "Contour Options" refuses unusable values, "View Horizon" tables the map's
// grid, and a map saved as a metafile or printed to PDF shows what the
// screen shows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTest>
#include <regex>
#include <sstream>

#include "../../platform/graphics_test_support.h"
#include "horizon/demo_interpretation.h"
#include "loader/demo_survey.h"
#include "map/map_colours.h"
#include "map/ui/horizon_values_window.h"
#include "platform/scripted_prompter.h"
#include "platform/ui/plot_view.h"
#include "project/project_state.h"
#include "support/test_support.h"
#include "workspace/ui/contour_options_dialog.h"
#include "workspace/ui/map_window.h"
#include "workspace/ui/workspace_frame.h"
#include "workspace/workspace_commands.h"

namespace quarrix {
namespace {

using namespace workspace_command;

int AddDemoHorizon(const std::string& header, std::ostream& out, std::ostream& err) {
  return AddDemoInterpretation(header, out, err);
}

class ContourMapWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder = new testing::TempFolder;
    std::ostringstream out, err;
    ASSERT_EQ(
        RunDemoCommand({folder->path(), "--lines", "60", "--traces", "50", "--samples", "300"}, out,
                       err, AddDemoHorizon),
        0)
        << err.str();
  }
  static void TearDownTestSuite() { delete folder; }

  void SetUp() override {
    ScriptedPrompter quiet;
    ASSERT_TRUE(OpenProject(project, folder->File("demo/demo.hdr"), quiet));
    frame = std::make_unique<WorkspaceFrame>(project, &prompter);
    frame->workspace().horizons.Open({kDemoHorizonName});
    frame->resize(1100, 800);
    frame->show();
  }

  MapWindow* Open(int command) {
    if (command == kPlotContour) prompter.QueueFile(horizon_path());
    frame->Dispatch(command);
    MapWindow* map = frame->ActiveMap();
    if (!map) return nullptr;
    map->parentWidget()->resize(600, 520);
    map->RedrawNow();
    return map;
  }
  std::string horizon_path() const { return folder->File("demo/") + kDemoHorizonName; }
  static QPoint PixelOf(const MapWindow* map, int row, int column) {
    const Point p = map->geometry()->PixelOf(row, column);
    return {static_cast<int>(p.x), static_cast<int>(p.y)};
  }

  static inline testing::TempFolder* folder = nullptr;
  ProjectState project;
  ScriptedPrompter prompter;
  std::unique_ptr<WorkspaceFrame> frame;
};

TEST_F(ContourMapWindowTest, OpensInTheTimeMapsLayoutWithItsReadoutZoomAndColours) {
  MapWindow* time = Open(kPlotHorizonTime);
  MapWindow* contour = Open(kPlotContour);
  ASSERT_TRUE(time && contour && time != contour);
  EXPECT_EQ(contour->windowTitle().toStdString(), "Contour -- " + horizon_path());
  ASSERT_NE(contour->geometry(), nullptr);
  ASSERT_FALSE(contour->geometry()->Empty());
  EXPECT_EQ(contour->geometry()->area.left, time->geometry()->area.left);
  EXPECT_EQ(contour->geometry()->cell_width, time->geometry()->cell_width);
  EXPECT_EQ(contour->geometry()->cell_height, time->geometry()->cell_height);

  // At nodes whose neighbours lie in the same band no line passes: the
  // contour map shows the band's colour where the time map shows it.
  const HorizonGrid& grid = contour->picture().grid;
  ColourBar bar = contour->picture().bar;
  MapColourIndex bands(bar);
  int compared = 0, same = 0;
  for (int r = 2; r < grid.rows - 2; r += 3)
    for (int c = 2; c < grid.columns - 2; c += 3) {
      const std::uint8_t band = bands.Of(grid.At(r, c));
      bool flat = grid.At(r, c) != HORIZON_NULL;
      for (int dr = -1; dr <= 1; ++dr)
        for (int dc = -1; dc <= 1; ++dc) flat &= bands.Of(grid.At(r + dr, c + dc)) == band;
      if (!flat) continue;
      ++compared;
      const QPoint at = PixelOf(contour, r, c);
      same += contour->view()->image().pixel(at) == time->view()->image().pixel(at);
    }
  ASSERT_GT(compared, 20);
  EXPECT_GE(same, compared * 9 / 10) << same << " of " << compared;

  QTest::mouseMove(contour->view()->viewport(), PixelOf(contour, 20, 30));
  const std::string text = frame->status_part(0)->text().toStdString();
  EXPECT_NE(text.find("Line " + std::to_string(project.header.LineNumber(20))), std::string::npos);
  EXPECT_NE(text.find("Value " + std::to_string(grid.At(20, 30))), std::string::npos);

  frame->mdi()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(contour->parentWidget()));
  frame->Dispatch(kZoomIn);
  QWidget* viewport = contour->view()->viewport();
  QTest::mousePress(viewport, Qt::LeftButton, {}, PixelOf(contour, 10, 5));
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, PixelOf(contour, 30, 25));
  EXPECT_EQ(contour->view_state().zoom.first_row, 10);
  EXPECT_EQ(contour->view_state().zoom.last_column, 25);
  // The polygon region belongs to time maps only.
  frame->Dispatch(kSelectPolygon);
  EXPECT_NE(contour->view_state().mode, MapViewState::Mode::Polygon);
}

TEST_F(ContourMapWindowTest, AFileThatIsNoGridOfTheSurveyIsToldAndNotShown) {
  prompter.QueueFile(folder->File("demo/demo.hdr"));
  frame->Dispatch(kPlotContour);
  EXPECT_NE(prompter.last_text().find("Cannot read the grid"), std::string::npos);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(frame->findChildren<MapWindow*>().isEmpty());
}

TEST_F(ContourMapWindowTest, ContourOptionsRefuseUnusableValuesAndApplyGoodOnes) {
  ASSERT_NE(Open(kPlotContour), nullptr);
  frame->run_dialog = [](QDialog& dialog) {
    auto* options = qobject_cast<ContourOptionsDialog*>(&dialog);
    EXPECT_NE(options, nullptr);
    if (!options) return false;
    options->thickness(0)->setText("0");
    return true;
  };
  frame->Dispatch(kContourOptions);
  EXPECT_EQ(prompter.messages().size(), 1u);
  EXPECT_NE(prompter.last_text().find("Thickness"), std::string::npos);
  EXPECT_TRUE(frame->workspace().contour_options.classes_from_bar);

  frame->run_dialog = [](QDialog& dialog) {
    auto* options = qobject_cast<ContourOptionsDialog*>(&dialog);
    if (!options) return false;
    options->plot_type()->setCurrentIndex(1);
    options->decimate()->setText("1");
    options->every(1)->setText("40");
    return true;
  };
  frame->Dispatch(kContourOptions);
  EXPECT_EQ(prompter.messages().size(), 1u);
  const ContourMapOptions& options = frame->workspace().contour_options;
  EXPECT_EQ(options.type, HorizonPlotType::LineContour);
  EXPECT_EQ(options.decimate, 1);
  EXPECT_EQ(options.classes[1].every, 40);
  EXPECT_FALSE(options.classes_from_bar);
}

TEST_F(ContourMapWindowTest, ViewHorizonTablesTheMapsGrid) {
  MapWindow* map = Open(kPlotHorizonTime);
  ASSERT_NE(map, nullptr);
  frame->Dispatch(kViewHorizonValues);
  const auto tables = frame->findChildren<HorizonValuesWindow*>();
  ASSERT_EQ(tables.size(), 1);
  const HorizonGrid& grid = map->picture().grid;
  EXPECT_EQ(tables[0]->grid()->CellText(8, 1).toStdString(),
            std::to_string(project.header.LineNumber(7)));
  const std::int16_t value = grid.At(7, 11);
  EXPECT_EQ(tables[0]->grid()->CellText(8, 12).toStdString(),
            value == HORIZON_NULL ? "" : std::to_string(value));
  EXPECT_EQ(tables[0]->property("help_page").toString(), "view_horizon.html");
}

TEST_F(ContourMapWindowTest, MetafileOfAContourMapIsAPlaceableMetafileOfItsDrawing) {
  ASSERT_NE(Open(kPlotContour), nullptr);
  const std::string path = folder->File("contour_map.wmf");
  prompter.QueueFile(path);
  frame->Dispatch(kSaveMapMetafile);
  const std::string bytes = testing::ReadFileBytes(path);
  ASSERT_GT(bytes.size(), 22u);
  EXPECT_EQ(bytes.substr(0, 4), std::string("\xD7\xCD\xC6\x9A", 4));
  if (!testing::HaveProgram("wmf2svg")) GTEST_SKIP() << "wmf2svg (libwmf-bin) not installed";
  std::string output;
  const std::string svg = path + ".svg";
  ASSERT_EQ(testing::RunCommand("wmf2svg -o '" + svg + "' '" + path + "'", output), 0) << output;
  const std::string text = testing::ReadFileBytes(svg);
  EXPECT_NE(text.find("<polygon"), std::string::npos);   // the filled levels
  EXPECT_NE(text.find("<polyline"), std::string::npos);  // the contour lines
  EXPECT_NE(text.find("L" + std::to_string(project.header.LineNumber(0))), std::string::npos);
}

// The page is the window's size, so the PDF rendered at the screen's
// resolution lays the cells where the screen does.
TEST_F(ContourMapWindowTest, PrintedPageMatchesTheScreen) {
  if (!testing::HaveProgram("pdftoppm")) GTEST_SKIP() << "pdftoppm (poppler-utils) not installed";
  MapWindow* map = Open(kPlotHorizonTime);
  ASSERT_NE(map, nullptr);
  const PlotPage page = map->Page();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const std::string pdf = folder->File("time_map.pdf");
  printer.setOutputFileName(QString::fromStdString(pdf));
  printer.setPageLayout(
      QPageLayout(QPageSize(QSizeF(page.width_in, page.height_in), QPageSize::Inch),
                  QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
  ASSERT_TRUE(map->PrintTo(printer, 1));
  const int dpi = static_cast<int>(map->view()->device().ppi_x);
  std::string output;
  const std::string png = folder->File("time_map_page");
  ASSERT_EQ(testing::RunCommand("pdftoppm -r " + std::to_string(dpi) + " -png -singlefile '" + pdf +
                                    "' '" + png + "'",
                                output),
            0)
      << output;
  const QImage printed(QString::fromStdString(png + ".png"));
  ASSERT_FALSE(printed.isNull());
  const QImage& screen = map->view()->image();
  // Where a cell and its neighbours share a colour, the page shows the
  // screen's colour at the same place.
  const HorizonGrid& grid = map->picture().grid;
  ColourBar bar = map->picture().bar;
  MapColourIndex bands(bar);
  int compared = 0, same = 0;
  for (int r = 1; r < grid.rows - 1; ++r)
    for (int c = 1; c < grid.columns - 1; ++c) {
      bool flat = true;
      for (int dr = -1; dr <= 1; ++dr)
        for (int dc = -1; dc <= 1; ++dc)
          flat &= bands.Of(grid.At(r + dr, c + dc)) == bands.Of(grid.At(r, c));
      const QPoint at = PixelOf(map, r, c);
      if (!flat || !printed.rect().contains(at)) continue;
      ++compared;
      const QColor a = printed.pixelColor(at), b = screen.pixelColor(at);
      same += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                  std::abs(a.blue() - b.blue()) <=
              12;
    }
  ASSERT_GT(compared, 50);
  EXPECT_GE(same, compared * 95 / 100) << same << " of " << compared;
  // The axis labels are as large on paper as on the screen (12 pixels at 96
  // per inch: 9 points), not 12 printer dots.
  ASSERT_EQ(testing::RunCommand("pdftotext -bbox '" + pdf + "' -", output), 0);
  const std::string label = "L" + std::to_string(project.header.LineNumber(10));
  std::smatch word;
  const std::regex box(R"re(yMin="([0-9.]+)" xMax="[0-9.]+" yMax="([0-9.]+)">)re" + label + "<");
  std::regex_search(output, word, box);
  ASSERT_FALSE(word.empty()) << output;
  EXPECT_GT(std::stod(word[2]) - std::stod(word[1]), 6.0);
}

}  // namespace
}  // namespace quarrix
