#pragma once
// The main frame's client area: the product title in large light grey letters.
#include <QWidget>

namespace quarrix {

class TitleWidget : public QWidget {
 public:
  explicit TitleWidget(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace quarrix
