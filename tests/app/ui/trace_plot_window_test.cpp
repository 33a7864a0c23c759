// The presentation trace plot on the demo survey, driven without a person:
// modes, stepping, Set Line, conditioning, colours, the cursor read-out and
// every output (printer/PDF, metafile, bitmap).
#include "section/ui/trace_plot_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/main_commands.h"
#include "app/ui/main_frame.h"
#include "fault/demo_fault.h"
#include "horizon/demo_interpretation.h"
#include "loader/demo_survey.h"
#include "platform/atomic_file.h"
#include "platform/scripted_prompter.h"
#include "platform/text_util.h"
#include "platform/ui/command_host.h"
#include "platform/ui/plot_view.h"
#include "platform/ui/qt_canvas.h"
#include "platform/ui/qt_plot_writer.h"
#include "section/conditioning_commands.h"
#include "section/plot_section_command.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

using namespace trace_plot_command;

int DemoInterpretation(const std::string& header, std::ostream& out, std::ostream& err) {
  if (int status = AddDemoInterpretation(header, out, err)) return status;
  return AddDemoFault(header, out, err) ? 0 : 1;
}

// One small demo survey for every test: 30 in-lines of 40 traces, 1 s.
const std::string& DemoHeader() {
  static testing::TempFolder folder;
  static const std::string header = [] {
    std::ostringstream out, err;
    EXPECT_EQ(RunDemoCommand({folder.path(), "--lines", "30", "--traces", "40", "--samples", "251"},
                             out, err, DemoInterpretation),
              0)
        << err.str();
    return folder.File("demo/demo.hdr");
  }();
  return header;
}

bool HasTool(const char* name) {
  return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

// The whole plot drawn for the screen, as a window too small for it never
// draws it.
QImage WholePlot(const PlotView& view, const TracePlotGeometry& geometry) {
  QImage whole(qCeil(geometry.layout.width), qCeil(geometry.layout.height), QImage::Format_RGB32);
  whole.fill(Qt::white);
  QPainter painter(&whole);
  QtCanvas canvas(painter, view.device());
  view.plot_drawing()(canvas);
  return whole;
}

class TracePlotWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
    frame = std::make_unique<MainFrame>(session, &prompter);
    ASSERT_TRUE(frame->OpenProjectFile(QString::fromStdString(DemoHeader())));
    frame->Dispatch(command::kTracePlot);
    window = frame->trace_plot();
    ASSERT_NE(window, nullptr);
    window->resize(900, 600);
  }
  // Runs a command and draws at once (the window would draw after the event).
  void Run(int id) {
    window->Dispatch(id);
    window->view()->RedrawNow();
  }
  const TracePlotGeometry& Geometry() {
    const auto* g = std::any_cast<TracePlotGeometry>(&window->view()->geometry());
    EXPECT_NE(g, nullptr);
    static TracePlotGeometry none;
    return g ? *g : none;
  }
  const SurveyHeader& header() const { return session.project.header; }
  std::string ProjectFile(const std::string& name) const {
    return (std::filesystem::path(DemoHeader()).parent_path() / name).string();
  }

  testing::TempFolder folder;
  Session session;
  ScriptedPrompter prompter;
  std::unique_ptr<MainFrame> frame;
  TracePlotWindow* window = nullptr;
};

