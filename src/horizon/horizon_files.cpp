#include "horizon/horizon_files.h"

#include <cstdio>

#include "horizon/colour_files.h"
#include "platform/atomic_file.h"
#include "platform/byte_order.h"
#include "platform/safe_write.h"

namespace quarrix {

HorizonGrid SurveyGrid(const SurveyHeader& header) {
  return HorizonGrid(header.num_lines, header.traces_per_line);
}

std::string NewHorizonBytes(const SurveyHeader& header) {
  std::string cells = EncodeGridCells(SurveyGrid(header));
  std::string bytes(kHorizonStyleBytes, '\0');
  le::Put<std::uint32_t>(bytes, 0, PackStyleWord(HorizonStyle{}));
  bytes += cells;
  bytes += cells;
  return bytes;
}

std::vector<FileBytes> NewHorizonCompanions(const HorizonLocation& horizon,
                                            const SurveyHeader& header) {
  return {{horizon.Companion(".hop"), std::string(SurveyGrid(header).CellCount(), '\0')},
          {horizon.Companion(".col"), EncodeColourBar(DefaultTimeColourBar())},
          {horizon.Companion(".aco"), EncodeColourBar(DefaultAmplitudeColourBar())}};
}

bool CreateHorizonFile(const HorizonLocation& horizon, const SurveyHeader& header) {
  // The registration and colour files live in the project folder; a horizon
  // made elsewhere would be split from them.
  if (!horizon.InProjectFolder()) return false;
  std::vector<FileBytes> files = NewHorizonCompanions(horizon, header);
  files.insert(files.begin(), {horizon.path, NewHorizonBytes(header)});
  return WriteFilesTogether(files);
}

bool SaveGridAsHorizon(const HorizonLocation& horizon, const HorizonGrid& grid) {
  HorizonStyle style;
  style.pick_type = 0;  // picks change nothing until a pick type is chosen
  style.amplitude_colour_scheme = 1;
  // The new file replaces the old one whole; the old amplitude grid stays
  // behind the new time grid.
  std::string bytes;
  ReadWholeFile(horizon.path, bytes);
  bytes = OverlayGrids(std::move(bytes), &grid, nullptr);
  le::Put<std::uint32_t>(bytes, 0, PackStyleWord(style));
  return WriteFileAtomically(horizon.path, bytes) &&
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
    le::Put<std::uint16_t>(bytes, 0, static_cast<std::uint16_t>(cell.time));
    ok = ok && !WriteFaultInjected(WriteStep::Write, path) && std::fseek(file, at, SEEK_SET) == 0 &&
         std::fwrite(bytes.data(), 1, 2, file) == 2;
    le::Put<std::uint16_t>(bytes, 0, static_cast<std::uint16_t>(cell.amplitude));
    ok = ok && std::fseek(file, at + grid_bytes, SEEK_SET) == 0 &&
         std::fwrite(bytes.data(), 1, 2, file) == 2;
  }
  ok = ok && !WriteFaultInjected(WriteStep::Close, path);
  return std::fclose(file) == 0 && ok;
}

}  // namespace quarrix
