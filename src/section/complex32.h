#pragma once
// Complex numbers as pairs of 32-bit floats, the element type of the FFT work
// arrays, with the few operations trace conditioning needs.
namespace quarrix {

struct Complex32 {
  float re = 0.0f;
  float im = 0.0f;
};

inline Complex32 MakeComplex(float re, float im) {
  return {re, im};
}

inline Complex32 Multiply(Complex32 a, Complex32 b) {
  return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}

// 1/z as conj(z) / |z|^2.
Complex32 Reciprocal(Complex32 z);

// e^re * (cos im, sin im).
Complex32 Exponential(Complex32 z);

inline Complex32 Scale(Complex32 z, float factor) {
  return {z.re * factor, z.im * factor};
}

// The sum, formed in double precision.
inline Complex32 Add(Complex32 a, Complex32 b) {
  return {static_cast<float>(static_cast<double>(a.re) + b.re),
          static_cast<float>(static_cast<double>(a.im) + b.im)};
}

// z^n by repeated squaring: z^0 is 1, 0^n is 0 for every n, and a negative n
// raises the reciprocal.
Complex32 IntegerPower(Complex32 z, int n);

}  // namespace quarrix
