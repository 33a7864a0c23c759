#pragma once
// Little-endian fields in byte buffers, for the horizon folder's file codecs.
#include <cstdint>
#include <string>
#include <string_view>

namespace quarrix::le {

inline std::uint32_t Get32(std::string_view bytes, std::size_t at) {
  auto b = [&](std::size_t k) {
    return static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at + k]));
  };
  return b(0) | (b(1) << 8) | (b(2) << 16) | (b(3) << 24);
}
inline std::uint16_t Get16(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) |
                                    (static_cast<std::uint8_t>(bytes[at + 1]) << 8));
}
inline std::int16_t GetSigned16(std::string_view bytes, std::size_t at) {
  return static_cast<std::int16_t>(Get16(bytes, at));
}
inline void Put16(std::string& bytes, std::size_t at, std::uint16_t value) {
  bytes[at] = static_cast<char>(value & 0xFF);
  bytes[at + 1] = static_cast<char>(value >> 8);
}
inline void Put32(std::string& bytes, std::size_t at, std::uint32_t value) {
  for (int k = 0; k < 4; ++k) bytes[at + k] = static_cast<char>((value >> (8 * k)) & 0xFF);
}

}  // namespace quarrix::le
