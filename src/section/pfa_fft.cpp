#include "section/pfa_fft.h"

#include <algorithm>
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
  std::array<std::array<std::array<float, 16>, 16>, 17> re{}, im{};
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

// Modules run on kLanes independent groups of points at once: each value is
// an array over the lanes, so every arithmetic step is a short loop the
// compiler turns into vector instructions.
constexpr int kLanes = 8;
using Lane = float[kLanes];

// Constants of an odd module: cos and sin of the angle (j k) 2 pi r / F for
// j, k = 1 .. (F - 1) / 2, looked up once per pass.
template <int F>
struct OddConstants {
  static constexpr int H = (F - 1) / 2;
  float c[H][H], s[H][H];
  OddConstants(const float* wr, const float* wi) {
    for (int k = 1; k <= H; ++k)
      for (int j = 1; j <= H; ++j) {
        c[k - 1][j - 1] = wr[(j * k) % F];
        s[k - 1][j - 1] = wi[(j * k) % F];
      }
  }
};

// An odd-length DFT X[k] = sum_j x[j] w^(jk), in place, pairing x[j] with
// x[F-j] so that each constant multiplies a sum or a difference of two inputs.
template <int F>
void OddModule(Lane* xr, Lane* xi, const OddConstants<F>& w) {
  constexpr int H = (F - 1) / 2;
  float sr[H][kLanes], si[H][kLanes], dr[H][kLanes], di[H][kLanes];
  float x0r[kLanes], x0i[kLanes];
  for (int l = 0; l < kLanes; ++l) {
    x0r[l] = xr[0][l];
    x0i[l] = xi[0][l];
  }
  for (int j = 1; j <= H; ++j)
    for (int l = 0; l < kLanes; ++l) {
      sr[j - 1][l] = xr[j][l] + xr[F - j][l];
      si[j - 1][l] = xi[j][l] + xi[F - j][l];
      dr[j - 1][l] = xr[j][l] - xr[F - j][l];
      di[j - 1][l] = xi[j][l] - xi[F - j][l];
      xr[0][l] += sr[j - 1][l];
      xi[0][l] += si[j - 1][l];
    }
  for (int k = 1; k <= H; ++k) {
    float ar[kLanes], ai[kLanes], br[kLanes] = {}, bi[kLanes] = {};
    for (int l = 0; l < kLanes; ++l) {
      ar[l] = x0r[l];
      ai[l] = x0i[l];
    }
    for (int j = 0; j < H; ++j) {
      const float c = w.c[k - 1][j], s = w.s[k - 1][j];
      for (int l = 0; l < kLanes; ++l) {
        ar[l] += c * sr[j][l];
        ai[l] += c * si[j][l];
        br[l] += s * dr[j][l];
        bi[l] += s * di[j][l];
      }
    }
    for (int l = 0; l < kLanes; ++l) {
      xr[k][l] = ar[l] - bi[l];
      xi[k][l] = ai[l] + br[l];
      xr[F - k][l] = ar[l] + bi[l];
      xi[F - k][l] = ai[l] - br[l];
    }
  }
}

constexpr int BitReverse(int value, int bits) {
  int result = 0;
  for (int b = 0; b < bits; ++b) result |= ((value >> b) & 1) << (bits - 1 - b);
  return result;
}

constexpr int Log2(int f) {
  return f <= 1 ? 0 : 1 + Log2(f / 2);
}

// A power-of-two DFT X[k] = sum_j x[j] w^(jk) by radix-2 decimation in time,
// in place on inputs already in bit-reversed order; w is any primitive F-th
// root, so w^(F/2) = -1 as the butterflies need.
template <int F>
void PowerOfTwoModule(Lane* xr, Lane* xi, const float* wr, const float* wi) {
  for (int half = 1; half < F; half *= 2) {
    const int step = F / (2 * half);
    for (int start = 0; start < F; start += 2 * half)
      for (int k = 0; k < half; ++k) {
        const int top = start + k, bottom = top + half;
        const float c = wr[k * step], s = wi[k * step];
        for (int l = 0; l < kLanes; ++l) {
          float tr = c * xr[bottom][l] - s * xi[bottom][l];
          float ti = c * xi[bottom][l] + s * xr[bottom][l];
          xr[bottom][l] = xr[top][l] - tr;
          xi[bottom][l] = xi[top][l] - ti;
          xr[top][l] += tr;
          xi[top][l] += ti;
        }
      }
  }
}

