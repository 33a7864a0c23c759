#include "loader/trace_scaling.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace quarrix {
namespace {

// Every 16-bit sample rescaled by multiplication against the division as
// written, for one maximum and scale value; the first difference or "".
std::string FirstDifference(double maximum, double used) {
  std::vector<std::int16_t> all(65536);
  for (int s = -32768; s <= 32767; ++s) all[static_cast<std::size_t>(s + 32768)] = s;
  std::vector<std::int16_t> fast = all, plain = all;
  RescaleSamples(fast.data(), fast.size(), maximum, used);
  RescaleSamplesByDivision(plain.data(), plain.size(), maximum, used);
  for (std::size_t n = 0; n < all.size(); ++n)
    if (fast[n] != plain[n])
      return std::to_string(all[n]) + " x " + std::to_string(maximum) + " / " +
             std::to_string(used) + ": " + std::to_string(fast[n]) + " not " +
             std::to_string(plain[n]);
  return "";
}

TEST(RescaleSamples, MultiplyingGivesWhatDividingGivesForEverySample) {
  std::mt19937_64 random(24);
  std::uniform_real_distribution<double> exponent(-6.0, 8.0);
  std::uniform_int_distribution<int> small(1, 12);
  std::vector<std::pair<double, double>> cases;
  for (int k = 0; k < 30; ++k) {
    const double m = static_cast<float>(std::pow(10.0, exponent(random)));
    // Arbitrary values, and quotients of small integers (whole and half
    // products), each also one unit in the last place off, where a product
    // lands next to an integer.
    const double u = std::pow(10.0, exponent(random));
    const double q = m * small(random) / small(random);
    for (double used : {u, q, std::nextafter(q, 0.0), std::nextafter(q, INFINITY)})
      cases.emplace_back(m, used);
  }
  // The trace holding the largest value of the load, and the ends of the range.
  for (double m : {1.0, 0.1f * 1.0, 3.0e30f * 1.0, 1.0e-30f * 1.0})
    for (double used : {m, m * 4, m / 4, m * 32767, m / 32767, 1.0e-300, 1.0e300})
      cases.emplace_back(m, used);
  cases.emplace_back(std::numeric_limits<float>::infinity(),
                     std::numeric_limits<float>::infinity());
  cases.emplace_back(std::numeric_limits<float>::infinity(), 2.0);
  for (auto [m, used] : cases) EXPECT_EQ(FirstDifference(m, used), "");
}

}  // namespace
}  // namespace quarrix
