#pragma once
// The search that moves a guessed time to the event a horizon follows: a
// peak, a trough, one of four zero crossings, or (at cursor) no move at all.
#include <cstdint>
#include <span>

namespace quarrix {

struct PickSearchParams {
  int pick_type = 1;         // 1..7, plus 8 for erase
  int pick_window_ms = 10;   // 0 disables searching
  double sample_rate = 4.0;  // ms per sample
};

// guess_ms and the result are relative to the trace's start time. A positive
// result is the picked time; 0 means no pick (nothing but zeros on the search
// path, or the erase flag); -1 means the pick type is not 1..7; the guess comes
// back unchanged when nothing was found inside the window.
int PickSearch(std::span<const std::int16_t> trace, int guess_ms, const PickSearchParams& params);

}  // namespace quarrix
