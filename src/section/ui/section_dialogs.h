#pragma once
// The dialogs of the trace plot window, each modal and centred over its
// parent; they change the caller's state only when the user confirms.
#include <functional>
#include <optional>

#include "section/colour_bar_edits.h"

class QWidget;

namespace quarrix {

struct ProcessingParams;
struct ProjectState;

// "Processing Options": true when OK stored the fields in params.
bool EditProcessingOptions(QWidget* parent, ProcessingParams& params);

// What "Scan for Min/Max" of "Color Parameters" scans, and whose bar it is.
struct ColourScanSource {
  std::function<std::optional<MinMaxScan>()> scan;
  ColourBarOwner owner = ColourBarOwner::TracePlot;
};

// The trace plot's scan: every trace of the project's trace file, conditioned
// with params, under the wait cursor and a progress window with Cancel.
ColourScanSource TraceFileScan(QWidget* parent, ProjectState& project,
                               const ProcessingParams& params);

// "Color Parameters": the bar's minimum, maximum and increment.
bool EditColourParameters(QWidget* parent, ColourBar& bar, const ColourScanSource& source);
// The band editor: "Set Color" (colours) for a linear bar, "Select Color Bar
// Colors" (colours and thresholds) for a non-linear one.
bool EditBarColours(QWidget* parent, ColourBar& bar);
// "&Change Colors": "Color Parameters", then "Set Color" for a linear bar or
// "Select Color Bar Colors" for a non-linear one; a cleared bar starts as the
// default bar. True when the parameters were confirmed.
bool ChangeColours(QWidget* parent, ColourBar& bar, const ColourScanSource& source);

// "P&rocess"/"&Batch Process": asks "Do INPLACE processing" and, for No, the
// new trace file, then conditions every trace with a progress window. True
// when done; the window redraws, as the switches now in the data are off.
bool BatchProcessFromWindow(QWidget* parent, ProjectState& project, ProcessingParams& params);

}  // namespace quarrix
