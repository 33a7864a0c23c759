#pragma once
// Big-endian field access for SEG-Y headers and samples.
#include <cstdint>

namespace quarrix {

inline std::uint16_t ReadBigU16(const unsigned char* p) {
  return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}
inline std::int16_t ReadBig16(const unsigned char* p) {
  return static_cast<std::int16_t>(ReadBigU16(p));
}
inline std::uint32_t ReadBigU32(const unsigned char* p) {
  return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
         (static_cast<std::uint32_t>(p[2]) << 8) | p[3];
}
inline std::int32_t ReadBig32(const unsigned char* p) {
  return static_cast<std::int32_t>(ReadBigU32(p));
}
inline void WriteBig16(unsigned char* p, std::int32_t value) {
  auto u = static_cast<std::uint16_t>(value);
  p[0] = static_cast<unsigned char>(u >> 8);
  p[1] = static_cast<unsigned char>(u);
}
inline void WriteBig32(unsigned char* p, std::uint32_t value) {
  p[0] = static_cast<unsigned char>(value >> 24);
  p[1] = static_cast<unsigned char>(value >> 16);
  p[2] = static_cast<unsigned char>(value >> 8);
  p[3] = static_cast<unsigned char>(value);
}

}  // namespace quarrix
