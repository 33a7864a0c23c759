#pragma once
// The grid side of the loads that place traces while reading (disk and the
// manual tape conversion): the trace file pre-filled with zero traces, each
// kept trace written at its cell with its maximum, and the closing "Set Scale
// Value" step with the scaling pass before the project is committed.
#include <cstdint>
#include <optional>
#include <vector>

#include "loader/trace_placement.h"
#include "loader/trace_scaling.h"
#include "project/survey_header.h"

namespace quarrix {

class LoadDecisions;
class ProjectOutput;
class Progress;
class Prompter;

class GridWriter {
 public:
  GridWriter(ProjectOutput& output, const SurveyHeader& header, Prompter& prompter)
      : output_(output), header_(header), prompter_(prompter) {}

  // Allocates the per-cell maxima and pre-fills the trace file; false after
  // telling the user.
  bool Prepare(const char* label, Progress& progress);

  enum class Placed { Written, Skipped, Failed };
  // Writes a trace at its cell (Skipped when it is not kept; Failed after
  // telling the user that the trace file could not be written).
  Placed Put(const LineTrace& position, float maximum, const std::int16_t* samples);
  // Put, but where the machine's byte order is the trace file's the samples
  // are written from where they are, runs of neighbours in one go: they
  // must stay as they are until the next Flush.
  Placed PutKept(const LineTrace& position, float maximum, const std::int16_t* samples);

  // Writes what Put and PutKept have gathered; false after telling the user.
  bool Flush();

  // With a scale value known before the conversion, the traces are given
  // to Put at their final scale (see FinalSamples) and the scaling pass over
  // the finished file is left out: the same bytes, one pass fewer. Values
  // that would be refused are ignored here (ScaleAndCommit refuses them as
  // before).
  void TracesArriveScaled(std::optional<double> used);
  // The value the traces arrive scaled with, if they do.
  const std::optional<double>& arrival_scale() const { return scale_while_placing_; }
  // The scaling pass shares the lines out among this many threads.
  void SetScalingThreads(int threads) { scaling_threads_ = threads; }

  // Unless no_scaling: asks for the scale value and rescales (when the
  // traces arrived scaled, the value must be the one they arrived with).
  // Then commits the project. False when the load ends without a project.
  bool ScaleAndCommit(const ScaleStats& stats, bool no_scaling, LoadDecisions& decisions,
                      const char* label, Progress& progress);

 private:
  ProjectOutput& output_;
  const SurveyHeader& header_;
  Prompter& prompter_;
  TraceMaxGrid maxima_;
  std::optional<double> scale_while_placing_;
  int scaling_threads_ = 1;
  // The cell a trace goes to (its maximum noted), or nothing when it is not kept.
  std::optional<std::int64_t> Place(const LineTrace& position, float maximum);

  // Traces of consecutive cells are written together: run_bytes_ from
  // run_offset_, gathered in pending_ or kept where the caller has them.
  std::vector<char> pending_;
  const char* kept_ = nullptr;
  std::int64_t run_offset_ = 0;
  std::size_t run_bytes_ = 0;
};

// The scale value of a finished reading is usable: present, and above 0
// unless every trace was zero (told to the user otherwise).
bool UsableScale(const std::optional<double>& used, const ScaleStats& stats, Prompter& prompter);

}  // namespace quarrix
