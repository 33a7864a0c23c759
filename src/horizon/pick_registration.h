#pragma once
// The pick registration of a horizon: one byte per bin saying how its time
// came to be, kept in the ".hop" file of the horizon's base name.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "horizon/horizon_location.h"
#include "project/survey_header.h"

namespace quarrix {

class Prompter;

inline constexpr std::uint8_t kRegNone = 0;        // never picked, erased or filled
inline constexpr std::uint8_t kRegSeed = 1;        // picked on a section
inline constexpr std::uint8_t kRegProtected = 8;   // seed made non-editable
inline constexpr std::uint8_t kRegBlanked = 0xFF;  // visited and set null

struct PickRegistration {
  int rows = 0;
  int columns = 0;
  std::vector<std::uint8_t> bytes;

  PickRegistration() = default;
  PickRegistration(int row_count, int column_count)
      : rows(row_count),
        columns(column_count),
        bytes(static_cast<std::size_t>(row_count) * column_count, kRegNone) {}
  std::uint8_t& At(int row, int column) {
    return bytes[static_cast<std::size_t>(row) * columns + column];
  }
  std::uint8_t At(int row, int column) const {
    return bytes[static_cast<std::size_t>(row) * columns + column];
  }
  // Interpolation reads the byte as signed: only values above 0 are seeds.
  bool IsSeed(int row, int column) const { return static_cast<std::int8_t>(At(row, column)) > 0; }
};

// Reads the horizon's registration. When there is none, asks "No Pick Reg
// File..." and on Yes builds one from the time grid (1 where picked, else 0)
// and writes it; on No gives nothing and leaves every file as it was.
std::optional<PickRegistration> LoadPickRegistration(const HorizonLocation& horizon,
                                                     const SurveyHeader& header,
                                                     Prompter& prompter);

// Writes the whole registration (replacing the file); false on failure.
bool SavePickRegistration(const HorizonLocation& horizon, const PickRegistration& registration);

// The message every operation shows when it has no registration to work with.
inline constexpr const char* kPickRegistrationFailed = "Pick Registration Failed";

}  // namespace quarrix
