#pragma once
// Well files (".wll", one 80-byte record per well), well group lists (".lgv",
// 18-byte records of well names) and well group attributes (".wga", 40 bytes).
// All little-endian; the name of a well or group is its file's base name.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "section/well_symbols.h"  // kWellSymbolCount

namespace quarrix {

inline constexpr std::size_t kWellRecordBytes = 80;
inline constexpr std::size_t kWellTitleBuffer = 32;
// The well dialog accepts titles of up to 30 characters.
inline constexpr std::size_t kWellDialogTitleChars = 30;

struct WellRecord {
  std::int16_t line = 0;
  std::int16_t trace = 0;
  std::uint16_t depth = 0;  // stored as a 16-bit word, entered unsigned
  std::uint16_t time = 0;
  std::array<char, 30> reserved{};  // kept as read when a well is saved again
  std::int16_t symbol = 1;          // 1..12
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::array<char, kWellTitleBuffer> title{};  // NUL-terminated text
};

std::string WellTitle(const WellRecord& well);
// Sets the title (cut to max_chars, at most 31) followed by NULs.
void SetWellTitle(WellRecord& well, std::string_view text,
                  std::size_t max_chars = kWellTitleBuffer - 1);

std::string EncodeWell(const WellRecord& well);
// Nothing when the bytes are fewer than a record.
std::optional<WellRecord> DecodeWell(std::string_view bytes);
std::optional<WellRecord> ReadWellFile(const std::string& path);
bool WriteWellFile(const std::string& path, const WellRecord& well);

// One record of a well group list.
struct WellGroupEntry {
  std::string name;   // at most 8 characters, ends at the first blank
  std::string value;  // at most 10 characters (the spreadsheet's LGV column)
};
inline constexpr std::size_t kWellGroupRecordBytes = 18;

// Every whole record of the bytes; a partial last record is ignored.
std::vector<WellGroupEntry> DecodeWellGroup(std::string_view bytes);
std::string EncodeWellGroup(const std::vector<WellGroupEntry>& entries);
// A missing file reads as an empty group.
std::vector<WellGroupEntry> ReadWellGroupFile(const std::string& path);
bool WriteWellGroupFile(const std::string& path, const std::vector<WellGroupEntry>& entries);

// How a group's wells are posted.
struct WellAttributes {
  std::uint32_t symbol_colour = 0;  // Windows RGB: 0x00BBGGRR
  std::uint32_t label_colour = 0;
  double symbol_size = 0.1;     // inches
  double character_size = 0.1;  // inches
  std::int32_t erase_symbol_background = 0;
  std::int32_t erase_label_background = 0;
  std::int32_t thickness = 0;  // entered thickness minus 1
  std::int32_t label_position = 1;
};
inline constexpr std::size_t kWellAttributesBytes = 40;

std::string EncodeWellAttributes(const WellAttributes& attributes);
// The attributes of a group, or the map's (with label position 1) when the
// bytes are fewer than a record.
WellAttributes DecodeWellAttributes(std::string_view bytes, const WellAttributes& map_defaults);
WellAttributes ReadWellAttributesFile(const std::string& path, const WellAttributes& map_defaults);
bool WriteWellAttributesFile(const std::string& path, const WellAttributes& attributes);

}  // namespace quarrix
