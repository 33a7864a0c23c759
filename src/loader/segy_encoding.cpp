#include "loader/segy_encoding.h"

#include <bit>

#include "platform/byte_order.h"
#include "platform/numeric.h"

namespace quarrix {

std::string EncodeBinaryHeader(const SegyBinaryInfo& info) {
  std::string bytes(kSegyBinaryBytes, '\0');
  auto* p = reinterpret_cast<unsigned char*>(bytes.data());
  WriteBig16(p + 16, info.interval_us);
  WriteBig16(p + 20, info.samples);
  WriteBig16(p + 24, info.format);
  return bytes;
}

void PutWord32(unsigned char* header, int byte, std::int32_t value) {
  WriteBig32(header + byte - 1, static_cast<std::uint32_t>(value));
}

void PutWord16(unsigned char* header, int byte, std::int32_t value) {
  WriteBig16(header + byte - 1, value);
}

void EncodeSamples(const float* samples, int count, int format, unsigned char* out) {
  for (int n = 0; n < count; ++n) {
    float v = samples[n];
    switch (format) {
      case kFormatIbmFloat: WriteBig32(out + 4 * n, FloatToIbm(v)); break;
      case kFormatInt32: WriteBig32(out + 4 * n, static_cast<std::uint32_t>(Trunc32(v))); break;
      case kFormatInt16: WriteBig16(out + 2 * n, Trunc16(v)); break;
      case kFormatIeeeFloat: WriteBig32(out + 4 * n, std::bit_cast<std::uint32_t>(v)); break;
      case kFormatInt8: out[n] = static_cast<unsigned char>(TruncateTo<std::int8_t>(v)); break;
      default: break;
    }
  }
}

}  // namespace quarrix
