#pragma once
// Little-endian fields in byte buffers, for the exchange formats.
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace quarrix::le {

template <typename T>
using Bits = std::conditional_t<
    sizeof(T) == 1, std::uint8_t,
    std::conditional_t<sizeof(T) == 2, std::uint16_t,
                       std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>>>;

// The caller makes sure the field lies inside the bytes.
template <typename T>
T Get(std::string_view bytes, std::size_t offset) {
  Bits<T> bits = 0;
  for (std::size_t i = 0; i < sizeof(T); ++i)
    bits |= static_cast<Bits<T>>(static_cast<Bits<T>>(static_cast<std::uint8_t>(bytes[offset + i]))
                                 << (8 * i));
  return std::bit_cast<T>(bits);
}

template <typename T>
void Put(std::string& bytes, std::size_t offset, T value) {
  auto bits = std::bit_cast<Bits<T>>(value);
  for (std::size_t i = 0; i < sizeof(T); ++i)
    bytes[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

}  // namespace quarrix::le
