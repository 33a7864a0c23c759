// The fault sub-commands that convert: fault to horizon and back, blanking a
// horizon at faults, and importing a Tridex fault file.
#include <algorithm>
#include <ostream>

#include "fault/fault_command_support.h"
#include "fault/fault_conversions.h"
#include "fault/tridex_import.h"
#include "platform/paths.h"

namespace quarrix {

int RunFaultToHorizon(FaultRun& run) {
  if (int status = run.Start(3, "give PROJECT.hdr, NAME.ffl and OUT.hor")) return status;
  const auto& p = run.line.positionals();
  HorizonLocation horizon = LocateHorizon(DirectoryOf(p[0]), p[2]);
  return ConvertFaultToHorizon(p[1], horizon, run.header, run.prompter) ? 0 : 1;
}

int RunFaultFromHorizon(FaultRun& run) {
  if (int status = run.Start(3, "give PROJECT.hdr, IN.hor and OUT.ffl")) return status;
  const auto& p = run.line.positionals();
  return ConvertHorizonToFault(p[1], p[2], run.header, run.prompter) ? 0 : 1;
}

int RunFaultBlankHorizon(FaultRun& run) {
  const auto& p = run.line.positionals();
  if (int status = run.Start(std::max<std::size_t>(p.size(), 3),
                             "give PROJECT.hdr, HORIZON.hor and NAME.ffl"))
    return status;
  long nulled = BlankHorizonAtFaults(p[1], {p.begin() + 2, p.end()}, run.header, run.prompter);
  if (nulled < 0) return 1;
  run.out << "blanked " << nulled << " cells\n";
  return 0;
}

int RunFaultImportForeign(FaultRun& run) {
  if (int status = run.Start(2, "give PROJECT.hdr and FILE.fal")) return status;
  const std::string& fal = run.line.positionals()[1];
  if (!ImportTridexFile(fal, run.header, run.prompter)) return 1;
  run.out << TridexFaultTarget(fal) << '\n';
  return 0;
}

}  // namespace quarrix
