#include "horizon/pick_section.h"

#include "horizon/arbitrary_line.h"

namespace quarrix {

PickSection InlineSection(const SurveyHeader& header, int line_index) {
  PickSection section{PickSectionKind::Inline, line_index, {}};
  for (int j = 0; j < header.traces_per_line; ++j) section.bins.push_back({line_index, j});
  return section;
}

PickSection CrosslineSection(const SurveyHeader& header, int trace_index) {
  PickSection section{PickSectionKind::Crossline, trace_index, {}};
  for (int i = 0; i < header.num_lines; ++i) section.bins.push_back({i, trace_index});
  return section;
}

PickSection ArbitrarySection(const ArbitraryLine& line, int offset, bool by_traces) {
  PickSection section{PickSectionKind::Arbitrary, offset, {}};
  for (const ArbitraryBin& bin : line.bins)
    section.bins.push_back(by_traces ? GridBin{bin.line_index, bin.trace_index + offset}
                                     : GridBin{bin.line_index + offset, bin.trace_index});
  return section;
}

bool BinInGrid(const SurveyHeader& header, const GridBin& bin) {
  return bin.row >= 0 && bin.row < header.num_lines && bin.column >= 0 &&
         bin.column < header.traces_per_line;
}

int SectionPositionOf(const SurveyHeader& header, PickSectionKind kind, int number) {
  switch (kind) {
    case PickSectionKind::Inline: return header.TraceIndex(number);
    case PickSectionKind::Crossline: return header.LineIndex(number);
    default: return number;
  }
}

}  // namespace quarrix
