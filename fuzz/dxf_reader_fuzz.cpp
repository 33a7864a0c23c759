// The DXF reader over arbitrary bytes: it may refuse them, never misbehave.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "dxf/dxf_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quarrix::DxfSlot slot;
  quarrix::DxfBounds all, lines;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  quarrix::ParseDxf(bytes, slot, all, lines);
  // The same bytes as the groups of a lightweight polyline, which random
  // bytes would seldom reach through a section of their own.
  std::string framed = "0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n";
  framed.append(bytes);
  framed += "\n0\nENDSEC\n0\nEOF\n";
  quarrix::ParseDxf(framed, slot, all, lines);
  return 0;
}
