#include "horizon/batch_setup.h"

#include <cmath>
#include <ostream>

#include "platform/paths.h"
#include "platform/text_util.h"

namespace quarrix {

int Usage(std::ostream& err, const char* command, const std::string& problem, const char* help) {
  err << command << ": " << problem << '\n' << help;
  return 2;
}

PickEnvironment BatchProject::Environment(const std::string& horizon_name, int pick_window_ms) {
  return PickEnvironment{project.header,
                         project.amp,
                         nullptr,
                         LocateHorizon(folder, horizon_name),
                         FullSurveyZoom(project.header),
                         GridRegion{},
                         pick_window_ms,
                         prompter};
}

std::unique_ptr<BatchProject> OpenBatchProject(const std::string& header_path, bool need_traces,
                                               const char* command, std::ostream& err) {
  auto batch = std::make_unique<BatchProject>(err);
  if (!OpenProject(batch->project, header_path, batch->prompter)) return nullptr;
  if (need_traces && !batch->project.amp.IsOpen()) {
    err << command << ": cannot open the trace file " << batch->project.AmpPath() << '\n';
    return nullptr;
  }
  batch->folder = DirectoryOf(header_path);
  if (batch->folder.empty()) batch->folder = ".";
  return batch;
}

std::optional<std::pair<int, int>> ParseWholePair(const std::string& text, char separator) {
  auto pair = ParseNumberPair(text, separator);
  if (!pair) return std::nullopt;
  for (double v : {pair->first, pair->second})
    if (!(v >= -1e9 && v <= 1e9) || v != std::trunc(v)) return std::nullopt;
  return std::make_pair(static_cast<int>(pair->first), static_cast<int>(pair->second));
}

std::optional<ZoomWindow> ParseZoom(const std::string& text) {
  std::vector<std::string> parts = SplitText(text, ',');
  if (parts.size() != 2) return std::nullopt;
  auto lines = ParseWholePair(parts[0], ':');
  auto traces = ParseWholePair(parts[1], ':');
  if (!lines || !traces) return std::nullopt;
  return ZoomWindow{lines->first, lines->second, traces->first, traces->second};
}

std::string ReadIntOption(const CommandLine& line, const char* option, long long low,
                          long long high, int& value) {
  auto text = line.Value(option);
  if (!text) return "";
  auto parsed = ParseWholeInt(*text);
  if (!parsed || *parsed < low || *parsed > high)
    return FormatText("%s takes a whole number from %lld to %lld", option, low, high);
  value = static_cast<int>(*parsed);
  return "";
}

}  // namespace quarrix
