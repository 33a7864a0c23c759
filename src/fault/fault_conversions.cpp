#include "fault/fault_conversions.h"

#include "fault/fault_file.h"
#include "horizon/horizon_files.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

constexpr int kNoDifference = 1 << 20;  // a bin without horizon or fault

// Along one line of bins reached by index(k): the first sign change of d
// nulls the horizon cell on the >= 0 side.
template <typename Index>
std::size_t BlankFirstCrossing(HorizonGrid& horizon, const std::vector<int>& d, int length,
                               Index index) {
  for (int k = 0; k + 1 < length; ++k) {
    int a = d[index(k)], b = d[index(k + 1)];
    if (a == kNoDifference || b == kNoDifference || (a >= 0) == (b >= 0)) continue;
    std::int16_t& cell = horizon.cells[index(a >= 0 ? k : k + 1)];
    bool changed = cell != HORIZON_NULL;
    cell = HORIZON_NULL;
    return changed;
  }
  return 0;
}

bool ReadHorizonTimes(const std::string& path, HorizonGrid& time, Prompter& prompter) {
  std::string problem;
  if (ReadWholeHorizon(path, &time, nullptr, problem) == HorizonReadResult::Ok) return true;
  prompter.Tell(problem, "Warning");
  return false;
}

// Writes the grids given; false after telling the user.
bool WriteHorizonGrids(const std::string& path, const HorizonGrid* time,
                       const HorizonGrid* amplitude, Prompter& prompter) {
  if (WriteHorizon(path, time, amplitude)) return true;
  prompter.Tell(FormatText("Cannot write the horizon file %s", path.c_str()), "Warning");
  return false;
}

}  // namespace

HorizonGrid FaultToHorizonTimes(const FaultGrid& fault) {
  HorizonGrid time = fault;
  for (std::int16_t& cell : time.cells)
    if (IsFaultSeed(cell)) cell = static_cast<std::int16_t>(cell - kFaultSeedFlag);
  return time;
}

int FaultTimeForBlanking(std::int16_t cell) {
  int time = cell;
  for (int k = 0; k < 2 && time > kFaultSeedFlag; ++k) time -= kFaultSeedFlag;
  return time;
}

std::size_t BlankHorizonAtFault(HorizonGrid& horizon, const FaultGrid& fault) {
  if (horizon.rows != fault.rows || horizon.columns != fault.columns) return 0;
  std::vector<int> d(horizon.CellCount(), kNoDifference);
  for (std::size_t i = 0; i < d.size(); ++i)
    if (horizon.cells[i] != HORIZON_NULL && fault.cells[i] != FAULT_NULL)
      d[i] = horizon.cells[i] - FaultTimeForBlanking(fault.cells[i]);
  const std::size_t columns = static_cast<std::size_t>(horizon.columns);
  std::size_t nulled = 0;
  for (int r = 0; r < horizon.rows; ++r)
    nulled +=
        BlankFirstCrossing(horizon, d, horizon.columns, [&](int k) { return r * columns + k; });
  for (int c = 0; c < horizon.columns; ++c)
    nulled += BlankFirstCrossing(horizon, d, horizon.rows, [&](int k) { return k * columns + c; });
  return nulled;
}

bool ConvertFaultToHorizon(const std::string& fault_path, const HorizonLocation& horizon,
                           const SurveyHeader& header, Prompter& prompter) {
  FaultGrid fault = SurveyFaultGrid(header);
  if (!ReadFault(fault_path, fault, prompter)) return false;
  // A new horizon is made whole first: null amplitudes, style, registration
  // and colour files.
  if (!FileExists(horizon.path) && !CreateHorizonFile(horizon, header)) {
    prompter.Tell(FormatText("Cannot write the horizon file %s", horizon.path.c_str()), "Warning");
    return false;
  }
  const HorizonGrid time = FaultToHorizonTimes(fault);
  return WriteHorizonGrids(horizon.path, &time, nullptr, prompter);
}

bool ConvertHorizonToFault(const std::string& horizon_path, const std::string& fault_path,
                           const SurveyHeader& header, Prompter& prompter) {
  HorizonGrid time = SurveyFaultGrid(header);
  if (!ReadHorizonTimes(horizon_path, time, prompter)) return false;
  return WriteNewFaultFile(fault_path, time, prompter);
}

long BlankHorizonAtFaults(const std::string& horizon_path,
                          const std::vector<std::string>& fault_paths, const SurveyHeader& header,
                          Prompter& prompter) {
  HorizonGrid time = SurveyFaultGrid(header);
  if (!ReadHorizonTimes(horizon_path, time, prompter)) return -1;
  std::size_t nulled = 0;
  for (const std::string& path : fault_paths) {
    FaultGrid fault = SurveyFaultGrid(header);
    if (ReadFault(path, fault, prompter)) nulled += BlankHorizonAtFault(time, fault);
  }
  if (!WriteHorizonGrids(horizon_path, &time, nullptr, prompter)) return -1;
  return static_cast<long>(nulled);
}

}  // namespace quarrix
