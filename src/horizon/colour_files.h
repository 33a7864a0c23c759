#pragma once
// Colour files: the 648-byte colour bar record of ".col" and ".aco" files and
// the sixteen 152-byte colour set records of "colorset.ini", with their
// defaults.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "section/colour_bar.h"

namespace quarrix {

// The colour bar record is the section layer's ColourBar, whose fields have
// the record's layout; these are its file codec and the defaults of new horizons.
std::string EncodeColourBar(const ColourBar& bar);

// The colour files a new horizon gets: times 0..6000 ms (".col") and
// amplitudes -32000..30000 (".aco").
ColourBar DefaultTimeColourBar();
ColourBar DefaultAmplitudeColourBar();

// Reads up to 648 bytes of a colour file over bar. A file shorter than a
// record (an older layout without thresholds) with a non-zero increment gets
// linear thresholds max - increment * k. False, bar unchanged, when the file
// cannot be read or is empty.
bool ReadColourFile(const std::string& path, ColourBar& bar);
// Writes the record (whole-file replace); false on failure.
bool WriteColourFile(const std::string& path, const ColourBar& bar);
// Saving a colour file from the colour dialogs: writes the record and then
// sets the time colour scheme of the first listed horizon (when given) to 0,
// "the horizon's own colour files". Says "Cannot Create Color File!" on failure.
class Prompter;
bool SaveColourFile(const std::string& path, const ColourBar& bar,
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
