#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "platform/scripted_prompter.h"
#include "section/band_pass.h"
#include "section/complex32.h"
#include "section/pfa_length.h"
#include "section/phase_rotation.h"
#include "section/rms_agc.h"
#include "section/static_shift.h"
#include "section/trace_attributes.h"
#include "section/trace_spectrum.h"

namespace quarrix {
namespace {

using Trace = std::vector<std::int16_t>;

// Sum of sines of the given frequencies (Hz), each of the given amplitude,
// sampled every dt_ms.
Trace Sines(int n, double dt_ms, std::initializer_list<double> hertz, double amplitude) {
  Trace trace(n);
  for (int i = 0; i < n; ++i) {
    double value = 0.0;
    for (double f : hertz)
      value += amplitude * std::sin(2.0 * std::numbers::pi * f * i * dt_ms / 1000.0);
    trace[i] = static_cast<std::int16_t>(value);
  }
  return trace;
}

// Amplitude of the frequency f in the middle half of the trace (edges excluded
// so the padding transients do not count).
double AmplitudeAt(const Trace& trace, double dt_ms, double f) {
  int n = static_cast<int>(trace.size());
  double c = 0.0, s = 0.0;
  int from = n / 4, to = 3 * n / 4;
  for (int i = from; i < to; ++i) {
    double angle = 2.0 * std::numbers::pi * f * i * dt_ms / 1000.0;
    c += trace[i] * std::cos(angle);
    s += trace[i] * std::sin(angle);
  }
  return 2.0 * std::hypot(c, s) / (to - from);
}

TEST(PfaLengthChoice, FollowsTheCostTable) {
  EXPECT_EQ(PfaValidLength(1), 1);
  EXPECT_EQ(PfaValidLength(17), 18);
  EXPECT_EQ(PfaValidLength(360360), 360360);
  EXPECT_EQ(PfaValidLength(400000), 720720);  // the last row is never passed over
  EXPECT_EQ(PfaOptimalLength(17, 20), 20);    // 20 is cheaper than 18
  EXPECT_EQ(PfaOptimalLength(16, 16), 16);
  EXPECT_EQ(PfaOptimalLength(12, 15), 15);  // 15 is the cheapest of 12, 13, 14, 15
  for (int nt : {1, 75, 500, 1000, 1001, 1500, 4000}) {
    int n = PfaOptimalRealLength(nt, 2 * nt);
    EXPECT_EQ(n % 2, 0) << nt;
    EXPECT_GE(n, nt) << nt;
    EXPECT_LE(n, 2 * nt + 1) << nt;
    EXPECT_TRUE(PfaIsValidLength(n / 2)) << nt;
  }
  int n = PfaOptimalRealLength(1000, 2000);
  EXPECT_TRUE(n >= 1000 && n <= 2000 && n % 2 == 0 && PfaIsValidLength(n / 2)) << n;
}

TEST(ComplexHelpers, PowersReciprocalsAndExponentials) {
  Complex32 z{0.0f, 2.0f};
  EXPECT_EQ(IntegerPower(z, 0).re, 1.0f);
  EXPECT_EQ(IntegerPower({0.0f, 0.0f}, 0).re, 1.0f);
  EXPECT_EQ(IntegerPower({0.0f, 0.0f}, -3).re, 0.0f);
  Complex32 cube = IntegerPower(z, 3);  // (2i)^3 = -8i
  EXPECT_FLOAT_EQ(cube.re, 0.0f);
  EXPECT_FLOAT_EQ(cube.im, -8.0f);
  Complex32 inverse = IntegerPower(z, -2);  // (2i)^-2 = -1/4
  EXPECT_FLOAT_EQ(inverse.re, -0.25f);
  EXPECT_NEAR(inverse.im, 0.0f, 1e-7f);
  Complex32 r = Reciprocal({3.0f, 4.0f});
  EXPECT_FLOAT_EQ(r.re, 3.0f / 25.0f);
  EXPECT_FLOAT_EQ(r.im, -4.0f / 25.0f);
  Complex32 e = Exponential({std::log(2.0f), std::numbers::pi_v<float> / 2.0f});
  EXPECT_NEAR(e.re, 0.0f, 1e-6f);
  EXPECT_NEAR(e.im, 2.0f, 1e-6f);
}

TEST(BandPass, KeepsThePassBandAndRemovesWhatLiesOutside) {
  const double dt = 4.0;
  Trace trace = Sines(1000, dt, {5.0, 30.0, 80.0}, 6000.0);
  ScriptedPrompter prompter;
  const float corners[4] = {10, 15, 45, 50};
  ASSERT_EQ(BandPassFilter(trace, dt, corners, 4, nullptr, 0, prompter), 0);
  EXPECT_TRUE(prompter.messages().empty());
  EXPECT_NEAR(AmplitudeAt(trace, dt, 30.0), 6000.0, 30.0);
  EXPECT_LT(AmplitudeAt(trace, dt, 5.0), 30.0);
  EXPECT_LT(AmplitudeAt(trace, dt, 80.0), 30.0);
}

TEST(BandPass, PolygonIsZeroOutsideTheCornersAndOneOverNfftInside) {
  const int nfft = 1000;
  const double dt = 0.004;  // df = 0.25 Hz: corners at bins 40, 60, 180, 200
  const float corners[4] = {10, 15, 45, 50}, amps[4] = {0, 1, 1, 0};
  std::vector<float> filter(nfft / 2 + 1, -1.0f);
  PolygonalFilter(corners, amps, 4, nfft, dt, filter.data());
  // The sin-squared tapers start just above 0 at f1 and end just below 1 at f2.
  for (int k = 0; k < 40; ++k) EXPECT_FLOAT_EQ(filter[k], 0.0f) << k;
  for (int k = 61; k < 180; ++k) EXPECT_FLOAT_EQ(filter[k], 1.0f / nfft) << k;
  for (int k = 201; k <= nfft / 2; ++k) EXPECT_FLOAT_EQ(filter[k], 0.0f) << k;
  EXPECT_LT(filter[40], 0.01f / nfft);
  EXPECT_LT(filter[200], 0.01f / nfft);
  for (int k = 41; k < 60; ++k) EXPECT_TRUE(filter[k] > filter[k - 1]) << k;
  for (int k = 181; k < 200; ++k) EXPECT_TRUE(filter[k] < filter[k - 1]) << k;
}

TEST(BandPass, ChecksTheCorners) {
  Trace original = Sines(200, 4.0, {30.0}, 1000.0), trace = original;
  ScriptedPrompter prompter;
  const float equal[4] = {0, 0, 0, 0};
  EXPECT_EQ(BandPassFilter(trace, 4.0, equal, 4, nullptr, 0, prompter), 0);
  EXPECT_TRUE(prompter.messages().empty());

  trace = original;
  for (auto bad : {std::vector<float>{10, 5, 20, 30}, std::vector<float>{-1, 5, 20, 30},
                   std::vector<float>{10, 15, NAN, 30}}) {
    EXPECT_EQ(BandPassFilter(trace, 4.0, bad.data(), 4, nullptr, 0, prompter), 1);
    EXPECT_EQ(prompter.last_text(), "Bad filter params");
    EXPECT_EQ(trace, original);
  }
  const float amps[3] = {0, 1, 0};  // three amplitudes for four corners
  EXPECT_EQ(BandPassFilter(trace, 4.0, equal, 4, amps, 3, prompter), 1);
}

TEST(FrequencySteps, RefuseTracesNeedingTooLongATransform) {
  Trace trace(40000, 7);
  ScriptedPrompter prompter;
  const float corners[4] = {10, 15, 45, 50};
  EXPECT_EQ(BandPassFilter(trace, 4.0, corners, 4, nullptr, 0, prompter), 1);
  EXPECT_EQ(prompter.last_text(), "FFT too large");
  EXPECT_EQ(PhaseAndPower(trace, 4.0, 0.0f, 0.5f, prompter), 1);
  EXPECT_EQ(prompter.last_text(), "Fractime Error 1");
  EXPECT_EQ(trace, Trace(40000, 7));
}

TEST(PhaseRotation, HalfTurnInvertsAndNoTurnKeepsTheTrace) {
  Trace original = Sines(751, 2.0, {12.0, 40.0, 97.0}, 7000.0);
  ScriptedPrompter prompter;
  Trace inverted = original, kept = original;
  ASSERT_EQ(PhaseAndPower(inverted, 2.0, 0.0f, 1.0f, prompter), 0);
  ASSERT_EQ(PhaseAndPower(kept, 2.0, 0.0f, 0.0f, prompter), 0);
  for (std::size_t i = 0; i < original.size(); ++i) {
    EXPECT_LE(std::abs(inverted[i] + original[i]), 1) << i;
    EXPECT_LE(std::abs(kept[i] - original[i]), 1) << i;
  }
}

TEST(PhaseRotation, QuarterTurnTurnsACosineIntoASine) {
  const int n = 500;
  const int nfft = ConditioningFftLength(n);
  const double cycles = std::round(nfft / 20.0);  // a whole number of cycles in nfft
  Trace trace(n);
  for (int i = 0; i < n; ++i)
    trace[i] =
        static_cast<std::int16_t>(10000.0 * std::cos(2.0 * std::numbers::pi * cycles * i / nfft));
  ScriptedPrompter prompter;
  ASSERT_EQ(PhaseAndPower(trace, 4.0, 0.0f, 0.5f, prompter), 0);
  // Our forward transform has the positive exponent, so the rotation by +90
  // degrees of each bin turns cos into +sin.
  for (int i = n / 4; i < 3 * n / 4; ++i)
    EXPECT_NEAR(trace[i], 10000.0 * std::sin(2.0 * std::numbers::pi * cycles * i / nfft), 300.0)
        << i;
}

TEST(StaticShift, MovesBySamplesAndZeroesWhatIsVacated) {
  Trace original{1, 2, 3, 4, 5, 6};
  Trace up = original, down = original;
  StaticShift(up, 4.0, 8);
  StaticShift(down, 4.0, -8);
  EXPECT_EQ(up, (Trace{3, 4, 5, 6, 0, 0}));
  EXPECT_EQ(down, (Trace{0, 0, 1, 2, 3, 4}));
  Trace partial = original;
  StaticShift(partial, 4.0, 7);  // 1.75 samples truncates to 1
  EXPECT_EQ(partial, (Trace{2, 3, 4, 5, 6, 0}));
}

TEST(StaticShift, ClampsShiftsBeyondAThousandSamples) {
  Trace trace(1500);
  for (int i = 0; i < 1500; ++i) trace[i] = static_cast<std::int16_t>(i);
  Trace up = trace, down = trace;
  StaticShift(up, 4.0, 10000);  // 2500 samples, clamped to 1000
  StaticShift(down, 4.0, -10000);
  EXPECT_EQ(up[0], 1000);
  EXPECT_EQ(up[499], 1499);
  EXPECT_EQ(up[500], 0);
  EXPECT_EQ(down[999], 0);
  EXPECT_EQ(down[1000], 0);
  EXPECT_EQ(down[1001], 1);
}

TEST(RmsAgc, ZerosStayZeroAndScaleZeroMeansOne) {
  Trace zeros(300, 0);
  RmsAgc(zeros, 4.0, 100, 4000.0f);
  EXPECT_EQ(zeros, Trace(300, 0));

  Trace original = Sines(300, 4.0, {20.0}, 3000.0);
  Trace zero_scale = original, unit_scale = original;
  RmsAgc(zero_scale, 4.0, 100, 0.0f);
  RmsAgc(unit_scale, 4.0, 100, 1.0f);
  EXPECT_EQ(zero_scale, unit_scale);
  RmsAgc(zero_scale, 4.0, 100, -0.0f);
}

TEST(RmsAgc, BalancesLoudAndQuietPartsToTheScale) {
  Trace trace(400);
  for (int i = 0; i < 400; ++i)
    trace[i] = static_cast<std::int16_t>((i < 200 ? 20000 : 50) * (i % 2 ? 1 : -1));
  RmsAgc(trace, 4.0, 20, 4000.0f);  // half-window of 5 samples
  EXPECT_EQ(trace[50], -4000);
  EXPECT_EQ(trace[301], 4000);
}

TEST(RmsAgc, ShortensAWindowLongerThanTheTrace) {
  Trace trace{100, -100, 100, -100, 100};
  RmsAgc(trace, 4.0, 100000, 4000.0f);
  EXPECT_EQ(trace, (Trace{4000, -4000, 4000, -4000, 4000}));
  Trace single{-7};
  RmsAgc(single, 4.0, 100, 4000.0f);
  EXPECT_EQ(single, Trace{-4000});
}

TEST(SampleConversion, SaturatesInsteadOfWrapping) {
  Trace trace{30000, -30000, 30000, -30000};
  RmsAgc(trace, 4.0, 0, 1e6f);
  EXPECT_EQ(trace, (Trace{32767, -32768, 32767, -32768}));

  Trace loud = Sines(400, 4.0, {25.0}, 32000.0);
  ScriptedPrompter prompter;
  const float corners[4] = {0, 0, 200, 200};
  const float amps[4] = {3, 3, 3, 3};  // a gain of 3 everywhere
  ASSERT_EQ(BandPassFilter(loud, 4.0, corners, 4, amps, 4, prompter), 0);
  int top = 0, bottom = 0;
  for (std::int16_t v : loud) {
    top += v == 32767;
    bottom += v == -32768;
  }
  EXPECT_GT(top, 10);
  EXPECT_GT(bottom, 10);
}

TEST(TraceAttributes, EnvelopeIsNonNegativeAndFollowsTheAmplitude) {
  Trace constant(100, -500);
  TraceAttribute(constant, 4.0, 1);
  for (std::int16_t v : constant) EXPECT_GE(v, 0);

  Trace wave = Sines(400, 4.0, {25.0}, 8000.0);
  TraceAttribute(wave, 4.0, 1);
  for (int i = 100; i < 300; ++i) EXPECT_NEAR(wave[i], 8000, 250) << i;
}

TEST(TraceAttributes, PhaseOfSilenceIsZeroAndOtherModesChangeNothing) {
  Trace zeros(50, 0);
  TraceAttribute(zeros, 4.0, 2);
  EXPECT_EQ(zeros, Trace(50, 0));
  Trace trace{1, 2, 3};
  TraceAttribute(trace, 4.0, 0);
  TraceAttribute(trace, 4.0, 7);
  EXPECT_EQ(trace, (Trace{1, 2, 3}));
  Trace one{5};
  TraceAttribute(one, 4.0, 3);  // too short to differentiate: no change of phase
  EXPECT_EQ(one, Trace{0});
}

}  // namespace
}  // namespace quarrix
