#pragma once
// Lengths the prime-factor FFT can transform, and the choice of a fast padded
// length from measured transform costs.
namespace quarrix {

// The smallest transformable length >= nmin (720720 when nmin is beyond
// every other length).
int PfaValidLength(int nmin);

// The cheapest transformable length between nmin and nmax; when nothing
// cheaper lies in the range, the smallest length >= nmin.
int PfaOptimalLength(int nmin, int nmax);

// An even length between nmin and nmax for a real transform: twice the
// optimal complex length for half the range.
int PfaOptimalRealLength(int nmin, int nmax);

// True when n is a product of mutually prime factors from
// {2, 3, 4, 5, 7, 8, 9, 11, 13, 16}.
bool PfaIsValidLength(int n);

}  // namespace quarrix
