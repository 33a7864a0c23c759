#include "section/complex32.h"

#include <cmath>

namespace quarrix {

Complex32 Reciprocal(Complex32 z) {
  float norm = z.re * z.re + z.im * z.im;
  return {z.re / norm, -z.im / norm};
}

Complex32 Exponential(Complex32 z) {
  float magnitude = std::exp(z.re);
  return {magnitude * std::cos(z.im), magnitude * std::sin(z.im)};
}

Complex32 IntegerPower(Complex32 z, int n) {
  if (n == 0) return {1.0f, 0.0f};
  if (z.re == 0.0f && z.im == 0.0f) return {0.0f, 0.0f};
  // Work with the magnitude of n in unsigned arithmetic so INT_MIN is safe.
  unsigned remaining = n < 0 ? 0u - static_cast<unsigned>(n) : static_cast<unsigned>(n);
  Complex32 base = n < 0 ? Reciprocal(z) : z;
  Complex32 result{1.0f, 0.0f};
  while (remaining != 0) {
    if (remaining & 1u) result = Multiply(result, base);
    remaining >>= 1;
    if (remaining != 0) base = Multiply(base, base);
  }
  return result;
}

}  // namespace quarrix
