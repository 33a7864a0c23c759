// Horizon work on the demo survey (240 lines x 260 traces x 751 samples):
// 50 time slices beside one plain sequential read of the trace file, and
// autopicking from in-line seeds with the snap pass, in traces per second.
// Wall-clock times (the work is reading), best of three, warm file cache.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "horizon/autopick.h"
#include "horizon/bulk_edits.h"
#include "horizon/demo_interpretation.h"
#include "horizon/pick_environment.h"
#include "horizon/time_slices.h"
#include "loader/demo_survey.h"
#include "platform/progress.h"
#include "platform/scripted_prompter.h"
#include "project/project_state.h"

namespace {

using Clock = std::chrono::steady_clock;

template <typename Work>
double BestSeconds(Work work) {
  double best = 1e30;
  for (int run = 0; run < 3; ++run) {
    auto start = Clock::now();
    work();
    best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
  }
  return best;
}

}  // namespace

int main() {
  using namespace quarrix;
  const std::string folder =
      (std::filesystem::temp_directory_path() / "quarrix-horizon-bench").string();
  std::filesystem::remove_all(folder);
  std::ostringstream out, err;
  if (RunDemoCommand({folder}, out, err, AddDemoInterpretation) != 0) {
    std::fprintf(stderr, "cannot make the demo survey: %s\n", err.str().c_str());
    return 1;
  }
  const std::string folder_of_project = folder + "/demo";
  ScriptedPrompter prompter;
  ProjectState project;
  if (!OpenProject(project, folder_of_project + "/demo.hdr", prompter)) return 1;
  const SurveyHeader& h = project.header;
  const long long traces = static_cast<long long>(h.num_lines) * h.traces_per_line;

  std::vector<std::int16_t> buffer(static_cast<std::size_t>(h.num_samples));
  double plain = BestSeconds([&] {
    for (int i = 0; i < h.num_lines; ++i)
      for (int j = 0; j < h.traces_per_line; ++j)
        ReadTrace(project.amp, h, buffer.data(), i, j, h.trace_bytes);
  });
  NullProgress progress;
  SliceRequest request{500, 500 + 49 * 20, 20, nullptr};
  double slices = BestSeconds([&] {
    GenerateTimeSlices(h, project.amp, nullptr, folder_of_project, request, progress, prompter);
  });
  std::printf("survey %d x %d x %d samples (%lld traces, %.1f MB)\n", h.num_lines,
              h.traces_per_line, h.num_samples, traces, h.AmpFileBytes() / 1e6);
  std::printf("plain sequential read of the trace file: %.3f s\n", plain);
  std::printf("50 time slices: %.3f s, ratio %.2f\n", slices, slices / plain);

  PickEnvironment env{h,
                      project.amp,
                      nullptr,
                      LocateHorizon(folder_of_project, kDemoHorizonName),
                      FullSurveyZoom(h),
                      GridRegion{},
                      16,
                      prompter};
  double autopick = BestSeconds([&] {
    ClearAutoPicks(env);
    Autopick(env, {AutopickMode::FromInlineSeeds, true, {}}, progress);
  });
  std::printf("autopick with snap over the survey: %.3f s, %.0f traces/s\n", autopick,
              traces / autopick);
  std::filesystem::remove_all(folder);
  return 0;
}
