// Cross-checks the conditioning steps against conditioning_reference.py, an
// independent double-precision version written from the same formulas with
// numpy's FFT, on synthetic spikes and sweeps and on real traces. Skipped when
// no python3 with numpy is installed.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <optional>

#include "platform/scripted_prompter.h"
#include "platform/text_util.h"
#include "section/band_pass.h"
#include "section/phase_rotation.h"
#include "section/rms_agc.h"
#include "section/trace_attributes.h"
#include "section/trace_spectrum.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

using Trace = std::vector<std::int16_t>;

struct TraceSet {
  std::string name;
  double dt_ms;
  std::vector<Trace> traces;  // all of one length
};

std::optional<std::string> PythonWithNumpy() {
  for (const char* python : {"python3", "/usr/bin/python3"}) {
    std::string probe = std::string(python) + " -c 'import numpy' >/dev/null 2>&1";
    if (std::system(probe.c_str()) == 0) return python;
  }
  return std::nullopt;
}

TraceSet Synthetic(int nt, double dt_ms) {
  TraceSet set{FormatText("synthetic %d x %g ms", nt, dt_ms), dt_ms, {}};
  Trace spikes(nt, 0);
  spikes[nt / 5] = 10000;
  spikes[nt / 2] = -7000;
  spikes[nt / 2 + 3] = 12000;
  spikes[nt - 40] = 20000;
  Trace sweep(nt), mixture(nt);
  const double seconds = nt * dt_ms / 1000.0, nyquist = 500.0 / dt_ms;
  for (int i = 0; i < nt; ++i) {
    double t = i * dt_ms / 1000.0;
    double f0 = 0.02 * nyquist, f1 = 0.8 * nyquist;  // linear sweep from f0 to f1
    double phase = 2.0 * std::numbers::pi * (f0 * t + 0.5 * (f1 - f0) * t * t / seconds);
    sweep[i] = static_cast<std::int16_t>(8000.0 * std::sin(phase));
    double decay = std::exp(-3.0 * t / seconds);
    mixture[i] = static_cast<std::int16_t>(
        decay * (9000.0 * std::sin(2 * std::numbers::pi * 0.1 * nyquist * t) +
                 4000.0 * std::cos(2 * std::numbers::pi * 0.33 * nyquist * t + 1.0)) +
        ((i * 7919) % 601) - 300);
  }
  set.traces = {spikes, sweep, mixture};
  return set;
}

// Traces of the cropped F3 survey: 16-bit integer samples, big-endian.
std::optional<TraceSet> RealTraces() {
  std::string folder = testing::SharedDataFolder();
  if (folder.empty()) return std::nullopt;
  std::string bytes = testing::ReadFileBytes(folder + "/f3.sgy");
  auto u16 = [&](std::size_t at) {
    return static_cast<int>(static_cast<unsigned char>(bytes[at]) << 8 |
                            static_cast<unsigned char>(bytes[at + 1]));
  };
  if (bytes.size() < 3600 || u16(3224) != 3) return std::nullopt;
  const int nt = u16(3220);
  const std::size_t record = 240 + 2 * static_cast<std::size_t>(nt);
  TraceSet set{"f3.sgy", u16(3216) / 1000.0, {}};
  for (std::size_t at = 3600; at + record <= bytes.size() && set.traces.size() < 40;
       at += 9 * record) {
    Trace trace(nt);
    for (int k = 0; k < nt; ++k) trace[k] = static_cast<std::int16_t>(u16(at + 240 + 2 * k));
    set.traces.push_back(trace);
  }
  return set;
}

struct Reference {
  std::vector<Trace> traces;
  std::vector<std::vector<bool>> stable;
};

