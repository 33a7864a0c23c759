#include "horizon/flattening.h"

#include <algorithm>

#include "platform/paths.h"

namespace quarrix {

HorizonGrid AutoFlattenShifts(const HorizonGrid& time) {
  HorizonGrid shift(time.rows, time.columns, 0);
  int smallest = HORIZON_NULL, largest = -32768;
  for (std::int16_t t : time.cells)
    if (t != HORIZON_NULL) {
      smallest = std::min<int>(smallest, t);
      largest = std::max<int>(largest, t);
    }
  if (largest < smallest) return shift;
  const int datum = (largest - smallest) / 2 + smallest;
  for (std::size_t k = 0; k < time.cells.size(); ++k)
    if (time.cells[k] != HORIZON_NULL)
      shift.cells[k] = static_cast<std::int16_t>(datum - time.cells[k]);
  return shift;
}

bool LoadFlattenFile(const std::string& path, const SurveyHeader& header, FlattenTable& table) {
  HorizonGrid shift(header.num_lines, header.traces_per_line, 0);
  std::string problem;
  if (ReadWholeHorizon(path, &shift, nullptr, problem) != HorizonReadResult::Ok) return false;
  table.shift = std::move(shift);
  table.on = true;
  table.file = FileNameOf(path);
  return true;
}

bool WriteFlattenFile(const std::string& path, const HorizonGrid& shift) {
  return WriteHorizon(path, &shift, nullptr);
}

}  // namespace quarrix
