// Whole-survey passes on the demo survey (240 lines x 260 traces x 751
// samples) beside "cat" of its trace file: a ReadTrace of every trace in
// order, 50 time slices, autopicking from in-line seeds with the snap pass and
// batch processing into a new file, each on one thread and on every core.
// Wall-clock times (the work is reading), best of three, warm file cache.
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <type_traits>
#include <vector>

#include "horizon/autopick.h"
#include "horizon/bulk_edits.h"
#include "horizon/demo_interpretation.h"
#include "horizon/pick_environment.h"
#include "horizon/time_slices.h"
#include "loader/demo_survey.h"
#include "platform/parallel.h"
#include "platform/progress.h"
#include "platform/scripted_prompter.h"
#include "project/project_state.h"
#include "section/batch_process.h"

namespace {

using Clock = std::chrono::steady_clock;

// The best of runs of work: its wall time, or the time it measures itself
// when it returns one (to leave out its preparation).
template <typename Work>
double BestSeconds(Work work, int runs = 3) {
  double best = 1e30;
  for (int run = 0; run < runs; ++run) {
    auto start = Clock::now();
    double seconds;
    if constexpr (std::is_same_v<decltype(work()), double>) {
      seconds = work();
    } else {
      work();
      seconds = std::chrono::duration<double>(Clock::now() - start).count();
    }
    best = std::min(best, seconds);
  }
  return best;
}

// An in-line and a cross-line of a 1000 x 1000 x 1000 survey (2 GB trace
// file, written here and left in the page cache), read as a section window
// reads them: ReadTrace of each trace of the section.
void SectionReads(const std::string& folder) {
  using namespace quarrix;
  SurveyHeader h;
  h.first_line = h.first_trace = 1;
  h.last_line = h.last_trace = 1000;
  h.trace_bytes = 2000;
  h.sample_rate = 4.0;
  h.ComputeDerived();
  const std::string path = folder + "/big.amp";
  AmpFile amp;
  if (!amp.Open(path, AmpOpenMode::Create)) return;
  std::vector<std::int16_t> line(static_cast<std::size_t>(h.traces_per_line) * 1000);
  for (std::size_t n = 0; n < line.size(); ++n) line[n] = static_cast<std::int16_t>(n * 7);
  for (int i = 0; i < h.num_lines; ++i)
    amp.WriteAt(TraceOffset(h, i, 0), line.data(), line.size() * 2);
  std::vector<std::int16_t> trace(1000);
  const double inline_read = BestSeconds([&] {
    for (int j = 0; j < h.traces_per_line; ++j)
      ReadTrace(amp, h, trace.data(), 500, j, h.trace_bytes);
  });
  const double crossline_read = BestSeconds([&] {
    for (int i = 0; i < h.num_lines; ++i) ReadTrace(amp, h, trace.data(), i, 500, h.trace_bytes);
  });
  struct Cell {
    int line_index, trace_index;
  };
  const double crossline_announced_cached = BestSeconds([&] {
    std::vector<Cell> cells;
    for (int i = 0; i < h.num_lines; ++i) cells.push_back({i, 500});
    AnnounceTraceReads(amp, h, cells);
    for (int i = 0; i < h.num_lines; ++i) ReadTrace(amp, h, trace.data(), i, 500, h.trace_bytes);
  });
  std::printf(
      "section reads of a 1000 x 1000 x 1000 survey (2 GB, cached): in-line %.2f ms, "
      "cross-line %.2f ms (%.2f ms announced first, as the sections read)\n",
      inline_read * 1e3, crossline_read * 1e3, crossline_announced_cached * 1e3);
  // Cold: the file's pages are written out and dropped from the page cache
  // before each read (other lines each time, so nothing is left from before).
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd >= 0 && ::fsync(fd) == 0) {
    int line = 100;
    auto cold = [&](auto read_section) {
      return BestSeconds([&] {
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        auto start = Clock::now();
        read_section(line += 37);
        return std::chrono::duration<double>(Clock::now() - start).count();
      });
    };
    const double inline_cold = cold([&](int i) {
      for (int j = 0; j < h.traces_per_line; ++j)
        ReadTrace(amp, h, trace.data(), i, j, h.trace_bytes);
    });
    const double crossline_cold = cold([&](int j) {
      for (int i = 0; i < h.num_lines; ++i) ReadTrace(amp, h, trace.data(), i, j, h.trace_bytes);
    });
    const double crossline_announced = cold([&](int j) {
      std::vector<Cell> cells;
      for (int i = 0; i < h.num_lines; ++i) cells.push_back({i, j});
      AnnounceTraceReads(amp, h, cells);
      for (int i = 0; i < h.num_lines; ++i) ReadTrace(amp, h, trace.data(), i, j, h.trace_bytes);
    });
    std::printf(
        "the same, cold (page cache dropped before each read): in-line %.2f ms, "
        "cross-line %.2f ms read one by one, %.2f ms announced first (as the sections read)\n",
        inline_cold * 1e3, crossline_cold * 1e3, crossline_announced * 1e3);
  }
  if (fd >= 0) ::close(fd);
  amp.Close();
  std::filesystem::remove(path);
}