TEST_F(TracePlotWindowTest, ModesSteppingAndSetLineChangeWhatIsDrawn) {
  QStringList bar;
  for (int id : {kBackTen, kBack, kRedraw, kForward, kForwardTen})
    bar << window->commands().action(id)->text();
  EXPECT_EQ(bar, QStringList({"-10", "-", "0", "+", "+10"})) << "the stepping buttons";
  EXPECT_FALSE(window->plot()) << "empty until a plot mode is chosen";
  EXPECT_FALSE(frame->action(command::kPickEdit)->isEnabled());
  Run(kPlotVar);
  EXPECT_EQ(Geometry().columns.size(), 40u);
  EXPECT_EQ(window->windowTitle(), "Presentation Trace Plot -- In-line 1001");
  const QImage& image = window->view()->image();
  EXPECT_EQ(image.width(), qRound(Geometry().layout.width));
  int black = 0;
  for (int y = 0; y < image.height(); y += 3)
    for (int x = 0; x < image.width(); x += 3) black += image.pixel(x, y) == qRgb(0, 0, 0);
  EXPECT_GT(black, 500) << "wiggles with filled lobes";

  Run(kForward);
  Run(kForwardTen);
  Run(kBack);
  EXPECT_EQ(window->document().line_index, 10);
  EXPECT_EQ(Geometry().columns.front().line_index, 10);
  Run(kBackTen);
  Run(kBack);
  EXPECT_EQ(window->windowTitle(), "Presentation Trace Plot -- In-line 1001");

  // "Set Line" to cross-line 2011 over lines 1005..1020.
  window->run_dialog = [](QDialog& dialog) {
    for (auto* radio : dialog.findChildren<QRadioButton*>())
      if (radio->text() == "Plot x-Lines") radio->setChecked(true);
    dialog.findChild<QLineEdit*>("Start Trace")->setText("2011");
    dialog.findChild<QLineEdit*>("Start Line")->setText("1005");
    dialog.findChild<QLineEdit*>("End Line")->setText("1020");
    return true;
  };
  Run(kSetLine);
  EXPECT_EQ(window->windowTitle(), "Presentation Trace Plot -- Cross-line 2011");
  ASSERT_EQ(Geometry().columns.size(), 16u);
  EXPECT_EQ(Geometry().columns.front().line_index, 4);
  EXPECT_EQ(Geometry().columns.front().trace_index, 10);
  Run(kForward);
  EXPECT_EQ(Geometry().columns.front().trace_index, 11);

  // An arbitrary line along the diagonal, chosen in "Select Arbitrary Lines".
  std::string arb(2, '\0');
  const int entries = 12;
  arb[0] = static_cast<char>(entries);
  for (int k = 0; k < entries; ++k) {
    const std::int32_t offset = (k * 2 * header().traces_per_line + k) * header().trace_bytes;
    arb.append(reinterpret_cast<const char*>(&offset), 4);
  }
  ASSERT_TRUE(WriteFileAtomically(ProjectFile("diagonal.arb"), arb));
  window->run_dialog = [](QDialog& dialog) {
    if (dialog.windowTitle() == "Set Line") {
      for (auto* radio : dialog.findChildren<QRadioButton*>())
        if (radio->text() == "Plot Arbitrary Lines") radio->setChecked(true);
    } else {
      EXPECT_EQ(dialog.windowTitle(), "Select Arbitrary Lines");
    }
    return true;
  };
  Run(kSetLine);
  EXPECT_EQ(window->windowTitle(), "Presentation Trace Plot -- Arbitrary line diagonal.arb");
  ASSERT_EQ(Geometry().columns.size(), 12u);
  EXPECT_EQ(Geometry().columns[3].line_index, 6);
  EXPECT_EQ(Geometry().columns[3].trace_index, 3);
}

