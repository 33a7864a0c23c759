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
  // For a middle dimension whose stride is a multiple of four: the first
  // positions of its modules in runs of four neighbours, enough of them to fill
  // whole vectors of lanes (the last repeated if need be, which stores the same
  // values twice). Runs fill the lanes even when the stride is shorter than the
  // lane count.
  std::vector<int> runs;
};

struct Plan {
  explicit Plan(int n);

  int length;
  // Outermost first; the last dimension has stride 1.
  std::vector<Dimension> dims;
  // point[p]: the index of the point at array position p (padded with zeros
  // for the partial groups of lanes at the end).
  std::vector<int> point;
  // The float offsets of the input values the first pass reads, in the order
  // it reads them (groups of lanes, each point of the module, each lane).
  std::vector<int> gather;
  // The float offsets of the outputs the last pass writes, in the order it
  // writes them, for each sign of the exponent (empty with one dimension).
  std::array<std::vector<int>, 2> scatter;
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
