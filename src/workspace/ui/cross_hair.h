#pragma once
// The map cursor's mark on a section window: a thin line over the section at
// the trace (in-line windows) or line (cross-line windows) under the map's
// pointer. It sits over the section's viewport and paints only itself, so
// following the pointer never redraws the section.
#include <QWidget>
#include <optional>

namespace quarrix {

class CrossHair : public QWidget {
  Q_OBJECT
 public:
  explicit CrossHair(QWidget* viewport);
  // The mark's x in viewport pixels, or none to hide it.
  void ShowAt(std::optional<int> x);
  std::optional<int> x() const { return x_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::optional<int> x_;
};

}  // namespace quarrix