TEST_F(TracePlotWindowTest, ReadoutAfterAPhaseRotationAgreesWithTheConditionCommand) {
  Run(kForwardTen);
  window->document().request.params.phase_on = 1;
  window->document().request.params.phase_deg = 90;
  Run(kPlotVar);
  const TracePlotGeometry& g = Geometry();
  const int k = 7, row = 120;
  const QPoint pixel(qRound(g.layout.ColumnX(k)),
                     qRound(g.layout.data.top + (row + 0.5) * g.layout.sample_step));
  QScrollBar* h = window->view()->horizontalScrollBar();
  QScrollBar* v = window->view()->verticalScrollBar();
  QTest::mouseMove(window->view()->viewport(), pixel - QPoint(h->value(), v->value()));
  const SectionColumn column = g.columns[k];
  std::ostringstream out, err;
  ASSERT_EQ(
      RunConditionCommand({DemoHeader(), "--line-index", std::to_string(column.line_index),
                           "--trace-index", std::to_string(column.trace_index), "--phase", "90"},
                          out, err),
      0)
      << err.str();
  std::vector<std::string> samples = SplitText(out.str(), '\n');
  const int sample = (g.start_ms - header().start_time) / header().sample_rate + row;
  EXPECT_EQ(window->status_part(0)->text(),
            QString::asprintf("%4d ms", g.start_ms + row * int(header().sample_rate)));
  EXPECT_EQ(window->status_part(1)->text(), QString("trace %1").arg(k + 1));
  EXPECT_EQ(window->status_part(2)->text(),
            QString("amplitude %1").arg(QString::fromStdString(samples[sample])));
}

TEST_F(TracePlotWindowTest, AChangedColourBarRedrawsTheColourSection) {
  Run(kPlotColour);
  EXPECT_EQ(window->document().colour_bar.count, 32) << "the default bar on first use";
  EXPECT_TRUE(window->commands().action(kPlotColour)->isChecked());
  EXPECT_FALSE(window->commands().action(kPlotVar)->isChecked());
  ColourBar& bar = window->document().colour_bar;
  for (Rgb& colour : bar.colours) colour = Rgb{255, 0, 255};
  Run(kRedraw);
  const QImage& image = window->view()->image();
  const Rect data = Geometry().layout.data;
  int magenta = 0, total = 0;
  for (int y = int(data.top) + 2; y < int(data.bottom) - 2; y += 4)
    for (int x = int(Geometry().layout.ColumnX(39)) + 2; x < int(Geometry().layout.ColumnX(0)) - 2;
         x += 4, ++total)
      magenta += image.pixel(x, y) == qRgb(255, 0, 255);
  EXPECT_GT(total, 100);
  EXPECT_GT(magenta, total / 2) << "the bar's colour fills the section between the overlay wiggles";
}

// Pages of a PDF rendered by pdftoppm at 40 dots per inch.
std::vector<std::string> PdfPages(const std::string& pdf, const std::string& stem) {
  std::vector<std::string> pages;
  if (std::system(("pdftoppm -r 40 '" + pdf + "' '" + stem + "'").c_str()) != 0) return pages;
  for (int k = 1; k < 50; ++k) {
    for (const char* pattern : {"%s-%d.ppm", "%s-%02d.ppm"}) {
      std::string bytes;
      if (ReadWholeFile(FormatText(pattern, stem.c_str(), k), bytes)) {
        pages.push_back(bytes);
        break;
      }
    }
    if (static_cast<int>(pages.size()) < k) break;
  }
  return pages;
}

