#pragma once
// The steps every load shares between reading the headers and writing
// traces: the time window, the survey ranges from the chosen header words,
// the corner and the confirmed header values.
#include <functional>
#include <optional>
#include <string>

#include "loader/load_decisions.h"
#include "loader/segy_format.h"
#include "project/survey_header.h"

namespace quarrix {

class Prompter;

// The load window of the "Scale Parameters" step.
struct LoadWindow {
  int start_time = 0;  // ms
  int end_time = 0;    // ms; 0 means the whole trace
  bool no_scaling = false;
};

// Which samples of each input trace are loaded.
struct TimeWindow {
  int interval_ms = 0;
  int first_sample = 0;
  int num_samples = 0;
};

// Derives the window; "" or the reason it cannot be loaded (an end beyond the
// trace, an empty or negative window, an unloadable binary header).
std::string DeriveTimeWindow(const SegyBinaryInfo& info, const LoadWindow& load, TimeWindow& out);

// A header for the load before the scan: sample rate, start time and sample
// count of the window, increments 1.
SurveyHeader InitialLoadHeader(const SegyBinaryInfo& info, const LoadWindow& load,
                               const TimeWindow& window, const SurveyHeader& labels);

// Fills the coverage grid before the direction is chosen (tape loads mark the
// cells that hold traces); may be empty.
using CoverageFiller = std::function<void(CoverageGrid&, const HeaderWordChoice&)>;

// From the scan tables to confirmed header values: the word choice, the line
// and trace ranges (2-D: line 1), the corner (when ask_corner), and the
// "Header Values" step; then the header is checked against the input. The
// window follows the confirmed start time and sample count. False when the
// user cancels or the values cannot be loaded (told through prompter).
bool ConfirmSurveyGeometry(const HeaderScanTables& tables, bool two_d, bool ask_corner,
                           const SegyBinaryInfo& info, SurveyHeader& header, TimeWindow& window,
                           HeaderWordChoice& choice, LoadDecisions& decisions, Prompter& prompter,
                           const CoverageFiller& fill = {});

}  // namespace quarrix
