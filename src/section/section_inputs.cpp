#include "section/section_inputs.h"

#include <algorithm>
#include <cstring>

#include "platform/byte_order.h"

namespace quarrix {

bool DecodeColourBar(std::string_view bytes, ColourBar& bar) {
  if (bytes.empty()) return false;
  static_assert(sizeof(ColourBar) == 648);
  const std::size_t n = std::min(bytes.size(), sizeof(ColourBar));
  // Little-endian fields; on a big-endian host they would need swapping.
  std::memcpy(&bar, bytes.data(), n);
  if (n < sizeof(ColourBar) && bar.increment != 0) {
    const int count = std::clamp<int>(bar.count, 0, kColourBarSlots);
    for (int k = 0; k < count; ++k)
      bar.thresholds[k] = static_cast<std::int16_t>(bar.max_value - bar.increment * k);
  }
  return true;
}

void DecodeHorizonTimes(std::string_view bytes, const SurveyHeader& header,
                        std::vector<std::int16_t>& times, int& colour_code) {
  const std::size_t cells = static_cast<std::size_t>(std::max(0, header.num_lines)) *
                            static_cast<std::size_t>(std::max(0, header.traces_per_line));
  times.assign(cells, kHorizonNullTime);
  colour_code = 12;
  if (bytes.size() >= 2) colour_code = std::min<int>(le::Get<std::int16_t>(bytes, 0), 15);
  for (std::size_t i = 0; i < cells && 4 + 2 * i + 1 < bytes.size(); ++i)
    times[i] = le::Get<std::int16_t>(bytes, 4 + 2 * i);
}

bool DecodeWellMarker(std::string_view bytes, SectionWell& well) {
  if (bytes.size() < 40) return false;
  well.line_number = le::Get<std::int16_t>(bytes, 0);
  well.trace_number = le::Get<std::int16_t>(bytes, 2);
  well.symbol = le::Get<std::int16_t>(bytes, 38);
  return true;
}

}  // namespace quarrix
