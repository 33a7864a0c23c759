// Pictures of the trace plot's dialogs, kept as files for people to look at
// (in $QUARRIX_SCREENSHOT_DIR, else the build's artefacts folder).
// tests/e2e/section_dialogs_screenshot.sh runs them under Xvfb.
#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QListWidget>
#include <QPixmap>
#include <QTest>

#include "platform/scripted_prompter.h"
#include "section/ui/colour_bar_editor.h"
#include "section/ui/colour_parameters_dialog.h"
#include "section/ui/processing_options_dialog.h"

namespace quarrix {
namespace {

void Keep(QDialog& dialog, const QString& name) {
  dialog.adjustSize();
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  QImage shot = dialog.grab().toImage();
  QDir folder(qEnvironmentVariableIsSet("QUARRIX_SCREENSHOT_DIR")
                  ? qEnvironmentVariable("QUARRIX_SCREENSHOT_DIR")
                  : QString(QUARRIX_BINARY_DIR) + "/artefacts");
  ASSERT_TRUE(folder.mkpath("."));
  ASSERT_TRUE(
      shot.save(folder.filePath(QString("%1_%2.png").arg(name, QGuiApplication::platformName()))));
  // Every dialog shows its whole content: nothing is squeezed below its hint.
  EXPECT_GE(dialog.width(), dialog.minimumSizeHint().width());
  EXPECT_GE(dialog.height(), dialog.minimumSizeHint().height());
}

TEST(SectionDialogsScreenshot, EachDialogOnTheDefaultSettings) {
  ScriptedPrompter prompter;
  ProcessingParams params;
  params.phase_on = params.agc_on = 1;
  params.phase_deg = 90;
  params.filter_hz = {8, 12, 60, 70};
  ProcessingOptionsDialog processing(params, prompter);
  Keep(processing, "processing_options");

  ColourBar bar;
  SetDefaultColourBar(bar);
  ColourScanSource source{[] {
                            return std::optional<MinMaxScan>({-21000, 23500});
                          },
                          ColourBarOwner::TracePlot};
  ColourParametersDialog parameters(bar, source, prompter);
  parameters.Scan();
  Keep(parameters, "colour_parameters");

  ColourBarEditor linear(bar, prompter);
  linear.SelectBands(3, 8);
  Keep(linear, "set_color");

  MakeNonLinear(bar);
  ColourBarEditor bands(bar, prompter);
  bands.SelectBands(1, 1);
  Keep(bands, "select_color_bar_colors");
}

}  // namespace
}  // namespace quarrix
