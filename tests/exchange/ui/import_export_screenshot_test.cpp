// Pictures of the Import/Export window with an imported horizon, of the
// Export Horizon dialog and of Math Functions, kept as files for people to look at (in
// $QUARRIX_SCREENSHOT_DIR, else the build's artefacts folder).
// tests/e2e/import_export_screenshot.sh runs them under Xvfb.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <sstream>

#include "exchange/exchange_commands.h"
#include "exchange/exchange_fixture.h"
#include "exchange/ui/export_horizon_dialog.h"
#include "exchange/ui/import_export_window.h"
#include "exchange/ui/math_dialog.h"
#include "exchange/ui/well_choice_dialogs.h"
#include "platform/ui/spreadsheet_grid.h"

namespace quarrix {
namespace {

void Keep(QWidget& widget, const QString& name) {
  widget.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
  QImage shot = widget.grab().toImage();
  QDir folder(qEnvironmentVariableIsSet("QUARRIX_SCREENSHOT_DIR")
                  ? qEnvironmentVariable("QUARRIX_SCREENSHOT_DIR")
                  : QString(QUARRIX_BINARY_DIR) + "/artefacts");
  ASSERT_TRUE(folder.mkpath("."));
  ASSERT_TRUE(
      shot.save(folder.filePath(QString("%1_%2.png").arg(name, QGuiApplication::platformName()))));
}

TEST(ImportExportScreenshot, SheetWithAnImportAndTheExportHorizonDialog) {
  testing::ExchangeProject p;
  testing::WriteFileBytes(p.folder.File("picks.txt"),
                          "1001 2001 0 0 1200\r\n1002 2003 0 0 1250\r\n1005 2006 0 0 1275\r\n");
  std::ostringstream out, err;
  ASSERT_EQ(RunImportHorizonCommand({p.HeaderPath(), p.folder.File("picks.txt"), "--line-col", "1",
                                     "--trace-col", "2", "--z-col", "5", "--out", "top.hor"},
                                    out, err),
            0);
  ASSERT_EQ(RunExportHorizonCommand({p.HeaderPath(), "top.hor", "--format", "custom", "--out",
                                     p.folder.File("top.asc")},
                                    out, err),
            0);
  ImportExportWindow window(p.project, &p.prompter);
  p.prompter.QueueFile(p.folder.File("top.asc"));
  window.Dispatch(sheet_command::kImportAscii);
  const int roles[] = {sheet_command::kSelectLine, sheet_command::kSelectTrace,
                       sheet_command::kSelectX, sheet_command::kSelectY, sheet_command::kSelectZ};
  for (int column = 1; column <= 5; ++column) {
    window.grid()->SetActiveCell({1, column});
    window.Dispatch(roles[column - 1]);
  }
  window.grid()->SetActiveCell({3, 5});
  window.resize(820, 520);
  Keep(window, "import_export");

  ExportHorizonDialog dialog(p.project, p.prompter);
  dialog.horizon_name()->setText(QString::fromStdString(p.folder.File("top.hor")));
  dialog.adjustSize();
  Keep(dialog, "export_horizon");
  EXPECT_GE(dialog.width(), dialog.minimumSizeHint().width());

  MathDialog math(p.project, p.prompter);
  math.input_file(0)->setCurrentText("top.hor");
  math.input_kind(1)->setCurrentText("Constant");
  math.input_file(1)->setCurrentText("1000");
  math.expression()->setText("h1 - h2");
  math.output()->setText("top.isp");
  math.adjustSize();
  Keep(math, "math_functions");
  EXPECT_GE(math.width(), math.minimumSizeHint().width());
}

TEST(ImportExportScreenshot, WellDialogs) {
  testing::ExchangeProject p;
  WellListDialog wells({"A-1.wll", "A-2.wll", "B-7.wll", "NORTH-3.wll"}, true);
  wells.list()->item(1)->setSelected(true);
  wells.adjustSize();
  Keep(wells, "select_wells");
  WellAttributes attributes;
  attributes.symbol_colour = 0x0000C0;
  attributes.label_colour = 0x800000;
  attributes.erase_label_background = 1;
  attributes.label_position = 3;
  WellGroupAttributesDialog group("NORTH", attributes, p.prompter);
  group.adjustSize();
  Keep(group, "well_group_attributes");
  EXPECT_GE(group.width(), group.minimumSizeHint().width());
}

}  // namespace
}  // namespace quarrix
