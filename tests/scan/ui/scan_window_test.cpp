#include "scan/ui/scan_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <cmath>
#include <filesystem>

#include "horizon/horizon_files.h"
#include "horizon/horizon_style.h"
#include "map/map_colours.h"
#include "map/ui/map_choices.h"
#include "platform/scripted_prompter.h"
#include "platform/ui/command_host.h"
#include "platform/ui/plot_view.h"
#include "scan/sane_test_backend.h"
#include "scan/scan_commands.h"
#include "scan/scanner_source.h"
#include "scan/ui/scan_dialogs.h"
#include "support/test_support.h"

// SANE's test backend loses a read buffer now and then; its code, not ours.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libsane-test\n";
}

namespace quarrix {
namespace {

using namespace scan_command;
using testing::TempFolder;

// A 41 x 41 survey. The synthetic scan registers it between the pixels
// (30, 30) and (430, 430): ten pixels per cell.
SurveyHeader ConeSurvey() {
  SurveyHeader h;
  h.first_line = 1, h.last_line = 41, h.first_trace = 1, h.last_trace = 41;
  h.line_increment = h.trace_increment = 1;
  h.trace_spacing = h.line_spacing = 25, h.trace_bytes = 200, h.sample_rate = 4;
  h.corner_index = 1;
  h.ComputeDerived();
  return h;
}

constexpr int kCentre = 230;    // pixel of the cone's apex, cell (20, 20)
constexpr int kApex = 1000;     // ms at the apex
constexpr int kPerCell = 25;    // ms per cell away from it
constexpr int kInterval = 100;  // between the contours drawn
double ConeAt(int row, int column) {
  return kApex + kPerCell * std::hypot(row - 20.0, column - 20.0);
}
double RadiusOf(int value) {  // in pixels
  return (value - kApex) / static_cast<double>(kPerCell) * 10;
}

// A scanned paper map: white paper, the data frame and the cone's contours
// every 100 ms as black circles.
std::string DrawConeScan(const TempFolder& folder) {
  QImage image(460, 460, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 2));
  painter.drawRect(QRect(30, 30, 400, 400));
  for (int value = kApex + kInterval; value <= 1500; value += kInterval) {
    const double r = RadiusOf(value);
    painter.drawEllipse(QPointF(kCentre, kCentre), r, r);
  }
  painter.end();
  const std::string path = folder.File("cone_scan.png");
  EXPECT_TRUE(image.save(QString::fromStdString(path)));
  return path;
}

struct ConeWindow {
  TempFolder folder;
  ScriptedPrompter prompter;
  ScanContourWindow* window = nullptr;
  std::string typed_value;

