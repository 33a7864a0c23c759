#include "platform/program_options.h"

namespace quarrix {

const char* PackageVersion() {
  return QUARRIX_VERSION;
}

std::optional<int> AnswerProgramOption(const std::string& program, const std::string& first_arg,
                                       const std::function<void(std::ostream&)>& usage,
                                       std::ostream& out) {
  if (first_arg == "--help" || first_arg == "-h") {
    usage(out);
    return 0;
  }
  if (first_arg == "--version") {
    out << program << " (Quarrix) " << PackageVersion() << '\n';
    return 0;
  }
  return std::nullopt;
}

}  // namespace quarrix
