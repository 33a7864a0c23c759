#pragma once
// Time slices: for every bin the trace sample at one constant time (shifted
// by the flatten table when flattening is on), one ".slc" file per time.
#include <string>
#include <vector>

#include "horizon/flattening.h"
#include "project/amp_file.h"

namespace quarrix {

class ProcessGroup;
class Progress;
class Prompter;

struct SliceRequest {
  int start_ms = 0;
  int end_ms = 0;
  int increment_ms = 0;                   // 0 makes exactly one slice at the start time
  const FlattenTable* flatten = nullptr;  // used when on
  int threads = 1;                        // lines are shared out among this many
  // The job's processes, each reading its run of lines; the first gathers
  // the slices, writes them and tells the outcome (null: this one alone).
  ProcessGroup* group = nullptr;
};

// "%04d.slc", or "%04dflt.slc" when flattened.
std::string SliceFileName(int time_ms, bool flattened);
// The slice times of a request: start, start + increment, ... while <= end.
std::vector<int> SliceTimes(const SliceRequest& request);

struct SliceRun {
  std::vector<std::string> written;  // paths, in time order
  bool cancelled = false;
  long long unreadable_traces = 0;  // null in every slice
};

// Writes the slices into the project folder. Every trace is read once for a
// whole group of slices (as many as fit in memory), giving the same files as
// reading the trace file once per slice. A trace that cannot be read (a trace
// file shorter than the header says) gives 32700 in every slice and is reported
// with the count; a sample index outside the trace gives 32700.
// The files do not depend on the thread count. With one thread, cancelling
// stops after the current line (with more, after the current batch of
// lines); slices not yet written are
// dropped. Ends with "Generate Time Slice Finished".
SliceRun GenerateTimeSlices(const SurveyHeader& header, AmpFile& amp, TraceConditioner* conditioner,
                            const std::string& project_folder, const SliceRequest& request,
                            Progress& progress, Prompter& prompter);

}  // namespace quarrix
