// The pick-edit workspace driven as a user drives it: the demo survey, an
// in-line window picked by dragging the mouse along the reflector, the
// cross-line window beside it repainting, and Ctrl+Z putting the cells back.
#include "workspace/ui/workspace_frame.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <filesystem>
#include <sstream>

#include "horizon/arbitrary_line.h"
#include "horizon/horizon_commands.h"
#include "horizon/horizon_files.h"
#include "horizon/horizon_style.h"
#include "loader/demo_survey.h"
#include "platform/scripted_prompter.h"
#include "platform/ui/command_host.h"
#include "platform/ui/plot_view.h"
#include "platform/ui/qt_canvas.h"
#include "project/project_state.h"
#include "support/test_support.h"
#include "workspace/ui/pick_options_dialog.h"
#include "workspace/ui/section_pick_window.h"
#include "workspace/ui/time_slices_dialog.h"
#include "workspace/ui/trace_options_dialog.h"
#include "workspace/ui/workspace_dialogs.h"
#include "workspace/workspace_commands.h"

namespace quarrix {
namespace {

using namespace workspace_command;

constexpr int kLine1120 = 119;  // the demo's lines are numbered from 1001

class WorkspaceFrameTest : public ::testing::Test {
 protected:
  // One demo survey for every test; each test makes its own horizons.
  static void SetUpTestSuite() {
    folder = new testing::TempFolder;
    std::ostringstream out, err;
    ASSERT_EQ(
        RunDemoCommand({folder->path(), "--lines", "130", "--traces", "60", "--samples", "400"},
                       out, err),
        0)
        << err.str();
  }
  static void TearDownTestSuite() { delete folder; }

  void SetUp() override {
    header_path = folder->File("demo/demo.hdr");
    std::filesystem::remove(folder->File("demo/pickedit.ini"));
    ScriptedPrompter quiet;
    ASSERT_TRUE(OpenProject(project, header_path, quiet));
    for (const char* name : {"ui.hor", "batch.hor"})
      ASSERT_TRUE(CreateHorizonFile(LocateHorizon(folder->File("demo"), name), project.header));
  }

  HorizonGrid Times(const std::string& name) {
    HorizonGrid time(project.header.num_lines, project.header.traces_per_line);
    ReadHorizon(folder->File("demo/" + name), &time, nullptr);
    return time;
  }

  // Waits until a window's drawing is done; a drawing stopped to start over
  // (a resize or scroll while drawing) is waited for to its end.
  static void Settle(SectionPickWindow* window) {
    bool complete = !window->view()->drawing();
    const QMetaObject::Connection finished = QObject::connect(
        window->view(), &PlotView::drawFinished, [&](bool cancelled) { complete = !cancelled; });
    QElapsedTimer timer;
    timer.start();
    do QApplication::processEvents();
    while ((window->view()->drawing() || !complete || timer.elapsed() < 50) &&
           timer.elapsed() < 5000);
    QObject::disconnect(finished);
  }

  // The widget pixel of a trace number and time in a window, scrolled into view.
  static QPoint PixelOf(SectionPickWindow* window, const SurveyHeader& h, int number, int time) {
    const TracePlotGeometry* g = window->geometry();
    Point p = PointOf(*g, h, window->state().kind, number, time);
    QScrollBar* bar = window->view()->verticalScrollBar();
    if (p.y - bar->value() < 20 || p.y - bar->value() > window->view()->viewport()->height() - 20)
      bar->setValue(static_cast<int>(p.y) - 100);
    return QPoint(static_cast<int>(p.x) - window->view()->horizontalScrollBar()->value(),
                  static_cast<int>(p.y) - bar->value());
  }
  // The time a pixel reads back as (the one the tool picks with).
  static int TimeAt(SectionPickWindow* window, const SurveyHeader& h, QPoint pixel) {
    Point p = window->view()->ToPlot(pixel);
    return SectionPointAt(*window->geometry(), h, window->state().kind, p)->time_ms;
  }

