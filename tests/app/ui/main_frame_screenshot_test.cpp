// A real window on a (virtual) X screen: the main frame with the demo project
// open, kept as a picture for people to look at. Runs only on the xcb
// platform; tests/e2e/main_frame_screenshot.sh runs it under Xvfb.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <filesystem>
#include <sstream>

#include "app/ui/main_frame.h"
#include "loader/demo_survey.h"
#include "platform/scripted_prompter.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

TEST(MainFrameScreenshot, DemoProjectOpenOnARealScreen) {
  if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X screen";
  testing::TempFolder folder;
  setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
  std::ostringstream out, err;
  ASSERT_EQ(RunDemoCommand({folder.path(), "--lines", "40", "--traces", "50", "--samples", "200"},
                           out, err),
            0)
      << err.str();
  std::string header = folder.File("demo/demo.hdr");
  ASSERT_TRUE(std::filesystem::exists(header));

  Session session;
  ScriptedPrompter prompter;
  MainFrame frame(session, &prompter);
  frame.resize(1024, 700);
  frame.show();
  ASSERT_TRUE(frame.OpenProjectFile(QString::fromStdString(header)));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
  QTest::qWait(200);
  QPixmap shot = frame.screen()->grabWindow(frame.winId());
  std::string artefacts = std::string(QUARRIX_BINARY_DIR) + "/artefacts";
  std::filesystem::create_directories(artefacts);
  ASSERT_TRUE(shot.save(QString::fromStdString(artefacts + "/main_frame.png")));
  EXPECT_GT(shot.width(), 500);
  EXPECT_EQ(frame.windowTitle(), QString::fromStdString("Quarrix3D -- " + header));
}

}  // namespace
}  // namespace quarrix
