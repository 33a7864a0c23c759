#include "loader/ibm_trace_kernels.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "loader/segy_format.h"
#include "loader/trace_scaling.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define QUARRIX_IBM_KERNELS 1
#endif

namespace quarrix {

#ifdef QUARRIX_IBM_KERNELS

namespace {

#define QUARRIX_AVX2 __attribute__((target("avx2")))

constexpr int kLanes = 8;

QUARRIX_AVX2 inline __m256i Constant(int value) {
  return _mm256_set1_epi32(value);
}

// Eight samples from sample first on, in the machine's order; those past
// count read as zero words, which decode to 0 and change no maximum.
QUARRIX_AVX2 inline __m256i Words(const unsigned char* samples, int count, int first) {
  const __m256i reverse = _mm256_setr_epi8(3, 2, 1, 0, 7, 6, 5, 4, 11, 10, 9, 8, 15, 14, 13, 12, 3,
                                           2, 1, 0, 7, 6, 5, 4, 11, 10, 9, 8, 15, 14, 13, 12);
  const unsigned char* at = samples + 4 * static_cast<std::size_t>(first);
  unsigned char tail[4 * kLanes] = {};
  if (first + kLanes > count) {
    std::memcpy(tail, at, 4 * static_cast<std::size_t>(count - first));
    at = tail;
  }
  const __m256i raw = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
  return _mm256_shuffle_epi8(raw, reverse);
}

// IbmToFloat on eight words, step for step.
QUARRIX_AVX2 inline __m256 IbmToFloat8(__m256i ibm) {
  const __m256i fraction = _mm256_and_si256(ibm, Constant(0x00FFFFFF));
  const __m256i normalised = _mm256_castps_si256(_mm256_cvtepi32_ps(fraction));
  const __m256i shifts_plus_one =
      _mm256_sub_epi32(Constant(151), _mm256_srli_epi32(normalised, 23));
  const __m256i exponent = _mm256_and_si256(_mm256_srli_epi32(ibm, 24), Constant(0x7F));
  const __m256i ieee_exponent = _mm256_and_si256(
      _mm256_sub_epi32(_mm256_add_epi32(_mm256_slli_epi32(exponent, 2), Constant(127)),
                       shifts_plus_one),
      Constant(0xFF));
  __m256i bits = _mm256_or_si256(_mm256_and_si256(ibm, Constant(static_cast<int>(0x80000000u))),
                                 _mm256_slli_epi32(ieee_exponent, 23));
  bits = _mm256_or_si256(bits, _mm256_and_si256(normalised, Constant(0x007FFFFF)));
  bits = _mm256_andnot_si256(_mm256_cmpeq_epi32(fraction, _mm256_setzero_si256()), bits);
  return _mm256_castsi256_ps(bits);
}

// The 16-bit truncation of eight floats (not a number giving 0), as 32-bit
// lanes.
QUARRIX_AVX2 inline __m256i Trunc16(__m256 value) {
  value = _mm256_and_ps(value, _mm256_cmp_ps(value, value, _CMP_ORD_Q));
  value = _mm256_max_ps(value, _mm256_set1_ps(-32768.0f));
  value = _mm256_min_ps(value, _mm256_set1_ps(32767.0f));
  return _mm256_cvttps_epi32(value);
}

QUARRIX_AVX2 inline __m128i Trunc16(__m256d value) {
  value = _mm256_and_pd(value, _mm256_cmp_pd(value, value, _CMP_ORD_Q));
  value = _mm256_max_pd(value, _mm256_set1_pd(-32768.0));
  value = _mm256_min_pd(value, _mm256_set1_pd(32767.0));
  return _mm256_cvttpd_epi32(value);
}

// The second scaling step of 16-bit samples: trunc(sample x maximum /
// used), divided as written.
QUARRIX_AVX2 inline __m128i RescaleDivided(__m128i samples, double maximum, double used) {
  const __m256d product = _mm256_mul_pd(_mm256_cvtepi32_pd(samples), _mm256_set1_pd(maximum));
  return Trunc16(_mm256_div_pd(product, _mm256_set1_pd(used)));
}

QUARRIX_AVX2 inline __m256i RescaleDivided(__m256i samples, double maximum, double used) {
  const __m128i low = RescaleDivided(_mm256_castsi256_si128(samples), maximum, used);
  const __m128i high = RescaleDivided(_mm256_extracti128_si256(samples, 1), maximum, used);
  return _mm256_inserti128_si256(_mm256_castsi128_si256(low), high, 1);
}

// The second scaling step as each trace's pass over its samples takes it:
// none, divided, or by product.
struct NoRescaling {
  QUARRIX_AVX2 __m256i operator()(__m256i samples) const { return samples; }
};

struct DividedRescaling {
  double maximum, used;
  QUARRIX_AVX2 __m256i operator()(__m256i samples) const {
    return RescaleDivided(samples, maximum, used);
  }
};

// The step multiplying by the quotient in single precision, four times the
// speed of dividing. The product lies within 1.5 x 2^-23 of its size (with
// its rounding) from the division's value, so where both ends of 2^-22 of
// its size around it truncate alike, the division truncates to the same
// number; otherwise (a sample in a hundred) the eight are divided. With a
// quotient above 1, products beyond the 16-bit range all store as its ends:
// held at 40000.5, far from any whole number, they are never unsure.
template <bool kBeyond16Bits>
struct ProductRescaling {
  DividedRescaling divided;
  float quotient;
  QUARRIX_AVX2 __m256i operator()(__m256i samples) const {
    __m256 value = _mm256_mul_ps(_mm256_cvtepi32_ps(samples), _mm256_set1_ps(quotient));
    if (kBeyond16Bits) {
      value = _mm256_max_ps(value, _mm256_set1_ps(-40000.5f));
      value = _mm256_min_ps(value, _mm256_set1_ps(40000.5f));
    }
    const __m256 magnitude = _mm256_andnot_ps(_mm256_set1_ps(-0.0f), value);
    const __m256 slack = _mm256_mul_ps(magnitude, _mm256_set1_ps(0x1p-22f));
    const __m256i low = _mm256_cvttps_epi32(_mm256_sub_ps(value, slack));
    const __m256i high = _mm256_cvttps_epi32(_mm256_add_ps(value, slack));
    if (_mm256_movemask_epi8(_mm256_cmpeq_epi32(low, high)) != -1) return divided(samples);
    return high;  // saturated to 16 bits as it is stored
  }
};

// Stores eight 32-bit lanes as 16-bit samples, saturating; past count
// nothing is stored.
QUARRIX_AVX2 inline void Store16(__m256i lanes, int count, int first, std::int16_t* out) {
  const __m128i packed =
      _mm_packs_epi32(_mm256_castsi256_si128(lanes), _mm256_extracti128_si256(lanes, 1));
  if (first + kLanes <= count) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + first), packed);
    return;
  }
  std::int16_t tail[kLanes];
  _mm_storeu_si128(reinterpret_cast<__m128i*>(tail), packed);
  std::memcpy(out + first, tail, sizeof(std::int16_t) * static_cast<std::size_t>(count - first));
}

