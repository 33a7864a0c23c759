// The Import/Export window's path for a large horizon: "Import Ascii Horizon"
// of a one-million-line file into the sheet (virtual mode), the Line, Trace
// and Z roles, and "Convert to Horizon" written to the project, against
// `quarrix-batch import-horizon` of the same file. Wall-clock seconds (the
// work is reading and writing files), best of three, warm file cache.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "exchange/ascii_import.h"
#include "exchange/exchange_commands.h"
#include "exchange/horizon_conversion.h"
#include "platform/progress.h"
#include "platform/scripted_prompter.h"
#include "project/header_file.h"
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

constexpr int kLines = 1000, kTraces = 1000;

// A 1000 x 1000 survey and a Landmark-like text file with a pick on every cell.
bool MakeProject(const std::string& folder, quarrix::ProjectState& project) {
  using namespace quarrix;
  SurveyHeader header;
  header.first_line = 1;
  header.last_line = kLines;
  header.first_trace = 1;
  header.last_trace = kTraces;
  header.line_spacing = header.trace_spacing = 25.0f;
  header.trace_bytes = 200;
  header.sample_rate = 4.0;
  header.corner_index = 1;
  header.ComputeDerived();
  ScriptedPrompter prompter;
  if (!SaveHeader(folder + "/bench.hdr", header, prompter)) return false;
  std::ofstream text(folder + "/picks.dat", std::ios::binary);
  char line[128];
  for (int l = 1; l <= kLines; ++l)
    for (int t = 1; t <= kTraces; ++t) {
      int n = std::snprintf(line, sizeof line, "%10d%10d%12d%12d%12.2f\r\n", l, t, 500000 + 25 * t,
                            6000000 + 25 * l, 1000.0 + (l + t) % 400);
      text.write(line, n);
    }
  return text.good() && OpenProject(project, folder + "/bench.hdr", prompter);
}

}  // namespace

int main() {
  using namespace quarrix;
  const std::string folder =
      (std::filesystem::temp_directory_path() / "quarrix-sheet-import-bench").string();
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  ProjectState project;
  if (!MakeProject(folder, project)) {
    std::fprintf(stderr, "cannot make the benchmark project in %s\n", folder.c_str());
    return 1;
  }
  const std::string picks = folder + "/picks.dat";

  double sheet = BestSeconds([&] {
    ScriptedPrompter prompter;
    NullProgress progress;
    SheetTable table;
    ImportAsciiHorizon(table, picks, progress, prompter);
    table.AssignRole(ColumnRole::Line, 1);
    table.AssignRole(ColumnRole::Trace, 2);
    table.AssignRole(ColumnRole::Z, 5);
    prompter.QueueFile(folder + "/sheet.hor");
    prompter.QueueAnswer(MessageAnswer::No);
    ConvertSheetToHorizonFile(table, project, false, prompter, progress);
  });
  double batch = BestSeconds([&] {
    std::ostringstream out, err;
    RunImportHorizonCommand({folder + "/bench.hdr", picks, "--line-col", "1", "--trace-col", "2",
                             "--z-col", "5", "--out", "batch.hor"},
                            out, err);
  });
  std::printf("one-million-line horizon: sheet import + convert %.2f s, batch import-horizon %.2f s,"
              " ratio %.2f\n",
              sheet, batch, sheet / batch);
  std::filesystem::remove_all(folder);
  return 0;
}
