#pragma once
// SEG-Y rev. 0 layout: the binary header values the loader uses, the sample
// formats it decodes and the length of one trace record.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "loader/segy_byte_order.h"

namespace quarrix {

constexpr std::size_t kSegyTextBytes = 3200;
constexpr std::size_t kSegyBinaryBytes = 400;
constexpr std::size_t kSegyFileHeaderBytes = kSegyTextBytes + kSegyBinaryBytes;
constexpr std::size_t kSegyTraceHeaderBytes = 240;

// Data sample format codes.
enum SegyFormat : int {
  kFormatIbmFloat = 1,
  kFormatInt32 = 2,
  kFormatInt16 = 3,
  kFormatIeeeFloat = 5,
  kFormatInt8 = 8,
};

struct SegyBinaryInfo {
  int samples = 0;                                // samples per trace, 0..65535
  int interval_us = 0;                            // sample interval, microseconds
  int format = 0;                                 // data sample format code
  SegyByteOrder byte_order = SegyByteOrder::Big;  // of the headers and samples
};

// Reads the three fields from a 400-byte binary header in the byte order the
// header declares (fewer bytes leave the missing fields 0).
SegyBinaryInfo DecodeBinaryHeader(std::string_view bytes);

// Bytes per sample of a format code, 0 for a code the loader does not decode.
int SampleWidth(int format);
// 240 + samples x sample width.
std::int64_t SegyRecordBytes(const SegyBinaryInfo& info);
// What makes the binary header unloadable (unknown format, no samples, an
// interval that is not a whole number of milliseconds of at least 1), or "".
std::string SegyLoadProblem(const SegyBinaryInfo& info);

// IBM System/360 single precision (big-endian word already assembled) to IEEE
// binary32 bits; exponents outside the IEEE range wrap.
float IbmToFloat(std::uint32_t ibm);
// IEEE to IBM: the significand is shifted right to align the exponent to a
// multiple of 4, dropping bits without rounding.
std::uint32_t FloatToIbm(float value);

// Decodes count samples from sample index first of a trace record (the sample
// area starts after the 240-byte trace header). The caller keeps
// first + count within the record.
void DecodeTrace(const unsigned char* record, int format, int first, int count, float* out);

// The largest absolute value of count IBM-float samples of a record from
// the first, read from their bit patterns without decoding them: exactly
// what decoding and taking the largest absolute value gives. Nothing when a
// sample is not normalised or lies outside the float range (the order of
// the patterns then differs from that of the values).
std::optional<float> LargestIbmMagnitude(const unsigned char* record, int first, int count);

// The "Messages" lines of the decoded headers: "3200 Byte Header", 40 card
// lines, then "Number Samples", "Sample Rate" and "Format", and for a
// little-endian file "Byte Order little-endian".
std::vector<std::string> SegyHeaderMessages(const std::string& decoded_text,
                                            const SegyBinaryInfo& info);

}  // namespace quarrix
