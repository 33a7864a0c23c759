#include "platform/ui/help_browser.h"

#include <QApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QUrl>
#include <set>

#include "platform/ui/centre_window.h"
#include "platform/ui/help_pages.h"

namespace quarrix {
namespace {

const char kHelpFolder[] = ":/help/";
const char kHelpKeyName[] = "quarrix help key";

// F1 wherever no shortcut took it: the page of the window the key went to.
class HelpKeyFilter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (!widget) return false;
    ShowHelpPage(widget->window(), HelpPageFor(widget->window()));
    return true;
  }
};

}  // namespace

std::string HelpPageFor(const QWidget* window) {
  for (const QWidget* w = window; w; w = w->parentWidget()) {
    QString named = w->property(kHelpPageProperty).toString();
    if (!named.isEmpty()) return named.toStdString();
    std::string_view name = w->metaObject()->className();
    for (const HelpPage& entry : HelpPages())
      if (entry.window_class == name) return std::string(entry.page);
  }
  return "index.html";
}

void ShowHelpPage(QWidget* parent, const std::string& page) {
  auto* browser = new QTextBrowser(parent);
  browser->setObjectName("help");
  browser->setWindowFlag(Qt::Window);
  browser->setAttribute(Qt::WA_DeleteOnClose);
  browser->setWindowTitle("Quarrix3D Help");
  browser->setSource(QUrl(QString("qrc:/help/") + QString::fromStdString(page)));
  browser->resize(640, 560);
  CentreWindow(browser, parent);
  browser->show();
}

void ShowHelp(QWidget* parent) {
  ShowHelpPage(parent, "index.html");
}

void InstallHelpKey() {
  QCoreApplication* application = QCoreApplication::instance();
  if (!application || application->findChild<QObject*>(kHelpKeyName)) return;
  auto* filter = new HelpKeyFilter(application);
  filter->setObjectName(kHelpKeyName);
  application->installEventFilter(filter);
}

int ListHelpPages(std::ostream& out) {
  std::set<std::string> present;
  for (QDirIterator it(kHelpFolder); it.hasNext();)
    present.insert(QFileInfo(it.next()).fileName().toStdString());
  for (const std::string& page : present) out << page << '\n';
  int status = present.count("index.html") ? 0 : 1;
  for (const HelpPage& entry : HelpPages()) {
    if (!present.count(std::string(entry.page))) {
      out << "missing: " << entry.page << " (" << entry.window_class << ")\n";
      status = 1;
    }
  }
  return status;
}

}  // namespace quarrix