  ConeWindow() {
    const SurveyHeader header = ConeSurvey();
    EXPECT_TRUE(CreateHorizonFile(LocateHorizon(folder.path(), "paper.hor"), header));
    ScanContourContext context{
        header, {}, folder.path(), {folder.File("cone.hdr")}, DefaultColourSets(), &prompter, {}};
    window = new ScanContourWindow(std::move(context));
    window->run_dialog = [this](QDialog& dialog) {
      if (auto* value = qobject_cast<ContourValueDialog*>(&dialog)) {
        value->field()->setText(QString::fromStdString(typed_value));
        value->accept();
        return value->result() == QDialog::Accepted;
      }
      return true;
    };
    window->show();
  }
  ~ConeWindow() {
    window->document().unsaved = false;
    delete window;
  }
  QWidget* viewport() const { return window->view()->viewport(); }
  void Click(QPointF p) { QTest::mouseClick(viewport(), Qt::LeftButton, {}, p.toPoint()); }
  void Escape() { QTest::keyClick(window->view(), Qt::Key_Escape); }
  // Clicks around a circle of the scan and ends the polyline.
  void DigitiseCircle(int value) {
    typed_value = std::to_string(value);
    ASSERT_TRUE(window->Dispatch(kContour));
    ASSERT_EQ(window->document().mode, ScanMode::Contour);
    const double r = RadiusOf(value);
    for (int k = 0; k <= 36; ++k) {
      const double a = k * 2 * M_PI / 36;
      Click({kCentre + r * std::cos(a), kCentre + r * std::sin(a)});
    }
    Escape();
    EXPECT_EQ(window->document().mode, ScanMode::Idle);
  }
};

TEST(ScanContourWindow, DigitisesAScannedConeIntoAHorizon) {
  ConeWindow w;
  ScanDocument& d = w.window->document();
  w.prompter.QueueFile(w.folder.File("paper.hor"));
  ASSERT_TRUE(w.window->Dispatch(kOpenHorizon));
  ASSERT_TRUE(d.HasHorizon()) << w.prompter.last_text();
  w.prompter.QueueFile(DrawConeScan(w.folder));
  w.window->Dispatch(kOpenBitmap);
  ASSERT_TRUE(d.HasBitmap()) << w.prompter.last_text();
  EXPECT_EQ(d.image.width, 460);
  EXPECT_TRUE(w.window->corners_box()->isVisible());
  EXPECT_FALSE(w.window->commands()->action(kContour)->isEnabled());

  // Registration by two clicks on the frame's corners.
  w.Click({30, 30});
  w.Click({430, 430});
  ASSERT_TRUE(d.Registered());
  EXPECT_FALSE(w.window->corners_box()->isVisible());
  EXPECT_TRUE(w.window->commands()->action(kContour)->isEnabled());

  // Protected cells, whose values gridding takes as data: one on the outer
  // contour with a value of its own, one between the contours.
  d.registration.At(20, 36) = kRegProtected;
  d.grid.At(20, 36) = 1390;
  d.registration.At(10, 10) = kRegProtected;
  d.grid.At(10, 10) = 1353;

  w.DigitiseCircle(1100);
  w.DigitiseCircle(1400);
  EXPECT_EQ(d.grid.At(20, 24), 1100);
  EXPECT_EQ(d.grid.At(4, 20), 1400);
  EXPECT_EQ(d.grid.At(20, 36), 1390);
  const HorizonGrid seeds = d.grid;

  // A stray line erased again leaves the seeds as they were.
  w.typed_value = "1250";
  w.window->Dispatch(kContour);
  w.Click({60, 400});
  w.Click({120, 400});
  w.Escape();
  EXPECT_NE(d.grid.cells, seeds.cells);
  w.window->Dispatch(kErase);
  QTest::mousePress(w.viewport(), Qt::LeftButton, {}, QPoint(55, 400));
  for (int x = 60; x <= 125; x += 5) {
    QMouseEvent move(QEvent::MouseMove, QPointF(x, 400), w.viewport()->mapToGlobal(QPointF(x, 400)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.viewport(), &move);
  }
  QTest::mouseRelease(w.viewport(), Qt::LeftButton, {}, QPoint(125, 400));
  w.Escape();
  EXPECT_EQ(d.grid.cells, seeds.cells);

  // Grid, save, and compare with the cone inside the outer contour.
  w.window->Dispatch(kGridData);
  EXPECT_EQ(w.window->status()->text(), "Gridding Finished");
  EXPECT_NE(d.grid.At(20, 30), HORIZON_NULL);
  w.prompter.QueueFile(w.folder.File("cone.hor"));
  w.window->Dispatch(kSaveHorizon);
  EXPECT_FALSE(d.unsaved) << w.prompter.last_text();
  HorizonGrid saved(41, 41);
  ASSERT_EQ(ReadHorizon(w.folder.File("cone.hor"), &saved, nullptr), HorizonReadResult::Ok);
  int compared = 0;
  for (int row = 0; row < 41; ++row)
    for (int column = 0; column < 41; ++column) {
      if (std::hypot(row - 20.0, column - 20.0) > 16 || d.registration.At(row, column) >= 8)
        continue;
      ASSERT_NE(saved.At(row, column), HORIZON_NULL) << row << "," << column;
      EXPECT_NEAR(saved.At(row, column), ConeAt(row, column), kInterval) << row << "," << column;
      ++compared;
    }
  EXPECT_GT(compared, 700);
  EXPECT_EQ(saved.At(20, 36), 1390);
  EXPECT_EQ(saved.At(10, 10), 1353);

  // UnGrid takes the gridded cells away again.
  w.window->Dispatch(kUnGridData);
  EXPECT_EQ(d.grid.cells, seeds.cells);
  EXPECT_TRUE(d.unsaved);

  // The screenshot: the grid again, in colour over the scan.
  w.window->Dispatch(kGridData);
  w.window->view()->RedrawNow();
  const QImage shot = w.window->grab().toImage();
  const std::string artefacts = std::string(QUARRIX_BINARY_DIR) + "/artefacts";
  std::filesystem::create_directories(artefacts);
  EXPECT_TRUE(shot.save(QString::fromStdString(artefacts + "/scan_contour.png")));
}

TEST(ScanContourWindow, ClosingWithUnsavedWorkAsks) {
  ConeWindow w;
  ScanDocument& d = w.window->document();
  d.grid = HorizonGrid(41, 41);
  d.registration = PickRegistration(41, 41);
  d.unsaved = true;
  // Yes, then the save dialog cancelled: the window stays open.
  w.prompter.QueueAnswer(MessageAnswer::Yes);
  w.prompter.QueueFile(std::nullopt);
  EXPECT_FALSE(w.window->close());
  EXPECT_EQ(w.prompter.messages().back().text, "Do you wish to save your work?");
  EXPECT_TRUE(w.window->isVisible());
  // Opening another horizon over the work asks too; No keeps the work.
  const std::size_t asked = w.prompter.messages().size();
  w.prompter.QueueAnswer(MessageAnswer::Yes);
  w.prompter.QueueFile(std::nullopt);
  w.window->Dispatch(kOpenHorizon);
  EXPECT_EQ(w.prompter.messages().size(), asked + 1);
  EXPECT_TRUE(d.unsaved);
}

// Colors, Options and Select Wells open the map windows' own dialogs: the
// chosen set colours the grid as a time map of the horizon shows it, and the
// options reach the drawing and the wells dialog.
TEST(ScanContourWindow, TheMapWindowsDialogsChooseColoursOptionsAndWells) {
  ConeWindow w;
  ScanDocument& d = w.window->document();
  w.prompter.QueueFile(w.folder.File("paper.hor"));
  ASSERT_TRUE(w.window->Dispatch(kOpenHorizon));
  w.prompter.QueueFile(DrawConeScan(w.folder));
  w.window->Dispatch(kOpenBitmap);
  w.Click({30, 30});
  w.Click({430, 430});
  ASSERT_TRUE(d.Registered());
  for (int row = 0; row < d.grid.rows; ++row)
    for (int column = 0; column < d.grid.columns; ++column)
      d.grid.At(row, column) = static_cast<std::int16_t>(1000 + 5 * (row + column));
  double wells_dialog_symbol = 0;
  w.window->run_dialog = [&](QDialog& dialog) {
    if (auto* schemes = qobject_cast<ColourSchemeDialog*>(&dialog)) {
      schemes->schemes()->button(4)->click();
    } else if (auto* options = qobject_cast<MapOptionsDialog*>(&dialog)) {
      options->line_every()->setValue(5);
      options->symbol()->setValue(0.3);
    } else if (auto* wells = qobject_cast<SelectWellsDialog*>(&dialog)) {
      wells_dialog_symbol = wells->symbol_inches();
    } else {
      return false;
    }
    return true;
  };

  ASSERT_TRUE(w.window->Dispatch(kColours));
  EXPECT_EQ(d.colour_scheme, 4);
  EXPECT_EQ(ReadHorizonStyle(d.horizon_path)->time_colour_scheme, 4);
  ColourBar bar =
      BuildMapColours(d.horizon_path, d.grid, false, {4, false}, DefaultColourSets()).bar;
  const MapColourIndex map(bar);
  w.window->view()->RedrawNow();
  const QImage shown = w.window->view()->viewport()->grab().toImage();
  // Cell centres lie ten pixels apart from the corners; these are clear of the scan's lines.
  for (auto [row, column] : {std::pair{2, 2}, {2, 38}, {20, 20}, {38, 38}}) {
    const QColor pixel = shown.pixelColor(30 + 10 * column, 30 + 10 * row);
    const Rgb expected = map.palette()[map.Of(d.grid.At(row, column))];
    EXPECT_EQ(pixel, QColor(expected.r, expected.g, expected.b)) << row << "," << column;
  }

  ASSERT_TRUE(w.window->Dispatch(kOptions));
  EXPECT_EQ(d.options.line_label_every, 5);
  ASSERT_TRUE(w.window->Dispatch(kSelectWells));
  EXPECT_DOUBLE_EQ(wells_dialog_symbol, 0.3);  // the wells keep the size the options chose
  EXPECT_DOUBLE_EQ(d.options.well_symbol_inches, 0.3);
}

TEST(ScanContourWindow, ContourValueDialogRefusesTheNullValue) {
  ScriptedPrompter prompter;
  ContourValueDialog dialog(1500, prompter);
  EXPECT_EQ(dialog.windowTitle(), "Select");
  EXPECT_TRUE(dialog.follow()->isChecked());
  dialog.field()->setText("32700");
  dialog.accept();
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(prompter.messages().empty());
  dialog.field()->setText("-250");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.value(), -250);
}

TEST(ScanContourWindow, AcquiresFromSanesTestScanner) {
  if (!ScannerSupportBuilt()) GTEST_SKIP() << "built without SANE (libsane-dev)";
  if (!testing::SaneTestBackendInstalled())
    GTEST_SKIP() << "SANE's test backend is not installed (Debian libsane1)";
  TempFolder config;
  testing::WriteFileBytes(config.File("dll.conf"), "test\n");
  testing::WriteFileBytes(
      config.File("test.conf"),
      testing::TestBackendConfig("mode Color\ntest-picture \"Color pattern\"\n"));
  setenv("SANE_CONFIG_DIR", config.path().c_str(), 1);
  ConeWindow w;
  w.window->Dispatch(kSelectSource);
  EXPECT_EQ(w.window->source(), "test:0") << w.prompter.last_text();
  w.window->Dispatch(kAcquire);
  unsetenv("SANE_CONFIG_DIR");
  ScanDocument& d = w.window->document();
  ASSERT_TRUE(d.HasBitmap()) << w.prompter.last_text();
  EXPECT_EQ(d.bitmap_path, "Scanner test:0");
  EXPECT_EQ(d.mode, ScanMode::UpperLeftCorner);
  EXPECT_GT(d.image.palette.size(), 2u);
}

}  // namespace
}  // namespace quarrix
