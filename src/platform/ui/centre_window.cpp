#include "platform/ui/centre_window.h"

#include <QApplication>
#include <QFontMetrics>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace quarrix {
namespace {

QRect ScreenArea(const QWidget* near) {
  QScreen* screen = near && near->screen() ? near->screen() : QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// A window not yet shown reports Qt's default size until its layout has run.
QSize ShowingSize(QWidget* window) {
  if (!window->testAttribute(Qt::WA_Resized)) window->adjustSize();
  return window->size();
}

QPoint KeptOnScreen(QPoint corner, const QSize& size, const QRect& screen) {
  int right = std::max(screen.left(), screen.right() + 1 - size.width());
  int bottom = std::max(screen.top(), screen.bottom() + 1 - size.height());
  corner.setX(std::clamp(corner.x(), screen.left(), right));
  corner.setY(std::clamp(corner.y(), screen.top(), bottom));
  return corner;
}

}  // namespace

int CaptionWidth(const QWidget* window) {
  // The title bar's icon and its three buttons take about 140 pixels.
  constexpr int kTitleBarFurniture = 140;
  QFont font = QApplication::font("QMdiSubWindowTitleBar");
  font.setBold(true);
  return QFontMetrics(font).horizontalAdvance(window->windowTitle()) + kTitleBarFurniture;
}

void CentreWindow(QWidget* window, QWidget* reference, int vertical_offset, bool on_desktop) {
  QSize full = ShowingSize(window);
  if (full.width() < CaptionWidth(window)) {
    window->resize(CaptionWidth(window), full.height());
    full = window->size();
  }
  QRect screen = ScreenArea(reference ? reference : window);
  QRect area = on_desktop || !reference
                   ? screen
                   : QRect(reference->mapToGlobal(QPoint(0, 0)), reference->size());
  QSize size = full.boundedTo(QSize(1024, 768));
  QPoint corner(area.center().x() - size.width() / 2,
                area.center().y() - size.height() / 2 + vertical_offset);
  window->move(KeptOnScreen(corner, full, screen));
}

QPoint PlaceBeside(const QRect& owner_frame, const QSize& size, const QRect& screen) {
  QPoint corner(owner_frame.right() + 1, owner_frame.top());
  if (corner.x() + size.width() > screen.right() + 1) {
    if (owner_frame.left() - size.width() >= screen.left())
      corner.setX(owner_frame.left() - size.width());
    else
      corner.setX(screen.right() + 1 - size.width());
  }
  return KeptOnScreen(corner, size, screen);
}

void ShowBeside(QWidget* window, QWidget* owner) {
  if (!window->isVisible() && owner) {
    window->move(
        PlaceBeside(owner->frameGeometry(), window->frameGeometry().size(), ScreenArea(owner)));
  }
  window->show();
}

}  // namespace quarrix