// The demo's interpreter correlates across the fault by the model it was made from.
quarrix::DemoReflector CorrelateInDemoModel(const quarrix::SurveyHeader& h, int line_index,
                                            int trace_index, double time_ms) {
  return quarrix::DemoReflectorThrough({h.num_lines, h.traces_per_line, h.num_samples}, line_index,
                                       trace_index, time_ms);
}

int AddDemoHorizon(const std::string& header_path, std::ostream& out, std::ostream& err) {
  return quarrix::AddDemoInterpretation(header_path, out, err, CorrelateInDemoModel);
}

}  // namespace

// Arguments: [LINES TRACES SAMPLES] of the demo survey (default: the demo's own
// size; a survey of over 500 MB processes once instead of best of three), or
// "sections" for the section reads alone.
int main(int argc, char** argv) {
  using namespace quarrix;
  const std::string folder =
      (std::filesystem::temp_directory_path() / "quarrix-horizon-bench").string();
  std::filesystem::remove_all(folder);
  if (argc == 2 && std::string(argv[1]) == "sections") {  // the section reads alone
    std::filesystem::create_directories(folder);
    SectionReads(folder);
    std::filesystem::remove_all(folder);
    return 0;
  }
  std::ostringstream out, err;
  std::vector<std::string> demo_args{folder};
  if (argc == 4)
    demo_args.insert(demo_args.end(),
                     {"--lines", argv[1], "--traces", argv[2], "--samples", argv[3]});
  if (RunDemoCommand(demo_args, out, err, AddDemoHorizon) != 0) {
    std::fprintf(stderr, "cannot make the demo survey: %s\n", err.str().c_str());
    return 1;
  }
  const std::string folder_of_project = folder + "/demo";
  ScriptedPrompter prompter;
  ProjectState project;
  if (!OpenProject(project, folder_of_project + "/demo.hdr", prompter)) return 1;
  const SurveyHeader& h = project.header;
  const long long traces = static_cast<long long>(h.num_lines) * h.traces_per_line;

  const std::string amp_path = folder_of_project + "/demo.amp";
  const double cat = BestSeconds([&] {
    if (std::system(("cat '" + amp_path + "' >/dev/null").c_str()) != 0) std::exit(1);
  });
  std::printf("survey %d x %d x %d samples (%lld traces, %.1f MB); cat of the trace file %.3f s\n",
              h.num_lines, h.traces_per_line, h.num_samples, traces, h.AmpFileBytes() / 1e6, cat);
  auto report = [&](const char* job, double seconds) {
    std::printf("%-44s %.3f s, %.2f x cat\n", job, seconds, seconds / cat);
  };

  std::vector<std::int16_t> buffer(static_cast<std::size_t>(h.num_samples));
  report("ReadTrace of every trace in order", BestSeconds([&] {
           for (int i = 0; i < h.num_lines; ++i)
             for (int j = 0; j < h.traces_per_line; ++j)
               ReadTrace(project.amp, h, buffer.data(), i, j, h.trace_bytes);
         }));
  NullProgress progress;
  PickEnvironment env{h,
                      project.amp,
                      nullptr,
                      LocateHorizon(folder_of_project, kDemoHorizonName),
                      FullSurveyZoom(h),
                      GridRegion{},
                      16,
                      prompter};
  const int cores = MachineThreadCount();
  for (int threads : {1, cores}) {
    std::printf("-- %d thread%s\n", threads, threads == 1 ? "" : "s");
    SliceRequest request{500, 500 + 49 * 20, 20, nullptr, threads};
    report("50 time slices", BestSeconds([&] {
             GenerateTimeSlices(h, project.amp, nullptr, folder_of_project, request, progress,
                                prompter);
           }));
    report("autopick with the snap pass", BestSeconds([&] {
             ClearAutoPicks(env);
             Autopick(env, {AutopickMode::FromInlineSeeds, true, {}, threads}, progress);
           }));
    ProcessingParams params;
    params.agc_on = 1;
    params.agc_window_ms = 200;
    report("batch processing (AGC) into a new file",
           BestSeconds(
               [&] {
                 ProcessingParams run = params;
                 BatchProcessTraces(project, run, {false, folder + "/processed.amp", threads},
                                    prompter, progress);
               },
               h.AmpFileBytes() > 500e6 ? 1 : 3));
  }
  SectionReads(folder);
  std::filesystem::remove_all(folder);
  return 0;
}
