// Bitmap files from outside: decoding must stay inside its buffers and refuse
// sizes the bytes cannot hold, whatever the bytes.
#include <cstdint>
#include <string>

#include "platform/bmp_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  quarrix::Bitmap bitmap;
  std::string error;
  if (quarrix::DecodeBmp(bytes, bitmap, error) && !bitmap.indexed.pixels.empty())
    quarrix::EncodeBmpRle8(bitmap.indexed);
  return 0;
}
