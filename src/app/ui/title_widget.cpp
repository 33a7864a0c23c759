#include "app/ui/title_widget.h"

#include <QPainter>

namespace quarrix {

TitleWidget::TitleWidget(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(192, 192, 192));
  setPalette(p);
}

void TitleWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QFont font("Arial");
  font.setPixelSize(100);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(QColor(200, 200, 200));
  // Very wide clients centre the title on their left half.
  int width = this->width() > 1280 ? this->width() / 2 : this->width();
  QFontMetrics metrics(font);
  int text_width = metrics.horizontalAdvance("Quarrix3D");
  int baseline = height() / 2 - metrics.descent();
  painter.drawText((width - text_width) / 2, baseline, "Quarrix3D");
}

}  // namespace quarrix
