#pragma once
// The loader's per-trace loops for big-endian IBM floats, the usual SEG-Y
// sample format, written out for AVX2: the decoding, the largest magnitude,
// both scaling steps, and the scan's reading of maxima from the bit
// patterns. Each gives exactly the values of the portable loops of
// segy_format.h and trace_scaling.h. They return false when the processor
// lacks AVX2 (or the build is not for x86-64); the caller then runs the
// portable loops.
#include <cstddef>
#include <cstdint>
#include <optional>

namespace quarrix {

// Whether the processor runs the kernels below.
bool IbmKernelsAvailable();

// For the count big-endian IBM samples from samples on: DecodeTrace, then
// ScaleTrace into out, then, with final_scale and a non-zero maximum,
// RescaleSamples. maximum is the trace's largest absolute sample; decoded
// is scratch for count floats.
bool ConvertIbmSamplesFast(const unsigned char* samples, int count, bool no_scaling,
                           const std::optional<double>& final_scale, float* decoded,
                           std::int16_t* out, float& maximum);

// RescaleSamples: the second scaling step of any trace's 16-bit samples.
bool RescaleSamplesFast(std::int16_t* samples, std::size_t count, double maximum, double used);

// LargestIbmMagnitude of a record's count samples from the first.
bool LargestIbmMagnitudeFast(const unsigned char* record, int first, int count,
                             std::optional<float>& result);

}  // namespace quarrix
