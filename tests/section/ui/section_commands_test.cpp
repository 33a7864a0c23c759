// The dialog commands as the trace plot window calls them: modal, centred over
// the window, chained, and answered here by clicks on the dialog in front.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "project/project_state.h"
#include "section/survey_fixture.h"
#include "section/ui/section_dialogs.h"

namespace quarrix {
namespace {

// Runs answer on the dialog in front as soon as it is shown.
void WhenShown(std::function<void(QDialog&)> answer) {
  QTimer::singleShot(0, [answer] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return WhenShown(answer);  // not shown yet
    answer(*dialog);
  });
}

void Press(QDialog& dialog, QDialogButtonBox::StandardButton which) {
  QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(which), Qt::LeftButton);
}

class WindowCommands : public ::testing::Test {
 protected:
  WindowCommands() {
    window.setGeometry(100, 80, 900, 700);
    window.show();
  }

  QPoint WindowCentre() const { return window.geometry().center(); }

  QWidget window;
};

TEST_F(WindowCommands, ProcessingOptionsOpensOverTheWindowAndStoresOnOk) {
  ProcessingParams params;
  QString title;
  QPoint centre;
  WhenShown([&](QDialog& dialog) {
    title = dialog.windowTitle();
    centre = dialog.geometry().center();
    QLineEdit* phase = dialog.findChildren<QLineEdit*>().first();
    phase->setText("180");
    Press(dialog, QDialogButtonBox::Ok);
  });
  EXPECT_TRUE(EditProcessingOptions(&window, params));
  EXPECT_EQ(title, "Processing Options");
  EXPECT_LE((centre - WindowCentre()).manhattanLength(), 40);
  EXPECT_EQ(params.phase_deg, 180u);
}

TEST_F(WindowCommands, ChangeColoursChainsParametersAndTheEditorOfTheBarsKind) {
  ColourBar bar{};  // a window's bar starts cleared
  QStringList titles;
  WhenShown([&](QDialog& parameters) {
    titles << parameters.windowTitle();
    EXPECT_EQ(parameters.findChildren<QLineEdit*>()[1]->text(), "32000");
    parameters.findChildren<QLineEdit*>()[2]->setText("0");  // non-linear
    WhenShown([&](QDialog& editor) {
      titles << editor.windowTitle();
      Press(editor, QDialogButtonBox::Cancel);
    });
    Press(parameters, QDialogButtonBox::Ok);
  });
  EXPECT_TRUE(ChangeColours(&window, bar, {}));
  EXPECT_EQ(titles, QStringList({"Color Parameters", "Select Color Bar Colors"}));
  EXPECT_EQ(bar.count, 32);
  EXPECT_EQ(bar.increment, 0);

  WhenShown([&](QDialog& parameters) { Press(parameters, QDialogButtonBox::Cancel); });
  EXPECT_FALSE(ChangeColours(&window, bar, {}));
}

TEST_F(WindowCommands, TheTracePlotScanReadsTheConditionedTraceFile) {
  testing::SurveyFixture survey(3, 4, 50);
  ProjectState project;
  ScriptedPrompter prompter;
  ASSERT_TRUE(OpenProject(project, survey.HeaderPath(), prompter));
  ProcessingParams params;
  params.phase_on = 1;
  params.phase_deg = 180;
  ColourScanSource source = TraceFileScan(&window, project, params);
  EXPECT_EQ(source.owner, ColourBarOwner::TracePlot);
  std::optional<MinMaxScan> inverted = source.scan();
  params.phase_on = 0;  // the scan reads the window's settings as they are then
  std::optional<MinMaxScan> raw = source.scan();
  ASSERT_TRUE(inverted && raw);
  EXPECT_NEAR(inverted->maximum, -raw->minimum, 2);
  EXPECT_NEAR(inverted->minimum, -raw->maximum, 2);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace quarrix
