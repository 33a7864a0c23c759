// quarrix: the interpretation and plotting program. With a project header as
// its only argument it opens that project at start; otherwise it shows the
// Open dialog as the desktop program always has.
#include <QApplication>
#include <QTimer>

#include "app/ui/main_frame.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("quarrix");
  quarrix::Session session;
  quarrix::MainFrame frame(session);
  frame.showMaximized();
  QStringList args = QApplication::arguments();
  QString header = args.size() > 1 ? args.at(1) : QString();
  QTimer::singleShot(0, &frame, [&frame, header] {
    if (header.isEmpty())
      frame.CommandOpen();
    else
      frame.OpenProjectFile(header);
  });
  return application.exec();
}
