#include "app/ui/help_browser.h"

#include <QTextBrowser>
#include <QUrl>

namespace quarrix {

void ShowHelp(QWidget* parent) {
  ShowHelpPage(parent, "index.html");
}

void ShowHelpPage(QWidget* parent, const QString& page) {
  auto* browser = new QTextBrowser(parent);
  browser->setWindowFlag(Qt::Window);
  browser->setAttribute(Qt::WA_DeleteOnClose);
  browser->setWindowTitle("Quarrix3D Help");
  browser->setSource(QUrl("qrc:/help/" + page));
  browser->resize(640, 560);
  browser->show();
}

}  // namespace quarrix
