// The pieces every window is built from: menus from a command table on a
// CommandHost, and the PlotView drawing surface.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>

#include "platform/interaction_tool.h"
#include "platform/progress.h"
#include "platform/recording_canvas.h"
#include "platform/scripted_prompter.h"
#include "platform/ui/command_host.h"
#include "platform/ui/plot_view.h"
#include "platform/ui/qt_prompter.h"

namespace quarrix {
namespace {

TEST(QtFileDialog, EveryFilterOfARequestIsOffered) {
  FileDialogRequest request{.title = "Open File"};
  for (int k = 0; k < kMaxFileFilters; ++k) {
    request.filter_names[k] = "Kind " + std::to_string(k) + " (*.k" + std::to_string(k) + ")";
    request.filter_patterns[k] = "*.k" + std::to_string(k);
  }
  const QStringList offered = QtFilterString(request).split(";;");
  ASSERT_EQ(offered.size(), kMaxFileFilters);
  EXPECT_EQ(offered.back(), "Kind 7 (*.k7)");
}

TEST(CommandHost, MenusGroupsAndMarksFollowTheTable) {
  QMainWindow window;
  ScriptedPrompter prompter;
  CommandHost host(&window, &prompter);
  bool ready = false;
  int mode = 0;
  std::vector<int> ran;
  auto run = [&](int id) { return [&ran, id] { ran.push_back(id); }; };
  host.Install({
      {10, "&File", "&Print", "Ctrl+P", 0, [&] { return ready; }, {}, run(10)},
      MenuSeparator("&File"),
      {11, "&File", "E&xit", "", 0, {}, {}, run(11)},
      {20, "&Plot", "Plot &Var", "", 1, {}, [&] { return mode == 1; }, [&] { mode = 1; }},
      {21, "&Plot", "Plot &Color", "", 1, {}, [&] { return mode == 2; }, [&] { mode = 2; }},
      {30, "", "-", "PgUp; Left", 0, {}, {}, run(30)},
  });
  QStringList titles;
  for (QAction* top : window.menuBar()->actions()) titles << top->text();
  EXPECT_EQ(titles, QStringList({"&File", "&Plot", "-"}))
      << "a command named \"-\" is no separator";
  EXPECT_EQ(host.menu("&File")->actions().size(), 3);
  EXPECT_EQ(host.action(30)->shortcuts().size(), 2);
  EXPECT_FALSE(host.action(10)->isEnabled());

  // A disabled command posted by number still arrives; the marks follow.
  EXPECT_TRUE(host.Dispatch(10));
  EXPECT_EQ(ran, std::vector<int>{10});
  ready = true;
  host.Refresh();
  EXPECT_TRUE(host.action(10)->isEnabled());
  host.action(21)->trigger();
  EXPECT_EQ(mode, 2);
  EXPECT_TRUE(host.action(21)->isChecked());
  host.Dispatch(20);
  EXPECT_TRUE(host.action(20)->isChecked());
  EXPECT_FALSE(host.action(21)->isChecked());
  EXPECT_FALSE(host.Dispatch(99));
  EXPECT_EQ(&host.prompter(), &prompter);
}

TEST(CommandHost, ACommandMayReplaceTheTableItRunsFrom) {
  QMainWindow window;
  ScriptedPrompter prompter;
  CommandHost host(&window, &prompter);
  int runs = 0;
  host.Install({{1, "&A", "&Again", "", 0, {}, {}, [&] {
                   ++runs;
                   host.Install({{2, "&B", "&Other", "", 0, {}, {}, {}}});
                 }}});
  EXPECT_TRUE(host.Dispatch(1));
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(host.action(1), nullptr);
  EXPECT_NE(host.action(2), nullptr);
}

struct CountingTool : InteractionTool {
  ToolEffect Press(Point p, unsigned) override {
    pressed = p;
    return {false, "pressed"};
  }
  ToolEffect Escape() override {
    ++escapes;
    return {};
  }
  Point pressed;
  int escapes = 0;
};

TEST(PlotView, KeepsTheGeometryAndReportsPointsInPlotUnits) {
  PlotView view;
  view.resize(200, 150);
  view.SetPlot(
      [](Canvas& canvas, Progress*) -> std::any {
        canvas.Rectangle({10, 10, 50, 50});
        return std::string("geometry");
      },
      [](const DeviceInfo&) { return QSizeF(800, 600); });
  view.show();
  view.RedrawNow();
  ASSERT_NE(std::any_cast<std::string>(&view.geometry()), nullptr);
  EXPECT_EQ(view.image().size(), QSize(800, 600));
  EXPECT_GT(view.horizontalScrollBar()->maximum(), 500) << "the plot scrolls";
  view.horizontalScrollBar()->setValue(100);
  view.verticalScrollBar()->setValue(40);
  std::vector<Point> moves;
  QObject::connect(&view, &PlotView::cursorMoved, [&](double x, double y) {
    moves.push_back({x, y});
  });
  QTest::mouseMove(view.viewport(), QPoint(5, 6));
  ASSERT_FALSE(moves.empty());
  EXPECT_EQ(moves.back(), (Point{105, 46}));
  CountingTool tool;
  view.SetTool(&tool);
  QString notice;
  QObject::connect(&view, &PlotView::notice, [&](const QString& text) { notice = text; });
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(7, 8));
  EXPECT_EQ(tool.pressed, (Point{107, 48}));
  EXPECT_EQ(notice, "pressed");
}

TEST(PlotView, EscStopsALongDrawingAndKeepsWhatWasDrawn) {
  PlotView view;
  view.resize(200, 150);
  int drawn = 0;
  view.SetPlot(
      [&](Canvas& canvas, Progress* progress) -> std::any {
        QElapsedTimer timer;
        timer.start();
        for (drawn = 0; drawn < 1000000 && timer.elapsed() < 5000; ++drawn) {
          if (drawn == 10)
            QCoreApplication::postEvent(&view, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, {}));
          if (progress->Cancelled()) break;
          canvas.Rectangle({1, 1, 3, 3});
          QTest::qSleep(1);
        }
        return drawn;
      },
      [](const DeviceInfo&) { return QSizeF(100, 100); });
  bool cancelled = false;
  QObject::connect(&view, &PlotView::drawFinished, [&](bool c) { cancelled = c; });
  view.show();
  view.RedrawNow();
  EXPECT_TRUE(cancelled);
  EXPECT_LT(drawn, 1000000);
  EXPECT_FALSE(view.drawing());
  EXPECT_EQ(view.image().size(), QSize(100, 100)) << "what was drawn is shown";
}

