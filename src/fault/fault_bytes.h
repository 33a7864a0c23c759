#pragma once
// Little-endian fields in byte buffers, for the fault folder's file codecs.
#include <cstdint>
#include <string>
#include <string_view>

namespace quarrix::fault_bytes {

inline std::uint32_t Get32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int k = 3; k >= 0; --k) value = (value << 8) | static_cast<std::uint8_t>(bytes[at + k]);
  return value;
}
inline std::int16_t GetSigned16(std::string_view bytes, std::size_t at) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(
      static_cast<std::uint8_t>(bytes[at]) | (static_cast<std::uint8_t>(bytes[at + 1]) << 8)));
}
inline void Put16(std::string& bytes, std::size_t at, std::int16_t value) {
  auto bits = static_cast<std::uint16_t>(value);
  bytes[at] = static_cast<char>(bits & 0xFF);
  bytes[at + 1] = static_cast<char>(bits >> 8);
}
inline void Put32(std::string& bytes, std::size_t at, std::int32_t value) {
  auto bits = static_cast<std::uint32_t>(value);
  for (int k = 0; k < 4; ++k) bytes[at + k] = static_cast<char>((bits >> (8 * k)) & 0xFF);
}

}  // namespace quarrix::fault_bytes
