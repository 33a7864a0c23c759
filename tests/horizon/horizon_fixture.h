#pragma once
// A small project on disk for the horizon tests: a header, a trace file whose
// traces come from a function, and a picking environment over them.
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "horizon/horizon_files.h"
#include "horizon/pick_environment.h"
#include "platform/scripted_prompter.h"
#include "project/amp_file.h"
#include "project/header_file.h"
#include "support/test_support.h"

namespace quarrix::testing {

using TraceFunction = std::function<std::int16_t(int line_index, int trace_index, int sample)>;

// A positive wavelet lobe (with negative side lobes) centred on sample c.
inline std::int16_t RickerSample(int k, double c, double amplitude = 10000.0) {
  double a = (k - c) / 3.0;
  return static_cast<std::int16_t>(amplitude * (1.0 - 2.0 * a * a) * std::exp(-a * a));
}

class HorizonProject {
 public:
  HorizonProject(int lines, int traces, int samples, const TraceFunction& trace,
                 double sample_rate = 4.0, int start_time = 0) {
    header.first_line = 100;
    header.last_line = 100 + lines - 1;
    header.first_trace = 10;
    header.last_trace = 10 + traces - 1;
    header.trace_bytes = 2 * samples;
    header.sample_rate = sample_rate;
    header.start_time = start_time;
    header.ComputeDerived();
    SaveHeader(folder.File("survey.hdr"), header, prompter);
    AmpFile writer;
    writer.Open(folder.File("survey.amp"), AmpOpenMode::Create);
    std::vector<std::int16_t> samples_of(static_cast<std::size_t>(samples));
    for (int i = 0; i < lines; ++i)
      for (int j = 0; j < traces; ++j) {
        for (int k = 0; k < samples; ++k) samples_of[k] = trace(i, j, k);
        WriteTrace(writer, header, samples_of.data(), i, j, header.trace_bytes);
      }
    writer.Close();
    amp.Open(folder.File("survey.amp"), AmpOpenMode::Read);
    horizon = LocateHorizon(folder.path(), "top.hor");
  }

  // Creates the horizon file with its registration and colour files.
  void CreateHorizon() { CreateHorizonFile(horizon, header); }

  PickEnvironment Environment(int pick_window_ms = 12) {
    return PickEnvironment{
        header,         amp,     nullptr, horizon, FullSurveyZoom(header), GridRegion{},
        pick_window_ms, prompter};
  }

  HorizonGrid Time() const {
    HorizonGrid grid(header.num_lines, header.traces_per_line);
    ReadHorizon(horizon.path, &grid, nullptr);
    return grid;
  }
  HorizonGrid Amplitude() const {
    HorizonGrid grid(header.num_lines, header.traces_per_line);
    ReadHorizon(horizon.path, nullptr, &grid);
    return grid;
  }
  std::string Registration() const { return ReadFileBytes(horizon.Companion(".hop")); }
  std::uint8_t RegistrationAt(int i, int j) const {
    return static_cast<std::uint8_t>(
        Registration()[static_cast<std::size_t>(i) * header.traces_per_line + j]);
  }
  // Puts picks straight into the file and marks them as seeds.
  void Seed(const std::vector<HorizonCell>& cells) {
    WriteHorizonCells(horizon.path, header, cells);
    std::string reg = Registration();
    for (const HorizonCell& c : cells)
      reg[static_cast<std::size_t>(c.row) * header.traces_per_line + c.column] = 1;
    WriteFileBytes(horizon.Companion(".hop"), reg);
  }
  void SetPickType(int type) {
    UpdateHorizonStyle(horizon.path, [&](HorizonStyle& s) { s.pick_type = type; });
  }

  TempFolder folder;
  SurveyHeader header;
  ScriptedPrompter prompter;
  AmpFile amp;
  HorizonLocation horizon;
};

}  // namespace quarrix::testing
