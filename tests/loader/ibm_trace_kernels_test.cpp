#include "loader/ibm_trace_kernels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include "loader/segy_format.h"
#include "loader/trace_scaling.h"
#include "platform/numeric.h"

namespace quarrix {
namespace {

// A trace record (240-byte header, then big-endian words).
std::vector<unsigned char> Record(const std::vector<std::uint32_t>& words) {
  std::vector<unsigned char> record(kSegyTraceHeaderBytes + 4 * words.size());
  for (std::size_t n = 0; n < words.size(); ++n)
    for (int b = 0; b < 4; ++b)
      record[kSegyTraceHeaderBytes + 4 * n + b] =
          static_cast<unsigned char>(words[n] >> (24 - 8 * b));
  return record;
}

// The kernel against DecodeTrace, ScaleTrace and the second scaling step as
// the formula reads (RescaleSamples itself may run the kernel's step).
void ExpectConversionAsPortable(const std::vector<std::uint32_t>& words, bool no_scaling,
                                const std::optional<double>& final_scale) {
  const std::vector<unsigned char> record = Record(words);
  const int count = static_cast<int>(words.size());
  std::vector<float> decoded(words.size());
  std::vector<std::int16_t> expected(words.size()), got(words.size());
  DecodeTrace(record.data(), kFormatIbmFloat, 0, count, decoded.data());
  const float expected_maximum = ScaleTrace(decoded.data(), count, no_scaling, expected.data());
  if (final_scale && expected_maximum != 0.0f)
    for (std::int16_t& sample : expected)
      sample = Trunc16(sample * static_cast<double>(expected_maximum) / *final_scale);
  float maximum = -1.0f;
  ASSERT_TRUE(ConvertIbmSamplesFast(record.data() + kSegyTraceHeaderBytes, count, no_scaling,
                                    final_scale, decoded.data(), got.data(), maximum));
  ASSERT_EQ(std::isnan(maximum), std::isnan(expected_maximum));
  if (!std::isnan(maximum)) ASSERT_EQ(maximum, expected_maximum);
  ASSERT_EQ(got, expected) << count << " samples, final scale " << final_scale.value_or(-1.0);
}

class IbmKernels : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!IbmKernelsAvailable()) GTEST_SKIP() << "the processor has no AVX2";
  }
  std::mt19937 random_{11};
  std::uniform_int_distribution<std::uint32_t> any_{0, 0xFFFFFFFFu};
  std::uniform_int_distribution<std::uint32_t> usual_exponent_{60, 70};
  std::uniform_int_distribution<std::uint32_t> fraction_{0x100000u, 0xFFFFFFu};
};

TEST_F(IbmKernels, ConvertAsThePortableLoops) {
  ASSERT_TRUE(std::isinf(IbmToFloat(0x21100000u)));
  ASSERT_TRUE(std::isnan(IbmToFloat(0xA1100001u)));
  std::uniform_real_distribution<double> decade(-40.0, 40.0);
  for (int trace = 0; trace < 3000; ++trace) {
    // Lengths on and off the eight-sample step, seismic-like words, and now
    // and then any pattern at all (wrapped exponents, not a number, zeros).
    std::vector<std::uint32_t> words(trace % 5 == 0 ? 1000 : 1 + trace % 41);
    for (std::uint32_t& w : words)
      w = (any_(random_) & 0x80000000u) | usual_exponent_(random_) << 24 | fraction_(random_);
    if (trace % 4 == 1) words[words.size() / 2] = any_(random_);
    if (trace % 6 == 2) words.front() = 0;
    if (trace % 50 == 3)
      for (std::uint32_t& w : words) w = 0;
    // Exponents that wrap to an infinity or not a number.
    if (trace % 13 == 4) words.back() = trace % 2 ? 0x21100000u : 0xA1100001u;
    std::optional<double> final_scale;
    switch (trace % 5) {
      case 0: break;
      case 1: final_scale = std::pow(10.0, decade(random_)); break;
      case 2: final_scale = 1e5 * (1 + trace % 7); break;
      case 3: final_scale = trace % 2 ? 0.0 : -3.5; break;  // divided throughout
      case 4: final_scale = std::pow(10.0, decade(random_) / 10.0); break;
    }
    ExpectConversionAsPortable(words, trace % 9 == 0, final_scale);
  }
}

TEST_F(IbmKernels, RescaleEveryShortAsTheDivision) {
  // Unscaled, the trace holds every 16-bit value once; the second step then
  // meets each of them, for quotients near whole numbers and simple
  // fractions, where the product is nearest to a whole number.
  std::vector<std::uint32_t> words;
  for (int v = -32768; v <= 32767; ++v) words.push_back(FloatToIbm(static_cast<float>(v)));
  for (double used : {32768.0, 32767.0, 32767.0 * (1 + 1e-15), 32767.0 * (1 - 1e-15), 65534.0,
                      16383.5, 3 * 32768.0, 32768.0 / 3, 1e4, 0.5, 1e-25, 1e25})
    ExpectConversionAsPortable(words, true, used);
}

TEST_F(IbmKernels, LargestMagnitudeAsThePortableLoop) {
  for (int trace = 0; trace < 3000; ++trace) {
    std::vector<std::uint32_t> words(1 + trace % 45);
    std::uniform_int_distribution<std::uint32_t> exponent(34, 95);
    for (std::uint32_t& w : words)
      w = (any_(random_) & 0x80000000u) | exponent(random_) << 24 | fraction_(random_);
    if (trace % 3 == 0) words[trace % words.size()] = 0;
    if (trace % 4 == 1) words.back() = any_(random_);  // mostly unusable
    if (trace % 8 == 2) words.front() &= 0xFF0FFFFFu;  // not normalised
    const std::vector<unsigned char> record = Record(words);
    const int first = trace % 2, count = static_cast<int>(words.size()) - first;
    std::optional<float> got;
    ASSERT_TRUE(LargestIbmMagnitudeFast(record.data(), first, count, got));
    EXPECT_EQ(got, LargestIbmMagnitude(record.data(), first, count)) << trace;
  }
  // Every exponent, with fractions at the ends of normalisation, beside
  // zeros and a usual value; and nothing but zeros.
  for (std::uint32_t e = 0; e < 128; ++e)
    for (std::uint32_t f : {0x000000u, 0x000001u, 0x0FFFFFu, 0x100000u, 0xFFFFFFu}) {
      const std::vector<unsigned char> record = Record({0, 0x41100000u, e << 24 | f, 0});
      std::optional<float> got;
      ASSERT_TRUE(LargestIbmMagnitudeFast(record.data(), 0, 4, got));
      EXPECT_EQ(got, LargestIbmMagnitude(record.data(), 0, 4)) << e << ' ' << f;
    }
  const std::vector<unsigned char> zeros = Record(std::vector<std::uint32_t>(11, 0));
  std::optional<float> got;
  ASSERT_TRUE(LargestIbmMagnitudeFast(zeros.data(), 0, 11, got));
  EXPECT_EQ(got, std::optional<float>(0.0f));
}

}  // namespace
}  // namespace quarrix
