#include "horizon/horizon_files.h"

#include <cstdio>

#include "horizon/colour_files.h"
#include "horizon/little_endian.h"
#include "platform/atomic_file.h"

namespace quarrix {

HorizonGrid SurveyGrid(const SurveyHeader& header) {
  return HorizonGrid(header.num_lines, header.traces_per_line);
}

bool CreateHorizonFile(const HorizonLocation& horizon, const SurveyHeader& header) {
  // The registration and colour files live in the project folder; a horizon
  // made elsewhere would be split from them.
  if (!horizon.InProjectFolder()) return false;
  HorizonGrid empty = SurveyGrid(header);
  std::string cells = EncodeGridCells(empty);
  std::string bytes(kHorizonStyleBytes, '\0');
  le::Put32(bytes, 0, PackStyleWord(HorizonStyle{}));
  bytes += cells;
  bytes += cells;
  return WriteFileAtomically(horizon.path, bytes) &&
         WriteFileAtomically(horizon.Companion(".hop"), std::string(empty.CellCount(), '\0')) &&
         WriteColourFile(horizon.Companion(".col"), DefaultTimeColourBar()) &&
         WriteColourFile(horizon.Companion(".aco"), DefaultAmplitudeColourBar());
}

bool SaveGridAsHorizon(const HorizonLocation& horizon, const HorizonGrid& grid) {
  HorizonStyle style;
  style.pick_type = 0;  // picks change nothing until a pick type is chosen
  style.amplitude_colour_scheme = 1;
  return WriteHorizon(horizon.path, &grid, nullptr) && WriteHorizonStyle(horizon.path, style) &&
         WriteColourFile(horizon.Companion(".col"), DefaultTimeColourBar());
}

bool WriteHorizonCells(const std::string& path, const SurveyHeader& header,
                       const std::vector<HorizonCell>& cells) {
  std::FILE* file = std::fopen(path.c_str(), "r+b");
  if (!file) return false;
  const long grid_bytes = 2L * header.num_lines * header.traces_per_line;
  bool ok = true;
  for (const HorizonCell& cell : cells) {
    long at = static_cast<long>(kHorizonStyleBytes) +
              2L * (static_cast<long>(cell.row) * header.traces_per_line + cell.column);
    std::string bytes(2, '\0');
    le::Put16(bytes, 0, static_cast<std::uint16_t>(cell.time));
    ok = ok && std::fseek(file, at, SEEK_SET) == 0 && std::fwrite(bytes.data(), 1, 2, file) == 2;
    le::Put16(bytes, 0, static_cast<std::uint16_t>(cell.amplitude));
    ok = ok && std::fseek(file, at + grid_bytes, SEEK_SET) == 0 &&
         std::fwrite(bytes.data(), 1, 2, file) == 2;
  }
  return std::fclose(file) == 0 && ok;
}

}  // namespace quarrix