  static inline testing::TempFolder* folder = nullptr;
  std::string header_path;
  ProjectState project;
  ScriptedPrompter prompter;
};

TEST_F(WorkspaceFrameTest, DragAlongTheReflectorPicksAsTheBatchCommandAndUndoRestores) {
  const SurveyHeader& h = project.header;
  WorkspaceFrame frame(project, &prompter);
  frame.workspace().horizons.Open({"ui.hor"});
  frame.resize(1200, 900);
  frame.show();
  SectionPickWindow* crossline = frame.OpenCrossline(30);
  SectionPickWindow* inline_window = frame.OpenInline(kLine1120);
  inline_window->parentWidget()->resize(800, 700);
  Settle(crossline);
  Settle(inline_window);
  EXPECT_EQ(inline_window->windowTitle(), "In Line -- 1120");
  EXPECT_EQ(crossline->windowTitle(), "Cross Line -- 2031");
  const QImage crossline_before = crossline->picture();

  // The demo reflector's time at the two ends of the drag.
  DemoSurveySize size{130, 60, 400};
  const int first = 5, last = 50;
  const int t0 = static_cast<int>(DemoReflectorTimes(size, kLine1120, first)[0]);
  const int t1 = static_cast<int>(DemoReflectorTimes(size, kLine1120, last)[0]);
  const QPoint from = PixelOf(inline_window, h, h.TraceNumber(first), t0);
  const QPoint to = PixelOf(inline_window, h, h.TraceNumber(last), t1);
  const int from_ms = TimeAt(inline_window, h, from), to_ms = TimeAt(inline_window, h, to);
  QWidget* viewport = inline_window->view()->viewport();
  QTest::mousePress(viewport, Qt::LeftButton, {}, from);
  QTest::mouseMove(viewport, (from + to) / 2);
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);

  std::ostringstream out, err;
  ASSERT_EQ(
      RunPickCommand({header_path, "batch.hor", "--line", "1120", "--from",
                      std::to_string(h.TraceNumber(first)) + ":" + std::to_string(from_ms), "--to",
                      std::to_string(h.TraceNumber(last)) + ":" + std::to_string(to_ms)},
                     out, err),
      0)
      << err.str();
  const HorizonGrid ui = Times("ui.hor"), batch = Times("batch.hor");
  int picked = 0;
  for (int j = 0; j < h.traces_per_line; ++j) {
    EXPECT_EQ(ui.At(kLine1120, j), batch.At(kLine1120, j)) << "trace index " << j;
    picked += ui.At(kLine1120, j) != HORIZON_NULL;
  }
  EXPECT_EQ(picked, last - first + 1);
  EXPECT_NEAR(ui.At(kLine1120, 30), DemoReflectorTimes(size, kLine1120, 30)[0],
              25);  // on its wavelet

  // The cross-line window through trace index 30 shows the new pick over
  // the traces it kept, and so does the window picked in.
  Settle(crossline);
  EXPECT_EQ(crossline->view()->image(), crossline_before);
  EXPECT_NE(crossline->picture(), crossline_before);
  EXPECT_NE(inline_window->picture(), inline_window->view()->image());

