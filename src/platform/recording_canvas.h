#pragma once
// A canvas that keeps every primitive drawn on it, with the pen, brush, font
// and fill mode in force, so that tests can assert on what a renderer drew.
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace quarrix {

enum class PrimitiveKind { Line, Polyline, Polygon, PolyPolygon, Rectangle, Ellipse, Text, Image };

struct DrawnPrimitive {
  PrimitiveKind kind;
  std::vector<Point> points;  // Line: from, to; Rectangle/Ellipse/Image: two corners
  std::vector<int> counts;    // PolyPolygon: points per polygon
  std::string text;
  unsigned align = 0;
  Pen pen;
  Brush brush;
  Font font;
  Rgb text_colour;
  FillMode fill_mode = FillMode::Alternate;
  IndexedImage image;
  Rect clip;
  bool clipped = false;
};

class RecordingCanvas : public Canvas {
 public:
  explicit RecordingCanvas(DeviceInfo device = {}) : device_(device) {}

  DeviceInfo Device() const override { return device_; }
  void SetPen(const Pen& pen) override { pen_ = pen; }
  void SetBrush(const Brush& brush) override { brush_ = brush; }
  void SetFont(const Font& font) override { font_ = font; }
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
  double TextWidth(std::string_view text) override { return EstimatedTextWidth(text, font_); }
  void StretchImage(const IndexedImage& image, Rect destination) override;
  void SetClip(Rect r) override {
    clip_ = r;
    clipped_ = true;
  }
  void ClearClip() override { clipped_ = false; }

  const std::vector<DrawnPrimitive>& primitives() const { return primitives_; }
  // The primitives of one kind, in drawing order.
  std::vector<DrawnPrimitive> OfKind(PrimitiveKind kind) const;
  // Every text drawn, in order.
  std::vector<std::string> Texts() const;
  // The box a recorded horizontal text covers, from its anchor, alignment,
  // font height and the estimated width: what layout tests compare.
  static Rect TextBox(const DrawnPrimitive& text);

 private:
  DrawnPrimitive& Add(PrimitiveKind kind);

  DeviceInfo device_;
  Pen pen_;
  Brush brush_;
  Font font_;
  Rgb text_colour_;
  FillMode fill_mode_ = FillMode::Alternate;
  Point position_;
  Rect clip_;
  bool clipped_ = false;
  std::vector<DrawnPrimitive> primitives_;
};

}  // namespace quarrix
