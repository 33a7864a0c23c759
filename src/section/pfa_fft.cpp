#include "section/pfa_fft.h"

#include "section/pfa_length.h"
#include "section/pfa_plan.h"

namespace quarrix {
namespace {

bool ValidRealLength(int n) {
  return n > 0 && n % 2 == 0 && PfaIsValidLength(n / 2);
}

}  // namespace

bool PfaComplex(int sign, int n, Complex32* z) {
  if (!PfaIsValidLength(n)) return false;
  float* data = reinterpret_cast<float*>(z);
  pfa::Transform(pfa::PlanFor(n), sign, data, data);
  return true;
}

// With z[j] = x[2j] + i x[2j+1] and Z its half-length transform, the even and
// odd samples' spectra are E = (Z[k] + conj Z[h-k]) / 2 and
// O = (Z[k] - conj Z[h-k]) / 2i, and X[k] = E + w^k O with w = exp(sign 2 pi i / n).
// Each bin is formed on its own (rather than k and h - k together) so that the
// loop runs forwards over the output and the compiler vectorises it.
bool PfaRealToComplex(int sign, int n, const float* real_in, Complex32* complex_out) {
  if (!ValidRealLength(n)) return false;
  const int half = n / 2;
  pfa::Plan& plan = pfa::PlanFor(half);
  float* z = plan.natural.data();
  pfa::Transform(plan, sign, real_in, z);
  const float* wr = plan.half_cos.data();
  const float* ws = plan.half_sin.data();
  const float sine_sign = sign < 0 ? -1.0f : 1.0f;
  float* out = reinterpret_cast<float*>(complex_out);
  out[0] = z[0] + z[1];
  out[1] = 0.0f;
  out[2 * half] = z[0] - z[1];
  out[2 * half + 1] = 0.0f;
  for (int k = 1; k < half; ++k) {
    const int m = half - k;
    const float ar = z[2 * k], ai = z[2 * k + 1], br = z[2 * m], bi = z[2 * m + 1];
    const float er = 0.5f * (ar + br), ei = 0.5f * (ai - bi);
    const float or_ = 0.5f * (ai + bi), oi = 0.5f * (br - ar);
    const float wi = sine_sign * ws[k];
    out[2 * k] = er + (wr[k] * or_ - wi * oi);
    out[2 * k + 1] = ei + (wr[k] * oi + wi * or_);
  }
  return true;
}

// The inverse split: Z[k] = (X[k] + conj X[h-k]) + i w^k (X[k] - conj X[h-k]),
// whose half-length transform holds the even samples in its real parts and the
// odd samples in its imaginary parts.
bool PfaComplexToReal(int sign, int n, const Complex32* complex_in, float* real_out) {
  if (!ValidRealLength(n)) return false;
  const int half = n / 2;
  pfa::Plan& plan = pfa::PlanFor(half);
  float* z = plan.natural.data();
  const float* wr = plan.half_cos.data();
  const float* ws = plan.half_sin.data();
  const float sine_sign = sign < 0 ? -1.0f : 1.0f;
  const float* in = reinterpret_cast<const float*>(complex_in);
  const float first = in[0], last = in[2 * half];
  z[0] = first + last;
  z[1] = first - last;
  for (int k = 1; k < half; ++k) {
    const int m = half - k;
    const float sr = in[2 * k] + in[2 * m], si = in[2 * k + 1] - in[2 * m + 1];
    const float dr = in[2 * k] - in[2 * m], di = in[2 * k + 1] + in[2 * m + 1];
    const float wi = sine_sign * ws[k];
    const float tr = wr[k] * dr - wi * di, ti = wr[k] * di + wi * dr;
    z[2 * k] = sr - ti;
    z[2 * k + 1] = si + tr;
  }
  pfa::Transform(plan, sign, z, real_out);
  return true;
}

}  // namespace quarrix
