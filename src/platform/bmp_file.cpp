#include "platform/bmp_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/byte_order.h"

namespace quarrix {
namespace {

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kBitfields = 3;
// Refuse pictures whose pixel count would exhaust memory.
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 28;
// Run-length data claiming more pixels per byte than this is taken as damaged
// (runs give at most 127 per byte; only long skips give more).
constexpr std::int64_t kMaxRle8Ratio = 1024;

// RLE8 pixel data into a bottom-up index buffer; runs past a row or the
// picture are cut off.
bool DecodeRle8(std::string_view data, int width, int height, std::vector<std::uint8_t>& out) {
  std::size_t at = 0;
  int x = 0, y = 0;
  auto put = [&](std::uint8_t v) {
    if (x < width && y < height) out[static_cast<std::size_t>(y) * width + x] = v;
    ++x;
  };
  while (at + 1 < data.size()) {
    auto count = static_cast<std::uint8_t>(data[at]),
         value = static_cast<std::uint8_t>(data[at + 1]);
    at += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(value);
    } else if (value == 0) {
      x = 0;
      ++y;
    } else if (value == 1) {
      return true;
    } else if (value == 2) {
      if (at + 1 >= data.size()) return false;
      x += static_cast<std::uint8_t>(data[at]);
      y += static_cast<std::uint8_t>(data[at + 1]);
      at += 2;
    } else {
      if (at + value > data.size()) return false;
      for (int i = 0; i < value; ++i) put(static_cast<std::uint8_t>(data[at + i]));
      at += value + (value & 1);
    }
    if (y >= height) return true;
  }
  return true;  // a missing end-of-bitmap mark is tolerated
}

// What the file and info headers say about the picture.
struct BmpLayout {
  std::uint32_t pixel_offset = 0, info_size = 0;
  std::int64_t width = 0, height = 0;
  std::uint32_t bits = 0, compression = kRgb, colours_used = 0;
  bool top_down = false;
  bool PaletteBits() const { return bits == 1 || bits == 4 || bits == 8; }
};

// Reads the headers and refuses sizes and formats this reader cannot decode.
bool ReadBmpLayout(std::string_view bytes, BmpLayout& layout, std::string& error) {
  if (bytes.size() < 26 || bytes[0] != 'B' || bytes[1] != 'M') {
    error = "not a bitmap file";
    return false;
  }
  layout.pixel_offset = le::Get<std::uint32_t>(bytes, 10);
  layout.info_size = le::Get<std::uint32_t>(bytes, 14);
  if (layout.info_size == 12) {  // the old core header
    layout.width = le::Get<std::uint16_t>(bytes, 18);
    layout.height = static_cast<std::int16_t>(le::Get<std::uint16_t>(bytes, 20));
    layout.bits = le::Get<std::uint16_t>(bytes, 24);
  } else if (layout.info_size >= 40 && bytes.size() >= 54) {
    layout.width = static_cast<std::int32_t>(le::Get<std::uint32_t>(bytes, 18));
    layout.height = static_cast<std::int32_t>(le::Get<std::uint32_t>(bytes, 22));
    layout.bits = le::Get<std::uint16_t>(bytes, 28);
    layout.compression = le::Get<std::uint32_t>(bytes, 30);
    layout.colours_used = le::Get<std::uint32_t>(bytes, 46);
  } else {
    error = "unsupported bitmap header";
    return false;
  }
  layout.top_down = layout.height < 0;
  layout.height = std::abs(layout.height);
  if (layout.width <= 0 || layout.height <= 0 || layout.width * layout.height > kMaxPixels) {
    error = "bitmap size out of range";
    return false;
  }
  const std::uint32_t bits = layout.bits, compression = layout.compression;
  const bool supported = (layout.PaletteBits() && compression == kRgb) ||
                         (bits == 8 && compression == kRle8) ||
                         ((bits == 24 || bits == 32) && compression == kRgb) ||
                         (bits == 32 && compression == kBitfields);
  if (!supported) {
    error = "unsupported bitmap format";
    return false;
  }
  return true;
}

// The colour table after the info header; empty when it is missing.
std::vector<Rgb> ReadBmpPalette(std::string_view bytes, const BmpLayout& layout) {
  std::vector<Rgb> palette;
  std::size_t entries = layout.colours_used ? layout.colours_used : (std::size_t{1} << layout.bits);
  entries = std::min<std::size_t>(entries, std::size_t{1} << layout.bits);
  const std::size_t table = 14 + static_cast<std::size_t>(layout.info_size);
  const std::size_t entry_bytes = layout.info_size == 12 ? 3 : 4;
  for (std::size_t i = 0; i < entries; ++i) {
    std::size_t at = table + i * entry_bytes;
    if (at + 3 > bytes.size()) break;
    palette.push_back({static_cast<std::uint8_t>(bytes[at + 2]),
                       static_cast<std::uint8_t>(bytes[at + 1]),
                       static_cast<std::uint8_t>(bytes[at])});
  }
  return palette;
}

// Palette indexes into the bitmap's indexed image, then their colours.
bool DecodePaletteRows(std::string_view data, const BmpLayout& layout, std::size_t row_bytes,
                       std::vector<Rgb> palette, Bitmap& bitmap, std::string& error) {
  const int w = bitmap.width, h = bitmap.height, bits = static_cast<int>(layout.bits);
  IndexedImage& image = bitmap.indexed;
  image = IndexedImage(w, h);
  image.palette = std::move(palette);
  if (layout.compression == kRle8) {
    std::vector<std::uint8_t> bottom_up(static_cast<std::size_t>(w) * h, 0);
    if (!DecodeRle8(data, w, h, bottom_up)) {
      error = "bitmap run-length data truncated";
      return false;
    }
    for (int y = 0; y < h; ++y)
      std::copy_n(bottom_up.data() + static_cast<std::size_t>(h - 1 - y) * w, w, image.Row(y));
  } else {
    for (int y = 0; y < h; ++y) {
      const char* row = data.data() + row_bytes * (layout.top_down ? y : h - 1 - y);
      for (int x = 0; x < w; ++x) {
        std::size_t bit = static_cast<std::size_t>(x) * bits;
        auto byte = static_cast<std::uint8_t>(row[bit / 8]);
        image.Row(y)[x] =
            static_cast<std::uint8_t>((byte >> (8 - bits - bit % 8)) & ((1 << bits) - 1));
      }
    }
  }
  const std::vector<Rgb>& colours = image.palette;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      std::uint8_t index = image.At(x, y);
      bitmap.pixels[static_cast<std::size_t>(y) * w + x] =
          index < colours.size() ? colours[index] : Rgb{};
    }
  return true;
}

