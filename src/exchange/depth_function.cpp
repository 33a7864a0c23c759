#include "exchange/depth_function.h"

#include "exchange/sheet_rows.h"
#include "platform/atomic_file.h"
#include "platform/byte_order.h"
#include "platform/file_message.h"
#include "platform/numeric.h"
#include "platform/prompter.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

std::optional<std::int32_t> Interpolate(const DepthFunction& function, double value,
                                        bool from_time) {
  for (std::size_t i = 0; i + 1 < function.size(); ++i) {
    double a = from_time ? function[i].time : function[i].depth;
    double b = from_time ? function[i + 1].time : function[i + 1].depth;
    if (!(a <= value && value < b)) continue;
    double ya = from_time ? function[i].depth : function[i].time;
    double yb = from_time ? function[i + 1].depth : function[i + 1].time;
    return Trunc32(ya + (value - a) / (b - a) * (yb - ya) + 0.5);
  }
  return std::nullopt;
}

}  // namespace

DepthFunction DecodeDepthFunction(std::string_view bytes) {
  DepthFunction function;
  for (std::size_t k = 0; k < kDepthFunctionPairs && 8 * k + 8 <= bytes.size(); ++k) {
    DepthPair pair{le::Get<std::int32_t>(bytes, 8 * k), le::Get<std::int32_t>(bytes, 8 * k + 4)};
    if (pair.time == 0 && pair.depth == 0) break;
    function.push_back(pair);
  }
  return function;
}

std::string EncodeDepthFunction(const DepthFunction& function) {
  std::string bytes(kDepthFunctionBytes, '\0');
  for (std::size_t k = 0; k < function.size() && k < kDepthFunctionPairs; ++k) {
    le::Put(bytes, 8 * k, function[k].time);
    le::Put(bytes, 8 * k + 4, function[k].depth);
  }
  return bytes;
}

std::optional<DepthFunction> ReadDepthFunctionFile(const std::string& path, Prompter& prompter) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) {
    prompter.Tell(NamingFile("Cannot Open File", path), "Error");
    return std::nullopt;
  }
  return DecodeDepthFunction(bytes);
}

bool WriteDepthFunctionFile(const std::string& path, const DepthFunction& function) {
  return WriteFileAtomically(path, EncodeDepthFunction(function));
}

std::optional<std::int32_t> TimeToDepth(const DepthFunction& function, double time) {
  return Interpolate(function, time, true);
}

std::optional<std::int32_t> DepthToTime(const DepthFunction& function, double depth) {
  return Interpolate(function, depth, false);
}

HorizonGrid GridTimeToDepth(const HorizonGrid& time, const DepthFunction& function) {
  HorizonGrid depth(time.rows, time.columns, HORIZON_NULL);
  for (std::size_t k = 0; k < time.CellCount(); ++k) {
    if (time.cells[k] == HORIZON_NULL) continue;
    if (auto d = TimeToDepth(function, time.cells[k])) depth.cells[k] = Trunc16(*d);
  }
  return depth;
}

std::optional<DepthFunction> SheetToDepthFunction(const SheetTable& table, Prompter& prompter) {
  const int time_column = table.RoleColumn(ColumnRole::FtnTime);
  const int depth_column = table.RoleColumn(ColumnRole::FtnDepth);
  if (time_column == 0 || depth_column == 0) {
    prompter.Tell("Ftn Time and Ftn Depth columns must be set", "Warning");
    return std::nullopt;
  }
  DepthFunction function;
  for (int row = 1; function.size() < kDepthFunctionPairs; ++row) {
    DepthPair pair{RowInteger(table, row, time_column), RowInteger(table, row, depth_column)};
    if (pair.time == 0 && pair.depth == 0) break;
    // Conversions look the times up in order; a function whose times do not
    // increase would give wrong depths, so none is made.
    if (!function.empty() && pair.time <= function.back().time) {
      prompter.Tell(FormatText("The times of a depth function must increase (row %d)", row),
                    "Warning");
      return std::nullopt;
    }
    function.push_back(pair);
  }
  return function;
}

void LoadDepthFunctionIntoSheet(SheetTable& table, const DepthFunction& function) {
  table.Clear();
  table.AssignRole(ColumnRole::FtnTime, 1);
  table.AssignRole(ColumnRole::FtnDepth, 2);
  for (std::size_t k = 0; k < function.size(); ++k) {
    table.SetCell(static_cast<int>(k + 1), 1, std::to_string(function[k].time));
    table.SetCell(static_cast<int>(k + 1), 2, std::to_string(function[k].depth));
  }
}

int ConvertSheetColumns(SheetTable& table, const DepthFunction& function, int first_column,
                        int last_column, bool time_to_depth) {
  if (table.virtual_mode() || first_column < 1) return 0;
  const int rows = table.UsedRows();
  int added = 0;
  // From the right, so that inserted columns do not move those still to do.
  for (int column = last_column; column >= first_column; --column) {
    table.InsertColumn(column + 1);
    table.SetHeading(column + 1, FormatText(time_to_depth ? "Depth%d" : "Time%d", column));
    table.SetColumnType(column + 1, CellType::Integer);
    for (int row = 1; row <= rows; ++row) {
      if (table.IsEmpty(row, column)) continue;
      double value = table.Number(row, column);
      auto converted = time_to_depth ? TimeToDepth(function, value) : DepthToTime(function, value);
      if (converted) table.SetCell(row, column + 1, std::to_string(*converted));
    }
    ++added;
  }
  return added;
}

}  // namespace quarrix
