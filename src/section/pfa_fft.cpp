#include "section/pfa_fft.h"

#include <array>
#include <cmath>
#include <numbers>

#include "section/pfa_length.h"

namespace quarrix {
namespace {

// Factors in the order they are tried; each length uses each at most once.
constexpr std::array<int, 10> kFactors = {16, 13, 11, 9, 8, 7, 5, 4, 3, 2};

// Powers of a module's root exp(2 pi i r / f): roots[f][r][k] for k < f.
struct ModuleRoots {
  std::array<std::array<std::array<float, 32>, 16>, 17> re{}, im{};
};

const ModuleRoots& Roots() {
  static const ModuleRoots roots = [] {
    ModuleRoots table;
    for (int f : kFactors)
      for (int r = 1; r < f; ++r)
        for (int k = 0; k < f; ++k) {
          double angle = 2.0 * std::numbers::pi * ((r * k) % f) / f;
          table.re[f][r][k] = static_cast<float>(std::cos(angle));
          table.im[f][r][k] = static_cast<float>(std::sin(angle));
        }
    return table;
  }();
  return roots;
}

// An odd-length DFT X[k] = sum_j x[j] w^(jk), pairing x[j] with x[f-j] so
// that each constant multiplies a sum or a difference of two inputs.
template <int F>
void OddModule(float* xr, float* xi, const float* wr, const float* wi) {
  constexpr int H = (F - 1) / 2;
  float sr[H + 1], si[H + 1], dr[H + 1], di[H + 1];
  float sum_r = xr[0], sum_i = xi[0];
  for (int j = 1; j <= H; ++j) {
    sr[j] = xr[j] + xr[F - j];
    si[j] = xi[j] + xi[F - j];
    dr[j] = xr[j] - xr[F - j];
    di[j] = xi[j] - xi[F - j];
    sum_r += sr[j];
    sum_i += si[j];
  }
  float out_r[F], out_i[F];
  out_r[0] = sum_r;
  out_i[0] = sum_i;
  for (int k = 1; k <= H; ++k) {
    float ar = xr[0], ai = xi[0], br = 0.0f, bi = 0.0f;
    for (int j = 1; j <= H; ++j) {
      int p = (j * k) % F;
      ar += wr[p] * sr[j];
      ai += wr[p] * si[j];
      br += wi[p] * dr[j];
      bi += wi[p] * di[j];
    }
    out_r[k] = ar - bi;
    out_i[k] = ai + br;
    out_r[F - k] = ar + bi;
    out_i[F - k] = ai - br;
  }
  for (int k = 0; k < F; ++k) {
    xr[k] = out_r[k];
    xi[k] = out_i[k];
  }
}

constexpr int BitReverse(int value, int bits) {
  int result = 0;
  for (int b = 0; b < bits; ++b) result |= ((value >> b) & 1) << (bits - 1 - b);
  return result;
}

// A power-of-two DFT X[k] = sum_j x[j] w^(jk) by radix-2 decimation in time;
// w is any primitive F-th root, so w^(F/2) = -1 as the butterflies need.
template <int F>
void PowerOfTwoModule(float* xr, float* xi, const float* wr, const float* wi) {
  constexpr int kBits = F == 2 ? 1 : F == 4 ? 2 : F == 8 ? 3 : 4;
  float ar[F], ai[F];
  for (int k = 0; k < F; ++k) {
    ar[k] = xr[BitReverse(k, kBits)];
    ai[k] = xi[BitReverse(k, kBits)];
  }
  for (int half = 1; half < F; half *= 2) {
    int step = F / (2 * half);
    for (int start = 0; start < F; start += 2 * half)
      for (int k = 0; k < half; ++k) {
        int top = start + k, bottom = top + half;
        float tr = wr[k * step] * ar[bottom] - wi[k * step] * ai[bottom];
        float ti = wr[k * step] * ai[bottom] + wi[k * step] * ar[bottom];
        ar[bottom] = ar[top] - tr;
        ai[bottom] = ai[top] - ti;
        ar[top] += tr;
        ai[top] += ti;
      }
  }
  for (int k = 0; k < F; ++k) {
    xr[k] = ar[k];
    xi[k] = ai[k];
  }
}

template <int F>
void Module(float* xr, float* xi, const float* wr, const float* wi) {
  if constexpr ((F & (F - 1)) == 0)
    PowerOfTwoModule<F>(xr, xi, wr, wi);
  else
    OddModule<F>(xr, xi, wr, wi);
}

// One pass of the factor F over interleaved data of length n. With Good-Thomas
// indexing the F points of one module sit at base, base + stride, ...
// (mod n), where base runs over the multiples of F and stride = rotation * n/F
// is 1 mod F; the module then uses the root exp(sign 2 pi i rotation / F).
template <int F>
void Pass(int sign, int n, float* data) {
  int others = n / F;
  int rotation = 1;
  while ((rotation * others) % F != 1) ++rotation;
  int stride = rotation * others;
  if (sign < 0) rotation = F - rotation;
  const ModuleRoots& roots = Roots();
  const float* wr = roots.re[F][rotation].data();
  const float* wi = roots.im[F][rotation].data();
  float xr[F], xi[F];
  int index[F];
  for (int base = 0; base < n; base += F) {
    int at = base;
    for (int a = 0; a < F; ++a) {
      index[a] = 2 * at;
      xr[a] = data[index[a]];
      xi[a] = data[index[a] + 1];
      at += stride;
      if (at >= n) at -= n;
    }
    Module<F>(xr, xi, wr, wi);
    for (int a = 0; a < F; ++a) {
      data[index[a]] = xr[a];
      data[index[a] + 1] = xi[a];
    }
  }
}

void RunPass(int factor, int sign, int n, float* data) {
  switch (factor) {
    case 16: Pass<16>(sign, n, data); break;
    case 13: Pass<13>(sign, n, data); break;
    case 11: Pass<11>(sign, n, data); break;
    case 9: Pass<9>(sign, n, data); break;
    case 8: Pass<8>(sign, n, data); break;
    case 7: Pass<7>(sign, n, data); break;
    case 5: Pass<5>(sign, n, data); break;
    case 4: Pass<4>(sign, n, data); break;
    case 3: Pass<3>(sign, n, data); break;
    case 2: Pass<2>(sign, n, data); break;
  }
}

// The complex transform over interleaved (re, im) floats.
bool Transform(int sign, int n, float* data) {
  if (!PfaIsValidLength(n)) return false;
  int left = n;
  for (int factor : kFactors) {
    if (left % factor != 0) continue;
    left /= factor;
    RunPass(factor, sign, n, data);
  }
  return true;
}

bool ValidRealLength(int n) {
  return n > 0 && n % 2 == 0 && PfaIsValidLength(n / 2);
}

// Powers w^k of w = exp(sign 2 pi i / n) for k = 1, 2, ..., by repeated
// multiplication in double precision: far cheaper than a sine and a cosine
// per bin, and accurate to float precision over the quarter turn the splits use.
class TwiddleWalk {
 public:
  TwiddleWalk(int sign, int n)
      : step_re_(std::cos(2.0 * std::numbers::pi / n)),
        step_im_(sign * std::sin(2.0 * std::numbers::pi / n)) {}
  // Moves to the next power and returns it as floats.
  void Next(float& re, float& im) {
    double r = re_ * step_re_ - im_ * step_im_;
    im_ = re_ * step_im_ + im_ * step_re_;
    re_ = r;
    re = static_cast<float>(re_);
    im = static_cast<float>(im_);
  }

