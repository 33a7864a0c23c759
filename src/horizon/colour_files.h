#pragma once
// The colour bar record (648 bytes, the layout of ".col" and ".aco" colour
// files) and the colour set record (152 bytes, sixteen of them in
// "colorset.ini"), with their defaults and files.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quarrix {

inline constexpr std::size_t kColourBarBytes = 648;
inline constexpr int kColourBarEntries = 128;

struct ColourBarRecord {
  std::int16_t count = 0;  // colour bands; the bar uses colours 0..count
  std::int16_t max_value = 0;
  std::int16_t min_value = 0;
  std::uint16_t increment = 0;  // band width of a linear bar; 0 = non-linear
  std::array<std::uint8_t, 3 * kColourBarEntries> colours{};  // red, green, blue
  std::array<std::int16_t, kColourBarEntries> thresholds{};   // descending

  void SetColour(int k, std::uint8_t red, std::uint8_t green, std::uint8_t blue);
  bool operator==(const ColourBarRecord&) const = default;
};

std::string EncodeColourBar(const ColourBarRecord& bar);
// Overlays the first bytes.size() (at most 648) bytes of a record onto bar:
// fields beyond the bytes keep their values.
void OverlayColourBar(std::string_view bytes, ColourBarRecord& bar);

// "Default Colors": 32 bands from blue through white to red, -32000..32000.
void SetDefaultColourBar(ColourBarRecord& bar);
// The colour files a new horizon gets: times 0..6000 ms (".col") and
// amplitudes -32000..30000 (".aco").
ColourBarRecord DefaultTimeColourBar();
ColourBarRecord DefaultAmplitudeColourBar();

// Reads up to 648 bytes of a colour file over bar. A file shorter than a
// record (an older layout without thresholds) with a non-zero increment gets
// linear thresholds max - increment * k. False, bar unchanged, when the file
// cannot be read.
bool ReadColourFile(const std::string& path, ColourBarRecord& bar);
// Writes the record (whole-file replace); false on failure.
bool WriteColourFile(const std::string& path, const ColourBarRecord& bar);
// Saving a colour file from the colour dialogs: writes the record and then
// sets the time colour scheme of the first listed horizon (when given) to 0,
// "the horizon's own colour files". Messages "Cannot Create Color File!".
class Prompter;
bool SaveColourFile(const std::string& path, const ColourBarRecord& bar,
                    const std::string& first_horizon_path, Prompter& prompter);

// Colour sets.
inline constexpr std::size_t kColourSetBytes = 152;
inline constexpr int kColourSetCount = 16;
inline constexpr std::size_t kColourSetFileBytes = kColourSetBytes * kColourSetCount;

struct ColourSetRecord {
  std::int32_t count = 0;  // defined (non-zero) colours
  std::int32_t min_increment = 0;
  std::array<char, 80> name{};              // zero-terminated
  std::array<std::uint32_t, 16> colours{};  // byte 0 red, 1 green, 2 blue, byte 3 = 2; 0 = empty

  std::string Name() const;
  void SetName(const std::string& text);  // at most 79 characters
  bool operator==(const ColourSetRecord&) const = default;
};
using ColourSets = std::array<ColourSetRecord, kColourSetCount>;

// A palette-relative colour value as the sets store it.
inline constexpr std::uint32_t PaletteColour(std::uint8_t red, std::uint8_t green,
                                             std::uint8_t blue) {
  return 0x02000000u | (static_cast<std::uint32_t>(blue) << 16) |
         (static_cast<std::uint32_t>(green) << 8) | red;
}

// Records 1-8 time schemes, 9-16 amplitude schemes.
ColourSets DefaultColourSets();
std::string EncodeColourSets(const ColourSets& sets);
// Overlays the bytes onto sets (a short file changes only the records it holds).
void OverlayColourSets(std::string_view bytes, ColourSets& sets);
// "colorset.ini": defaults when it cannot be read.
ColourSets LoadColourSets(const std::string& path);
bool SaveColourSets(const std::string& path, const ColourSets& sets);
// An amplitude set needs slots 1, 8, 9 and 16; "" when the set may be kept,
// else the message to show.
std::string AmplitudeSetProblem(const ColourSetRecord& set);

}  // namespace quarrix
