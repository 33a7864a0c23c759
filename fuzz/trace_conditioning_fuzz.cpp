// Trace samples and conditioning settings from outside: every step must stay
// inside its buffers and convert back to 16 bits without undefined behaviour,
// whatever the samples, corners, shifts, windows and scales.
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/scripted_prompter.h"
#include "section/trace_conditioning.h"

namespace {

template <typename T>
T Take(const std::uint8_t*& data, std::size_t& size) {
  T value{};
  if (size >= sizeof(T)) {
    std::memcpy(&value, data, sizeof(T));
    data += sizeof(T);
    size -= sizeof(T);
  }
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quarrix::ProcessingParams params;
  std::uint8_t switches = Take<std::uint8_t>(data, size);
  params.phase_on = switches & 1;
  params.filter_on = switches & 2;
  params.shift_on = switches & 4;
  params.agc_on = switches & 8;
  params.attribute = (switches >> 4) & 3;
  params.phase_deg = Take<std::uint32_t>(data, size);
  params.shift_ms = Take<std::int32_t>(data, size);
  for (auto& corner : params.filter_hz) corner = Take<std::uint16_t>(data, size);
  params.agc_window_ms = Take<std::int32_t>(data, size);
  params.agc_scale = Take<float>(data, size);
  const double sample_rates[4] = {4.0, 2.0, 0.25, 1e-9};
  double sample_rate = sample_rates[Take<std::uint8_t>(data, size) & 3];

  std::vector<std::int16_t> samples(std::min<std::size_t>(size / 2, 3000));
  if (!samples.empty()) std::memcpy(samples.data(), data, samples.size() * 2);
  quarrix::ScriptedPrompter prompter;
  quarrix::ConditionTrace(samples, params, sample_rate, prompter);
  return 0;
}
