#include "platform/ui/centre_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace quarrix {

void CentreWindow(QWidget* window, QWidget* reference, int vertical_offset, bool on_desktop) {
  QRect area;
  if (on_desktop || !reference) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    area = screen->availableGeometry();
  } else {
    area = QRect(reference->mapToGlobal(QPoint(0, 0)), reference->size());
  }
  QSize size = window->size().boundedTo(QSize(1024, 768));
  // The centre is taken within at most 1024 x 768 of the reference area.
  QPoint centre(area.left() + std::min(area.width(), 1024) / 2,
                area.top() + std::min(area.height(), 768) / 2);
  window->move(centre.x() - size.width() / 2, centre.y() - size.height() / 2 + vertical_offset);
}

}  // namespace quarrix