TEST_F(TracePlotWindowTest, PrintedPagesEqualThePlotSectionDrawing) {
  if (!HasTool("pdftoppm")) GTEST_SKIP() << "pdftoppm not installed";
  Run(kForwardTen);
  Run(kPlotVar);
  DeviceInfo device{.ppi_x = 100, .ppi_y = 100, .printing = true};
  SectionPlot plot = *window->plot();
  const PlotPage page = SectionPlotPage(header(), plot, SectionMode::Wiggle, device);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setResolution(100);
  printer.setPageMargins(QMarginsF(0, 0, 0, 0));
  printer.setPageSize(QPageSize(QSizeF(page.width_in, page.height_in), QPageSize::Inch, QString(),
                                QPageSize::ExactMatch));
  printer.setOutputFileName(QString::fromStdString(folder.File("window.pdf")));
  ASSERT_TRUE(window->PrintTo(printer, 2));
  auto window_pages = PdfPages(folder.File("window.pdf"), folder.File("window"));
  ASSERT_EQ(window_pages.size(), 2u) << "one page per copy";

  std::ostringstream out, err;
  QtPlotWriter writer;
  ASSERT_EQ(RunPlotSection({DemoHeader(), "--line", "1011", "--right-to-left", "--dpi", "100",
                            "--out", folder.File("batch.pdf")},
                           out, err, &writer),
            0)
      << err.str();
  auto batch_pages = PdfPages(folder.File("batch.pdf"), folder.File("batch"));
  ASSERT_EQ(batch_pages.size(), 1u);
  EXPECT_TRUE(window_pages[0] == batch_pages[0]) << "the same drawing as plot-section";
  EXPECT_TRUE(window_pages[1] == batch_pages[0]);

  // The automatic series: one page per line from the current one to the End Line.
  window->run_dialog = [](QDialog& dialog) {
    dialog.findChild<QLineEdit*>("Start Line")->setText("1003");
    dialog.findChild<QLineEdit*>("End Line")->setText("1006");
    return true;
  };
  Run(kSetLine);
  window->Dispatch(kAutomatic);
  printer.setOutputFileName(QString::fromStdString(folder.File("series.pdf")));
  ASSERT_TRUE(window->PrintTo(printer, 1));
  EXPECT_EQ(PdfPages(folder.File("series.pdf"), folder.File("series")).size(), 4u);

  // A job that cannot start is reported, not taken for printed.
  window->Dispatch(kAutomatic);
  printer.setOutputFileName(QString::fromStdString(folder.File("no-such-folder/x.pdf")));
  EXPECT_FALSE(window->PrintTo(printer, 1));
  EXPECT_EQ(prompter.last_text(), "SetDoc returns False");
}

TEST_F(TracePlotWindowTest, MetafileAndBitmapAreReadByOutsideTools) {
  Run(kPlotColour);
  const std::string wmf = folder.File("plot.emf"), bmp = folder.File("plot.bmp");
  prompter.QueueFile(wmf);
  window->Dispatch(kSaveMetafile);
  prompter.QueueFile(bmp);
  window->Dispatch(kSaveBitmap);
  ASSERT_TRUE(std::filesystem::exists(wmf));
  ASSERT_TRUE(std::filesystem::exists(bmp));
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(wmf, bytes));
  EXPECT_EQ(bytes.substr(0, 4), std::string("\xD7\xCD\xC6\x9A", 4)) << "a placeable metafile";
  if (HasTool("wmf2svg")) {
    EXPECT_EQ(std::system(("wmf2svg -o '" + folder.File("plot.svg") + "' '" + wmf + "'").c_str()),
              0);
  }
  const char* python =
      std::system("python3 -c 'import PIL' 2>/dev/null") == 0 ? "python3" : "/usr/bin/python3";
  const std::string check = std::string(python) +
                            " -c 'import sys\nfrom PIL import Image\nim = Image.open(sys.argv[1])\n"
                            "assert im.mode == \"P\", im.mode\npal = im.getpalette()\n"
                            "assert pal[0:3] == [0, 0, 255] or (0, 0, 255) in "
                            "[tuple(pal[i:i+3]) for i in range(0, len(pal), 3)]' '" +
                            bmp + "' 2>/dev/null";
  if (std::system((std::string(python) + " -c 'import PIL' 2>/dev/null").c_str()) == 0)
    EXPECT_EQ(std::system(check.c_str()), 0) << "Pillow reads the bitmap with the bar's palette";

  prompter.QueueFile(bmp);
  window->Dispatch(kOpenBitmap);
  EXPECT_EQ(window->view()->image().size(), QImage(QString::fromStdString(bmp)).size());
}

