#include "exchange/well_file.h"

#include <algorithm>

#include "platform/atomic_file.h"
#include "platform/byte_order.h"

namespace quarrix {
namespace {

// Text of a blank-padded field: it ends at the first blank or NUL.
std::string PaddedFieldText(std::string_view field) {
  std::size_t end = field.find_first_of(std::string_view(" \0", 2));
  return std::string(field.substr(0, end));
}

void PutPaddedField(std::string& bytes, std::size_t offset, std::size_t width,
                    std::string_view text) {
  text = text.substr(0, width);
  std::copy(text.begin(), text.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

}  // namespace

std::string WellTitle(const WellRecord& well) {
  auto end = std::find(well.title.begin(), well.title.end() - 1, '\0');
  return std::string(well.title.begin(), end);
}

void SetWellTitle(WellRecord& well, std::string_view text, std::size_t max_chars) {
  text = text.substr(0, std::min(max_chars, kWellTitleBuffer - 1));
  well.title.fill('\0');
  std::copy(text.begin(), text.end(), well.title.begin());
}

std::string EncodeWell(const WellRecord& well) {
  std::string bytes(kWellRecordBytes, '\0');
  le::Put(bytes, 0, well.line);
  le::Put(bytes, 2, well.trace);
  le::Put(bytes, 4, well.depth);
  le::Put(bytes, 6, well.time);
  std::copy(well.reserved.begin(), well.reserved.end(), bytes.begin() + 8);
  le::Put(bytes, 38, well.symbol);
  le::Put(bytes, 40, well.x);
  le::Put(bytes, 44, well.y);
  std::copy(well.title.begin(), well.title.end(), bytes.begin() + 48);
  return bytes;
}

std::optional<WellRecord> DecodeWell(std::string_view bytes) {
  if (bytes.size() < kWellRecordBytes) return std::nullopt;
  WellRecord well;
  well.line = le::Get<std::int16_t>(bytes, 0);
  well.trace = le::Get<std::int16_t>(bytes, 2);
  well.depth = le::Get<std::uint16_t>(bytes, 4);
  well.time = le::Get<std::uint16_t>(bytes, 6);
  std::copy_n(bytes.begin() + 8, well.reserved.size(), well.reserved.begin());
  well.symbol = le::Get<std::int16_t>(bytes, 38);
  well.x = le::Get<std::int32_t>(bytes, 40);
  well.y = le::Get<std::int32_t>(bytes, 44);
  std::copy_n(bytes.begin() + 48, well.title.size(), well.title.begin());
  return well;
}

std::optional<WellRecord> ReadWellFile(const std::string& path) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return std::nullopt;
  return DecodeWell(bytes);
}

bool WriteWellFile(const std::string& path, const WellRecord& well) {
  return WriteFileAtomically(path, EncodeWell(well));
}

std::vector<WellGroupEntry> DecodeWellGroup(std::string_view bytes) {
  std::vector<WellGroupEntry> entries;
  for (std::size_t at = 0; at + kWellGroupRecordBytes <= bytes.size(); at += kWellGroupRecordBytes)
    entries.push_back(
        {PaddedFieldText(bytes.substr(at, 8)), PaddedFieldText(bytes.substr(at + 8, 10))});
  return entries;
}

std::string EncodeWellGroup(const std::vector<WellGroupEntry>& entries) {
  std::string bytes(entries.size() * kWellGroupRecordBytes, ' ');
  for (std::size_t k = 0; k < entries.size(); ++k) {
    PutPaddedField(bytes, k * kWellGroupRecordBytes, 8, entries[k].name);
    PutPaddedField(bytes, k * kWellGroupRecordBytes + 8, 10, entries[k].value);
  }
  return bytes;
}

std::vector<WellGroupEntry> ReadWellGroupFile(const std::string& path) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return {};
  return DecodeWellGroup(bytes);
}

bool WriteWellGroupFile(const std::string& path, const std::vector<WellGroupEntry>& entries) {
  return WriteFileAtomically(path, EncodeWellGroup(entries));
}

std::string EncodeWellAttributes(const WellAttributes& a) {
  std::string bytes(kWellAttributesBytes, '\0');
  le::Put(bytes, 0, a.symbol_colour);
  le::Put(bytes, 4, a.label_colour);
  le::Put(bytes, 8, a.symbol_size);
  le::Put(bytes, 16, a.character_size);
  le::Put(bytes, 24, a.erase_symbol_background);
  le::Put(bytes, 28, a.erase_label_background);
  le::Put(bytes, 32, a.thickness);
  le::Put(bytes, 36, a.label_position);
  return bytes;
}

WellAttributes DecodeWellAttributes(std::string_view bytes, const WellAttributes& map_defaults) {
  if (bytes.size() < kWellAttributesBytes) {
    WellAttributes defaults = map_defaults;
    defaults.label_position = 1;
    return defaults;
  }
  WellAttributes a;
  a.symbol_colour = le::Get<std::uint32_t>(bytes, 0);
  a.label_colour = le::Get<std::uint32_t>(bytes, 4);
  a.symbol_size = le::Get<double>(bytes, 8);
  a.character_size = le::Get<double>(bytes, 16);
  a.erase_symbol_background = le::Get<std::int32_t>(bytes, 24);
  a.erase_label_background = le::Get<std::int32_t>(bytes, 28);
  a.thickness = le::Get<std::int32_t>(bytes, 32);
  a.label_position = le::Get<std::int32_t>(bytes, 36);
  return a;
}

WellAttributes ReadWellAttributesFile(const std::string& path, const WellAttributes& map_defaults) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) bytes.clear();
  return DecodeWellAttributes(bytes, map_defaults);
}

bool WriteWellAttributesFile(const std::string& path, const WellAttributes& attributes) {
  return WriteFileAtomically(path, EncodeWellAttributes(attributes));
}

}  // namespace quarrix
