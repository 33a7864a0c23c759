#pragma once
// The style word at the head of a horizon file: pen colours, the pick type and
// the two map colour schemes, packed into one little-endian 32-bit word.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace quarrix {

// Pick types; kPickErase added to a type turns every pick into an erase.
enum PickType : int {
  kPickPeak = 1,
  kPickTrough = 2,
  kPickAtCursor = 3,
  kPickZeroAbovePeak = 4,
  kPickZeroBelowPeak = 5,
  kPickZeroAboveTrough = 6,
  kPickZeroBelowTrough = 7,
  kPickErase = 8,
};

struct HorizonStyle {
  int colour_index = 12;            // bits 0-15, pen colour in sections
  int pick_type = kPickPeak;        // bits 16-19
  int previous_colour_index = 13;   // bits 20-23, pen of the previous-picks overlay
  int time_colour_scheme = 1;       // bits 24-27, 0 = own colour files, 1..8 = colour sets
  int amplitude_colour_scheme = 0;  // bits 28-31

  bool erase() const { return (pick_type & kPickErase) != 0; }
  int search_type() const { return pick_type & 7; }
};

// Packs the word, each field masked to its width.
std::uint32_t PackStyleWord(const HorizonStyle& style);
// Unpacks a word with the reader's clamping: colour index (low half, signed)
// kept within 0..15, colour schemes above 8 taken as 8.
HorizonStyle UnpackStyleWord(std::uint32_t word);

// The style of a horizon file, or nothing when its first four bytes cannot be read.
std::optional<HorizonStyle> ReadHorizonStyle(const std::string& path);
// Writes the word over bytes 0-3 of an existing file; false when it cannot be opened.
bool WriteHorizonStyle(const std::string& path, const HorizonStyle& style);
// Changes one or more fields as a read-modify-write of the whole word; a file
// whose word cannot be read starts from the creation defaults.
bool UpdateHorizonStyle(const std::string& path, const std::function<void(HorizonStyle&)>& change);

// The horizon pen palette, index 0..15 -> 0xRRGGBB.
std::uint32_t HorizonPenColour(int index);

}  // namespace quarrix
