// The main of the widget test programs: one QApplication for the whole run,
// destroyed before the program exits.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  // Widget tests need no screen unless one is asked for explicitly.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
