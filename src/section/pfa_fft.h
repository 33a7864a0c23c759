#pragma once
// The prime-factor FFT: exact, unnormalised discrete Fourier transforms of
// lengths that are products of mutually prime factors from
// {2, 3, 4, 5, 7, 8, 9, 11, 13, 16} (see pfa_length.h for choosing one).
// `sign` is the sign of the exponent in the kernel exp(sign * 2 pi i j k / n).
#include "section/complex32.h"

namespace quarrix {

// In place on n complex values. False (and z untouched) when n is not a
// transformable length.
bool PfaComplex(int sign, int n, Complex32* z);

// n real samples (n even, n/2 transformable) to the n/2 + 1 bins 0 .. n/2 of
// their transform.
bool PfaRealToComplex(int sign, int n, const float* real_in, Complex32* complex_out);

// The inverse of PfaRealToComplex: bins 0 .. n/2 of a conjugate-symmetric
// spectrum to n real samples. Only the real parts of bins 0 and n/2 are used,
// as the full spectrum of a real signal has real values there.
bool PfaComplexToReal(int sign, int n, const Complex32* complex_in, float* real_out);

}  // namespace quarrix