// The first scaling step of a decoded trace (the last, partial eight in
// tail), then the second, stored as 16-bit samples. Within 16 bits the
// products need no clamping.
template <bool kWithin, typename Rescaling>
QUARRIX_AVX2 void ScaleAll(const float* decoded, __m256 tail, int count, float factor,
                           const Rescaling& rescaling, std::int16_t* out) {
  for (int n = 0; n < count; n += kLanes) {
    const __m256 values = n + kLanes <= count ? _mm256_loadu_ps(decoded + n) : tail;
    const __m256 product = _mm256_mul_ps(values, _mm256_set1_ps(factor));
    Store16(rescaling(kWithin ? _mm256_cvttps_epi32(product) : Trunc16(product)), count, n, out);
  }
}

template <typename Rescaling>
QUARRIX_AVX2 void ScaleAll(const float* decoded, __m256 tail, int count, float factor, bool within,
                           const Rescaling& rescaling, std::int16_t* out) {
  if (within)
    ScaleAll<true>(decoded, tail, count, factor, rescaling, out);
  else
    ScaleAll<false>(decoded, tail, count, factor, rescaling, out);
}

// Runs job with the second scaling step that suits maximum and used.
template <typename Job>
QUARRIX_AVX2 void WithRescaling(double maximum, double used, const Job& job) {
  const DividedRescaling divided{maximum, used};
  const double quotient = maximum / used;
  // Within these bounds the quotient is a normal float and every product
  // stays far inside the 32-bit range.
  if (!(std::fabs(quotient) > 1e-30 && std::fabs(quotient) < 32768.0)) return job(divided);
  const auto single = static_cast<float>(quotient);
  if (std::fabs(quotient) > 1.0) return job(ProductRescaling<true>{divided, single});
  job(ProductRescaling<false>{divided, single});
}

