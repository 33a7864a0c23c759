#include "horizon/pick_registration.h"

#include <algorithm>

#include "horizon/horizon_grid.h"
#include "platform/atomic_file.h"
#include "platform/prompter.h"

namespace quarrix {

std::optional<PickRegistration> LoadPickRegistration(const HorizonLocation& horizon,
                                                     const SurveyHeader& header,
                                                     Prompter& prompter) {
  PickRegistration registration(header.num_lines, header.traces_per_line);
  std::string bytes;
  if (ReadWholeFile(horizon.Companion(".hop"), bytes)) {
    // A short file reads as far as it goes; the rest stays 0.
    std::copy_n(bytes.begin(), std::min(bytes.size(), registration.bytes.size()),
                registration.bytes.begin());
    return registration;
  }
  if (prompter.Message("No Pick Reg File. \nCreate from current values. \n", "Pick Registration",
                       MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes)
    return std::nullopt;
  HorizonGrid time(header.num_lines, header.traces_per_line);
  // Every existing pick becomes a seed; an unreadable horizon reads as all null.
  ReadHorizon(horizon.path, &time, nullptr);
  for (std::size_t k = 0; k < time.cells.size(); ++k)
    registration.bytes[k] = time.cells[k] == HORIZON_NULL ? kRegNone : kRegSeed;
  if (!SavePickRegistration(horizon, registration)) return std::nullopt;
  return registration;
}

bool SavePickRegistration(const HorizonLocation& horizon, const PickRegistration& registration) {
  return WriteFileAtomically(
      horizon.Companion(".hop"),
      std::string_view(reinterpret_cast<const char*>(registration.bytes.data()),
                       registration.bytes.size()));
}

}  // namespace quarrix
