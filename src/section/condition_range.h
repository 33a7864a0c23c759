#pragma once
// Conditioned traces of a run of lines as a text listing: what "condition"
// prints for one trace, for every trace of the lines, worked out on threads.
#include <string>

#include "platform/process_group.h"

namespace quarrix {

class AmpFile;
class Progress;
class TraceConditioner;
struct SurveyHeader;

struct ConditionedListing {
  // One text line per trace in line, then trace order: its line index, its
  // trace index and its samples, separated by blanks.
  std::string text;
  long long failed = 0;  // traces not read whole or not conditioned
  bool cancelled = false;
};

// Reads and conditions every trace of lines, the lines shared among threads
// (each with its own clone of the conditioner); the text is the same for
// every thread count. Progress goes over the lines; its cancel stops the
// work between batches of lines.
ConditionedListing ListConditionedLines(const AmpFile& amp, const SurveyHeader& header,
                                        TraceConditioner* conditioner, LineRange lines, int threads,
                                        Progress& progress);

}  // namespace quarrix