// Both scaling steps of a decoded trace.
struct ScaleJob {
  const float* decoded;
  __m256 tail;
  int count;
  float factor;
  bool within;
  std::int16_t* out;

  template <typename Rescaling>
  QUARRIX_AVX2 void operator()(const Rescaling& rescaling) const {
    ScaleAll(decoded, tail, count, factor, within, rescaling, out);
  }
};

// Decodes a trace into decoded, the last, partial eight also into tail.
// Returns the largest bit pattern of its magnitudes: among numbers that is
// the largest magnitude; from 0x7F800000 up it is an infinity or not a
// number. Kept apart from the scaling, so that each loop has the
// registers to itself.
__attribute__((noinline)) QUARRIX_AVX2 std::int32_t DecodeAll(const unsigned char* samples,
                                                              int count, float* decoded,
                                                              __m256& tail) {
  const __m256 sign = _mm256_set1_ps(-0.0f);
  __m256i largest = _mm256_setzero_si256();
  int n = 0;
  for (; n + kLanes <= count; n += kLanes) {
    const __m256 values = IbmToFloat8(Words(samples, count, n));
    _mm256_storeu_ps(decoded + n, values);
    largest = _mm256_max_epi32(largest, _mm256_castps_si256(_mm256_andnot_ps(sign, values)));
  }
  tail = _mm256_setzero_ps();
  if (n < count) {
    tail = IbmToFloat8(Words(samples, count, n));
    float lanes[kLanes];
    _mm256_storeu_ps(lanes, tail);
    std::memcpy(decoded + n, lanes, sizeof(float) * static_cast<std::size_t>(count - n));
    largest = _mm256_max_epi32(largest, _mm256_castps_si256(_mm256_andnot_ps(sign, tail)));
  }
  std::int32_t lanes[kLanes];
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(lanes), largest);
  std::int32_t top = 0;
  for (std::int32_t lane : lanes) top = lane > top ? lane : top;
  return top;
}

QUARRIX_AVX2 void ConvertAvx2(const unsigned char* samples, int count, bool no_scaling,
                              const std::optional<double>& final_scale, float* decoded,
                              std::int16_t* out, float& maximum) {
  __m256 tail;
  const std::int32_t top = DecodeAll(samples, count, decoded, tail);
  const bool finite = top < 0x7F800000;
  // Otherwise the largest is found as the loop finds it (not a number never wins).
  const float m = finite ? std::bit_cast<float>(top) : LargestMagnitude(decoded, count);
  maximum = m;

  float factor = m != 0.0f ? 32767.0f / m : 0.0f;
  if (no_scaling) factor = 1.0f;
  // Normalised finite samples stay within 32767 x (1 + 2^-23) of zero, so
  // they need no clamping to 16 bits.
  const bool within = finite && !no_scaling && std::isfinite(factor);
  const ScaleJob job{decoded, tail, count, factor, within, out};
  if (!final_scale || m == 0.0f) return job(NoRescaling{});
  WithRescaling(m, *final_scale, job);
}

// The second scaling step alone, over count 16-bit samples in place.
struct RescaleJob {
  std::int16_t* samples;
  int count;

  template <typename Rescaling>
  QUARRIX_AVX2 void operator()(const Rescaling& rescaling) const {
    for (int n = 0; n < count; n += kLanes) {
      std::int16_t lanes[kLanes] = {};
      const std::int16_t* at = samples + n;
      if (n + kLanes > count) {
        std::copy(samples + n, samples + count, lanes);
        at = lanes;
      }
      const __m128i raw = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
      Store16(rescaling(_mm256_cvtepi16_epi32(raw)), count, n, samples);
    }
  }
};

