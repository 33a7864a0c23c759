// The exchange records and texts over arbitrary bytes: well, well group and
// group attribute records, depth functions, math expressions and tab text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "exchange/depth_function.h"
#include "exchange/math_expression.h"
#include "exchange/sheet_table.h"
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

  SheetTable table;
  table.LoadTabText(std::string(bytes.substr(0, 4096)));
  table.SetColumnType(1, CellType::Float);
  table.SortRows(1, false, 1, table.UsedRows());
  (void)table.TabText();
  return 0;
}
