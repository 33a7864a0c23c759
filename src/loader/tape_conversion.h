#pragma once
// The three tape operations: the automatic conversion (every trace read to
// temporary files first, then scanned, confirmed and placed), the manual
// conversion (ranges typed from one sample trace, traces placed while
// reading) and the copy to a SEG-Y disk file.
#include "loader/disk_conversion.h"
#include "loader/tape_reading.h"

namespace quarrix {

struct TapeLoadRequest {
  TapeSettings settings;
  TapeHeaders headers;  // from ReadTapeHeaders
  LoadWindow window;
  bool two_d = false;
  SurveyHeader defaults;  // labels, spacings and increments offered in "Header Values"
};

LoadOutcome ConvertTapeAuto(TapeDevice& tape, const TapeLoadRequest& request,
                            LoadDecisions& decisions, Prompter& prompter, Progress& progress);
LoadOutcome ConvertTapeManual(TapeDevice& tape, const TapeLoadRequest& request,
                              LoadDecisions& decisions, Prompter& prompter, Progress& progress);
// Writes DIR/NAME/NAME.sgy; outcome.header_path is the path of that copy.
LoadOutcome CopyTape(TapeDevice& tape, const TapeLoadRequest& request, LoadDecisions& decisions,
                     Prompter& prompter, Progress& progress);

}  // namespace quarrix
