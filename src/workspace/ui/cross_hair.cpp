#include "workspace/ui/cross_hair.h"

#include <QEvent>
#include <QPainter>

namespace quarrix {

CrossHair::CrossHair(QWidget* viewport) : QWidget(viewport) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setGeometry(viewport->rect());
  viewport->installEventFilter(this);
  hide();
}

void CrossHair::ShowAt(std::optional<int> x) {
  if (x == x_) return;
  x_ = x;
  setVisible(x_.has_value());
  update();
}

void CrossHair::paintEvent(QPaintEvent*) {
  if (!x_) return;
  QPainter painter(this);
  painter.setPen(QPen(QColor(255, 0, 255), 1, Qt::DashLine));
  painter.drawLine(*x_, 0, *x_, height());
}

// Follows the viewport's size.
bool CrossHair::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Resize)
    setGeometry(parentWidget()->rect());
  return QWidget::eventFilter(watched, event);
}

}  // namespace quarrix
