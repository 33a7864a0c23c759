// Trace conditioning speed: our prime-factor real-to-complex transform beside
// FFTW's (single precision, planned with FFTW_MEASURE) for every padded
// length the cost table chooses for traces of 500 to 4000 samples, and the
// time to condition one section of 1000 traces x 1500 samples with filter,
// phase rotation and AGC. Times are process CPU time, so that other work on
// a shared machine does not count, and the best of several runs.
#include <fftw3.h>
#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <set>
#include <vector>

#include "platform/scripted_prompter.h"
#include "section/pfa_fft.h"
#include "section/trace_conditioning.h"
#include "section/trace_spectrum.h"

namespace {

double CpuSeconds() {
  timespec now;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + now.tv_nsec * 1e-9;
}

// The fastest of several runs of `repeats` calls, in microseconds per call.
template <typename Work>
double MicrosecondsPerCall(Work work, int repeats) {
  double best = 1e30;
  for (int run = 0; run < 7; ++run) {
    double start = CpuSeconds();
    for (int r = 0; r < repeats; ++r) work();
    best = std::min(best, (CpuSeconds() - start) * 1e6 / repeats);
  }
  return best;
}

void CompareTransforms() {
  std::set<int> lengths;
  for (int nt = 500; nt <= 4000; ++nt) lengths.insert(quarrix::ConditioningFftLength(nt));
  std::printf("real-to-complex transform, microseconds per call\n");
  std::printf("%8s %10s %10s %8s\n", "n", "quarrix", "fftw", "ratio");
  double log_sum = 0.0, worst = 0.0;
  for (int n : lengths) {
    std::vector<float> input(n);
    for (int i = 0; i < n; ++i) input[i] = static_cast<float>(std::sin(0.37 * i) * 1000.0);
    std::vector<quarrix::Complex32> ours(n / 2 + 1);
    float* in = fftwf_alloc_real(n);
    fftwf_complex* out = fftwf_alloc_complex(n / 2 + 1);
    fftwf_plan plan = fftwf_plan_dft_r2c_1d(n, in, out, FFTW_MEASURE);
    std::copy(input.begin(), input.end(), in);
    const int repeats = std::max(20, 2000000 / n);
    double quarrix_us = MicrosecondsPerCall(
        [&] { quarrix::PfaRealToComplex(1, n, input.data(), ours.data()); }, repeats);
    double fftw_us = MicrosecondsPerCall([&] { fftwf_execute(plan); }, repeats);
    double ratio = quarrix_us / fftw_us;
    log_sum += std::log(ratio);
    worst = std::max(worst, ratio);
    std::printf("%8d %10.2f %10.2f %8.2f\n", n, quarrix_us, fftw_us, ratio);
    fftwf_destroy_plan(plan);
    fftwf_free(in);
    fftwf_free(out);
  }
  std::printf("lengths %zu, geometric mean ratio %.2f, worst %.2f\n\n", lengths.size(),
              std::exp(log_sum / lengths.size()), worst);
}

void ConditionSection() {
  const int traces = 1000, samples = 1500;
  std::vector<std::vector<std::int16_t>> section(traces, std::vector<std::int16_t>(samples));
  for (int t = 0; t < traces; ++t)
    for (int k = 0; k < samples; ++k)
      section[t][k] = static_cast<std::int16_t>(
          6000.0 * std::sin(2.0 * std::numbers::pi * (15.0 + t % 20) * k * 0.004) +
          ((k * 7919 + t * 104729) % 2001) - 1000);
  quarrix::ProcessingParams params;
  params.phase_on = params.filter_on = params.agc_on = 1;
  params.phase_deg = 90;
  params.filter_hz = {10, 15, 45, 50};
  quarrix::ScriptedPrompter prompter;
  double best_ms = 1e30;
  for (int run = 0; run < 5; ++run) {
    auto work = section;
    double start = CpuSeconds();
    for (auto& trace : work) quarrix::ConditionTrace(trace, params, 4.0, prompter);
    best_ms = std::min(best_ms, (CpuSeconds() - start) * 1e3);
  }
  std::printf(
      "section of %d traces x %d samples (4 ms), filter 10-15-45-50 Hz + phase 90 + AGC "
      "100 ms: %.1f ms (transform length %d)\n",
      traces, samples, best_ms, quarrix::ConditioningFftLength(samples));
}

}  // namespace

int main() {
  CompareTransforms();
  ConditionSection();
  return 0;
}
