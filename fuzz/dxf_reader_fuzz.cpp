// The DXF reader over arbitrary bytes: it may refuse them, never misbehave.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "dxf/dxf_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quarrix::DxfSlot slot;
  quarrix::DxfBounds all, lines;
  quarrix::ParseDxf(std::string_view(reinterpret_cast<const char*>(data), size), slot, all, lines);
  return 0;
}
