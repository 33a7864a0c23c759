#include "section/pfa_fft.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <random>
#include <vector>

#include "section/pfa_length.h"

namespace quarrix {
namespace {

using Spectrum = std::vector<std::complex<double>>;

std::vector<int> ValidLengthsUpTo(int limit) {
  std::vector<int> lengths;
  for (int n = 1; n <= limit; ++n)
    if (PfaIsValidLength(n)) lengths.push_back(n);
  return lengths;
}

// The defining sum with a positive exponent, in double precision with exact
// twiddle indexes. The negative exponent's bin k is this one's bin n - k.
Spectrum DirectDft(const Spectrum& x) {
  int n = static_cast<int>(x.size());
  std::vector<double> cosines(n), sines(n);
  for (int k = 0; k < n; ++k) {
    cosines[k] = std::cos(2.0 * std::numbers::pi * k / n);
    sines[k] = std::sin(2.0 * std::numbers::pi * k / n);
  }
  std::vector<double> xr(n), xi(n);
  for (int j = 0; j < n; ++j) {
    xr[j] = x[j].real();
    xi[j] = x[j].imag();
  }
  const double *c = cosines.data(), *s = sines.data(), *pr = xr.data(), *pi = xi.data();
  Spectrum out(n);
  for (int k = 0; k < n; ++k) {
    double re = 0.0, im = 0.0;
    int index = 0;
    for (int j = 0; j < n; ++j) {
      re += pr[j] * c[index] - pi[j] * s[index];
      im += pr[j] * s[index] + pi[j] * c[index];
      index += k;
      if (index >= n) index -= n;
    }
    out[k] = {re, im};
  }
  return out;
}

std::complex<double> Bin(const Spectrum& positive, int sign, int k) {
  int n = static_cast<int>(positive.size());
  return positive[sign > 0 ? k : (n - k) % n];
}

Spectrum RandomSignal(int n, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<float> uniform(-1.0f, 1.0f);
  Spectrum x(n);
  for (auto& v : x) v = {uniform(random), uniform(random)};
  return x;
}

// Float rounding grows with the length; inputs lie in [-1, 1].
double Tolerance(int n) {
  return 2e-6 * n + 1e-5;
}

TEST(PfaComplex, MatchesTheDirectSumForEveryValidLengthAndBothSigns) {
  for (int n : ValidLengthsUpTo(2520)) {
    Spectrum x = RandomSignal(n, static_cast<unsigned>(n));
    Spectrum expected = DirectDft(x);
    for (int sign : {1, -1}) {
      std::vector<Complex32> z(n);
      for (int j = 0; j < n; ++j) z[j] = {float(x[j].real()), float(x[j].imag())};
      ASSERT_TRUE(PfaComplex(sign, n, z.data()));
      double worst = 0.0;
      for (int k = 0; k < n; ++k)
        worst = std::max(worst,
                         std::abs(std::complex<double>(z[k].re, z[k].im) - Bin(expected, sign, k)));
      ASSERT_LT(worst, Tolerance(n)) << "n " << n << " sign " << sign;
    }
  }
}

TEST(PfaComplex, LongLengthsTurnAComplexExponentialIntoOneBin) {
  for (int n : {5040, 55440, 720720}) {
    const int q = 7;
    std::vector<Complex32> z(n);
    for (int j = 0; j < n; ++j) {
      double angle = 2.0 * std::numbers::pi * (static_cast<long long>(q) * j % n) / n;
      z[j] = {float(std::cos(angle)), float(std::sin(angle))};
    }
    ASSERT_TRUE(PfaComplex(-1, n, z.data()));
    double worst = 0.0;
    for (int k = 0; k < n; ++k)
      worst = std::max(worst, std::hypot(z[k].re - (k == q ? n : 0.0), z[k].im));
    EXPECT_LT(worst, 1e-6 * n) << "n " << n;
  }
}

TEST(PfaComplex, RefusesLengthsWithoutMutuallyPrimeFactors) {
  std::vector<Complex32> z(64, Complex32{1.0f, 0.0f});
  for (int n : {0, -4, 17, 32, 27, 64}) EXPECT_FALSE(PfaComplex(1, n, z.data())) << n;
  EXPECT_EQ(z[0].re, 1.0f);
}

TEST(PfaRealTransforms, MatchTheDirectSumAndInvertEachOther) {
  for (int half : ValidLengthsUpTo(1260)) {
    int n = 2 * half;
    Spectrum x = RandomSignal(n, static_cast<unsigned>(n) + 1);
    for (auto& v : x) v = v.real();
    std::vector<float> real(n);
    for (int j = 0; j < n; ++j) real[j] = float(x[j].real());
    std::vector<Complex32> bins(half + 1);
    ASSERT_TRUE(PfaRealToComplex(1, n, real.data(), bins.data()));
    Spectrum expected = DirectDft(x);
    double worst = 0.0;
    for (int k = 0; k <= half; ++k)
      worst = std::max(worst, std::abs(std::complex<double>(bins[k].re, bins[k].im) - expected[k]));
    ASSERT_LT(worst, Tolerance(n)) << "n " << n;

    std::vector<float> back(n);
    ASSERT_TRUE(PfaComplexToReal(-1, n, bins.data(), back.data()));
    worst = 0.0;
    for (int j = 0; j < n; ++j) worst = std::max(worst, std::abs(back[j] / n - double(real[j])));
    ASSERT_LT(worst, Tolerance(n)) << "n " << n;
  }
}

TEST(PfaRealTransforms, InverseUsesOnlyTheRealPartsOfTheEndBins) {
  // A conjugate-symmetric spectrum cannot have imaginary parts at bins 0 and
  // n/2; whatever is there must not leak into the samples.
  const int n = 12;
  std::vector<Complex32> bins(n / 2 + 1);
  bins[0] = {3.0f, 5.0f};
  bins[n / 2] = {1.0f, -7.0f};
  std::vector<float> out(n);
  ASSERT_TRUE(PfaComplexToReal(-1, n, bins.data(), out.data()));
  for (int j = 0; j < n; ++j) EXPECT_NEAR(out[j], 3.0f + (j % 2 ? -1.0f : 1.0f), 1e-5f) << j;
}

TEST(PfaRealTransforms, RefuseOddOrUntransformableLengths) {
  std::vector<float> real(64);
  std::vector<Complex32> bins(33);
  EXPECT_FALSE(PfaRealToComplex(1, 15, real.data(), bins.data()));
  EXPECT_FALSE(PfaRealToComplex(1, 64, real.data(), bins.data()));
  EXPECT_FALSE(PfaComplexToReal(-1, 34, bins.data(), real.data()));
}

}  // namespace
}  // namespace quarrix