constexpr bool IsPowerOfTwo(int f) {
  return (f & (f - 1)) == 0;
}

// One pass of the factor F over interleaved data of length n. With Good-Thomas
// indexing the F points of one module sit at base, base + stride, ...
// (mod n), where base runs over the multiples of F and stride = rotation * n/F
// is 1 mod F; the module then uses the root exp(sign 2 pi i rotation / F).
template <int F>
void Pass(int sign, int n, float* data) {
  const int modules = n / F;
  int rotation = 1;
  while ((rotation * modules) % F != 1) ++rotation;
  const int stride = rotation * modules;
  if (sign < 0) rotation = F - rotation;
  const ModuleRoots& roots = Roots();
  const float* wr = roots.re[F][rotation].data();
  const float* wi = roots.im[F][rotation].data();
  std::array<int, F> slot{};  // where input point a goes in the module
  for (int a = 0; a < F; ++a) slot[a] = IsPowerOfTwo(F) ? BitReverse(a, Log2(F)) : a;
  const OddConstants<IsPowerOfTwo(F) ? 3 : F> odd(wr, wi);

  alignas(32) float xr[F][kLanes], xi[F][kLanes];
  int index[F][kLanes];
  for (int first = 0; first < modules; first += kLanes) {
    // Lanes past the last module repeat it and are not stored.
    const int used = std::min(kLanes, modules - first);
    int at[kLanes];
    for (int l = 0; l < kLanes; ++l) at[l] = F * (first + std::min(l, used - 1));
    for (int a = 0; a < F; ++a)
      for (int l = 0; l < kLanes; ++l) {
        index[a][l] = 2 * at[l];
        xr[slot[a]][l] = data[index[a][l]];
        xi[slot[a]][l] = data[index[a][l] + 1];
        at[l] += stride;
        if (at[l] >= n) at[l] -= n;
      }
    if constexpr (IsPowerOfTwo(F))
      PowerOfTwoModule<F>(xr, xi, wr, wi);
    else
      OddModule<F>(xr, xi, odd);
    for (int a = 0; a < F; ++a)
      for (int l = 0; l < used; ++l) {
        data[index[a][l]] = xr[a][l];
        data[index[a][l] + 1] = xi[a][l];
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

// Powers w^k of w = exp(sign 2 pi i / n) for k = 1, 2, ..., eight at a time:
// each block is the previous one times w^8, in double precision. That is far
// cheaper than a sine and a cosine per bin, the eight products do not wait on
// each other, and the error stays at float precision over the quarter turn
// the splits use.
class Twiddles {
 public:
  Twiddles(int sign, int n) {
    const double step_re = std::cos(2.0 * std::numbers::pi / n);
    const double step_im = sign * std::sin(2.0 * std::numbers::pi / n);
    double re = 1.0, im = 0.0;
    for (int r = 0; r < kBlock; ++r) {
      double next_re = re * step_re - im * step_im;
      im = re * step_im + im * step_re;
      re = next_re;
      re_[r] = re;
      im_[r] = im;
    }
    block_re_ = re;
    block_im_ = im;
  }
  // w^k for the k-th call (k = 1, 2, ...).
  void Next(float& re, float& im) {
    if (used_ == kBlock) Advance();
    re = static_cast<float>(re_[used_]);
    im = static_cast<float>(im_[used_]);
    ++used_;
  }

 private:
  static constexpr int kBlock = 8;
  void Advance() {
    for (int r = 0; r < kBlock; ++r) {
      double next_re = re_[r] * block_re_ - im_[r] * block_im_;
      im_[r] = re_[r] * block_im_ + im_[r] * block_re_;
      re_[r] = next_re;
    }
    used_ = 0;
  }
  double re_[kBlock], im_[kBlock];
  double block_re_, block_im_;
  int used_ = 0;
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
  Twiddles twiddle(sign, n);
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
  Twiddles twiddle(sign, n);
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
