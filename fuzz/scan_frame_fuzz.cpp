// The scanner's frame bytes under a layout taken from the input's first
// bytes, one frame or three over one page.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "scan/scanned_frame.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quarrix;
  if (size < 6) return 0;
  FrameLayout layout;
  layout.format = static_cast<FrameFormat>(data[0] % 5);
  layout.depth = data[1] % 3 == 0 ? 1 : data[1] % 3 == 1 ? 8 : 16;
  layout.pixels_per_line = (data[2] | data[3] << 8) - 16;
  layout.bytes_per_line = (data[4] | data[5] << 8) - 16;
  const std::string_view bytes(reinterpret_cast<const char*>(data + 6), size - 6);
  ScannedPage page;
  std::string problem;
  if (PlaceScannedFrame(bytes, layout, page, problem)) {
    layout.format = FrameFormat::Blue;
    PlaceScannedFrame(bytes.substr(bytes.size() / 2), layout, page, problem);
  }
  return 0;
}
