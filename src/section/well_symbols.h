#pragma once
// The twelve well symbols posted on sections (symbol types 1..12 of well
// files): circles, triangles, squares, diamonds, open and filled, with the
// usual marks for dry holes and gas. Anything else draws symbol 2.
#include "platform/canvas.h"

namespace quarrix {

inline constexpr int kWellSymbolCount = 12;

// Draws symbol `type` centred at `centre`, `size` device units across, in
// `colour` with a pen `line_width` wide.
void DrawWellSymbol(Canvas& canvas, int type, Point centre, double size, Rgb colour,
                    int line_width = 1);

}  // namespace quarrix