TEST(PlotView, ALargePlotIsDrawnOnlyWhereItIsInViewAndAgainAfterScrolling) {
  PlotView view;
  view.resize(200, 150);
  view.SetDrawExposedOnly(true);
  std::vector<std::optional<Rect>> exposed;
  view.SetPlot(
      [&](Canvas& canvas, Progress*) -> std::any {
        exposed.push_back(canvas.Device().exposed);
        canvas.SetBrush({BrushStyle::Solid, Rgb{255, 0, 0}});
        canvas.Rectangle({300, 200, 340, 240});
        return {};
      },
      [](const DeviceInfo&) { return QSizeF(800, 600); });
  view.RedrawNow();
  ASSERT_EQ(exposed.size(), 1u);
  EXPECT_FALSE(exposed.back()) << "not on screen: the whole plot";
  EXPECT_EQ(view.image().size(), QSize(800, 600));

  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  view.RedrawNow();
  const QSize area = view.viewport()->size();
  ASSERT_TRUE(exposed.back());
  EXPECT_EQ(*exposed.back(), (Rect{0, 0, double(area.width()), double(area.height())}));
  EXPECT_EQ(view.image().size(), area);

  const std::size_t drawings = exposed.size();
  view.horizontalScrollBar()->setValue(290);
  view.verticalScrollBar()->setValue(190);
  QTest::qWait(20);
  ASSERT_GT(exposed.size(), drawings) << "scrolling to an undrawn part draws it";
  EXPECT_EQ(exposed.back()->left, 290);
  EXPECT_EQ(exposed.back()->top, 190);
  EXPECT_EQ(view.image_origin(), QPoint(290, 190));
  EXPECT_EQ(view.image().pixel(15, 15), qRgb(255, 0, 0)) << "plot point (305, 205)";
  EXPECT_GT(view.horizontalScrollBar()->maximum(), 500) << "the scroll range is the plot's";

  // Output draws the whole plot.
  RecordingCanvas file;
  view.plot_drawing()(file);
  EXPECT_FALSE(exposed.back());
}

}  // namespace
}  // namespace quarrix
