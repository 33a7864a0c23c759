#include "exchange/math_inputs.h"

#include <algorithm>
#include <filesystem>

#include "exchange/math_functions.h"
#include "horizon/horizon_grid.h"
#include "platform/paths.h"
#include "platform/text_util.h"

namespace quarrix {

std::vector<MathFileKind> MathInputKinds(bool with_constant) {
  std::vector<MathFileKind> kinds = {
      {"Hor Time (*.hor)", "*.hor"}, {"Hor Amp (*.hor)", "*.hor", true},
      {"Slice (*.slc)", "*.slc"},    {"Isopach (*.isp)", "*.isp"},
      {"Isochron (*.isc)", "*.isc"}, {"Velocity (*.vel)", "*.vel"},
      {"Depth (*.dth)", "*.dth"},    {"Misc (*.msc)", "*.msc"},
      {"All (*.*)", "*.*"},
  };
  if (with_constant) kinds.push_back({"Constant", ""});
  return kinds;
}

std::vector<std::string> FilesOfKind(const std::string& folder, const std::string& pattern) {
  std::vector<std::string> names;
  if (pattern.empty()) return names;
  const std::string extension = pattern == "*.*" ? "" : pattern.substr(1);  // ".hor"
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (!entry.is_regular_file(error)) continue;
    std::string name = entry.path().filename().string();
    if (extension.empty() ||
        (name.size() > extension.size() &&
         EqualsIgnoreCase(name.substr(name.size() - extension.size()), extension)))
      names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::optional<MathInput> MathInputFrom(const MathFileKind& kind, const std::string& text,
                                       const std::string& folder) {
  if (text.empty()) return std::nullopt;
  MathInput input;
  if (kind.pattern.empty()) {
    input.constant = ParseCDouble(text);
    return input;
  }
  input.path = text.find('/') == std::string::npos ? JoinPath(folder, text) : text;
  input.amplitude = kind.amplitude;
  return input;
}

int ProposedFlattenFor(const MathInput& input, const SurveyHeader& header) {
  HorizonGrid grid(header.num_lines, header.traces_per_line, HORIZON_NULL);
  if (input.constant) return static_cast<int>(*input.constant);
  HorizonReadResult result = input.amplitude ? ReadHorizon(input.path, nullptr, &grid)
                                             : ReadHorizon(input.path, &grid, nullptr);
  return result == HorizonReadResult::CannotOpen ? 0 : ProposedFlattenReference(grid);
}

}  // namespace quarrix