// 24- and 32-bit pixels, stored blue, green, red.
void DecodeTrueColourRows(std::string_view data, const BmpLayout& layout, std::size_t row_bytes,
                          Bitmap& bitmap) {
  const int w = bitmap.width, h = bitmap.height;
  const std::size_t step = layout.bits / 8;
  for (int y = 0; y < h; ++y) {
    const char* row = data.data() + row_bytes * (layout.top_down ? y : h - 1 - y);
    for (int x = 0; x < w; ++x) {
      const char* p = row + x * step;
      bitmap.pixels[static_cast<std::size_t>(y) * w + x] = {static_cast<std::uint8_t>(p[2]),
                                                            static_cast<std::uint8_t>(p[1]),
                                                            static_cast<std::uint8_t>(p[0])};
    }
  }
}

}  // namespace

bool DecodeBmp(std::string_view bytes, Bitmap& bitmap, std::string& error) {
  BmpLayout layout;
  if (!ReadBmpLayout(bytes, layout, error)) return false;
  std::vector<Rgb> palette;
  if (layout.PaletteBits()) {
    palette = ReadBmpPalette(bytes, layout);
    if (palette.empty()) {
      error = "bitmap colour table missing";
      return false;
    }
  }
  if (layout.pixel_offset >= bytes.size()) {
    error = "bitmap pixel data missing";
    return false;
  }
  std::string_view data = bytes.substr(layout.pixel_offset);
  // Check that the data can hold the picture before allocating it.
  const std::size_t row_bytes =
      (static_cast<std::size_t>(layout.width) * layout.bits + 31) / 32 * 4;
  const bool short_data =
      layout.compression == kRle8
          ? static_cast<std::int64_t>(data.size()) * kMaxRle8Ratio < layout.width * layout.height
          : data.size() < row_bytes * static_cast<std::size_t>(layout.height);
  if (short_data) {
    error = "bitmap pixel data truncated";
    return false;
  }
  bitmap = Bitmap{};
  bitmap.width = static_cast<int>(layout.width);
  bitmap.height = static_cast<int>(layout.height);
  bitmap.pixels.assign(static_cast<std::size_t>(bitmap.width) * bitmap.height, Rgb{});
  if (layout.PaletteBits())
    return DecodePaletteRows(data, layout, row_bytes, std::move(palette), bitmap, error);
  DecodeTrueColourRows(data, layout, row_bytes, bitmap);
  return true;
}

