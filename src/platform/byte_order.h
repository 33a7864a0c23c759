#pragma once
// Fields of a fixed byte order in byte buffers, whatever the machine's own
// order: little-endian for the project's files, bitmaps, metafiles and tape
// images, big-endian for SEG-Y. Integers and floats of 1, 2, 4 or 8 bytes.
// The caller makes sure the field lies inside the buffer.
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

namespace quarrix {

namespace byte_order_detail {

template <typename T>
using Bits = std::conditional_t<
    sizeof(T) == 1, std::uint8_t,
    std::conditional_t<sizeof(T) == 2, std::uint16_t,
                       std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>>>;

// The bits with their bytes reversed; compilers turn this into one
// instruction, and into a byte shuffle in vectorised loops.
template <typename U>
U Reverse(U bits) {
  if constexpr (sizeof(U) == 1) {
    return bits;
  } else {
#if defined(__GNUC__) || defined(__clang__)
    if constexpr (sizeof(U) == 2) return __builtin_bswap16(bits);
    if constexpr (sizeof(U) == 4) return __builtin_bswap32(bits);
    if constexpr (sizeof(U) == 8) return __builtin_bswap64(bits);
#else
    U reversed = 0;
    for (std::size_t i = 0; i < sizeof(U); ++i)
      reversed = static_cast<U>((reversed << 8) | ((bits >> (8 * i)) & 0xFF));
    return reversed;
#endif
  }
}

constexpr bool kNativeBig = std::endian::native == std::endian::big;

template <typename T>
T Load(const void* at, bool big) {
  static_assert(std::is_arithmetic_v<T>);
  Bits<T> bits;
  std::memcpy(&bits, at, sizeof(T));
  if (big != kNativeBig) bits = Reverse(bits);
  return std::bit_cast<T>(bits);
}

template <typename T>
void Store(void* at, T value, bool big) {
  static_assert(std::is_arithmetic_v<T>);
  auto bits = std::bit_cast<Bits<T>>(value);
  if (big != kNativeBig) bits = Reverse(bits);
  std::memcpy(at, &bits, sizeof(T));
}

}  // namespace byte_order_detail

template <typename T>
T LoadLittle(const void* at) {
  return byte_order_detail::Load<T>(at, false);
}
template <typename T>
T LoadBig(const void* at) {
  return byte_order_detail::Load<T>(at, true);
}
template <typename T>
void StoreLittle(void* at, T value) {
  byte_order_detail::Store(at, value, false);
}
template <typename T>
void StoreBig(void* at, T value) {
  byte_order_detail::Store(at, value, true);
}

// The value with its bytes in the opposite order.
template <typename T>
T SwapBytes(T value) {
  using byte_order_detail::Bits;
  return std::bit_cast<T>(byte_order_detail::Reverse(std::bit_cast<Bits<T>>(value)));
}

// Little-endian fields of a byte string at an offset, and appended to it.
namespace le {
template <typename T>
T Get(std::string_view bytes, std::size_t offset) {
  return LoadLittle<T>(bytes.data() + offset);
}
template <typename T>
void Put(std::string& bytes, std::size_t offset, T value) {
  StoreLittle(bytes.data() + offset, value);
}
template <typename T>
void Append(std::string& bytes, T value) {
  const std::size_t at = bytes.size();
  bytes.resize(at + sizeof(T));
  StoreLittle(bytes.data() + at, value);
}
}  // namespace le

// The SEG-Y header and sample fields by name.
inline std::uint16_t ReadBigU16(const unsigned char* p) {
  return LoadBig<std::uint16_t>(p);
}
inline std::int16_t ReadBig16(const unsigned char* p) {
  return LoadBig<std::int16_t>(p);
}
inline std::uint32_t ReadBigU32(const unsigned char* p) {
  return LoadBig<std::uint32_t>(p);
}
inline std::int32_t ReadBig32(const unsigned char* p) {
  return LoadBig<std::int32_t>(p);
}
// The low 16 bits of value.
inline void WriteBig16(unsigned char* p, std::int32_t value) {
  StoreBig(p, static_cast<std::uint16_t>(value));
}
inline void WriteBig32(unsigned char* p, std::uint32_t value) {
  StoreBig(p, value);
}

}  // namespace quarrix
