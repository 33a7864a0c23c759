// The exchange records and texts over arbitrary bytes: well, well group and
// group attribute records, depth functions, math expressions, tab text and
// the line reader of the imports.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "exchange/depth_function.h"
#include "exchange/math_expression.h"
#include "exchange/sheet_table.h"
#include "exchange/text_lines.h"
#include "exchange/well_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quarrix;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (auto well = DecodeWell(bytes)) (void)EncodeWell(*well), (void)WellTitle(*well);
  (void)EncodeWellGroup(DecodeWellGroup(bytes));
  (void)EncodeWellAttributes(DecodeWellAttributes(bytes, WellAttributes{}));

  DepthFunction function = DecodeDepthFunction(bytes);
  HorizonGrid time(4, 4, 0);
  for (std::size_t k = 0; k < time.CellCount() && 2 * k + 1 < size; ++k)
    time.cells[k] = static_cast<std::int16_t>(data[2 * k] | (data[2 * k + 1] << 8));
  (void)GridTimeToDepth(time, function);
  for (std::int16_t t : time.cells) (void)DepthToTime(function, t);

  std::string error;
  if (auto expression = ParseExpression(bytes, error)) {
    const HorizonGrid* inputs[3] = {&time, &time, nullptr};
    (void)EvaluateExpression(*expression, inputs, time.rows, time.columns);
  }

  // The line reader of the imports over the bytes as a file, in both modes.
  for (bool carriage_returns : {false, true}) {
    std::FILE* file = size > 0 ? fmemopen(const_cast<std::uint8_t*>(data), size, "rb") : nullptr;
    if (!file) break;
    TextLineReader reader(file, carriage_returns ? 500 : 512, carriage_returns);
    std::string_view line;
    std::size_t tokens = 0;
    while (reader.Next(line) == TextLineReader::Status::Line)
      ForEachToken(line, " ,\t\r\n\v", [&](std::string_view) { ++tokens; });
    std::fclose(file);
  }

  SheetTable table;
  table.LoadTabText(std::string(bytes.substr(0, 4096)));
  table.SetColumnType(1, CellType::Float);
  table.SortRows(1, false, 1, table.UsedRows());
  (void)table.TabText();
  return 0;
}
