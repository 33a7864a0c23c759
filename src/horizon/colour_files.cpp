#include "horizon/colour_files.h"

#include <algorithm>
#include <cstring>

#include "horizon/horizon_style.h"
#include "platform/atomic_file.h"
#include "platform/byte_order.h"
#include "platform/prompter.h"
#include "section/section_inputs.h"

namespace quarrix {
namespace {

constexpr std::size_t kColoursAt = 8, kThresholdsAt = 392;

// A bar whose thresholds 0..count run linearly down from top by the increment.
ColourBar LinearBar(int count, int max_value, int min_value, int increment, int top) {
  ColourBar bar;
  bar.count = static_cast<std::int16_t>(count);
  bar.max_value = static_cast<std::int16_t>(max_value);
  bar.min_value = static_cast<std::int16_t>(min_value);
  bar.increment = static_cast<std::uint16_t>(increment);
  for (int k = 0; k <= count; ++k)
    bar.thresholds[k] = static_cast<std::int16_t>(top - increment * k);
  return bar;
}

}  // namespace

std::string EncodeColourBar(const ColourBar& bar) {
  std::string bytes(sizeof(ColourBar), '\0');
  le::Put<std::uint16_t>(bytes, 0, static_cast<std::uint16_t>(bar.count));
  le::Put<std::uint16_t>(bytes, 2, static_cast<std::uint16_t>(bar.max_value));
  le::Put<std::uint16_t>(bytes, 4, static_cast<std::uint16_t>(bar.min_value));
  le::Put<std::uint16_t>(bytes, 6, bar.increment);
  for (int k = 0; k < kColourBarSlots; ++k) {
    bytes[kColoursAt + 3 * k] = static_cast<char>(bar.colours[k].r);
    bytes[kColoursAt + 3 * k + 1] = static_cast<char>(bar.colours[k].g);
    bytes[kColoursAt + 3 * k + 2] = static_cast<char>(bar.colours[k].b);
    le::Put<std::uint16_t>(bytes, kThresholdsAt + 2 * k,
                           static_cast<std::uint16_t>(bar.thresholds[k]));
  }
  return bytes;
}

ColourBar DefaultTimeColourBar() {
  ColourBar bar = LinearBar(30, 6000, 0, 200, 6000);
  for (int k = 0; k <= 30; ++k) {
    auto v = static_cast<std::uint8_t>(8 * k);
    bar.colours[k] = {v, v, 255};
  }
  return bar;
}

ColourBar DefaultAmplitudeColourBar() {
  ColourBar bar;
  SetDefaultColourBar(bar);
  bar.max_value = 30000;
  bar.colours[32] = {255, 0, 0};
  return bar;
}

bool ReadColourFile(const std::string& path, ColourBar& bar) {
  std::string bytes;
  return ReadWholeFile(path, bytes) && DecodeColourBar(bytes, bar);
}

bool WriteColourFile(const std::string& path, const ColourBar& bar) {
  return WriteFileAtomically(path, EncodeColourBar(bar));
}

bool SaveColourFile(const std::string& path, const ColourBar& bar,
                    const std::string& first_horizon_path, Prompter& prompter) {
  if (!WriteColourFile(path, bar)) {
    prompter.Tell("Cannot Create Color File!", "", MessageIcon::Warning);
    return false;
  }
  if (!first_horizon_path.empty() && ReadHorizonStyle(first_horizon_path))
    UpdateHorizonStyle(first_horizon_path, [](HorizonStyle& s) { s.time_colour_scheme = 0; });
  return true;
}

std::string ColourSetRecord::Name() const {
  return std::string(name.data(), std::find(name.begin(), name.end(), '\0') - name.begin());
}

void ColourSetRecord::SetName(const std::string& text) {
  name.fill('\0');
  std::copy_n(text.begin(), std::min<std::size_t>(text.size(), name.size() - 1), name.begin());
}

ColourSets DefaultColourSets() {
  struct Rgb {
    std::uint8_t r, g, b;
  };
  const Rgb rainbow[7] = {{255, 0, 255}, {128, 0, 255}, {0, 0, 255}, {0, 255, 0},
                          {255, 255, 0}, {255, 128, 0}, {255, 0, 0}};
  ColourSets sets{};
  auto set = [&](int record, const char* name, int count, int min_increment) -> ColourSetRecord& {
    ColourSetRecord& s = sets[record - 1];
    s.SetName(name);
    s.count = count;
    s.min_increment = min_increment;
    return s;
  };
  auto slot = [](ColourSetRecord& s, int slot_number, Rgb c) {
    s.colours[slot_number - 1] = PaletteColour(c.r, c.g, c.b);
  };
  ColourSetRecord& forward = set(1, "Rainbow", 7, 2);
  ColourSetRecord& reverse = set(2, "Rev Rainbow", 7, 2);
  for (int k = 0; k < 7; ++k) {
    slot(forward, k + 1, rainbow[k]);
    slot(reverse, k + 1, rainbow[6 - k]);
  }
  ColourSetRecord& red_blue = set(3, "Red - Blue", 3, 2);
  slot(red_blue, 1, {255, 0, 0});
  slot(red_blue, 2, {255, 255, 255});
  slot(red_blue, 3, {0, 0, 255});
  const struct {
    const char* name;
    Rgb first, second;
  } pairs[5] = {{"Color Set A", {0, 0, 128}, {255, 255, 128}},
                {"Color Set B", {0, 128, 0}, {255, 128, 255}},
                {"Color Set C", {0, 128, 128}, {255, 128, 128}},
                {"Color Set D", {128, 0, 0}, {128, 255, 255}},
                {"Color Set E", {128, 0, 128}, {128, 255, 128}}};
  for (int k = 0; k < 5; ++k) {
    ColourSetRecord& s = set(4 + k, pairs[k].name, 2, 2);
    slot(s, 1, pairs[k].first);
    slot(s, 2, pairs[k].second);
  }
  const struct {
    const char* name;
    Rgb first, last;
  } amplitude[8] = {{"Blue - Red", {0, 0, 255}, {255, 0, 0}},
                    {"Red - Blue", {255, 0, 0}, {0, 0, 255}},
                    {"Color Set CC", {255, 0, 255}, {0, 255, 0}},
                    {"Color Set DD", {0, 255, 0}, {255, 0, 0}},
                    {"Color Set EE", {255, 0, 0}, {0, 255, 255}},
                    {"Color Set FF", {0, 0, 255}, {255, 255, 0}},
                    {"Color Set GG", {128, 255, 128}, {128, 0, 128}},
                    {"Color Set HH", {128, 0, 128}, {128, 255, 128}}};
  for (int k = 0; k < 8; ++k) {
    ColourSetRecord& s = set(9 + k, amplitude[k].name, 3, 2000);
    slot(s, 1, amplitude[k].first);
    slot(s, 8, {255, 255, 255});
    slot(s, 16, amplitude[k].last);
  }
  return sets;
}

std::string EncodeColourSets(const ColourSets& sets) {
  std::string bytes(kColourSetFileBytes, '\0');
  for (int r = 0; r < kColourSetCount; ++r) {
    const ColourSetRecord& s = sets[r];
    std::size_t at = r * kColourSetBytes;
    le::Put<std::uint32_t>(bytes, at, static_cast<std::uint32_t>(s.count));
    le::Put<std::uint32_t>(bytes, at + 4, static_cast<std::uint32_t>(s.min_increment));
    std::memcpy(bytes.data() + at + 8, s.name.data(), s.name.size());
    for (int k = 0; k < 16; ++k) le::Put<std::uint32_t>(bytes, at + 88 + 4 * k, s.colours[k]);
  }
  return bytes;
}

void OverlayColourSets(std::string_view bytes, ColourSets& sets) {
  std::string whole = EncodeColourSets(sets);
  std::size_t used = std::min(bytes.size(), kColourSetFileBytes);
  whole.replace(0, used, bytes.substr(0, used));
  for (int r = 0; r < kColourSetCount; ++r) {
    ColourSetRecord& s = sets[r];
    std::size_t at = r * kColourSetBytes;
    s.count = static_cast<std::int32_t>(le::Get<std::uint32_t>(whole, at));
    s.min_increment = static_cast<std::int32_t>(le::Get<std::uint32_t>(whole, at + 4));
    std::memcpy(s.name.data(), whole.data() + at + 8, s.name.size());
    for (int k = 0; k < 16; ++k) s.colours[k] = le::Get<std::uint32_t>(whole, at + 88 + 4 * k);
  }
}

ColourSets LoadColourSets(const std::string& path) {
  ColourSets sets = DefaultColourSets();
  std::string bytes;
  if (ReadWholeFile(path, bytes)) OverlayColourSets(bytes, sets);
  return sets;
}

bool SaveColourSets(const std::string& path, const ColourSets& sets) {
  return WriteFileAtomically(path, EncodeColourSets(sets));
}

std::string AmplitudeSetProblem(const ColourSetRecord& set) {
  for (int slot : {1, 8, 9, 16})
    if (set.colours[slot - 1] == 0) return "1st, 8th, 9th, and 16th are required.";
  return "";
}

}  // namespace quarrix