  // Ctrl+Z puts every cell back.
  EXPECT_EQ(frame.commands().action(kUndoEdit)->shortcut(), QKeySequence("Ctrl+Z"));
  frame.Dispatch(kUndoEdit);
  const HorizonGrid undone = Times("ui.hor");
  for (int j = 0; j < h.traces_per_line; ++j) EXPECT_EQ(undone.At(kLine1120, j), HORIZON_NULL);
  EXPECT_FALSE(frame.commands().action(kUndoEdit)->isEnabled());  // one step only
}

// A window shows a small part of the section: it draws that part, the same
// pixels as the whole drawing there, draws again where scrolling takes it,
// and picks there as the batch command does.
TEST_F(WorkspaceFrameTest, AWindowDrawsItsPartInViewAndPicksWhereItIsScrolled) {
  const SurveyHeader& h = project.header;
  WorkspaceFrame frame(project, &prompter);
  frame.workspace().horizons.Open({"ui.hor"});
  frame.resize(900, 700);
  frame.show();
  SectionPickWindow* window = frame.OpenInline(kLine1120);
  window->parentWidget()->resize(260, 220);
  Settle(window);
  PlotView* view = window->view();
  QScrollBar* across = view->horizontalScrollBar();
  QScrollBar* down = view->verticalScrollBar();
  const QSize plot(across->maximum() + across->pageStep(), down->maximum() + down->pageStep());
  QImage whole(plot, QImage::Format_RGB32);
  whole.fill(Qt::white);
  {
    QPainter painter(&whole);
    QtCanvas canvas(painter, view->device());
    view->plot_drawing()(canvas);
  }
  const auto drawn_matches_whole = [&] {
    const QImage& part = view->image();
    EXPECT_LT(part.width(), plot.width());
    EXPECT_LT(part.height(), plot.height());
    const QImage expected = whole.copy(QRect(view->image_origin(), part.size()));
    ASSERT_EQ(part.size(), expected.size());
    // The same pixels but for the dots of dotted timing lines, whose pattern
    // Qt starts where a line enters the image.
    int differ = 0;
    for (int y = 0; y < part.height(); ++y)
      for (int x = 0; x < part.width(); ++x) differ += part.pixel(x, y) != expected.pixel(x, y);
    EXPECT_LT(differ, part.width() * part.height() / 100);
  };
  EXPECT_EQ(view->image_origin(), QPoint(0, 0));
  drawn_matches_whole();

  // Scrolled to the reflector at trace index 30, the window draws that part.
  DemoSurveySize size{130, 60, 400};
  const int first = 30, last = 38;
  const int t0 = static_cast<int>(DemoReflectorTimes(size, kLine1120, first)[0]);
  const int t1 = static_cast<int>(DemoReflectorTimes(size, kLine1120, last)[0]);
  const TracePlotGeometry* g = window->geometry();
  const Point start = PointOf(*g, h, PickSectionKind::Inline, h.TraceNumber(first), t0);
  across->setValue(static_cast<int>(start.x) - 20);
  down->setValue(static_cast<int>(start.y) - 80);
  Settle(window);
  EXPECT_EQ(view->image_origin(), QPoint(across->value(), down->value()));
  drawn_matches_whole();

  const QPoint from = PixelOf(window, h, h.TraceNumber(first), t0);
  const QPoint to = PixelOf(window, h, h.TraceNumber(last), t1);
  ASSERT_TRUE(view->viewport()->rect().contains(from) && view->viewport()->rect().contains(to));
  const int from_ms = TimeAt(window, h, from), to_ms = TimeAt(window, h, to);
  QTest::mousePress(view->viewport(), Qt::LeftButton, {}, from);
  QTest::mouseMove(view->viewport(), (from + to) / 2);
  QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, to);
  std::ostringstream out, err;
  ASSERT_EQ(
      RunPickCommand({header_path, "batch.hor", "--line", "1120", "--from",
                      std::to_string(h.TraceNumber(first)) + ":" + std::to_string(from_ms), "--to",
                      std::to_string(h.TraceNumber(last)) + ":" + std::to_string(to_ms)},
                     out, err),
      0)
      << err.str();
  const HorizonGrid ui = Times("ui.hor"), batch = Times("batch.hor");
  int picked = 0;
  for (int j = 0; j < h.traces_per_line; ++j) {
    EXPECT_EQ(ui.At(kLine1120, j), batch.At(kLine1120, j)) << "trace index " << j;
    picked += ui.At(kLine1120, j) != HORIZON_NULL;
  }
  EXPECT_EQ(picked, last - first + 1);
  Settle(window);
  EXPECT_NE(window->picture(), view->image()) << "the picks drawn over the part in view";
}

