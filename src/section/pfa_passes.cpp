// The passes of the prime-factor FFT over a plan's array: the first reads the
// input in Good-Thomas order, the last writes the output in it, and those in
// between run along the middle dimensions in place. Every pass but the last
// has its lanes on neighbouring positions, so it loads and stores whole
// vectors.
#include <algorithm>
#include <cstring>
#include <type_traits>

#include "section/pfa_modules.h"
#include "section/pfa_plan.h"

namespace quarrix::pfa {
namespace {

template <typename Body>
void WithFactor(int f, Body&& body) {
  switch (f) {
    case 2: body(std::integral_constant<int, 2>{}); break;
    case 3: body(std::integral_constant<int, 3>{}); break;
    case 4: body(std::integral_constant<int, 4>{}); break;
    case 5: body(std::integral_constant<int, 5>{}); break;
    case 7: body(std::integral_constant<int, 7>{}); break;
    case 8: body(std::integral_constant<int, 8>{}); break;
    case 9: body(std::integral_constant<int, 9>{}); break;
    case 11: body(std::integral_constant<int, 11>{}); break;
    case 13: body(std::integral_constant<int, 13>{}); break;
    case 16: body(std::integral_constant<int, 16>{}); break;
  }
}

// The interleaved complex values at data + offset[l] of the lanes.
[[gnu::always_inline]] inline Point LoadPairs(const float* data, const int* offset) {
  float pairs[2 * kLanes];
  for (int l = 0; l < kLanes; ++l) std::memcpy(pairs + 2 * l, data + offset[l], 8);
  Point x;
  for (int l = 0; l < kLanes; ++l) {
    x.re.v[l] = pairs[2 * l];
    x.im.v[l] = pairs[2 * l + 1];
  }
  return x;
}

// Stores the complex values of the first `used` lanes at out + offset[l].
[[gnu::always_inline]] inline void StorePairs(const Point& x, float* out, const int* offset,
                                              int used) {
  if (used == kLanes) {
    for (int l = 0; l < kLanes; ++l) {
      out[offset[l]] = x.re.v[l];
      out[offset[l] + 1] = x.im.v[l];
    }
  } else {
    for (int l = 0; l < used; ++l) {
      out[offset[l]] = x.re.v[l];
      out[offset[l] + 1] = x.im.v[l];
    }
  }
}

// Stores the module outputs of `used` lanes at re/im + offset[m] + lane.
template <int F>
[[gnu::always_inline]] inline void StoreRows(const Point* x, float* re, float* im,
                                             const int* offset, int used) {
  if (used == kLanes) {
    for (int m = 0; m < F; ++m) {
      StoreLanes(re + offset[m], x[m].re);
      StoreLanes(im + offset[m], x[m].im);
    }
  } else {
    for (int m = 0; m < F; ++m)
      for (int l = 0; l < used; ++l) {
        re[offset[m] + l] = x[m].re.v[l];
        im[offset[m] + l] = x[m].im.v[l];
      }
  }
}

// Along the outermost dimension, reading the input: module o has its points
// at positions o, o + stride, ... (stride = n / F).
template <int F>
void FirstPass(Plan& plan, const Dimension& dim, int sign, const float* in) {
  const int modules = dim.stride;
  const int* offset = dim.offset[sign < 0].data();
  const int* gather = plan.gather.data();
  for (int o = 0; o < modules; o += kLanes) {
    Point x[F];
    for (int a = 0; a < F; ++a, gather += kLanes) x[a] = LoadPairs(in, gather);
    Dft<F>(x);
    StoreRows<F>(x, plan.re.data() + o, plan.im.data() + o, offset, std::min(kLanes, modules - o));
  }
}

// Along a middle dimension, in place.
template <int F>
void MiddlePass(Plan& plan, const Dimension& dim, int sign) {
  const int stride = dim.stride, block = F * stride;
  const int* offset = dim.offset[sign < 0].data();
  float* re = plan.re.data();
  float* im = plan.im.data();
  if (!dim.runs.empty()) {
    for (size_t r = 0; r < dim.runs.size(); r += kRunsPerVector) {
      const int* run = dim.runs.data() + r;
      Point x[F];
      for (int a = 0; a < F; ++a) {
        x[a].re = LoadRuns(re + a * stride, run);
        x[a].im = LoadRuns(im + a * stride, run);
      }
      Dft<F>(x);
      for (int m = 0; m < F; ++m) {
        StoreRuns(re + offset[m], run, x[m].re);
        StoreRuns(im + offset[m], run, x[m].im);
      }
    }
    return;
  }
  for (int base = 0; base < plan.length; base += block)
    for (int s = 0; s < stride; s += kLanes) {
      Point x[F];
      for (int a = 0; a < F; ++a) {
        x[a].re = LoadLanes(re + base + a * stride + s);
        x[a].im = LoadLanes(im + base + a * stride + s);
      }
      Dft<F>(x);
      StoreRows<F>(x, re + base + s, im + base + s, offset, std::min(kLanes, stride - s));
    }
}

// The points a of the lanes' modules, which lie at row[l * F + a]: runs of
// four along each module, turned into vectors across the lanes.
template <int F>
[[gnu::always_inline]] inline void LoadColumns(const float* row, Lanes* x) {
  if constexpr (F % 4 == 0) {
    for (int a = 0; a < F; a += 4)
      for (int l0 = 0; l0 < kLanes; l0 += 4) {
        float block[4][4];
        for (int l = 0; l < 4; ++l) std::memcpy(block[l], row + (l0 + l) * F + a, sizeof block[l]);
        for (int i = 0; i < 4; ++i)
          for (int l = 0; l < 4; ++l) x[a + i].v[l0 + l] = block[l][i];
      }
  } else {
    for (int a = 0; a < F; ++a)
      for (int l = 0; l < kLanes; ++l) x[a].v[l] = row[l * F + a];
  }
}

// Along the innermost dimension, writing the output: module o has its points
// at positions o F .. o F + F - 1, and the plan's scatter offsets say where
// its outputs go.
template <int F>
void LastPass(Plan& plan, int sign, float* out) {
  const int modules = plan.length / F;
  const int* scatter = plan.scatter[sign < 0].data();
  const float* re = plan.re.data();
  const float* im = plan.im.data();
  for (int o = 0; o < modules; o += kLanes) {
    Lanes xr[F], xi[F];
    LoadColumns<F>(re + o * F, xr);
    LoadColumns<F>(im + o * F, xi);
    Point x[F];
    for (int a = 0; a < F; ++a) x[a] = {xr[a], xi[a]};
    Dft<F>(x);
    const int used = std::min(kLanes, modules - o);
    for (int m = 0; m < F; ++m, scatter += kLanes) StorePairs(x[m], out, scatter, used);
  }
}

}  // namespace

void Transform(Plan& plan, int sign, const float* in, float* out) {
  const int n = plan.length;
  if (plan.dims.empty()) {  // n = 1
    out[0] = in[0];
    out[1] = in[1];
    return;
  }
  WithFactor(plan.dims.front().factor, [&](auto factor) {
    FirstPass<decltype(factor)::value>(plan, plan.dims.front(), sign, in);
  });
  if (plan.dims.size() == 1) {
    for (int p = 0; p < n; ++p) {
      out[2 * plan.point[p]] = plan.re[p];
      out[2 * plan.point[p] + 1] = plan.im[p];
    }
    return;
  }
  for (size_t d = 1; d + 1 < plan.dims.size(); ++d)
    WithFactor(plan.dims[d].factor,
               [&](auto factor) { MiddlePass<decltype(factor)::value>(plan, plan.dims[d], sign); });
  WithFactor(plan.dims.back().factor,
             [&](auto factor) { LastPass<decltype(factor)::value>(plan, sign, out); });
}

}  // namespace quarrix::pfa
