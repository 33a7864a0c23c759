#include "loader/segy_byte_order.h"

#include <algorithm>
#include <array>

#include "loader/segy_format.h"
#include "platform/byte_order.h"

namespace quarrix {
namespace {

constexpr std::size_t kByteOrderWordOffset = 96;
constexpr std::uint32_t kSameOrder = 0x01020304u;
constexpr std::uint32_t kReversedOrder = 0x04030201u;
constexpr std::size_t kFormatOffset = 24;

// The 1-based first bytes of the 2-byte trace-header fields; all the others
// are 4 bytes wide (the standard layout: bytes 29-36, 69-72, 89-180, 201-204,
// 209-218, 223-224 and 229-232 hold 2-byte fields).
constexpr bool IsShortField(int byte) {
  return (byte >= 29 && byte <= 35) || byte == 69 || byte == 71 || (byte >= 89 && byte <= 179) ||
         byte == 201 || byte == 203 || (byte >= 209 && byte <= 217) || byte == 223 || byte == 229 ||
         byte == 231;
}

// Field widths in header order, from byte 1 to byte 240.
constexpr std::array<unsigned char, 120> TraceFieldWidths() {
  std::array<unsigned char, 120> widths{};
  std::size_t count = 0;
  for (int byte = 1; byte <= 240; ++count) {
    int width = IsShortField(byte) ? 2 : 4;
    widths[count] = static_cast<unsigned char>(width);
    byte += width;
  }
  return widths;
}
constexpr std::array<unsigned char, 120> kTraceFieldWidths = TraceFieldWidths();
constexpr int SumOfWidths() {
  int sum = 0;
  for (unsigned char width : kTraceFieldWidths) sum += width;
  return sum;
}
static_assert(SumOfWidths() == 240, "the fields cover the trace header exactly");

}  // namespace

SegyByteOrder DetectByteOrder(std::string_view binary_header) {
  const auto* p = reinterpret_cast<const unsigned char*>(binary_header.data());
  if (binary_header.size() >= kByteOrderWordOffset + 4) {
    std::uint32_t word = ReadBigU32(p + kByteOrderWordOffset);
    if (word == kSameOrder) return SegyByteOrder::Big;
    if (word == kReversedOrder) return SegyByteOrder::Little;
  }
  if (binary_header.size() < kFormatOffset + 2) return SegyByteOrder::Big;
  bool big = SampleWidth(ReadBigU16(p + kFormatOffset)) != 0;
  bool little = SampleWidth(LoadLittle<std::uint16_t>(p + kFormatOffset)) != 0;
  return little && !big ? SegyByteOrder::Little : SegyByteOrder::Big;
}

const char* ByteOrderName(SegyByteOrder order) {
  return order == SegyByteOrder::Little ? "little-endian" : "big-endian";
}

void RecordToBigEndian(SegyByteOrder order, int format, unsigned char* record, std::size_t bytes) {
  if (order == SegyByteOrder::Big) return;
  std::size_t at = 0;
  for (unsigned char width : kTraceFieldWidths) {
    if (at + width > bytes) return;
    std::reverse(record + at, record + at + width);
    at += width;
  }
  const std::size_t width = static_cast<std::size_t>(SampleWidth(format));
  if (width < 2) return;
  for (; at + width <= bytes; at += width) std::reverse(record + at, record + at + width);
}

}  // namespace quarrix
