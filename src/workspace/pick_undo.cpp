#include "workspace/pick_undo.h"

#include <algorithm>

#include "horizon/horizon_files.h"
#include "platform/atomic_file.h"

namespace quarrix {
namespace {

std::optional<PickRegistration> ReadRegistration(const HorizonLocation& horizon,
                                                 const SurveyHeader& header) {
  std::string bytes;
  if (!ReadWholeFile(horizon.Companion(".hop"), bytes)) return std::nullopt;
  PickRegistration registration(header.num_lines, header.traces_per_line);
  std::copy_n(bytes.begin(), std::min(bytes.size(), registration.bytes.size()),
              registration.bytes.begin());
  return registration;
}

}  // namespace

std::optional<PickUndo> SnapshotHorizon(const HorizonLocation& horizon,
                                        const SurveyHeader& header) {
  PickUndo undo{horizon, HorizonGrid(header.num_lines, header.traces_per_line),
                HorizonGrid(header.num_lines, header.traces_per_line), std::nullopt};
  if (ReadHorizon(horizon.path, &undo.time, &undo.amplitude) != HorizonReadResult::Ok)
    return std::nullopt;
  undo.registration = ReadRegistration(horizon, header);
  return undo;
}

int RestoreHorizon(const PickUndo& undo, const SurveyHeader& header) {
  HorizonGrid time(header.num_lines, header.traces_per_line);
  HorizonGrid amplitude(header.num_lines, header.traces_per_line);
  if (ReadHorizon(undo.horizon.path, &time, &amplitude) != HorizonReadResult::Ok) return -1;
  std::vector<HorizonCell> cells;
  for (int row = 0; row < time.rows; ++row)
    for (int column = 0; column < time.columns; ++column)
      if (time.At(row, column) != undo.time.At(row, column) ||
          amplitude.At(row, column) != undo.amplitude.At(row, column))
        cells.push_back({row, column, undo.time.At(row, column), undo.amplitude.At(row, column)});
  if (!cells.empty() && !WriteHorizonCells(undo.horizon.path, header, cells)) return -1;
  if (undo.registration && !SavePickRegistration(undo.horizon, *undo.registration)) return -1;
  return static_cast<int>(cells.size());
}

}  // namespace quarrix
