#pragma once
// Windows bitmap files: reading 1-, 4-, 8-bit (uncompressed or RLE8) and
// 24- and 32-bit bitmaps, and writing 8-bit bitmaps with run-length (RLE8)
// compression, as saved plots are.
#include <string>
#include <string_view>

#include "platform/canvas.h"

namespace quarrix {

// A decoded bitmap: top-down RGB pixels, and for palette bitmaps also the
// palette indexes (empty for true-colour files).
struct Bitmap {
  int width = 0, height = 0;
  std::vector<Rgb> pixels;
  IndexedImage indexed;
  Rgb At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Decodes a bitmap file; on failure returns false with a reason in error.
bool DecodeBmp(std::string_view bytes, Bitmap& bitmap, std::string& error);
// The file bytes of an 8-bit RLE8 bitmap of the image and its palette (at
// most 256 colours).
std::string EncodeBmpRle8(const IndexedImage& image, int pixels_per_inch = 96);
// The RLE8 pixel data alone, bottom row first.
std::string EncodeRle8(const IndexedImage& image);

bool ReadBitmapFile(const std::string& path, Bitmap& bitmap, std::string& error);
// Writes through a temporary file and a rename; false on failure.
bool WriteBitmapFile(const std::string& path, const IndexedImage& image, int pixels_per_inch = 96);

}  // namespace quarrix