TEST_F(TracePlotWindowTest, OnScreenThePartInViewIsDrawnAsTheWholePlotDrawsIt) {
  window->run_dialog = [](QDialog& dialog) {
    dialog.findChild<QLineEdit*>("Traces per Inch")->setText("4.0");
    dialog.findChild<QLineEdit*>("Inches per Second")->setText("8.0");
    return true;
  };
  window->Dispatch(kSetup);
  for (int mode : {kPlotVar, kPlotColour}) {
    Run(mode);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    PlotView& view = *window->view();
    view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum() / 2);
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum() / 2);
    QTest::qWait(20);
    view.RedrawNow();
    const QImage& part = view.image();
    EXPECT_EQ(part.size(), view.viewport()->size()) << "the plot is larger than the window";
    EXPECT_EQ(Geometry().columns.size(), 40u) << "the mouse finds every trace";

    const QImage whole = WholePlot(view, Geometry());
    const QPoint origin = view.image_origin();
    int differ = 0;
    for (int y = 0; y < part.height(); ++y)
      for (int x = 0; x < part.width(); ++x)
        differ += part.pixel(x, y) != whole.pixel(origin + QPoint(x, y));
    // Qt starts the dots of a timing line cut by the image edge afresh, and
    // samples a stretched part of the colour image a pixel apart at its
    // edges: a few pixels in a hundred may differ, an offset part would not.
    EXPECT_LT(differ, part.width() * part.height() / 100)
        << (mode == kPlotVar ? "wiggle" : "colour");
  }
}

TEST_F(TracePlotWindowTest, ClosingKeepsTheSettingsAndFreesPickEdit) {
  window->run_dialog = [](QDialog& dialog) {
    dialog.findChild<QLineEdit*>("Plot Gain")->setText("30");
    dialog.findChild<QLineEdit*>("Traces per Inch")->setText("12.0");
    return true;
  };
  window->Dispatch(kSetup);
  window->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(frame->trace_plot(), nullptr);
  EXPECT_TRUE(frame->action(command::kPickEdit)->isEnabled());
  EXPECT_EQ(session.settings.gain, 30);
  EXPECT_FLOAT_EQ(session.settings.max_defl, 3.0f);
  EXPECT_FLOAT_EQ(session.settings.tpi, 12.0f);
}

}  // namespace
}  // namespace quarrix

namespace quarrix {
namespace {

// The window on a (virtual) X screen, kept as a picture for people to look
// at; tests/e2e/trace_plot_screenshot.sh runs it under Xvfb.
TEST(TracePlotScreenshot, DemoInLineInColourOnARealScreen) {
  if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X screen";
  testing::TempFolder folder;
  setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
  Session session;
  ScriptedPrompter prompter;
  MainFrame frame(session, &prompter);
  ASSERT_TRUE(frame.OpenProjectFile(QString::fromStdString(DemoHeader())));
  frame.Dispatch(command::kTracePlot);
  TracePlotWindow* window = frame.trace_plot();
  window->resize(1100, 760);
  window->run_dialog = [](QDialog& dialog) {
    dialog.findChild<QCheckBox*>("Print Title")->setChecked(true);
    dialog.findChild<QLineEdit*>("Traces per Inch")->setText("12.0");
    return true;
  };
  window->Dispatch(kSetup);
  window->run_dialog = [](QDialog& dialog) {
    dialog.findChild<QListWidget*>("Horizons")->selectAll();
    dialog.findChild<QListWidget*>("Faults")->selectAll();
    return true;
  };
  window->Dispatch(kSetHorizons);
  window->Dispatch(kForwardTen);
  window->Dispatch(kPlotColour);
  window->show();
  window->view()->RedrawNow();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  QTest::qWait(300);
  QPixmap shot = window->screen()->grabWindow(window->winId());
  const std::string artefacts = std::string(QUARRIX_BINARY_DIR) + "/artefacts";
  std::filesystem::create_directories(artefacts);
  ASSERT_TRUE(shot.save(QString::fromStdString(artefacts + "/trace_plot.png")));
  const auto* geometry = std::any_cast<TracePlotGeometry>(&window->view()->geometry());
  ASSERT_NE(geometry, nullptr);
  ASSERT_TRUE(WholePlot(*window->view(), *geometry)
                  .save(QString::fromStdString(artefacts + "/trace_plot_whole_plot.png")));
  EXPECT_GT(shot.width(), 900);
}

}  // namespace
}  // namespace quarrix
