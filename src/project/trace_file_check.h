#pragma once
// How a project's trace file agrees with its header. The file carries no shape
// of its own, so its size is the only check that the header describes it.
#include <cstdint>
#include <string>

#include "project/survey_header.h"

namespace quarrix {

enum class TraceFileFit {
  Whole,    // exactly the header's grid of records
  Short,    // cut off: the records beyond its end read as missing
  Long,     // more bytes than the grid needs; the grid's records are read
  Foreign,  // far too small even for one sample per trace: the header is not this file's
};

struct TraceFileCheck {
  TraceFileFit fit = TraceFileFit::Whole;
  std::int64_t whole_traces = 0;  // records held whole
  std::string message;            // for every fit but Whole, worded for the user
};

// Compares a trace file of file_bytes with the grid of a sound header. Every
// buffer and grid sized from the header holds at most one 16-bit cell per trace
// or one trace, so a file that is Foreign is refused where data is read: that
// bounds what the header can make a program allocate by what is on disk.
TraceFileCheck CheckTraceFileSize(const SurveyHeader& header, std::int64_t file_bytes,
                                  const std::string& path);

class Prompter;

// Checks the trace file at path (when there is one) against the header and tells
// the user when they disagree: a warning for a Short or Long file, an error and
// false for a Foreign one.
bool TraceFileAgrees(const SurveyHeader& header, const std::string& path, Prompter& prompter);

}  // namespace quarrix