TEST_F(WorkspaceFrameTest, NavigationAndTheAnnotationBandMoveTheWindows) {
  const SurveyHeader& h = project.header;
  WorkspaceFrame frame(project, &prompter);
  frame.show();
  SectionPickWindow* window = frame.OpenInline(3);
  frame.Dispatch(kGoBack);
  EXPECT_EQ(window->state().position, 0);
  frame.Dispatch(kGoNext);
  frame.Dispatch(kGoNext);
  frame.Dispatch(kGoPrevious);
  EXPECT_EQ(window->state().position, 1);
  EXPECT_EQ(window->state().previous, 2);
  frame.Dispatch(kGoForward);
  EXPECT_EQ(window->windowTitle(), "In Line -- 1012");
  frame.run_dialog = [](QDialog& dialog) {
    auto* select = dynamic_cast<SelectLineDialog*>(&dialog);
    if (!select) return false;
    select->field()->setText("1100");
    return true;
  };
  frame.Dispatch(kSetLine);
  EXPECT_EQ(window->state().position, 99);

  // A click in the band above the traces opens the cross-line there.
  Settle(window);
  const TracePlotGeometry* g = window->geometry();
  ASSERT_NE(g, nullptr);
  Point p = PointOf(*g, h, window->state().kind, h.TraceNumber(12), 0);
  QTest::mouseClick(window->view()->viewport(), Qt::LeftButton, {},
                    QPoint(static_cast<int>(p.x), static_cast<int>(g->layout.data.top) - 5));
  ASSERT_EQ(frame.mdi()->subWindowList().size(), 2);
  auto* crossline = qobject_cast<SectionPickWindow*>(frame.mdi()->subWindowList()[1]->widget());
  EXPECT_EQ(crossline->state().position, 12);
}

TEST_F(WorkspaceFrameTest, HorizonsAreOpenedChosenAndKeptInPickeditIni) {
  {
    WorkspaceFrame frame(project, &prompter);
    frame.run_dialog = [](QDialog& dialog) {
      auto* list = dynamic_cast<HorizonListDialog*>(&dialog);
      if (!list) return false;
      for (int k = 0; k < list->list()->count(); ++k) list->list()->item(k)->setSelected(true);
      return true;
    };
    frame.Dispatch(kOpenHorizons);
    EXPECT_EQ(frame.workspace().horizons.names, (std::vector<std::string>{"batch.hor", "ui.hor"}));
    frame.Dispatch(kHorizonMenuFirst + 1);
    EXPECT_EQ(frame.horizon_field()->text(), "HORIZON - ui.hor");
    frame.Dispatch(kPickTroughs);
    frame.Dispatch(kRubberBand);
    EXPECT_TRUE(frame.commands().action(kPickTroughs)->isChecked());
    EXPECT_TRUE(frame.commands().action(kRubberBand)->isChecked());
    frame.close();
  }
  WorkspaceFrame again(project, &prompter);
  EXPECT_EQ(again.workspace().horizons.names, (std::vector<std::string>{"batch.hor", "ui.hor"}));
  EXPECT_EQ(again.workspace().settings.pick_style, kPickStyleRubberBand);
  EXPECT_EQ(again.horizon_field()->text(), "HORIZON - ui.hor");
  EXPECT_EQ(CurrentPickType(again.workspace()), kPickTrough);  // kept in the style word
}

TEST_F(WorkspaceFrameTest, CreatedHorizonsTakeTheirColourAndTheZoomWindowBoundsPicking) {
  WorkspaceFrame frame(project, &prompter);
  frame.workspace().horizons.Open({"ui.hor"});
  frame.run_dialog = [](QDialog& dialog) {
    if (auto* colour = dynamic_cast<SelectColourDialog*>(&dialog)) {
      colour->colours()->setCurrentIndex(9);
      return true;
    }
    auto* zoom = dynamic_cast<WorkspaceZoomDialog*>(&dialog);
    if (!zoom) return false;
    zoom->field(0)->setText("1010");
    zoom->field(2)->setText("1020");
    return true;
  };
  prompter.QueueFile(folder->File("demo/new.hor"));
  frame.Dispatch(kPopupCreateHorizon);  // from a section window: opened and current
  EXPECT_EQ(prompter.file_requests().back().title, "Create Horizon File");
  EXPECT_EQ(frame.workspace().horizons.names, (std::vector<std::string>{"ui.hor", "new.hor"}));
  EXPECT_EQ(frame.horizon_field()->text(), "HORIZON - new.hor");
  EXPECT_EQ(ReadHorizonStyle(folder->File("demo/new.hor"))->colour_index, 9);
  prompter.QueueFile(folder->File("demo/other.hor"));
  frame.Dispatch(kCreateHorizon);  // from the menu: opened later with Open Horizons
  EXPECT_TRUE(frame.workspace().horizons.names.empty());
  EXPECT_TRUE(std::filesystem::exists(folder->File("demo/other.hor")));

  frame.workspace().horizons.Open({"ui.hor"});
  frame.Dispatch(kSetZoom);
  EXPECT_EQ(frame.workspace().zoom.first_line, 1010);
  EXPECT_EQ(frame.workspace().zoom.last_line, 1020);
  const PickGesture click{2011, 300, 2011, 300};
  EXPECT_EQ(PickOnSection(frame.workspace(), InlineSection(project.header, 0), click, prompter),
            PickOutcome::OutsideZoom);
  EXPECT_EQ(PickOnSection(frame.workspace(), InlineSection(project.header, 9), click, prompter),
            PickOutcome::Picked);
}

