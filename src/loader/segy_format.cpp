#include "loader/segy_format.h"

#include <bit>
#include <cstring>

#include "platform/byte_order.h"
#include "platform/numeric.h"
#include "platform/text_util.h"

namespace quarrix {

SegyBinaryInfo DecodeBinaryHeader(std::string_view bytes) {
  const SegyByteOrder order = DetectByteOrder(bytes);
  const bool little = order == SegyByteOrder::Little;
  auto field = [&](std::size_t offset) -> int {
    if (bytes.size() < offset + 2) return 0;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data()) + offset;
    return little ? LoadLittle<std::int16_t>(p) : ReadBig16(p);
  };
  // A count cannot be negative: the samples per trace are read unsigned, so a
  // file of 65535 samples says 65535, not -1.
  const int samples = static_cast<std::uint16_t>(field(20));
  return SegyBinaryInfo{samples, field(16), field(24), order};
}

int SampleWidth(int format) {
  switch (format) {
    case kFormatIbmFloat:
    case kFormatInt32:
    case kFormatIeeeFloat: return 4;
    case kFormatInt16: return 2;
    case kFormatInt8: return 1;
    default: return 0;
  }
}

std::int64_t SegyRecordBytes(const SegyBinaryInfo& info) {
  return static_cast<std::int64_t>(kSegyTraceHeaderBytes) +
         static_cast<std::int64_t>(info.samples) * SampleWidth(info.format);
}

std::string SegyLoadProblem(const SegyBinaryInfo& info) {
  if (SampleWidth(info.format) == 0)
    return FormatText("Data sample format code %d cannot be loaded (formats 1, 2, 3, 5 and 8 can)",
                      info.format);
  if (info.samples <= 0)
    return FormatText("The binary header gives %d samples per trace", info.samples);
  if (info.interval_us < 1000 || info.interval_us % 1000 != 0)
    return FormatText(
        "Sample interval %d microseconds cannot be loaded: it must be a whole number of "
        "milliseconds of at least 1 ms",
        info.interval_us);
  return "";
}

float IbmToFloat(std::uint32_t ibm) {
  // The 24-bit fraction converts to a float exactly; its exponent says how
  // far the fraction had to be shifted to bring its top bit to bit 23, and
  // its significand is the shifted fraction. No branch and no bit count, so
  // a loop over a trace vectorises. The exponent wraps as an 8-bit field for
  // values beyond the float range, as it always has.
  const std::uint32_t fraction = ibm & 0x00FFFFFFu;
  const std::uint32_t normalised = std::bit_cast<std::uint32_t>(static_cast<float>(fraction));
  const std::uint32_t shifts_plus_one = 151u - (normalised >> 23);
  const std::uint32_t exponent = (ibm >> 24) & 0x7Fu;
  const std::uint32_t ieee_exponent = (4u * exponent + 127u - shifts_plus_one) & 0xFFu;
  const std::uint32_t bits =
      (ibm & 0x80000000u) | (ieee_exponent << 23) | (normalised & 0x007FFFFFu);
  return std::bit_cast<float>(fraction == 0 ? 0u : bits);
}

std::uint32_t FloatToIbm(float value) {
  std::uint32_t bits = std::bit_cast<std::uint32_t>(value);
  std::uint32_t sign = bits & 0x80000000u;
  int exponent = static_cast<int>((bits >> 23) & 0xFF);
  if (exponent == 0) return 0;  // zero (and denormals, far below any amplitude)
  std::uint32_t significand = (bits & 0x007FFFFFu) | 0x00800000u;
  // value = significand / 2^24 x 2^(exponent - 126); IBM wants 16^e.
  int binary = exponent - 126;
  int shift = (4 - (binary % 4)) % 4;
  if (binary < 0) shift = (-binary) % 4;
  significand >>= shift;
  int ibm_exponent = (binary + shift) / 4 + 64;
  if (ibm_exponent < 0) return 0;
  if (ibm_exponent > 127) return sign | 0x7FFFFFFFu;
  return sign | (static_cast<std::uint32_t>(ibm_exponent) << 24) | significand;
}

QUARRIX_VECTOR_CLONES
void DecodeTrace(const unsigned char* record, int format, int first, int count, float* out) {
  const unsigned char* p =
      record + kSegyTraceHeaderBytes + static_cast<std::size_t>(first) * SampleWidth(format);
  switch (format) {
    case kFormatIbmFloat:
      for (int n = 0; n < count; ++n, p += 4) out[n] = IbmToFloat(ReadBigU32(p));
      break;
    case kFormatInt32:
      for (int n = 0; n < count; ++n, p += 4) out[n] = static_cast<float>(ReadBig32(p));
      break;
    case kFormatInt16:
      for (int n = 0; n < count; ++n, p += 2) out[n] = ReadBig16(p);
      break;
    case kFormatIeeeFloat:
      for (int n = 0; n < count; ++n, p += 4) out[n] = std::bit_cast<float>(ReadBigU32(p));
      break;
    case kFormatInt8:
      for (int n = 0; n < count; ++n, ++p) out[n] = static_cast<signed char>(*p);
      break;
    default: std::memset(out, 0, sizeof(float) * static_cast<std::size_t>(count));
  }
}

QUARRIX_VECTOR_CLONES
std::optional<float> LargestIbmMagnitude(const unsigned char* record, int first, int count) {
  // A normalised fraction (its first hexadecimal digit not 0) with an
  // exponent of 34 to 95 (16^-30 to 16^31) is a normal float, converted
  // exactly; among such values and zero, the order of the magnitudes is the
  // order of the patterns without their sign bit.
  const unsigned char* p = record + kSegyTraceHeaderBytes + static_cast<std::size_t>(first) * 4;
  std::int32_t largest = 0;
  int usable = 1;
  for (int n = 0; n < count; ++n, p += 4) {
    const auto bits = static_cast<std::int32_t>(ReadBigU32(p) & 0x7FFFFFFFu);
    const std::int32_t exponent = bits >> 24;
    usable &= (bits == 0) | (((bits & 0x00F00000) != 0) & (exponent >= 34) & (exponent <= 95));
    largest = bits > largest ? bits : largest;
  }
  if (!usable) return std::nullopt;
  return IbmToFloat(static_cast<std::uint32_t>(largest));
}

std::vector<std::string> SegyHeaderMessages(const std::string& decoded_text,
                                            const SegyBinaryInfo& info) {
  std::vector<std::string> lines{"3200 Byte Header"};
  for (int card = 0; card < 40; ++card) {
    std::string text;
    std::size_t start = static_cast<std::size_t>(card) * 80;
    if (start < decoded_text.size()) text = decoded_text.substr(start, 40);
    // The card is shown as C text: it ends at its first NUL.
    text = text.substr(0, text.find('\0'));
    lines.push_back(FormatText("%d %s", card + 1, text.c_str()));
  }
  lines.push_back(FormatText("Number Samples %d", info.samples));
  lines.push_back(FormatText("Sample Rate %d", info.interval_us));
  lines.push_back(FormatText("Format %d", info.format));
  if (info.byte_order == SegyByteOrder::Little)
    lines.push_back(FormatText("Byte Order %s", ByteOrderName(info.byte_order)));
  return lines;
}

}  // namespace quarrix
