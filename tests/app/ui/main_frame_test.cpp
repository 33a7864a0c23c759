#include "app/ui/main_frame.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "platform/scripted_prompter.h"
#include "project/header_file.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "main_frame_test";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

TEST(MainFrame, OpensAProjectGivenItsHeaderAndShowsItInTheCaption) {
  App();
  testing::TempFolder folder;
  setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
  SurveyHeader h;
  h.first_line = 1;
  h.last_line = 3;
  h.first_trace = 1;
  h.last_trace = 4;
  h.trace_bytes = 20;
  h.ComputeDerived();
  ScriptedPrompter prompter;
  std::string path = folder.File("demo.hdr");
  ASSERT_TRUE(SaveHeader(path, h, prompter));

  Session session;
  MainFrame frame(session);
  EXPECT_EQ(frame.windowTitle(), "Quarrix3D");
  EXPECT_EQ(session.settings.gain, 20);  // defaults from a missing settings file
  ASSERT_TRUE(frame.OpenProjectFile(QString::fromStdString(path)));
  EXPECT_EQ(frame.windowTitle(), QString::fromStdString("Quarrix3D -- " + path));
  EXPECT_EQ(session.project.header.traces_per_line, 4);
  EXPECT_EQ(session.settings.lrufile, path);
  frame.CommandClose();
  EXPECT_EQ(frame.windowTitle(), "Quarrix3D -- ");
  EXPECT_TRUE(session.project.is_open);  // the geometry stays
}

}  // namespace
}  // namespace quarrix