TEST_F(WorkspaceFrameTest, PickAndTraceOptionsRoundTripThroughPickeditIni) {
  {
    WorkspaceFrame frame(project, &prompter);
    frame.workspace().horizons.Open({"ui.hor"});
    frame.run_dialog = [](QDialog& dialog) {
      if (auto* pick = dynamic_cast<PickOptionsDialog*>(&dialog)) {
        pick->style_group()->button(kPickStyleRubberBand)->setChecked(true);
        pick->type_group()->button(kPickZeroBelowPeak)->setChecked(true);
        pick->pick_window()->setValue(24);
        pick->erase()->setChecked(true);
        return true;
      }
      auto* trace = dynamic_cast<TraceOptionsDialog*>(&dialog);
      if (!trace) return false;
      trace->field("start")->setText("200");
      trace->field("end")->setText("9000");  // beyond the data: lowered to its end
      trace->field("tpi")->setText("20.5");
      trace->field("var_gain")->setText("30");
      trace->field("advance")->setText("5");
      trace->group("polarity")->button(0)->setChecked(true);  // "Reverse"
      trace->group("type")->button(0)->setChecked(true);      // "Color"
      return true;
    };
    frame.Dispatch(kPickOptions);
    EXPECT_EQ(frame.status_part(1)->text(), "Pick Win 24");
    EXPECT_TRUE(frame.commands().action(kRubberBand)->isChecked());
    frame.Dispatch(kTraceOptions);
    EXPECT_EQ(frame.commands().action(kGoBack)->text(), "Go Back 5");
    frame.close();
  }
  const std::string ini = testing::ReadFileBytes(folder->File("demo/pickedit.ini"));
  EXPECT_NE(ini.find("pickwin=24"), std::string::npos);
  EXPECT_NE(ini.find("stk_pol=-1"), std::string::npos);
  EXPECT_NE(ini.find("max_defl=3.000000"), std::string::npos);
  EXPECT_EQ(CurrentPickType(WorkspaceFrame(project, &prompter).workspace()),
            kPickZeroBelowPeak | kPickErase);

  WorkspaceFrame again(project, &prompter);
  TraceOptions shown;
  PickOptions picked;
  again.run_dialog = [&](QDialog& dialog) {
    if (auto* pick = dynamic_cast<PickOptionsDialog*>(&dialog)) picked = pick->values();
    if (auto* trace = dynamic_cast<TraceOptionsDialog*>(&dialog)) {
      std::string problem;
      trace->values(shown, problem);
    }
    return false;
  };
  again.Dispatch(kPickOptions);
  again.Dispatch(kTraceOptions);
  EXPECT_EQ(picked.pick_window_ms, 24);
  EXPECT_EQ(picked.pick_style, kPickStyleRubberBand);
  EXPECT_EQ(shown.start_ms, 200);
  EXPECT_EQ(shown.end_ms, 1600);  // 400 samples of 4 ms
  EXPECT_DOUBLE_EQ(shown.traces_per_inch, 20.5);
  EXPECT_TRUE(shown.reverse);
  EXPECT_TRUE(shown.colour);
  EXPECT_EQ(shown.display_step, 5);
}

