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

// Bins of the defining sum with the kernel exp(sign 2 pi i jk / n), in double
// precision with exact twiddle indexes.
class DirectDft {
 public:
  DirectDft(const Spectrum& x, int sign) : x_(x), cosines_(x.size()), sines_(x.size()) {
    const int n = static_cast<int>(x.size());
    for (int k = 0; k < n; ++k) {
      cosines_[k] = std::cos(2.0 * std::numbers::pi * k / n);
      sines_[k] = sign * std::sin(2.0 * std::numbers::pi * k / n);
    }
  }
  std::complex<double> Bin(int k) const {
    const int n = static_cast<int>(x_.size());
    double re = 0.0, im = 0.0;
    long long index = 0;
    for (int j = 0; j < n; ++j) {
      re += x_[j].real() * cosines_[index] - x_[j].imag() * sines_[index];
      im += x_[j].real() * sines_[index] + x_[j].imag() * cosines_[index];
      index = (index + k) % n;
    }
    return {re, im};
  }

 private:
  const Spectrum& x_;
  std::vector<double> cosines_, sines_;
};

// The bins checked at a length: both ends, the middle and a spread between.
std::vector<int> CheckedBins(int bins) {
  std::vector<int> checked = {0, bins / 2, bins - 1};
  for (int i = 1; i <= 24; ++i) checked.push_back(static_cast<int>(i * 7919LL % bins));
  return checked;
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
  for (int n : ValidLengthsUpTo(5040)) {
    Spectrum x = RandomSignal(n, static_cast<unsigned>(n));
    for (int sign : {1, -1}) {
      std::vector<Complex32> z(n);
      for (int j = 0; j < n; ++j) z[j] = {float(x[j].real()), float(x[j].imag())};
      ASSERT_TRUE(PfaComplex(sign, n, z.data()));
      DirectDft direct(x, sign);
      double worst = 0.0;
      for (int k : CheckedBins(n))
        worst = std::max(worst, std::abs(std::complex<double>(z[k].re, z[k].im) - direct.Bin(k)));
      ASSERT_LT(worst, Tolerance(n)) << "n " << n << " sign " << sign;
    }
  }
}

TEST(PfaComplex, LongLengthsTurnAComplexExponentialIntoOneBin) {
  for (int n : {55440, 45045}) {  // every factor but 4, 3 and 2
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
  for (int half : ValidLengthsUpTo(2520)) {
    int n = 2 * half;
    Spectrum x = RandomSignal(n, static_cast<unsigned>(n) + 1);
    for (auto& v : x) v = v.real();
    std::vector<float> real(n);
    for (int j = 0; j < n; ++j) real[j] = float(x[j].real());
    std::vector<Complex32> bins(half + 1);
    ASSERT_TRUE(PfaRealToComplex(1, n, real.data(), bins.data()));
    DirectDft direct(x, 1);
    double worst = 0.0;
    for (int k : CheckedBins(half + 1))
      worst =
          std::max(worst, std::abs(std::complex<double>(bins[k].re, bins[k].im) - direct.Bin(k)));
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
