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
  HorizonLocation horizon =
      LocateHorizon(DirectoryOf(run.project.header_path), run.line.positionals()[2]);
  if (!run.MayCreate(horizon.path)) return 1;
  return ConvertFaultToHorizon(run.File(1), horizon, run.header, run.prompter) ? 0 : 1;
}

int RunFaultFromHorizon(FaultRun& run) {
  if (int status = run.Start(3, "give PROJECT.hdr, IN.hor and OUT.ffl")) return status;
  const std::string fault = run.File(2);
  if (!run.MayCreate(fault)) return 1;
  return ConvertHorizonToFault(run.File(1), fault, run.header, run.prompter) ? 0 : 1;
}

int RunFaultBlankHorizon(FaultRun& run) {
  const auto& p = run.line.positionals();
  if (int status = run.Start(std::max<std::size_t>(p.size(), 3),
                             "give PROJECT.hdr, HORIZON.hor and NAME.ffl"))
    return status;
  const std::string horizon = run.File(1);
  if (!run.MayEdit(horizon, EditedFile::Horizon)) return 1;
  std::vector<std::string> faults;
  for (std::size_t i = 2; i < p.size(); ++i) faults.push_back(run.File(i));
  long nulled = BlankHorizonAtFaults(horizon, faults, run.header, run.prompter);
  if (nulled < 0) return 1;
  run.EditFinished();
  run.out << "blanked " << nulled << " cells\n";
  return 0;
}

int RunFaultImportForeign(FaultRun& run) {
  if (int status = run.Start(2, "give PROJECT.hdr and FILE.fal")) return status;
  const std::string fal = run.File(1);
  if (!run.MayCreate(TridexFaultTarget(fal))) return 1;
  if (!ImportTridexFile(fal, run.header, run.prompter)) return 1;
  run.out << TridexFaultTarget(fal) << '\n';
  return 0;
}

}  // namespace quarrix