TEST_F(WorkspaceFrameTest, GeneratedTimeSlicesEqualTheBatchCommands) {
  WorkspaceFrame frame(project, &prompter);
  frame.run_dialog = [](QDialog& dialog) {
    auto* slices = dynamic_cast<TimeSlicesDialog*>(&dialog);
    if (!slices) return false;
    EXPECT_EQ(slices->end()->text(), "1600");
    slices->start()->setText("300");
    slices->end()->setText("400");
    slices->increment()->setText("50");
    return true;
  };
  frame.Dispatch(kCreateTimeSlice);
  EXPECT_EQ(prompter.last_text(), "Generate Time Slice Finished");
  std::vector<std::string> made;
  for (const char* name : {"0300.slc", "0350.slc", "0400.slc"}) {
    made.push_back(testing::ReadFileBytes(folder->File(std::string("demo/") + name)));
    std::filesystem::remove(folder->File(std::string("demo/") + name));
  }
  std::ostringstream out, err;
  ASSERT_EQ(
      RunSliceCommand({header_path, "--start", "300", "--end", "400", "--inc", "50"}, out, err), 0)
      << err.str();
  int k = 0;
  for (const char* name : {"0300.slc", "0350.slc", "0400.slc"}) {
    EXPECT_EQ(made[k].size(), 4u + 2u * 130 * 60) << name;
    EXPECT_EQ(made[k++], testing::ReadFileBytes(folder->File(std::string("demo/") + name))) << name;
  }
}

TEST_F(WorkspaceFrameTest, AutoFlattenFlattensTheSectionsOnTheCurrentHorizon) {
  const SurveyHeader& h = project.header;
  WorkspaceFrame frame(project, &prompter);
  frame.workspace().horizons.Open({"ui.hor"});
  std::ostringstream out, err;
  ASSERT_EQ(RunPickCommand({header_path, "ui.hor", "--line", "1010", "--from",
                            "2011:" + std::to_string(static_cast<int>(
                                          DemoReflectorTimes({130, 60, 400}, 9, 10)[0]))},
                           out, err),
            0);
  SectionPickWindow* window = frame.OpenInline(9);
  window->RedrawNow();
  const QImage plain = window->view()->image();
  frame.Dispatch(kAutoFlatten);
  EXPECT_TRUE(frame.workspace().flatten.on);
  EXPECT_TRUE(frame.commands().action(kAutoFlatten)->isChecked());
  window->RedrawNow();
  EXPECT_NE(window->view()->image(), plain);
  // Every picked bin now lies at the datum: its shift is datum - time.
  const HorizonGrid time = Times("ui.hor");
  const HorizonGrid& shift = frame.workspace().flatten.shift;
  for (int j = 1; j < h.traces_per_line; ++j)
    if (time.At(9, j) != HORIZON_NULL && time.At(9, j - 1) != HORIZON_NULL)
      EXPECT_EQ(time.At(9, j) + shift.At(9, j), time.At(9, j - 1) + shift.At(9, j - 1));
  frame.Dispatch(kAutoFlatten);
  EXPECT_FALSE(frame.workspace().flatten.on);
}

