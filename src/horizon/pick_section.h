#pragma once
// The bins of a section pick window: an in-line (one line index, every trace),
// a cross-line (one trace index, every line) or an arbitrary line shifted by
// an offset.
#include <vector>

#include "project/survey_header.h"

namespace quarrix {

struct ArbitraryLine;

enum class PickSectionKind { Inline, Crossline, Arbitrary };

struct GridBin {
  int row = 0, column = 0;  // line index, trace index
};

struct PickSection {
  PickSectionKind kind = PickSectionKind::Inline;
  int position = 0;           // line index, trace index, or the arbitrary line's offset
  std::vector<GridBin> bins;  // one per section position; may fall outside the grid

  int count() const { return static_cast<int>(bins.size()); }
};

PickSection InlineSection(const SurveyHeader& header, int line_index);
PickSection CrosslineSection(const SurveyHeader& header, int trace_index);
// An arbitrary line's bins moved by offset traces (by_traces) or lines.
PickSection ArbitrarySection(const ArbitraryLine& line, int offset, bool by_traces);

bool BinInGrid(const SurveyHeader& header, const GridBin& bin);

// A section position from a gesture position: trace numbers on in-lines, line
// numbers on cross-lines, ordinals on arbitrary lines.
int SectionPositionOf(const SurveyHeader& header, PickSectionKind kind, int number);

}  // namespace quarrix