std::string EncodeRle8(const IndexedImage& image) {
  std::string out;
  for (int y = image.height - 1; y >= 0; --y) {
    const std::uint8_t* row = image.Row(y);
    int x = 0;
    while (x < image.width) {
      int run = 1;
      while (x + run < image.width && run < 255 && row[x + run] == row[x]) ++run;
      if (run >= 2) {
        out.push_back(static_cast<char>(run));
        out.push_back(static_cast<char>(row[x]));
        x += run;
        continue;
      }
      // A stretch of differing pixels: absolute mode when three or more.
      int literal = 1;
      while (x + literal < image.width && literal < 255 &&
             !(x + literal + 1 < image.width && row[x + literal] == row[x + literal + 1]))
        ++literal;
      if (literal < 3) {
        for (int i = 0; i < literal; ++i) {
          out.push_back('\1');
          out.push_back(static_cast<char>(row[x + i]));
        }
      } else {
        out.push_back('\0');
        out.push_back(static_cast<char>(literal));
        out.append(reinterpret_cast<const char*>(row + x), literal);
        if (literal & 1) out.push_back('\0');
      }
      x += literal;
    }
    out.push_back('\0');
    out.push_back(y == 0 ? '\1' : '\0');  // end of line, or of the bitmap
  }
  if (image.height == 0) out.append("\0\1", 2);
  return out;
}

std::string EncodeBmpRle8(const IndexedImage& image, int pixels_per_inch) {
  const std::size_t colours =
      std::min<std::size_t>(std::max<std::size_t>(image.palette.size(), 1), 256);
  const std::string data = EncodeRle8(image);
  const auto pixel_offset = static_cast<std::uint32_t>(14 + 40 + 4 * colours);
  const auto pixels_per_metre = static_cast<std::uint32_t>(std::lround(pixels_per_inch / 0.0254));
  std::string out = "BM";
  le::Append<std::uint32_t>(out, pixel_offset + static_cast<std::uint32_t>(data.size()));
  le::Append<std::uint32_t>(out, 0);
  le::Append<std::uint32_t>(out, pixel_offset);
  le::Append<std::uint32_t>(out, 40);
  le::Append<std::uint32_t>(out, static_cast<std::uint32_t>(image.width));
  le::Append<std::uint32_t>(out, static_cast<std::uint32_t>(image.height));
  le::Append<std::uint16_t>(out, 1);
  le::Append<std::uint16_t>(out, 8);
  le::Append<std::uint32_t>(out, kRle8);
  le::Append<std::uint32_t>(out, static_cast<std::uint32_t>(data.size()));
  le::Append<std::uint32_t>(out, pixels_per_metre);
  le::Append<std::uint32_t>(out, pixels_per_metre);
  le::Append<std::uint32_t>(out, static_cast<std::uint32_t>(colours));
  le::Append<std::uint32_t>(out, 0);
  for (std::size_t i = 0; i < colours; ++i) {
    Rgb c = i < image.palette.size() ? image.palette[i] : Rgb{};
    out.push_back(static_cast<char>(c.b));
    out.push_back(static_cast<char>(c.g));
    out.push_back(static_cast<char>(c.r));
    out.push_back('\0');
  }
  return out + data;
}

bool ReadBitmapFile(const std::string& path, Bitmap& bitmap, std::string& error) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) {
    error = "cannot open " + path;
    return false;
  }
  return DecodeBmp(bytes, bitmap, error);
}

bool WriteBitmapFile(const std::string& path, const IndexedImage& image, int pixels_per_inch) {
  return WriteFileAtomically(path, EncodeBmpRle8(image, pixels_per_inch));
}

}  // namespace quarrix