// An arbitrary window on a line drawn across the survey: opened from the
// project's ".arb" files, moved by traces, and picked by a drag that writes
// the cells the batch command writes along the same line; the cross-line
// window through one of its bins shows the picks at once.
TEST_F(WorkspaceFrameTest, ArbitraryWindowPicksAlongItsLineAsTheBatchCommand) {
  const SurveyHeader& h = project.header;
  ASSERT_TRUE(
      SaveArbitraryLine(folder->File("demo/across.arb"), {{5, 100}, {50, 125}}, h, prompter));
  WorkspaceFrame frame(project, &prompter);
  frame.workspace().horizons.Open({"ui.hor"});
  frame.resize(1200, 900);
  frame.show();
  std::string offered;
  frame.run_dialog = [&](QDialog& dialog) {
    offered = dialog.windowTitle().toStdString();
    return true;  // the list's first line is chosen
  };
  frame.Dispatch(kPlotArbitrary);
  EXPECT_EQ(offered, "Select Arbitrary Lines");
  SectionPickWindow* window = frame.ActiveSection();
  ASSERT_TRUE(window);
  ASSERT_EQ(window->state().kind, PickSectionKind::Arbitrary);
  frame.Dispatch(kGoNext);
  frame.Dispatch(kGoNext);
  EXPECT_EQ(window->windowTitle(), "Arbitrary Line -- across.arb  +2 Trace");
  window->parentWidget()->resize(800, 700);
  const PickSection section = SectionOf(h, window->state());
  const GridBin middle = section.bins[20];
  SectionPickWindow* crossline = frame.OpenCrossline(middle.column);
  Settle(crossline);
  const QImage crossline_before = crossline->picture();
  frame.mdi()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(window->parentWidget()));
  Settle(window);

  DemoSurveySize size{130, 60, 400};
  const int first = 3, last = 40;
  auto reflector = [&](int place) {
    const GridBin bin = section.bins[static_cast<std::size_t>(place)];
    return static_cast<int>(DemoReflectorTimes(size, bin.row, bin.column)[0]);
  };
  const QPoint from = PixelOf(window, h, first, reflector(first));
  const QPoint to = PixelOf(window, h, last, reflector(last));
  const int from_ms = TimeAt(window, h, from), to_ms = TimeAt(window, h, to);
  QWidget* viewport = window->view()->viewport();
  QTest::mousePress(viewport, Qt::LeftButton, {}, from);
  QTest::mouseMove(viewport, (from + to) / 2);
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);

  std::ostringstream out, err;
  ASSERT_EQ(RunPickCommand({header_path, "batch.hor", "--arb", "across.arb", "--offset", "2",
                            "--from", std::to_string(first) + ":" + std::to_string(from_ms), "--to",
                            std::to_string(last) + ":" + std::to_string(to_ms)},
                           out, err),
            0)
      << err.str();
  const HorizonGrid ui = Times("ui.hor"), batch = Times("batch.hor");
  EXPECT_EQ(ui.cells, batch.cells);
  EXPECT_NE(ui.At(middle.row, middle.column), HORIZON_NULL);
  Settle(crossline);
  EXPECT_NE(crossline->picture(), crossline_before);
  std::filesystem::remove(folder->File("demo/across.arb"));
}

// The map tools of the horizon tool bar without a map window: Zoom In asks
// for the zoom window, Zoom Out shows the whole survey again, and Autopick
// All Lines completes the current horizon over the zoom window as the batch
// command does.
TEST_F(WorkspaceFrameTest, ZoomAndAutopickButtonsWorkWithoutAMap) {
  const SurveyHeader& h = project.header;
  std::ostringstream out, err;
  for (const char* name : {"ui.hor", "batch.hor"})
    for (int line : {10, 40}) {
      const int t = static_cast<int>(DemoReflectorTimes({130, 60, 400}, line, 20)[0]);
      ASSERT_EQ(
          RunPickCommand({header_path, name, "--line", std::to_string(h.LineNumber(line)), "--from",
                          std::to_string(h.TraceNumber(20)) + ":" + std::to_string(t)},
                         out, err),
          0)
          << err.str();
    }
  WorkspaceFrame frame(project, &prompter);
  frame.workspace().horizons.Open({"ui.hor"});
  frame.Dispatch(kHorizonMenuFirst);
  frame.workspace().settings.autopick_mode = 1;  // from in-line seeds
  std::vector<std::string> asked;
  frame.run_dialog = [&](QDialog& dialog) {
    asked.push_back(dialog.windowTitle().toStdString());
    return dialog.windowTitle() == "Autopick Options";
  };
  frame.Dispatch(kZoomIn);
  frame.workspace().zoom = {h.first_line + 5, h.first_line + 9, h.first_trace, h.first_trace + 9};
  frame.Dispatch(kZoomOut);
  EXPECT_EQ(frame.workspace().zoom.first_line, h.first_line);
  EXPECT_EQ(frame.workspace().zoom.last_trace, h.last_trace);
  frame.Dispatch(kAutopickAll);
  EXPECT_EQ(asked, (std::vector<std::string>{"Set  Zoom Parameters", "Autopick Options"}));
  ASSERT_EQ(RunAutopickCommand({header_path, "batch.hor", "--mode", "inline"}, out, err, {}), 0)
      << err.str();
  const HorizonGrid ui = Times("ui.hor"), batch = Times("batch.hor");
  EXPECT_EQ(ui.cells, batch.cells);
  EXPECT_NE(ui.At(25, 20), HORIZON_NULL);  // between the seed lines
}

}  // namespace
}  // namespace quarrix
