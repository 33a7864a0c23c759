#pragma once
// Batch processing: the conditioning chain applied to every trace of the
// project's trace file, written back in place or into a new trace file.
#include <string>

#include "section/processing_params.h"

namespace quarrix {

class ProcessGroup;
class Progress;
class Prompter;
struct ProjectState;

struct BatchTarget {
  bool in_place = false;
  std::string output_path;  // the new trace file when not in place
  int threads = 1;          // lines are shared out among this many; the file is the same
  // The processes of the job, each taking its run of lines (null: this one
  // alone). Every process calls BatchProcessTraces and gets the same result;
  // the first makes and names the new file and tells the outcome.
  ProcessGroup* group = nullptr;
};

// Why a new trace file may not be written at path, or "" when it may: never
// over the project's own trace, header or X/Y file, and never over an
// existing file that is not a trace file (*.amp), which nobody asked to lose.
std::string TraceOutputProblem(const ProjectState& project, const std::string& path);

// Processes every trace, line by line, into the target. A new file is created
// (replacing any file of that name) and filled with zero traces first. The
// progress goes from 0 to 100 in steps of 5. On success the phase, filter and
// shift switches are turned off, as their effect is now in the data; AGC and
// the attribute stay. The project keeps reading its own trace file (reopened
// read-only after in-place work). False, after telling the user, when the
// chain fails, a file cannot be opened or written, or the work is cancelled.
bool BatchProcessTraces(ProjectState& project, ProcessingParams& params, const BatchTarget& target,
                        Prompter& prompter, Progress& progress);

// The "Batch Process" command: asks "Do INPLACE processing" and, for No, the
// name of the new file, then processes. False when cancelled or failed.
bool BatchProcess(ProjectState& project, ProcessingParams& params, Prompter& prompter,
                  Progress& progress);

}  // namespace quarrix
