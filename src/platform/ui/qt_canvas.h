#pragma once
// The Canvas over a QPainter: widgets, QImage, QPrinter (printers and PDF)
// and QSvgGenerator all draw through it.
#include <QFont>
#include <QPainter>

#include "platform/canvas.h"

namespace quarrix {

class QtCanvas : public Canvas {
 public:
  // The painter must be active on its device for the canvas's lifetime.
  QtCanvas(QPainter& painter, DeviceInfo device);

  DeviceInfo Device() const override { return device_; }
  void SetPen(const Pen& pen) override;
  void SetBrush(const Brush& brush) override;
  void SetFont(const Font& font) override;
  void SetTextColour(Rgb colour) override { text_colour_ = colour; }
  void SetFillMode(FillMode mode) override { fill_mode_ = mode; }
  void MoveTo(Point p) override { position_ = p; }
  void LineTo(Point p) override;
  using Canvas::Polygon;
  using Canvas::Polyline;
  void Polyline(const Point* points, std::size_t count) override;
  void Polygon(const Point* points, std::size_t count) override;
  void PolyPolygon(const Point* points, const int* counts, std::size_t polygon_count) override;
  void Rectangle(Rect r) override;
  void Ellipse(Rect r) override;
  void Text(Point p, std::string_view text, unsigned align) override;
  double TextWidth(std::string_view text) override;
  void StretchImage(const IndexedImage& image, Rect destination) override;
  void SetClip(Rect r) override;
  void ClearClip() override;

 private:
  QPainter& painter_;
  DeviceInfo device_;
  QFont font_;
  int escapement_ = 0;
  Rgb text_colour_;
  FillMode fill_mode_ = FillMode::Alternate;
  Point position_;
};

QColor ToQColor(Rgb colour);

}  // namespace quarrix
