#include "section/well_symbols.h"

#include <cmath>
#include <vector>

namespace quarrix {
namespace {

enum class Shape { Circle, Triangle, Square, Diamond };

struct SymbolDrawing {
  Shape shape;
  bool filled;
  bool cross;  // a diagonal cross through the shape (dry hole)
  bool rays;   // four short rays outside it (gas)
  bool star;   // an asterisk instead of a shape (injection)
};

// Types 1..12.
constexpr SymbolDrawing kSymbols[kWellSymbolCount] = {
    {Shape::Circle, true, false, false, false},     // 1 oil
    {Shape::Circle, false, false, false, false},    // 2 location
    {Shape::Circle, false, true, false, false},     // 3 dry hole
    {Shape::Circle, false, false, true, false},     // 4 gas
    {Shape::Circle, true, false, true, false},      // 5 oil and gas
    {Shape::Triangle, false, false, false, false},  // 6
    {Shape::Triangle, true, false, false, false},   // 7
    {Shape::Square, false, false, false, false},    // 8
    {Shape::Square, true, false, false, false},     // 9
    {Shape::Diamond, false, false, false, false},   // 10
    {Shape::Diamond, true, false, false, false},    // 11
    {Shape::Circle, false, false, false, true},     // 12 injection
};

}  // namespace

void DrawWellSymbol(Canvas& canvas, int type, Point centre, double size, Rgb colour,
                    int line_width) {
  const SymbolDrawing& d = kSymbols[(type >= 1 && type <= kWellSymbolCount) ? type - 1 : 1];
  const double r = size / 2, x = centre.x, y = centre.y;
  canvas.SetPen({PenStyle::Solid, line_width, colour});
  canvas.SetBrush(d.filled ? Brush{BrushStyle::Solid, colour} : kNullBrush);
  if (d.star) {
    for (int k = 0; k < 4; ++k) {
      const double a = k * M_PI / 4, cx = r * std::cos(a), cy = r * std::sin(a);
      canvas.Line({x - cx, y - cy}, {x + cx, y + cy});
    }
  } else if (d.shape == Shape::Circle) {
    const double inner = d.rays ? r * 0.6 : r;
    canvas.Ellipse({x - inner, y - inner, x + inner, y + inner});
    if (d.rays)
      for (int k = 0; k < 4; ++k) {
        const double a = M_PI / 4 + k * M_PI / 2, c = std::cos(a), s = std::sin(a);
        canvas.Line({x + inner * c, y + inner * s}, {x + r * c, y + r * s});
      }
    if (d.cross) {
      const double c = r * std::cos(M_PI / 4);
      canvas.Line({x - c, y - c}, {x + c, y + c});
      canvas.Line({x - c, y + c}, {x + c, y - c});
    }
  } else if (d.shape == Shape::Square) {
    const double h = r * 0.85;
    canvas.Rectangle({x - h, y - h, x + h, y + h});
  } else {
    std::vector<Point> outline =
        d.shape == Shape::Triangle
            ? std::vector<Point>{{x, y - r},
                                 {x + r * 0.87, y + r * 0.5},
                                 {x - r * 0.87, y + r * 0.5}}
            : std::vector<Point>{{x, y - r}, {x + r, y}, {x, y + r}, {x - r, y}};
    canvas.Polygon(outline);
  }
  canvas.SetBrush(kNullBrush);
}

}  // namespace quarrix
