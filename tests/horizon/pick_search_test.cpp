#include "horizon/pick_search.h"

#include <gtest/gtest.h>

#include <vector>

#include "horizon/horizon_style.h"

namespace quarrix {
namespace {

using Trace = std::vector<std::int16_t>;

int Search(const Trace& trace, int guess_ms, int type, int window_ms, double rate = 4.0) {
  return PickSearch(trace, guess_ms, {type, window_ms, rate});
}

TEST(PickSearch, SwitchesThatBypassTheSearch) {
  Trace trace(40, 100);
  EXPECT_EQ(Search(trace, 83, kPickPeak, 0), 83);  // no window: the guess stays
  EXPECT_EQ(Search(trace, 83, kPickAtCursor, 20), 83);
  EXPECT_EQ(Search(trace, 83, kPickPeak | kPickErase, 20), 0);
  EXPECT_EQ(Search(trace, 83, 0, 20), -1);
  EXPECT_EQ(Search(Trace(40, 0), 80, kPickPeak, 20), 0);  // nothing but zeros
  EXPECT_EQ(Search(trace, 4000, kPickPeak, 20), 0);       // the whole path is past the trace
}

TEST(PickSearch, PeakLobeIsBoundedByTheHalfWindowAndEarlierMaximumWins) {
  // Window 40 ms at 4 ms: w = 10, h = 5. A positive stretch 10..30 with no
  // negative sample: the lobe around sample 20 is 15..25.
  Trace trace(40, 0);
  for (int k = 10; k <= 30; ++k) trace[k] = 1000;
  trace[14] = 9000;  // outside the lobe
  trace[26] = 9000;
  trace[17] = 5000;
  trace[23] = 5000;
  EXPECT_EQ(Search(trace, 80, kPickPeak, 40), 17 * 4);
  // A negative sample ends the lobe: 21 is negative, so the lobe is 15..20.
  trace[21] = -1;
  trace[18] = 6000;
  EXPECT_EQ(Search(trace, 80, kPickPeak, 40), 18 * 4);
}

TEST(PickSearch, VisitsOutwardLaterSampleFirst) {
  // w = 3: visits s, s+1, s-1, s+2. Negative samples count as seen.
  Trace trace(40, 0);
  trace[10] = trace[11] = trace[9] = -500;
  trace[12] = 800;  // found only at the last step: the guess comes back
  EXPECT_EQ(Search(trace, 40, kPickPeak, 12), 40);
  trace[9] = 700;  // found at step 2
  EXPECT_EQ(Search(trace, 40, kPickPeak, 12), 36);
  // A trough is the mirror image: the first negative on the path.
  EXPECT_EQ(Search(trace, 40, kPickTrough, 12), 40);
  Trace trough(40, 0);
  trough[10] = 300;
  trough[11] = -300;
  trough[12] = -900;
  EXPECT_EQ(Search(trough, 40, kPickTrough, 20), 48);  // w = 5, h = 2: lobe 11..12
}

TEST(PickSearch, ZeroCrossingsAboveAndBelowEvents) {
  // Window 40 ms: w = 10, h = 5; guess at sample 20.
  Trace peak(60, 0);
  for (int k = 17; k <= 25; ++k) peak[k] = 1000;
  peak[16] = -10;
  peak[27] = -10;
  EXPECT_EQ(Search(peak, 80, kPickZeroAbovePeak, 40), 16 * 4);
  // Type 5 visits s - 1 first: p = 19, and no crossing before p + h = 24.
  EXPECT_EQ(Search(peak, 80, kPickZeroBelowPeak, 40), 24 * 4);
  Trace trough(60, 0);
  for (int k = 17; k <= 25; ++k) trough[k] = -1000;
  trough[22] = 0;
  EXPECT_EQ(Search(trough, 80, kPickZeroAboveTrough, 40), 16 * 4);  // 16 is 0
  // Below a trough the scan runs the whole window: the zero at 22 is found
  // from p = 20 (visits 20, 19, 17, ...).
  EXPECT_EQ(Search(trough, 80, kPickZeroBelowTrough, 40), 22 * 4);
  // Type 5 starts one sample above the guess.
  Trace early(60, 0);
  early[19] = 500;
  early[20] = -500;
  EXPECT_EQ(Search(early, 80, kPickZeroBelowPeak, 40), 20 * 4);
}

TEST(PickSearch, ZeroCrossingPastTheTraceStartStaysOnTheTrace) {
  Trace trace(30, 1000);
  // Type 4 without a crossing falls back to p - h, which is before sample 0.
  EXPECT_EQ(Search(trace, 4, kPickZeroAbovePeak, 40), 0);
}

}  // namespace
}  // namespace quarrix
