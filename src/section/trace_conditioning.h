#pragma once
// The conditioning chain that every conditioned trace read runs: phase
// rotation, band-pass filter, static shift, AGC and one instantaneous
// attribute, each only when its switch is set, always in that order.
#include <cstdint>
#include <span>

#include "project/amp_file.h"
#include "section/processing_params.h"

namespace quarrix {

class Prompter;

// Runs the chain on the trace in place. Returns 1 at once, with the trace as
// the failing step found it, when the phase rotation or the filter fails
// (the user has been told why); else 0.
int ConditionTrace(std::span<std::int16_t> samples, const ProcessingParams& params,
                   double sample_rate_ms, Prompter& prompter);

// The chain as the hook of trace reading: ReadTrace(..., &conditioner).
class ProcessingConditioner : public TraceConditioner {
 public:
  ProcessingConditioner(const ProcessingParams& params, double sample_rate_ms, Prompter& prompter)
      : params_(params), sample_rate_ms_(sample_rate_ms), prompter_(prompter) {}

  int Condition(std::int16_t* samples, int sample_count) override;
  // A clone tells nothing: its failures show only in its results (the chain's
  // parameter faults are told on the calling thread, by worker 0).
  std::unique_ptr<TraceConditioner> CloneForWorker() const override;

  // True when the last Condition call failed in a step (rather than, say,
  // ReadTrace reporting a short read).
  bool last_failed() const { return last_failed_; }

 private:
  const ProcessingParams& params_;
  double sample_rate_ms_;
  Prompter& prompter_;
  bool last_failed_ = false;
};

}  // namespace quarrix
