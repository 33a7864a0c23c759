// Header, X/Y and profile bytes from outside: decoding must stay inside its
// buffers and never divide by zero, whatever the bytes.
#include <cstdint>
#include <string>

#include "platform/profile_file.h"
#include "project/header_file.h"
#include "project/xy_geometry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  quarrix::SurveyHeader header;
  quarrix::DecodeHeader(bytes, quarrix::HeaderReader::Interpretation, header);
  quarrix::DecodeHeader(bytes, quarrix::HeaderReader::Loader, header);
  quarrix::SurveyPlacement placement = quarrix::PlacementFromXyBytes(bytes, header);
  quarrix::XyToLineTrace(header, placement, 1000, 2000);
  quarrix::LineTraceToXy(header, placement, 3, 4);
  quarrix::ProfileFile profile = quarrix::ProfileFile::FromText(bytes);
  profile.GetInt("setup", "gain", 20);
  profile.WriteString("setup", "gain", "3");
  profile.ToText();
  return 0;
}