Reference RunReference(const std::string& python, const TraceSet& set, const std::string& step,
                       const std::vector<double>& args, bool with_mask) {
  testing::TempFolder folder;
  const int nt = static_cast<int>(set.traces[0].size());
  std::string input;
  for (const Trace& trace : set.traces)
    for (std::int16_t v : trace) {
      input.push_back(static_cast<char>(v & 0xff));
      input.push_back(static_cast<char>((v >> 8) & 0xff));
    }
  testing::WriteFileBytes(folder.File("in"), input);
  std::string command =
      FormatText("%s %s/tests/section/conditioning_reference.py %s %s %s %d %.17g %d",
                 python.c_str(), QUARRIX_SOURCE_DIR, step.c_str(), folder.File("in").c_str(),
                 folder.File("out").c_str(), nt, set.dt_ms, ConditioningFftLength(nt));
  for (double a : args) command += FormatText(" %.17g", a);
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  std::string output = testing::ReadFileBytes(folder.File("out"));
  const std::size_t count = set.traces.size() * nt;
  Reference reference;
  if (output.size() != count * (with_mask ? 3 : 2)) {
    ADD_FAILURE() << "reference output of " << output.size() << " bytes for " << command;
    return reference;
  }
  for (std::size_t t = 0; t < set.traces.size(); ++t) {
    Trace trace(nt);
    std::vector<bool> stable(nt, true);
    for (int k = 0; k < nt; ++k) {
      std::size_t at = t * nt + k;
      trace[k] = static_cast<std::int16_t>(static_cast<unsigned char>(output[2 * at]) |
                                           static_cast<unsigned char>(output[2 * at + 1]) << 8);
      if (with_mask) stable[k] = output[2 * count + at] != 0;
    }
    reference.traces.push_back(trace);
    reference.stable.push_back(stable);
  }
  return reference;
}

class NumpyReference : public ::testing::Test {
 protected:
  void SetUp() override {
    python_ = PythonWithNumpy();
    if (!python_) GTEST_SKIP() << "python3 with numpy is not installed";
    sets_ = {Synthetic(1000, 4.0), Synthetic(751, 2.0)};
    if (auto real = RealTraces()) sets_.push_back(*real);
  }

  // Runs one step on every trace of every set and compares with the reference;
  // difference(ours, theirs) gives the allowed distance of two samples.
  template <typename Step, typename Distance>
  void Compare(const std::string& step, const std::vector<double>& args, Step run,
               Distance distance, int tolerance, bool with_mask = false) {
    for (const TraceSet& set : sets_) {
      Reference reference = RunReference(*python_, set, step, args, with_mask);
      if (reference.traces.size() != set.traces.size()) return;
      for (std::size_t t = 0; t < set.traces.size(); ++t) {
        Trace ours = set.traces[t];
        run(ours, set.dt_ms);
        int compared = 0, worst = 0;
        for (std::size_t k = 0; k < ours.size(); ++k) {
          if (!reference.stable[t][k]) continue;
          ++compared;
          worst = std::max(worst, distance(ours[k], reference.traces[t][k]));
        }
        EXPECT_LE(worst, tolerance) << step << " on " << set.name << " trace " << t;
        EXPECT_GE(compared, static_cast<int>(0.8 * ours.size())) << step << " on " << set.name;
      }
    }
  }

  static int Plain(int a, int b) { return std::abs(a - b); }
  static int Circular(int a, int b) {
    int d = std::abs(a - b) % 360;
    return std::min(d, 360 - d);
  }

  std::optional<std::string> python_;
  std::vector<TraceSet> sets_;
  ScriptedPrompter prompter_;
};

TEST_F(NumpyReference, BandPassFilter) {
  for (std::vector<double> corners :
       {std::vector<double>{10, 15, 45, 50}, {0, 5, 80, 100}, {20, 20, 30, 30}}) {
    const float f[4] = {float(corners[0]), float(corners[1]), float(corners[2]), float(corners[3])};
    Compare(
        "filter", corners,
        [&](Trace& x, double dt) { BandPassFilter(x, dt, f, 4, nullptr, 0, prompter_); }, Plain, 1);
  }
}

TEST_F(NumpyReference, PhaseRotation) {
  for (double degrees : {45.0, 90.0, 180.0, 270.0}) {
    Compare(
        "phase", {degrees},
        [&](Trace& x, double dt) { PhaseAndPower(x, dt, 0.0f, float(degrees / 180.0), prompter_); },
        Plain, 1);
  }
}

TEST_F(NumpyReference, RmsAgc) {
  for (std::vector<double> setting : {std::vector<double>{100, 4000}, {40, 0}, {100000, 2500}}) {
    Compare(
        "agc", setting,
        [&](Trace& x, double dt) { RmsAgc(x, dt, int(setting[0]), float(setting[1])); }, Plain, 1);
  }
}

TEST_F(NumpyReference, InstantaneousAttributes) {
  Compare(
      "attribute", {1}, [](Trace& x, double dt) { TraceAttribute(x, dt, 1); }, Plain, 1, true);
  Compare(
      "attribute", {2}, [](Trace& x, double dt) { TraceAttribute(x, dt, 2); }, Circular, 2, true);
  Compare(
      "attribute", {3}, [](Trace& x, double dt) { TraceAttribute(x, dt, 3); }, Plain, 1, true);
}

}  // namespace
}  // namespace quarrix