 private:
  double step_re_, step_im_;
  double re_ = 1.0, im_ = 0.0;
};

}  // namespace

bool PfaComplex(int sign, int n, Complex32* z) {
  return Transform(sign, n, reinterpret_cast<float*>(z));
}

// With z[j] = x[2j] + i x[2j+1] and Z its half-length transform, the even and
// odd samples' spectra are E = (Z[k] + conj Z[h-k]) / 2 and
// O = (Z[k] - conj Z[h-k]) / 2i, and X[k] = E + w^k O with w = exp(sign 2 pi i / n).
bool PfaRealToComplex(int sign, int n, const float* real_in, Complex32* complex_out) {
  if (!ValidRealLength(n)) return false;
  int half = n / 2;
  for (int j = 0; j < half; ++j) complex_out[j] = {real_in[2 * j], real_in[2 * j + 1]};
  Transform(sign, half, reinterpret_cast<float*>(complex_out));
  Complex32 z0 = complex_out[0];
  complex_out[0] = {z0.re + z0.im, 0.0f};
  complex_out[half] = {z0.re - z0.im, 0.0f};
  TwiddleWalk twiddle(sign, n);
  for (int k = 1; k <= half / 2; ++k) {
    int m = half - k;
    Complex32 a = complex_out[k], b = complex_out[m];
    // Even and odd spectra at k; at m they are the conjugates.
    float er = 0.5f * (a.re + b.re), ei = 0.5f * (a.im - b.im);
    float or_ = 0.5f * (a.im + b.im), oi = -0.5f * (a.re - b.re);
    float wr, wi;
    twiddle.Next(wr, wi);
    float tr = wr * or_ - wi * oi, ti = wr * oi + wi * or_;
    complex_out[k] = {er + tr, ei + ti};
    // X[m] = conj(E[k]) + w^m conj(O[k]) and w^m = -conj(w^k).
    complex_out[m] = {er - tr, -ei + ti};
  }
  return true;
}

// The inverse split: Z[k] = (X[k] + conj X[h-k]) + i w^k (X[k] - conj X[h-k]),
// whose half-length transform holds the even samples in its real parts and the
// odd samples in its imaginary parts.
bool PfaComplexToReal(int sign, int n, const Complex32* complex_in, float* real_out) {
  if (!ValidRealLength(n)) return false;
  int half = n / 2;
  float first = complex_in[0].re, last = complex_in[half].re;
  real_out[0] = first + last;
  real_out[1] = first - last;
  TwiddleWalk twiddle(sign, n);
  for (int k = 1; k <= half / 2; ++k) {
    int m = half - k;
    Complex32 a = complex_in[k], b = complex_in[m];
    float sr = a.re + b.re, si = a.im - b.im;  // X[k] + conj X[m]
    float dr = a.re - b.re, di = a.im + b.im;  // X[k] - conj X[m]
    float wr, wi;
    twiddle.Next(wr, wi);
    float tr = wr * dr - wi * di, ti = wr * di + wi * dr;  // w^k (X[k] - conj X[m])
    // Z[k] = S + i T and Z[m] = conj S - i w^m conj D = conj S + i conj T.
    real_out[2 * k] = sr - ti;
    real_out[2 * k + 1] = si + tr;
    real_out[2 * m] = sr + ti;
    real_out[2 * m + 1] = -si + tr;
  }
  return Transform(sign, half, real_out);
}

}  // namespace quarrix
