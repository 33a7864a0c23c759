// The loader on a (virtual) X screen: a disk load of the demo file with every
// dialog placed as the loader places it, each screen kept as a picture for
// people to look at. Runs only on the xcb platform;
// tests/e2e/loader_screenshot.sh runs it under Xvfb.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <filesystem>

#include "loader/demo_survey.h"
#include "loader/ui/loader_menu.h"
#include "loader/ui/loader_window.h"
#include "loader/ui/status_windows.h"
#include "loader_ui_script.h"
#include "platform/scripted_prompter.h"
#include "platform/ui/centre_window.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

QString ShotName(QString title) {
  return "loader_" + title.replace(QRegularExpression("[^A-Za-z0-9]+"), "_").toLower() + ".png";
}

TEST(LoaderScreenshot, DialogsOpenCentredOverTheLoaderWithTheirCaptions) {
  if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X screen";
  testing::TempFolder folder;
  DemoSurveySize size{30, 40, 50};
  ASSERT_TRUE(WriteDemoSegy(folder.File("demo.sgy"), size));
  std::string artefacts = std::string(QUARRIX_BINARY_DIR) + "/artefacts";
  std::filesystem::create_directories(artefacts);

  ScriptedPrompter prompter;
  LoaderWindow window(&prompter);
  window.move(40, 40);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  testing::LoaderAnswers answers;
  answers.location = folder.path();
  answers.line_cell = SheetCell{48, 3};
  answers.trace_cell = SheetCell{49, 3};
  window.run_dialog = [&](QDialog& dialog) {
    CentreWindow(&dialog, &window);
    dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTest::qWait(150);
    QPixmap shot = dialog.screen()->grabWindow(0);
    EXPECT_TRUE(
        shot.save(QString::fromStdString(artefacts) + "/" + ShotName(dialog.windowTitle())));
    // Centred over the loader, unless that would put it off the screen.
    QRect screen = dialog.screen()->availableGeometry(), frame = dialog.frameGeometry();
    bool kept_on_screen = frame.top() <= screen.top() || frame.bottom() >= screen.bottom() ||
                          frame.left() <= screen.left() || frame.right() >= screen.right();
    QPoint owner = window.frameGeometry().center(), own = frame.center();
    if (!kept_on_screen)
      EXPECT_LE((owner - own).manhattanLength(), 40) << dialog.windowTitle().toStdString();
    EXPECT_GE(dialog.width(), CaptionWidth(&dialog)) << dialog.windowTitle().toStdString();
    if (qobject_cast<HeaderScanDialog*>(&dialog)) {
      // F1 over the scan table opens its page of the help.
      QTest::keyClick(&dialog, Qt::Key_F1);
      auto* help = dialog.findChild<QTextBrowser*>("help");
      EXPECT_TRUE(help && help->source().fileName() == "header_scan.html");
      if (help && QTest::qWaitForWindowExposed(help)) {
        QTest::qWait(150);
        help->screen()->grabWindow(0).save(QString::fromStdString(artefacts) +
                                           "/loader_help_header_scan.png");
        help->close();
      }
    }
    return answers(dialog);
  };
  prompter.QueueFile(folder.File("demo.sgy"));
  window.Dispatch(loader_command::kStart);
  EXPECT_EQ(prompter.last_text(), "Data Load Complete\n1200 Traces Processed");
  // The messages window stands beside the loader, clear of its menus.
  QWidget* messages = window.messages_window();
  EXPECT_TRUE(messages->isVisible());
  EXPECT_FALSE(messages->frameGeometry().intersects(window.frameGeometry()));
  window.Dispatch(loader_command::kAbout);
}

}  // namespace
}  // namespace quarrix
