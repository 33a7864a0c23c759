// Horizon-side bytes from outside: arbitrary lines, colour sets, style words,
// and the pick search over any trace with any guess, window and type. Nothing
// may read or write outside its buffers.
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "horizon/arbitrary_line.h"
#include "horizon/colour_files.h"
#include "horizon/horizon_style.h"
#include "horizon/pick_search.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  std::int32_t numbers[4] = {};
  std::memcpy(numbers, bytes.data(), std::min(bytes.size(), sizeof(numbers)));

  quarrix::SurveyHeader header;
  header.trace_bytes = numbers[0];
  header.traces_per_line = numbers[1];
  quarrix::DecodeArbitraryLine(bytes, header);

  quarrix::ColourSets sets = quarrix::DefaultColourSets();
  quarrix::OverlayColourSets(bytes, sets);
  for (const auto& set : sets) set.Name();
  quarrix::UnpackStyleWord(static_cast<std::uint32_t>(numbers[2]));

  std::vector<std::int16_t> trace(bytes.size() / 2);
  if (!trace.empty()) std::memcpy(trace.data(), bytes.data(), trace.size() * 2);
  quarrix::PickSearchParams params{numbers[3] & 15, (numbers[3] >> 4) & 255,
                                   1.0 + ((numbers[3] >> 12) & 7)};
  for (int guess : {numbers[1], numbers[2] & 0xFFFF, 0, -8})
    quarrix::PickSearch(trace, guess, params);
  return 0;
}