QUARRIX_AVX2 void RescaleAvx2(std::int16_t* samples, int count, double maximum, double used) {
  WithRescaling(maximum, used, RescaleJob{samples, count});
}

// The patterns of samples without their sign bit: the largest, the
// smallest one not zero (zeros count as the top pattern here), and whether
// one not zero is not normalised.
struct Patterns {
  __m256i largest, smallest, unnormalised;

  QUARRIX_AVX2 void Take(__m256i words) {
    const __m256i bits = _mm256_and_si256(words, Constant(0x7FFFFFFF));
    const __m256i zero = _mm256_cmpeq_epi32(bits, _mm256_setzero_si256());
    largest = _mm256_max_epi32(largest, bits);
    smallest = _mm256_min_epi32(smallest, _mm256_or_si256(bits, _mm256_srli_epi32(zero, 1)));
    const __m256i first_digit = _mm256_and_si256(bits, Constant(0x00F00000));
    unnormalised = _mm256_or_si256(
        unnormalised,
        _mm256_andnot_si256(zero, _mm256_cmpeq_epi32(first_digit, _mm256_setzero_si256())));
  }
};

QUARRIX_AVX2 std::int32_t Lane(__m256i lanes, bool largest) {
  std::int32_t each[kLanes];
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(each), lanes);
  std::int32_t m = each[0];
  for (std::int32_t lane : each) m = (largest ? lane > m : lane < m) ? lane : m;
  return m;
}

QUARRIX_AVX2 std::optional<float> LargestIbmAvx2(const unsigned char* samples, int count) {
  Patterns patterns{_mm256_setzero_si256(), Constant(0x7FFFFFFF), _mm256_setzero_si256()};
  int n = 0;
  for (; n + kLanes <= count; n += kLanes) patterns.Take(Words(samples, count, n));
  if (n < count) patterns.Take(Words(samples, count, n));
  // Usable: every sample not zero is normalised, its exponent 34 to 95.
  const std::int32_t largest = Lane(patterns.largest, true);
  if (largest == 0) return 0.0f;
  if (!_mm256_testz_si256(patterns.unnormalised, patterns.unnormalised) ||
      (Lane(patterns.smallest, false) >> 24) < 34 || (largest >> 24) > 95)
    return std::nullopt;
  return IbmToFloat(static_cast<std::uint32_t>(largest));
}

}  // namespace

bool IbmKernelsAvailable() {
  static const bool available = __builtin_cpu_supports("avx2");
  return available;
}

bool ConvertIbmSamplesFast(const unsigned char* samples, int count, bool no_scaling,
                           const std::optional<double>& final_scale, float* decoded,
                           std::int16_t* out, float& maximum) {
  if (!IbmKernelsAvailable()) return false;
  ConvertAvx2(samples, count, no_scaling, final_scale, decoded, out, maximum);
  return true;
}

bool RescaleSamplesFast(std::int16_t* samples, std::size_t count, double maximum, double used) {
  if (!IbmKernelsAvailable() || count > static_cast<std::size_t>(INT32_MAX)) return false;
  RescaleAvx2(samples, static_cast<int>(count), maximum, used);
  return true;
}

bool LargestIbmMagnitudeFast(const unsigned char* record, int first, int count,
                             std::optional<float>& result) {
  if (!IbmKernelsAvailable()) return false;
  result =
      LargestIbmAvx2(record + kSegyTraceHeaderBytes + 4 * static_cast<std::size_t>(first), count);
  return true;
}

#else

bool IbmKernelsAvailable() {
  return false;
}
bool ConvertIbmSamplesFast(const unsigned char*, int, bool, const std::optional<double>&, float*,
                           std::int16_t*, float&) {
  return false;
}
bool RescaleSamplesFast(std::int16_t*, std::size_t, double, double) {
  return false;
}
bool LargestIbmMagnitudeFast(const unsigned char*, int, int, std::optional<float>&) {
  return false;
}

#endif

}  // namespace quarrix
