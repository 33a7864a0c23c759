#pragma once
// EBCDIC (IBM code page 500) translation of SEG-Y textual headers.
#include <string>
#include <string_view>

namespace quarrix {

// Byte by byte: characters that are ASCII in code page 500 become that
// character, 0x6A becomes '|', every other byte 0xFF.
std::string DecodeTextHeader(std::string_view ebcdic);

// The export translation: space, digits, letters of both cases and the common
// punctuation take their code page 500 values (with the system's historical
// exceptions for ! ` ; ? and \); every other byte is kept unchanged.
std::string EncodeExportText(std::string_view ascii);

}  // namespace quarrix
