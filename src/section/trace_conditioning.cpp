#include "section/trace_conditioning.h"

#include "platform/prompter.h"
#include "section/band_pass.h"
#include "section/phase_rotation.h"
#include "section/rms_agc.h"
#include "section/static_shift.h"
#include "section/trace_attributes.h"

namespace quarrix {
namespace {

// Answers every question with its first choice and shows nothing.
class SilentPrompter : public Prompter {
 public:
  MessageAnswer Message(const std::string&, const std::string&, MessageIcon,
                        MessageButtons) override {
    return MessageAnswer::Ok;
  }
  std::optional<std::string> OpenFile(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> SaveFile(const FileDialogRequest&) override { return std::nullopt; }
};

// A ProcessingConditioner over the same parameters with its own silent prompter.
class WorkerProcessingConditioner : public TraceConditioner {
 public:
  WorkerProcessingConditioner(const ProcessingParams& params, double sample_rate_ms)
      : inner_(params, sample_rate_ms, silent_) {}
  int Condition(std::int16_t* samples, int sample_count) override {
    return inner_.Condition(samples, sample_count);
  }

 private:
  SilentPrompter silent_;
  ProcessingConditioner inner_;
};

}  // namespace

int ConditionTrace(std::span<std::int16_t> samples, const ProcessingParams& params,
                   double sample_rate_ms, Prompter& prompter) {
  if (params.phase_on && PhaseAndPower(samples, sample_rate_ms, 0.0f,
                                       static_cast<float>(params.phase_deg / 180.0), prompter) != 0)
    return 1;
  if (params.filter_on) {
    float corners[4];
    for (int i = 0; i < 4; ++i) corners[i] = static_cast<float>(params.filter_hz[i]);
    if (BandPassFilter(samples, sample_rate_ms, corners, 4, nullptr, 0, prompter) != 0) return 1;
  }
  if (params.shift_on) StaticShift(samples, sample_rate_ms, params.shift_ms);
  if (params.agc_on) RmsAgc(samples, sample_rate_ms, params.agc_window_ms, params.agc_scale);
  if (params.attribute != kAttributeNone) TraceAttribute(samples, sample_rate_ms, params.attribute);
  return 0;
}

int ProcessingConditioner::Condition(std::int16_t* samples, int sample_count) {
  std::span<std::int16_t> trace(samples, sample_count > 0 ? sample_count : 0);
  last_failed_ = ConditionTrace(trace, params_, sample_rate_ms_, prompter_) != 0;
  return last_failed_ ? 1 : 0;
}

std::unique_ptr<TraceConditioner> ProcessingConditioner::CloneForWorker() const {
  return std::make_unique<WorkerProcessingConditioner>(params_, sample_rate_ms_);
}

}  // namespace quarrix
