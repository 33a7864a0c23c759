#include "platform/ui/qt_canvas.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <vector>

namespace quarrix {
namespace {

QPolygonF ToPolygon(const Point* points, std::size_t count) {
  QPolygonF polygon;
  polygon.reserve(static_cast<qsizetype>(count));
  for (std::size_t i = 0; i < count; ++i) polygon.append(QPointF(points[i].x, points[i].y));
  return polygon;
}

Qt::PenStyle ToQtStyle(PenStyle style) {
  switch (style) {
    case PenStyle::Solid: return Qt::SolidLine;
    case PenStyle::Dash: return Qt::DashLine;
    case PenStyle::Dot: return Qt::DotLine;
    case PenStyle::DashDot: return Qt::DashDotLine;
    case PenStyle::DashDotDot: return Qt::DashDotDotLine;
    case PenStyle::Null: return Qt::NoPen;
  }
  return Qt::SolidLine;
}

Qt::FillRule ToFillRule(FillMode mode) {
  return mode == FillMode::Alternate ? Qt::OddEvenFill : Qt::WindingFill;
}

}  // namespace

QColor ToQColor(Rgb colour) {
  return QColor(colour.r, colour.g, colour.b);
}

QtCanvas::QtCanvas(QPainter& painter, DeviceInfo device) : painter_(painter), device_(device) {
  // Plain device pixels as a device context gives: no smoothing of lines or
  // stretched images, so what is drawn is the same on every device.
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, false);
  painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter_.setBackgroundMode(Qt::TransparentMode);
  SetPen(Pen{});
  SetBrush(kNullBrush);
  SetFont(Font{});
}

void QtCanvas::SetPen(const Pen& pen) {
  // A pen one unit wide or less is the device's thinnest line, as on a device
  // context; Qt draws those (cosmetic pens) without its general stroker.
  QPen qpen(ToQColor(pen.colour), pen.width <= 1 ? 0 : pen.width, ToQtStyle(pen.style), Qt::FlatCap,
            Qt::MiterJoin);
  painter_.setPen(qpen);
}

void QtCanvas::SetBrush(const Brush& brush) {
  painter_.setBrush(brush.style == BrushStyle::Null ? QBrush(Qt::NoBrush)
                                                    : QBrush(ToQColor(brush.colour)));
}

void QtCanvas::SetFont(const Font& font) {
  font_ = QFont(QString::fromStdString(font.face));
  font_.setPixelSize(std::max(1, font.height));
  font_.setWeight(font.weight >= 600 ? QFont::Bold : QFont::Normal);
  font_.setStyleStrategy(QFont::NoAntialias);
  escapement_ = font.escapement;
  painter_.setFont(font_);
}

void QtCanvas::LineTo(Point p) {
  painter_.drawLine(QPointF(position_.x, position_.y), QPointF(p.x, p.y));
  position_ = p;
}

void QtCanvas::Polyline(const Point* points, std::size_t count) {
  if (count >= 2) painter_.drawPolyline(ToPolygon(points, count));
}

void QtCanvas::Polygon(const Point* points, std::size_t count) {
  if (count >= 2) painter_.drawPolygon(ToPolygon(points, count), ToFillRule(fill_mode_));
}

void QtCanvas::PolyPolygon(const Point* points, const int* counts, std::size_t polygon_count) {
  // One polygon for the fill: each part closed, then back along the parts'
  // first points. The bridges run there and back, so they add nothing to
  // the filled area under either fill rule, and one polygon fills much
  // faster than a path of many.
  QPolygonF fill;
  std::vector<QPointF> starts;
  std::size_t at = 0;
  for (std::size_t i = 0; i < polygon_count; ++i) {
    const auto n = static_cast<std::size_t>(counts[i]);
    if (n > 0) {
      for (std::size_t k = 0; k < n; ++k) fill.append(QPointF(points[at + k].x, points[at + k].y));
      starts.emplace_back(points[at].x, points[at].y);
      fill.append(starts.back());
    }
    at += n;
  }
  for (auto start = starts.rbegin(); start != starts.rend(); ++start) fill.append(*start);
  const QPen pen = painter_.pen();
  painter_.setPen(Qt::NoPen);
  painter_.drawPolygon(fill, ToFillRule(fill_mode_));
  painter_.setPen(pen);
  if (pen.style() == Qt::NoPen) return;
  at = 0;
  for (std::size_t i = 0; i < polygon_count; ++i) {
    const auto n = static_cast<std::size_t>(counts[i]);
    if (n >= 2) {
      QPolygonF outline = ToPolygon(points + at, n);
      outline.append(outline.first());
      painter_.drawPolyline(outline);
    }
    at += n;
  }
}

void QtCanvas::Rectangle(Rect r) {
  painter_.drawRect(QRectF(r.left, r.top, r.Width(), r.Height()));
}

void QtCanvas::Ellipse(Rect r) {
  painter_.drawEllipse(QRectF(r.left, r.top, r.Width(), r.Height()));
}

void QtCanvas::Text(Point p, std::string_view text, unsigned align) {
  QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  QFontMetricsF metrics(font_, painter_.device());
  double dx = 0, dy = 0;
  unsigned h = align & kHorizontalAlignMask, v = align & kVerticalAlignMask;
  if (h == kAlignRight) dx = -metrics.horizontalAdvance(qtext);
  if (h == kAlignCentre) dx = -metrics.horizontalAdvance(qtext) / 2;
  if (v == kAlignTop) dy = metrics.ascent();
  if (v == kAlignBottom) dy = -metrics.descent();
  QPen saved = painter_.pen();
  painter_.setPen(ToQColor(text_colour_));
  painter_.save();
  painter_.translate(p.x, p.y);
  if (escapement_ != 0) painter_.rotate(-escapement_ / 10.0);
  painter_.drawText(QPointF(dx, dy), qtext);
  painter_.restore();
  painter_.setPen(saved);
}

double QtCanvas::TextWidth(std::string_view text) {
  QFontMetricsF metrics(font_, painter_.device());
  return metrics.horizontalAdvance(
      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void QtCanvas::StretchImage(const IndexedImage& image, Rect destination) {
  if (image.width <= 0 || image.height <= 0) return;
  // Colours looked up here rather than handed over as an indexed image: Qt
  // would convert an indexed image before every scaled draw, and a 32-bit
  // opaque image takes its fast scaling path. Indexes past the palette are
  // black, as the unused entries of a 256-colour table.
  std::array<QRgb, 256> table;
  table.fill(qRgb(0, 0, 0));
  for (std::size_t i = 0; i < std::min<std::size_t>(256, image.palette.size()); ++i)
    table[i] = qRgb(image.palette[i].r, image.palette[i].g, image.palette[i].b);
  QImage qimage(image.width, image.height, QImage::Format_RGB32);
  for (int y = 0; y < image.height; ++y) {
    const std::uint8_t* from = image.Row(y);
    auto* to = reinterpret_cast<QRgb*>(qimage.scanLine(y));
    for (int x = 0; x < image.width; ++x) to[x] = table[from[x]];
  }
  painter_.drawImage(
      QRectF(destination.left, destination.top, destination.Width(), destination.Height()), qimage);
}

void QtCanvas::SetClip(Rect r) {
  painter_.setClipRect(QRectF(r.left, r.top, r.Width(), r.Height()));
}

void QtCanvas::ClearClip() {
  painter_.setClipping(false);
}

}  // namespace quarrix
