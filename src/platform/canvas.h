#pragma once
// The drawing surface every renderer draws on: the stand-in for a device
// context. One drawing routine serves the screen, printers, PDF, SVG,
// metafiles and bitmaps; each device is one implementation of Canvas.
//
// Coordinates are device units (pixels on screens and bitmaps, dots on
// printers, 1/96 inch in metafiles), y growing downwards. They are doubles so
// that devices able to place sub-unit detail (QPainter) keep it; devices with
// whole units round.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarrix {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

struct Point {
  double x = 0, y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  double left = 0, top = 0, right = 0, bottom = 0;
  double Width() const { return right - left; }
  double Height() const { return bottom - top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Null };

struct Pen {
  PenStyle style = PenStyle::Solid;
  int width = 1;  // device units; 0 draws the thinnest line the device has
  Rgb colour = kBlack;
  friend bool operator==(const Pen&, const Pen&) = default;
};

enum class BrushStyle { Solid, Null };

struct Brush {
  BrushStyle style = BrushStyle::Solid;
  Rgb colour = kBlack;
  friend bool operator==(const Brush&, const Brush&) = default;
};

inline constexpr Brush kStockBlackBrush{BrushStyle::Solid, kBlack};
inline constexpr Brush kNullBrush{BrushStyle::Null, kBlack};

struct Font {
  std::string face = "Arial";
  int height = 12;     // character cell height in device units
  int weight = 400;    // 400 normal, 700 bold
  int escapement = 0;  // text direction in tenths of a degree, anticlockwise
  friend bool operator==(const Font&, const Font&) = default;
};

// Text alignment: one horizontal and one vertical flag, or-ed.
enum TextAlign : unsigned {
  kAlignLeft = 0,
  kAlignRight = 1,
  kAlignCentre = 2,
  kAlignTop = 0,
  kAlignBaseline = 4,
  kAlignBottom = 8,
};
inline constexpr unsigned kHorizontalAlignMask = 3;
inline constexpr unsigned kVerticalAlignMask = 12;

enum class FillMode { Alternate, Winding };

// An 8-bit palette-indexed image, rows top-down, `stride` bytes per row.
struct IndexedImage {
  int width = 0, height = 0, stride = 0;
  std::vector<std::uint8_t> pixels;
  std::vector<Rgb> palette;

  IndexedImage() = default;
  IndexedImage(int w, int h, int row_bytes = 0)
      : width(w),
        height(h),
        stride(row_bytes > 0 ? row_bytes : w),
        pixels(static_cast<std::size_t>(stride) * h, 0) {}
  std::uint8_t* Row(int y) { return pixels.data() + static_cast<std::size_t>(y) * stride; }
  const std::uint8_t* Row(int y) const {
    return pixels.data() + static_cast<std::size_t>(y) * stride;
  }
  std::uint8_t At(int x, int y) const { return Row(y)[x]; }
};

// What a renderer needs to know of the device it draws on.
struct DeviceInfo {
  double ppi_x = 96, ppi_y = 96;  // device units per inch
  bool printing = false;          // device scales come from the device itself
  bool metafile = false;          // recording a metafile at 96 units per inch
  // The part of the plot the device shows (a window's view of a plot larger
  // than the window); none for printers and files, which show all of it.
  // Renderers may leave out what lies wholly outside it.
  std::optional<Rect> exposed;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual DeviceInfo Device() const = 0;

  // The current pen, brush, font and text colour, as selected into a device.
  virtual void SetPen(const Pen& pen) = 0;
  virtual void SetBrush(const Brush& brush) = 0;
  virtual void SetFont(const Font& font) = 0;
  virtual void SetTextColour(Rgb colour) = 0;
  virtual void SetFillMode(FillMode mode) = 0;

  virtual void MoveTo(Point p) = 0;
  virtual void LineTo(Point p) = 0;
  virtual void Polyline(const Point* points, std::size_t count) = 0;
  // Outlined with the pen and filled with the brush.
  virtual void Polygon(const Point* points, std::size_t count) = 0;
  // Several polygons drawn and filled as one figure; counts[i] points each.
  virtual void PolyPolygon(const Point* points, const int* counts, std::size_t polygon_count) = 0;
  virtual void Rectangle(Rect r) = 0;
  virtual void Ellipse(Rect r) = 0;
  // Text at p with the given alignment (TextAlign flags), in the current font
  // and text colour, on a transparent background.
  virtual void Text(Point p, std::string_view text, unsigned align) = 0;
  // Width of text in the current font, in device units.
  virtual double TextWidth(std::string_view text) = 0;
  // The image stretched into the destination rectangle (plain copy).
  virtual void StretchImage(const IndexedImage& image, Rect destination) = 0;

  // Drawing outside the clip rectangle is discarded until ClearClip.
  virtual void SetClip(Rect r) = 0;
  virtual void ClearClip() = 0;

  // Conveniences over the primitives.
  void Line(Point a, Point b) {
    MoveTo(a);
    LineTo(b);
  }
  void Polyline(const std::vector<Point>& points) { Polyline(points.data(), points.size()); }
  void Polygon(const std::vector<Point>& points) { Polygon(points.data(), points.size()); }
};

// Text width that devices without font metrics (metafiles, recordings) use:
// an average Arial character is a little over half its cell height.
inline double EstimatedTextWidth(std::string_view text, const Font& font) {
  return 0.55 * font.height * static_cast<double>(text.size());
}

}  // namespace quarrix
