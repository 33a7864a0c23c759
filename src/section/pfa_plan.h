#pragma once
// Everything the prime-factor FFT precomputes for one length, kept in a small
// per-thread cache because traces are transformed thousands of times at one
// length.
//
// The n points are held as a multi-dimensional array with one dimension per
// factor f (Good-Thomas indexing): point j sits where its residues j mod f
// select, so a pass of f-point modules along one dimension needs no twiddles.
// Using the same map for the input and for the output makes each module a
// rotated DFT, with the root exp(sign 2 pi i r / f) for the r with
// r (n / f) = 1 mod f.
#include <array>
#include <vector>

namespace quarrix::pfa {

struct Dimension {
  int factor = 1;
  int stride = 1;  // distance in the array between neighbouring points of a module
  // Where the outputs of a module go: output m of the unrotated module is the
  // rotated module's output k with r k = m (mod f), stored at offset[m] = k *
  // stride. One table per sign of the exponent.
  std::array<std::array<int, 16>, 2> offset{};
};

struct Plan {
  explicit Plan(int n);

  int length;
  // Outermost first; the last dimension has stride 1.
  std::vector<Dimension> dims;
  // point[p]: the index of the point at array position p (padded with zeros
  // for the partial groups of lanes at the end).
  std::vector<int> point;
  // The array, as real and imaginary parts, padded past the end for partial
  // groups of lanes.
  std::vector<float> re, im;
  // Scratch for the real transforms: n interleaved complex values.
  std::vector<float> natural;
  // cos and sin of 2 pi k / (2 n), k = 0 .. n, for the real transforms of
  // length 2 n.
  std::vector<float> half_cos, half_sin;
};

// The plan for length n (a transformable length), built on first use.
Plan& PlanFor(int n);

// The unnormalised transform of n interleaved complex values `in` into `out`
// (which may be the same storage) with the kernel exp(sign 2 pi i jk / n).
void Transform(Plan& plan, int sign, const float* in, float* out);

}  // namespace quarrix::pfa
