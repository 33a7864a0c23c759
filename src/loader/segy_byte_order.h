#pragma once
// SEG-Y written least significant byte first (many modern writers do): the
// byte order is read from the binary header, and the records of such a file
// are turned into the big-endian layout before anything decodes them, so the
// scan, the placement and the sample decoding serve both orders unchanged.
#include <cstddef>
#include <string_view>

namespace quarrix {

enum class SegyByteOrder { Big, Little };

// The byte order of a 400-byte binary header: the byte-order word at bytes
// 97-100 (1 02 03 04 in the file's order) when it holds one of its two
// values; otherwise little-endian only when the data sample format code is
// one the loader decodes read that way and not read big-endian.
SegyByteOrder DetectByteOrder(std::string_view binary_header);

// "big-endian" or "little-endian".
const char* ByteOrderName(SegyByteOrder order);

// For a little-endian file, reverses in place every field of the 240-byte
// trace header at its standard width (2 or 4 bytes) and every sample of the
// format, so the record reads as its big-endian twin; a big-endian record is
// left as it is, as are the bytes of an incomplete last sample.
void RecordToBigEndian(SegyByteOrder order, int format, unsigned char* record, std::size_t bytes);

}  // namespace quarrix
