#include "horizon/horizon_style.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "platform/byte_order.h"
#include "platform/safe_write.h"

namespace quarrix {

std::uint32_t PackStyleWord(const HorizonStyle& s) {
  auto field = [](int value, std::uint32_t mask, int shift) {
    return (static_cast<std::uint32_t>(value) & mask) << shift;
  };
  return field(s.colour_index, 0xFFFF, 0) | field(s.pick_type, 0xF, 16) |
         field(s.previous_colour_index, 0xF, 20) | field(s.time_colour_scheme, 0xF, 24) |
         field(s.amplitude_colour_scheme, 0xF, 28);
}

HorizonStyle UnpackStyleWord(std::uint32_t word) {
  HorizonStyle s;
  // A negative index would point outside the palette, so it is kept at 0 too.
  int colour = static_cast<std::int16_t>(static_cast<std::uint16_t>(word & 0xFFFF));
  s.colour_index = std::clamp(colour, 0, 15);
  s.pick_type = static_cast<int>((word >> 16) & 0xF);
  s.previous_colour_index = static_cast<int>((word >> 20) & 0xF);
  s.time_colour_scheme = std::min(static_cast<int>((word >> 24) & 0xF), 8);
  s.amplitude_colour_scheme = std::min(static_cast<int>((word >> 28) & 0xF), 8);
  return s;
}

std::optional<HorizonStyle> ReadHorizonStyle(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return std::nullopt;
  unsigned char bytes[4];
  std::size_t got = std::fread(bytes, 1, 4, file);
  std::fclose(file);
  if (got != 4) return std::nullopt;
  return UnpackStyleWord(LoadLittle<std::uint32_t>(bytes));
}

bool WriteHorizonStyle(const std::string& path, const HorizonStyle& style) {
  std::FILE* file = std::fopen(path.c_str(), "r+b");
  if (!file) return false;
  unsigned char bytes[4];
  StoreLittle(bytes, PackStyleWord(style));
  bool ok = !WriteFaultInjected(WriteStep::Write, path) && std::fwrite(bytes, 1, 4, file) == 4;
  return std::fclose(file) == 0 && ok;
}

bool UpdateHorizonStyle(const std::string& path, const std::function<void(HorizonStyle&)>& change) {
  HorizonStyle style = ReadHorizonStyle(path).value_or(HorizonStyle{});
  change(style);
  return WriteHorizonStyle(path, style);
}

std::uint32_t HorizonPenColour(int index) {
  static constexpr std::array<std::uint32_t, 16> kPalette = {
      0xFFFFFF, 0x000000, 0xFF9933, 0xFF9933, 0xFF9933, 0xFF9933, 0x996600, 0x996633,
      0x008000, 0x000080, 0x00FF00, 0x0000FF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFF80};
  return kPalette[static_cast<std::size_t>(std::clamp(index, 0, 15))];
}

}  // namespace quarrix
