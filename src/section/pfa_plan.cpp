#include "section/pfa_plan.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

#include "section/pfa_modules.h"

namespace quarrix::pfa {
namespace {

constexpr std::array<int, 10> kFactors = {16, 13, 11, 9, 8, 7, 5, 4, 3, 2};

// The largest module's points fill whole groups of lanes when the innermost
// dimension is a multiple of the lane count; the passes along the other
// dimensions then load and store whole vectors.
std::vector<int> DimensionOrder(int n) {
  std::vector<int> factors;
  int left = n;
  for (int f : kFactors)
    if (left % f == 0) {
      left /= f;
      factors.push_back(f);
    }
  if (factors.empty()) return factors;
  auto inner = std::find_if(factors.begin(), factors.end(), [](int f) { return f % 4 == 0; });
  if (inner == factors.end()) inner = factors.begin();
  std::rotate(inner, inner + 1, factors.end());
  return factors;
}

}  // namespace

Plan::Plan(int n) : length(n) {
  std::vector<int> factors = DimensionOrder(n);
  dims.resize(factors.size());
  int stride = 1;
  for (int d = static_cast<int>(dims.size()) - 1; d >= 0; --d) {
    Dimension& dim = dims[d];
    const int f = factors[d];
    dim.factor = f;
    dim.stride = stride;
    stride *= f;
    int rotation = 1;
    while ((static_cast<long long>(rotation) * (n / f)) % f != 1 % f) ++rotation;
    for (int s = 0; s < 2; ++s) {
      const int r = s == 0 ? rotation : (f - rotation) % f;
      for (int k = 0; k < f; ++k) dim.offset[s][(r * k) % f] = k * dim.stride;
    }
  }
  for (size_t d = 1; d + 1 < dims.size(); ++d) {
    Dimension& dim = dims[d];
    if (dim.stride % 4 != 0) continue;
    for (int base = 0; base < n; base += dim.factor * dim.stride)
      for (int s = 0; s < dim.stride; s += 4) dim.runs.push_back(base + s);
    while (dim.runs.size() % kRunsPerVector != 0) dim.runs.push_back(dim.runs.back());
  }
  const int padding = 16 * kLanes;
  re.assign(n + padding, 0.0f);
  im.assign(n + padding, 0.0f);
  natural.assign(2 * n, 0.0f);
  half_cos.resize(n + 1);
  half_sin.resize(n + 1);
  for (int k = 0; k <= n; ++k) {
    const double angle = std::numbers::pi * k / n;
    half_cos[k] = static_cast<float>(std::cos(angle));
    half_sin[k] = static_cast<float>(std::sin(angle));
  }
  point.assign(n + padding, 0);
  for (int j = 0; j < n; ++j) {
    int p = 0;
    for (const Dimension& dim : dims) p += (j % dim.factor) * dim.stride;
    point[p] = j;
  }
  if (dims.empty()) return;
  const Dimension& outer = dims.front();
  for (int o = 0; o < outer.stride; o += kLanes)
    for (int a = 0; a < outer.factor; ++a)
      for (int l = 0; l < kLanes; ++l) gather.push_back(2 * point[a * outer.stride + o + l]);
  const Dimension& inner = dims.back();
  const int inner_modules = n / inner.factor;
  for (int s = 0; dims.size() > 1 && s < 2; ++s)
    for (int o = 0; o < inner_modules; o += kLanes)
      for (int m = 0; m < inner.factor; ++m)
        for (int l = 0; l < kLanes; ++l)
          scatter[s].push_back(
              o + l < inner_modules ? 2 * point[(o + l) * inner.factor + inner.offset[s][m]] : 0);
}

Plan& PlanFor(int n) {
  constexpr int kCached = 4;
  thread_local std::array<std::unique_ptr<Plan>, kCached> cache;
  thread_local int next = 0;
  for (auto& plan : cache)
    if (plan && plan->length == n) return *plan;
  auto& slot = cache[next];
  next = (next + 1) % kCached;
  slot = std::make_unique<Plan>(n);
  return *slot;
}

}  // namespace quarrix::pfa
