#pragma once
// Writing SEG-Y: binary header fields, trace-header words and samples in
// every format the loader reads.
#include <cstdint>
#include <string>

#include "loader/segy_format.h"

namespace quarrix {

// A 400-byte binary header, zero but for the interval, sample count and format.
std::string EncodeBinaryHeader(const SegyBinaryInfo& info);

// Puts a big-endian word at a 1-based trace-header (or binary-header) byte.
void PutWord32(unsigned char* header, int byte, std::int32_t value);
void PutWord16(unsigned char* header, int byte, std::int32_t value);

// Encodes samples big-endian in a format (integer formats truncate and
// saturate).
void EncodeSamples(const float* samples, int count, int format, unsigned char* out);

}  // namespace quarrix
