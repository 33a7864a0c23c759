#include "platform/recording_canvas.h"

namespace quarrix {

DrawnPrimitive& RecordingCanvas::Add(PrimitiveKind kind) {
  DrawnPrimitive& p = primitives_.emplace_back();
  p.kind = kind;
  p.pen = pen_;
  p.brush = brush_;
  p.font = font_;
  p.text_colour = text_colour_;
  p.fill_mode = fill_mode_;
  p.clip = clip_;
  p.clipped = clipped_;
  return p;
}

void RecordingCanvas::LineTo(Point p) {
  Add(PrimitiveKind::Line).points = {position_, p};
  position_ = p;
}

void RecordingCanvas::Polyline(const Point* points, std::size_t count) {
  Add(PrimitiveKind::Polyline).points.assign(points, points + count);
}

void RecordingCanvas::Polygon(const Point* points, std::size_t count) {
  Add(PrimitiveKind::Polygon).points.assign(points, points + count);
}

void RecordingCanvas::PolyPolygon(const Point* points, const int* counts,
                                  std::size_t polygon_count) {
  DrawnPrimitive& p = Add(PrimitiveKind::PolyPolygon);
  p.counts.assign(counts, counts + polygon_count);
  std::size_t total = 0;
  for (int c : p.counts) total += static_cast<std::size_t>(c);
  p.points.assign(points, points + total);
}

void RecordingCanvas::Rectangle(Rect r) {
  Add(PrimitiveKind::Rectangle).points = {{r.left, r.top}, {r.right, r.bottom}};
}

void RecordingCanvas::Ellipse(Rect r) {
  Add(PrimitiveKind::Ellipse).points = {{r.left, r.top}, {r.right, r.bottom}};
}

void RecordingCanvas::Text(Point p, std::string_view text, unsigned align) {
  DrawnPrimitive& d = Add(PrimitiveKind::Text);
  d.points = {p};
  d.text = std::string(text);
  d.align = align;
}

void RecordingCanvas::StretchImage(const IndexedImage& image, Rect destination) {
  DrawnPrimitive& d = Add(PrimitiveKind::Image);
  d.points = {{destination.left, destination.top}, {destination.right, destination.bottom}};
  d.image = image;
}

std::vector<DrawnPrimitive> RecordingCanvas::OfKind(PrimitiveKind kind) const {
  std::vector<DrawnPrimitive> out;
  for (const DrawnPrimitive& p : primitives_)
    if (p.kind == kind) out.push_back(p);
  return out;
}

Rect RecordingCanvas::TextBox(const DrawnPrimitive& text) {
  const Point anchor = text.points.empty() ? Point{} : text.points[0];
  const double width = EstimatedTextWidth(text.text, text.font);
  const double height = text.font.height;
  double left = anchor.x;
  if (text.align & kAlignRight) left -= width;
  if (text.align & kAlignCentre) left -= width / 2;
  // A cell is about four fifths ascent and one fifth descent.
  double top = anchor.y;
  if (text.align & kAlignBaseline) top -= 0.8 * height;
  if (text.align & kAlignBottom) top -= height;
  return {left, top, left + width, top + height};
}

std::vector<std::string> RecordingCanvas::Texts() const {
  std::vector<std::string> out;
  for (const DrawnPrimitive& p : primitives_)
    if (p.kind == PrimitiveKind::Text) out.push_back(p.text);
  return out;
}

}  // namespace quarrix
