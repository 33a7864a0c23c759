// quarrix: the interpretation and plotting program. With a project header as
// its only argument it opens that project at start; otherwise it shows the
// Open dialog as soon as the frame is up.
#include <QApplication>
#include <QTimer>

#include "app/main_commands.h"
#include "app/ui/main_frame.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("quarrix");
  QApplication::setApplicationVersion("0.1");
  quarrix::Session session;
  quarrix::MainFrame frame(session);
  frame.showMaximized();
  QStringList args = QApplication::arguments();
  QString header = args.size() > 1 ? args.at(1) : QString();
  QTimer::singleShot(0, &frame, [&frame, header] {
    if (header.isEmpty())
      frame.Dispatch(quarrix::command::kOpen);
    else
      frame.OpenProjectFile(header);
  });
  return application.exec();
}
