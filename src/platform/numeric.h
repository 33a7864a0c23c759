#pragma once
// Float-to-integer conversions truncate toward zero everywhere in the system;
// these do so without undefined behaviour for values out of range (which
// saturate) or not a number (which gives 0), as outside data may hold either.
#include <cmath>
#include <cstdint>
#include <limits>

// Marks a loop-heavy function to be compiled twice, for the common x86-64
// and for AVX2, the copy to run being chosen once for the machine. Only
// instructions that compute the same values are added (no fused
// multiply-add), so either copy gives the same results.
#if defined(__x86_64__) && (defined(__clang__) || defined(__GNUC__))
#define QUARRIX_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define QUARRIX_VECTOR_CLONES
#endif

namespace quarrix {

template <typename Int>
constexpr Int TruncateTo(double value) {
  if (std::isnan(value)) return 0;
  if (value <= static_cast<double>(std::numeric_limits<Int>::min()))
    return std::numeric_limits<Int>::min();
  if (value >= static_cast<double>(std::numeric_limits<Int>::max()))
    return std::numeric_limits<Int>::max();
  return static_cast<Int>(value);
}

inline std::int32_t Trunc32(double value) {
  return TruncateTo<std::int32_t>(value);
}
inline std::int16_t Trunc16(double value) {
  return TruncateTo<std::int16_t>(value);
}

}  // namespace quarrix
