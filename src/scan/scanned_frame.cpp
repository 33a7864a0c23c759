#include "scan/scanned_frame.h"

#include <algorithm>

#include "scan/scan_document.h"

namespace quarrix {
namespace {

// One sample of a line scaled to 0..255.
std::uint8_t Sample(const unsigned char* line, int depth, int index) {
  if (depth == 1) return (line[index / 8] >> (7 - index % 8)) & 1 ? 0 : 255;  // a set bit is black
  if (depth == 16) return line[2 * index + 1];                                // the high byte
  return line[index];
}

}  // namespace

bool PlaceScannedFrame(std::string_view bytes, const FrameLayout& layout, ScannedPage& page,
                       std::string& problem) {
  const bool rgb = layout.format == FrameFormat::Rgb;
  const long long samples = static_cast<long long>(layout.pixels_per_line) * (rgb ? 3 : 1);
  if (layout.bytes_per_line <= 0 || layout.pixels_per_line <= 0 ||
      (layout.depth != 1 && layout.depth != 8 && layout.depth != 16) ||
      (layout.depth == 1 && rgb)) {
    problem = "The scanner sends a kind of image Quarrix cannot take.";
    return false;
  }
  if ((samples * layout.depth + 7) / 8 > layout.bytes_per_line) {
    problem = "The scanner's line length does not agree with its pixels.";
    return false;
  }
  const long long rows = static_cast<long long>(bytes.size()) / layout.bytes_per_line;
  if (page.pixels.empty()) {
    if (const std::string size = ScanSizeProblem(layout.pixels_per_line, rows); !size.empty()) {
      problem = size;
      return false;
    }
    page.width = layout.pixels_per_line;
    page.height = static_cast<int>(rows);
    page.pixels.assign(static_cast<std::size_t>(page.width) * page.height, Rgb{});
  }
  const int height = static_cast<int>(std::min<long long>(rows, page.height));
  const int width = std::min(layout.pixels_per_line, page.width);
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  for (int y = 0; y < height; ++y) {
    const unsigned char* line = data + static_cast<std::size_t>(y) * layout.bytes_per_line;
    Rgb* pixel = &page.pixels[static_cast<std::size_t>(y) * page.width];
    for (int x = 0; x < width; ++x, ++pixel) {
      switch (layout.format) {
        case FrameFormat::Rgb:
          *pixel = {Sample(line, layout.depth, 3 * x), Sample(line, layout.depth, 3 * x + 1),
                    Sample(line, layout.depth, 3 * x + 2)};
          break;
        case FrameFormat::Red: pixel->r = Sample(line, layout.depth, x); break;
        case FrameFormat::Green: pixel->g = Sample(line, layout.depth, x); break;
        case FrameFormat::Blue: pixel->b = Sample(line, layout.depth, x); break;
        case FrameFormat::Grey: {
          const std::uint8_t v = Sample(line, layout.depth, x);
          *pixel = {v, v, v};
        }
      }
    }
  }
  return true;
}

}  // namespace quarrix
