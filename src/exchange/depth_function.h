#pragma once
// Depth functions (".ftn"): up to 100 (time ms, depth) pairs in ascending
// order, stored as 800 bytes of little-endian int32 pairs ending at the first
// (0, 0), and the conversions through them of grids and spreadsheet columns.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/sheet_table.h"
#include "horizon/horizon_grid.h"

namespace quarrix {

class Prompter;

inline constexpr std::size_t kDepthFunctionPairs = 100;
inline constexpr std::size_t kDepthFunctionBytes = 800;

struct DepthPair {
  std::int32_t time = 0;
  std::int32_t depth = 0;
};
using DepthFunction = std::vector<DepthPair>;

// The pairs before the first (0, 0) (a short file gives its whole pairs).
DepthFunction DecodeDepthFunction(std::string_view bytes);
// 800 bytes: the first 100 pairs, then zeros.
std::string EncodeDepthFunction(const DepthFunction& function);
// Nothing (after "Cannot Open File") when the file cannot be read.
std::optional<DepthFunction> ReadDepthFunctionFile(const std::string& path, Prompter& prompter);
bool WriteDepthFunctionFile(const std::string& path, const DepthFunction& function);

// Interpolation on the first segment i with key[i] <= v < key[i+1], rounded
// (+0.5, truncated); nothing outside the function.
std::optional<std::int32_t> TimeToDepth(const DepthFunction& function, double time);
std::optional<std::int32_t> DepthToTime(const DepthFunction& function, double depth);

// "Depth Ftn.": each non-null time of the grid as a depth; cells outside the
// function, and null cells, are null.
HorizonGrid GridTimeToDepth(const HorizonGrid& time, const DepthFunction& function);

// "Convert to Depth Ftn": rows 1, 2, ... of the Ftn Time and Ftn Depth columns
// until both are 0 or 100 pairs are taken. Nothing (said) without the roles or
// when the times do not increase from row to row.
std::optional<DepthFunction> SheetToDepthFunction(const SheetTable& table, Prompter& prompter);

// "Edit Depth Ftn": the function in a fresh sheet as (A)Time and (B)Depth.
void LoadDepthFunctionIntoSheet(SheetTable& table, const DepthFunction& function);

// "Convert Time to Depth" / "Convert Depth to Time" of the columns
// first_column..last_column: a new column is inserted after each, headed
// "Depth%d" / "Time%d" with the source column's number, holding each row's
// converted value (empty outside the function). Returns the columns added.
int ConvertSheetColumns(SheetTable& table, const DepthFunction& function, int first_column,
                        int last_column, bool time_to_depth);

}  // namespace quarrix
