#include "horizon/pick_search.h"

#include <algorithm>

#include "horizon/horizon_style.h"
#include "platform/numeric.h"

namespace quarrix {
namespace {

bool LooksForPositive(int type) {
  return type == kPickPeak || type == kPickZeroAbovePeak || type == kPickZeroBelowPeak;
}

// The candidate position of step k, given the running position before it.
int NextPosition(int type, int s, int running, int k) {
  switch (type) {
    case kPickPeak:
    case kPickTrough: return k % 2 == 0 ? running - k : running + k;
    case kPickZeroAbovePeak:
    case kPickZeroAboveTrough: return running + k;
    case kPickZeroBelowPeak: return s - 1 - k;
    default: return running - k;  // zero crossing below a trough
  }
}

// The extreme of the lobe around p: the first largest positive sample for a
// peak (sign 1), the first most negative one for a trough (sign -1).
int LobeExtreme(std::span<const std::int16_t> trace, int p, int h, int sign) {
  const int last = static_cast<int>(trace.size()) - 1;
  auto against = [&](int q) { return sign * trace[q] < 0; };
  int lo = p - h, hi = p + h;
  for (int q = p; q > p - h && q >= 0; --q)
    if (against(q)) {
      lo = q + 1;
      break;
    }
  for (int q = p; q < p + h && q <= last; ++q)
    if (against(q)) {
      hi = q - 1;
      break;
    }
  int best = p, best_value = 0;
  for (int q = std::max(lo, 0); q <= std::min(hi, last); ++q)
    if (sign * trace[q] > best_value) {
      best_value = sign * trace[q];
      best = q;
    }
  return best;
}

// The first sample from p, stepping by step, that has crossed to the other
// side (<= 0 after a peak, >= 0 after a trough), scanning while limit(q)
// holds; fallback when there is none.
int ZeroCrossing(std::span<const std::int16_t> trace, int p, int step, int limit, int sign,
                 int fallback) {
  const int last = static_cast<int>(trace.size()) - 1;
  for (int q = p; (step < 0 ? q > limit : q < limit) && q >= 0 && q <= last; q += step)
    if (sign * trace[q] <= 0) return q;
  return fallback;
}

int EventPosition(std::span<const std::int16_t> trace, int type, int p, int s, int w, int h) {
  if ((type == kPickZeroAbovePeak || type == kPickZeroBelowPeak || type == kPickZeroAboveTrough) &&
      h == 0)
    return s;
  switch (type) {
    case kPickPeak: return LobeExtreme(trace, p, h, 1);
    case kPickTrough: return LobeExtreme(trace, p, h, -1);
    case kPickZeroAbovePeak: return ZeroCrossing(trace, p, -1, p - h, 1, p - h);
    case kPickZeroBelowPeak: return ZeroCrossing(trace, p, 1, p + h, 1, p + h);
    case kPickZeroAboveTrough: return ZeroCrossing(trace, p, -1, p - h, -1, p - h);
    default: return ZeroCrossing(trace, p, 1, p + w, -1, p + h);
  }
}

}  // namespace

int PickSearch(std::span<const std::int16_t> trace, int guess_ms, const PickSearchParams& params) {
  if (params.pick_type & kPickErase) return 0;
  const int type = params.pick_type;
  if (type < kPickPeak || type > kPickZeroBelowTrough) return -1;
  if (params.pick_window_ms == 0 || type == kPickAtCursor) return guess_ms;
  if (!(params.sample_rate > 0.0)) return guess_ms;
  // Kept well inside the int range so that the visiting steps cannot overflow;
  // positions that far out lie outside any trace and are skipped anyway.
  const int s = std::clamp(Trunc32(guess_ms / params.sample_rate), -(1 << 29), 1 << 29);
  const int w = std::clamp(Trunc32(params.pick_window_ms / params.sample_rate), 0, 1 << 14);
  const int h = w / 2;
  const int count = static_cast<int>(trace.size());
  const int sign = LooksForPositive(type) ? 1 : -1;
  int seen = 0, running = s, found_step = -1, pos = s;
  for (int k = 0; k <= w; ++k) {
    running = NextPosition(type, s, running, k);
    const int p = running;
    if (p < 0 || p >= count) continue;
    const int v = trace[p];
    if (v == 0 && seen == 0) continue;
    ++seen;
    if (sign * v <= 0) continue;
    // Zero crossings past either end of the trace stay on its first or last sample.
    pos = std::clamp(EventPosition(trace, type, p, s, w, h), 0, count - 1);
    found_step = k;
    break;
  }
  if (seen == 0) return 0;
  if (found_step >= 0 && found_step < w) return Trunc32(pos * params.sample_rate);
  return guess_ms;
}

}  // namespace quarrix
