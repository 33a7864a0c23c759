#pragma once
// Doubles from outside text narrowed to single precision without undefined
// behaviour: values beyond the float range become infinities.
#include <cfloat>
#include <cmath>

namespace quarrix {

inline float ToSingle(double value) {
  if (std::isnan(value) || std::fabs(value) <= FLT_MAX) return static_cast<float>(value);
  return value > 0 ? INFINITY : -INFINITY;
}

}  // namespace quarrix
