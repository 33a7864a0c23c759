// The files a section plot reads from outside (arbitrary lines, colour
// files, horizon and well files): decoding and drawing what they describe
// must stay inside the buffers, whatever the bytes.
#include <cstdint>
#include <string>

#include "platform/recording_canvas.h"
#include "section/section_inputs.h"
#include "section/section_view.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quarrix;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  SurveyHeader header;
  header.first_line = 1;
  header.last_line = 5;
  header.first_trace = 1;
  header.last_trace = 7;
  header.trace_bytes = 100;
  header.sample_rate = 4;
  header.ComputeDerived();

  SectionDescription section;
  section.kind = SectionKind::Arbitrary;
  section.arb_entries = DecodeArbitraryLine(bytes);
  SectionColumns(header, section, SectionDisplay{});

  ColourBar bar;
  if (DecodeColourBar(bytes, bar)) {
    ColourMapper mapper(bar, 1, 1);
    mapper.Index(static_cast<std::int16_t>(size));
    RecordingCanvas canvas;
    DrawColourLegend(canvas, bar, {0, 0, 100, 100}, size % 2, 10);
  }
  std::vector<std::int16_t> times;
  int colour = 0;
  DecodeHorizonTimes(bytes, header, times, colour);
  SectionWell well;
  DecodeWellMarker(bytes, well);
  return 0;
}
