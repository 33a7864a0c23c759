#pragma once
// The DFT modules of the prime-factor FFT: Y[k] = sum_j x[j] exp(2 pi i jk / F)
// for F = 2, 3, 4, 5, 7, 8, 9, 11, 13 and 16, in place, as straight-line code
// with compile-time constants. Each module runs on kLanes independent sets of
// points at once: every value is a short fixed array over the lanes, and the
// compiler turns each arithmetic step into vector instructions.
#include <cstring>
#include <numbers>
#include <type_traits>
#include <utility>

namespace quarrix::pfa {

constexpr int kLanes = 8;

struct Lanes {
  float v[kLanes];
};

[[gnu::always_inline]] inline Lanes operator+(const Lanes& a, const Lanes& b) {
  Lanes r;
  for (int l = 0; l < kLanes; ++l) r.v[l] = a.v[l] + b.v[l];
  return r;
}

[[gnu::always_inline]] inline Lanes operator-(const Lanes& a, const Lanes& b) {
  Lanes r;
  for (int l = 0; l < kLanes; ++l) r.v[l] = a.v[l] - b.v[l];
  return r;
}

[[gnu::always_inline]] inline Lanes operator-(const Lanes& a) {
  Lanes r;
  for (int l = 0; l < kLanes; ++l) r.v[l] = -a.v[l];
  return r;
}

[[gnu::always_inline]] inline Lanes operator*(float c, const Lanes& a) {
  Lanes r;
  for (int l = 0; l < kLanes; ++l) r.v[l] = c * a.v[l];
  return r;
}

// Whole-vector loads and stores of kLanes neighbouring floats.
[[gnu::always_inline]] inline Lanes LoadLanes(const float* p) {
  Lanes r;
  std::memcpy(r.v, p, sizeof r.v);
  return r;
}

[[gnu::always_inline]] inline void StoreLanes(float* p, const Lanes& a) {
  std::memcpy(p, a.v, sizeof a.v);
}

// The lanes from runs of four neighbouring floats at data + run[q].
constexpr int kRunsPerVector = kLanes / 4;

[[gnu::always_inline]] inline Lanes LoadRuns(const float* data, const int* run) {
  Lanes r;
  for (int q = 0; q < kRunsPerVector; ++q) std::memcpy(r.v + 4 * q, data + run[q], 16);
  return r;
}

[[gnu::always_inline]] inline void StoreRuns(float* data, const int* run, const Lanes& a) {
  for (int q = 0; q < kRunsPerVector; ++q) std::memcpy(data + run[q], a.v + 4 * q, 16);
}

// One complex point of every lane.
struct Point {
  Lanes re, im;
};

[[gnu::always_inline]] inline Point operator+(const Point& a, const Point& b) {
  return {a.re + b.re, a.im + b.im};
}

[[gnu::always_inline]] inline Point operator-(const Point& a, const Point& b) {
  return {a.re - b.re, a.im - b.im};
}

// i z and -i z.
[[gnu::always_inline]] inline Point TimesI(const Point& z) {
  return {-z.im, z.re};
}

[[gnu::always_inline]] inline Point TimesMinusI(const Point& z) {
  return {z.im, -z.re};
}

// Calls body(std::integral_constant<int, I>) for I = 0 .. N-1, so that indexes
// and the constants chosen by them are known at compile time.
template <int N, typename Body>
[[gnu::always_inline]] inline void Unroll(Body&& body) {
  [&]<int... I>(std::integer_sequence<int, I...>) __attribute__((always_inline)) {
    (body(std::integral_constant<int, I>{}), ...);
  }
  (std::make_integer_sequence<int, N>{});
}

// cos and sin of 2 pi e / F, evaluated by the compiler.
constexpr double TaylorSin(double x) {
  double term = x, sum = x;
  for (int k = 1; k < 30; ++k) {
    term *= -x * x / ((2 * k) * (2 * k + 1));
    sum += term;
  }
  return sum;
}

template <int F>
constexpr double RootSin(int e) {
  e %= F;
  if (e < 0) e += F;
  if (2 * e > F) return -RootSin<F>(F - e);                             // into (0, pi]
  if (4 * e > F) return TaylorSin(std::numbers::pi * (F - 2 * e) / F);  // sin(pi - angle)
  return TaylorSin(2.0 * std::numbers::pi * e / F);
}

template <int F>
constexpr double RootCos(int e) {
  return RootSin<F * 4>(4 * e + F);
}

// z times exp(2 pi i E / F), with the multiplications by 0 and 1 left out.
template <int F, int E>
[[gnu::always_inline]] inline Point Rotate(const Point& z) {
  constexpr int e = E % F;
  if constexpr (e == 0) {
    return z;
  } else if constexpr (2 * e == F) {
    return {-z.re, -z.im};
  } else if constexpr (4 * e == F) {
    return TimesI(z);
  } else if constexpr (4 * e == 3 * F) {
    return TimesMinusI(z);
  } else if constexpr (8 * e == F) {
    constexpr float h = static_cast<float>(std::numbers::sqrt2 / 2);
    return {h * (z.re - z.im), h * (z.re + z.im)};
  } else if constexpr (8 * e == 3 * F) {
    constexpr float h = static_cast<float>(std::numbers::sqrt2 / 2);
    return {-h * (z.re + z.im), h * (z.re - z.im)};
  } else {
    constexpr float c = static_cast<float>(RootCos<F>(e));
    constexpr float s = static_cast<float>(RootSin<F>(e));
    return {c * z.re - s * z.im, c * z.im + s * z.re};
  }
}

template <int F>
[[gnu::always_inline]] inline void Dft(Point* x);

[[gnu::always_inline]] inline void Dft2(Point* x) {
  Point a = x[0], b = x[1];
  x[0] = a + b;
  x[1] = a - b;
}

[[gnu::always_inline]] inline void Dft3(Point* x) {
  constexpr float s = static_cast<float>(std::numbers::sqrt3 / 2);
  Point t = x[1] + x[2], d = x[1] - x[2];
  Point m = {x[0].re - 0.5f * t.re, x[0].im - 0.5f * t.im};
  x[0] = x[0] + t;
  Point sd = {s * d.re, s * d.im};
  x[1] = m + TimesI(sd);
  x[2] = m - TimesI(sd);
}

[[gnu::always_inline]] inline void Dft4(Point* x) {
  Point s02 = x[0] + x[2], d02 = x[0] - x[2];
  Point s13 = x[1] + x[3], d13 = TimesI(x[1] - x[3]);
  x[0] = s02 + s13;
  x[2] = s02 - s13;
  x[1] = d02 + d13;
  x[3] = d02 - d13;
}

// An odd prime F: pairing x[j] with x[F-j], each constant multiplies a sum or
// a difference of two inputs.
template <int F>
[[gnu::always_inline]] inline void OddPrime(Point* x) {
  constexpr int H = (F - 1) / 2;
  Point sum[H], dif[H];
  const Point x0 = x[0];
  Unroll<H>([&](auto jm) __attribute__((always_inline)) {
    constexpr int j = decltype(jm)::value + 1;
    sum[j - 1] = x[j] + x[F - j];
    dif[j - 1] = x[j] - x[F - j];
    x[0] = x[0] + sum[j - 1];
  });
  Unroll<H>([&](auto km) __attribute__((always_inline)) {
    constexpr int k = decltype(km)::value + 1;
    Point a = x0, b = {};
    Unroll<H>([&](auto jm) __attribute__((always_inline)) {
      constexpr int j = decltype(jm)::value + 1;
      constexpr float c = static_cast<float>(RootCos<F>(j * k));
      constexpr float s = static_cast<float>(RootSin<F>(j * k));
      a.re = a.re + c * sum[j - 1].re;
      a.im = a.im + c * sum[j - 1].im;
      b.re = b.re + s * dif[j - 1].re;
      b.im = b.im + s * dif[j - 1].im;
    });
    // a + i b and a - i b.
    x[k] = a + TimesI(b);
    x[F - k] = a - TimesI(b);
  });
}

// F = P Q by one Cooley-Tukey step: with j = Q j1 + j2 and k = k1 + P k2,
// P-point modules over j1, the twiddles exp(2 pi i j2 k1 / F), then Q-point
// modules over j2.
template <int P, int Q>
[[gnu::always_inline]] inline void CooleyTukey(Point* x) {
  constexpr int F = P * Q;
  Point a[Q][P];
  Unroll<Q>([&](auto j2m) __attribute__((always_inline)) {
    constexpr int j2 = decltype(j2m)::value;
    Unroll<P>([&](auto j1m) __attribute__((always_inline)) {
      a[j2][decltype(j1m)::value] = x[Q * decltype(j1m)::value + j2];
    });
    Dft<P>(a[j2]);
    Unroll<P>([&](auto k1m) __attribute__((always_inline)) {
      constexpr int k1 = decltype(k1m)::value;
      a[j2][k1] = Rotate<F, j2 * k1>(a[j2][k1]);
    });
  });
  Unroll<P>([&](auto k1m) __attribute__((always_inline)) {
    constexpr int k1 = decltype(k1m)::value;
    Point b[Q];
    Unroll<Q>([&](auto j2m) __attribute__((always_inline)) {
      b[decltype(j2m)::value] = a[decltype(j2m)::value][k1];
    });
    Dft<Q>(b);
    Unroll<Q>([&](auto k2m) __attribute__((always_inline)) {
      x[k1 + P * decltype(k2m)::value] = b[decltype(k2m)::value];
    });
  });
}

template <int F>
[[gnu::always_inline]] inline void Dft(Point* x) {
  if constexpr (F == 2) {
    Dft2(x);
  } else if constexpr (F == 3) {
    Dft3(x);
  } else if constexpr (F == 4) {
    Dft4(x);
  } else if constexpr (F == 8) {
    CooleyTukey<4, 2>(x);
  } else if constexpr (F == 9) {
    CooleyTukey<3, 3>(x);
  } else if constexpr (F == 16) {
    CooleyTukey<4, 4>(x);
  } else {
    static_assert(F == 5 || F == 7 || F == 11 || F == 13);
    OddPrime<F>(x);
  }
}

}  // namespace quarrix::pfa
