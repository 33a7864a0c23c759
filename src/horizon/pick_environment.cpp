#include "horizon/pick_environment.h"

#include "horizon/horizon_files.h"
#include "platform/numeric.h"
#include "platform/prompter.h"

namespace quarrix {

TraceReader::TraceReader(const AmpFile& amp, const SurveyHeader& header,
                         TraceConditioner* conditioner, TraceOrder order, std::size_t block_bytes)
    : amp_(amp),
      header_(header),
      conditioner_(conditioner),
      samples_(static_cast<std::size_t>(std::max(header.num_samples, 0)), 0) {
  if (order == TraceOrder::LineByLine)
    blocks_ = std::make_unique<LineBlockReader>(amp, header, block_bytes);
}

bool TraceReader::Read(int row, int column) {
  const int bytes = static_cast<int>(samples_.size() * 2);
  if (blocks_) return blocks_->Read(samples_.data(), row, column, bytes, conditioner_) == 0;
  return ReadTrace(amp_, header_, samples_.data(), row, column, bytes, conditioner_) == 0;
}

std::int16_t TraceReader::SampleAtMs(int relative_ms) const {
  if (!(header_.sample_rate > 0.0)) return HORIZON_NULL;
  int k = Trunc32(relative_ms / header_.sample_rate);
  if (k < 0 || k >= static_cast<int>(samples_.size())) return HORIZON_NULL;
  return samples_[static_cast<std::size_t>(k)];
}

namespace {

bool TellWriteFailure(const PickEnvironment& env) {
  env.prompter.Tell("Cannot write the horizon file " + env.horizon.path, "Error",
                    MessageIcon::Error);
  return false;
}

}  // namespace

WorkLoad LoadHorizonWork(const PickEnvironment& env, HorizonWork& work) {
  // An edit writes the registration beside the project, so a horizon elsewhere
  // would be split from it; and a horizon that cannot be read whole is refused
  // before its registration file is asked for or made.
  if (std::string outside = env.horizon.OutsideProjectProblem(); !outside.empty()) {
    env.prompter.Tell(outside, "Error", MessageIcon::Error);
    return WorkLoad::CannotRead;
  }
  work.time = HorizonGrid(env.header.num_lines, env.header.traces_per_line);
  work.amplitude = HorizonGrid(env.header.num_lines, env.header.traces_per_line);
  std::string problem;
  if (ReadWholeHorizon(env.horizon.path, &work.time, &work.amplitude, problem) !=
      HorizonReadResult::Ok) {
    env.prompter.Tell(problem, "Error", MessageIcon::Error);
    return WorkLoad::CannotRead;
  }
  auto registration = LoadPickRegistration(env.horizon, env.header, env.prompter);
  if (!registration) {
    env.prompter.Tell(kPickRegistrationFailed, "", MessageIcon::Warning);
    return WorkLoad::NoRegistration;
  }
  work.registration = std::move(*registration);
  return WorkLoad::Loaded;
}

bool SaveHorizonWork(const PickEnvironment& env, const HorizonWork& work) {
  if (!WriteHorizon(env.horizon.path, &work.time, &work.amplitude) ||
      !SavePickRegistration(env.horizon, work.registration))
    return TellWriteFailure(env);
  return true;
}

bool SaveHorizonCells(const PickEnvironment& env, const HorizonWork& work,
                      const std::vector<HorizonCell>& cells) {
  if (!WriteHorizonCells(env.horizon.path, env.header, cells) ||
      !SavePickRegistration(env.horizon, work.registration))
    return TellWriteFailure(env);
  return true;
}

void StorePick(HorizonWork& work, int row, int column, int r, const TraceReader& trace,
               const SurveyHeader& header, RegistrationRule rule, bool erase) {
  std::int16_t& time = work.time.At(row, column);
  std::int16_t& amplitude = work.amplitude.At(row, column);
  std::uint8_t& reg = work.registration.At(row, column);
  if (r > 0) {
    time = Trunc16(static_cast<double>(r) + header.start_time);
    amplitude = trace.SampleAtMs(r);
    if (rule == RegistrationRule::Seed) reg = kRegSeed;
    if (rule == RegistrationRule::Analysed) reg = kRegNone;
  } else {
    time = amplitude = HORIZON_NULL;
    if (rule != RegistrationRule::Unchanged) reg = kRegBlanked;
  }
  if (erase && rule == RegistrationRule::Seed) {
    time = amplitude = HORIZON_NULL;
    reg = kRegNone;
  }
}

}  // namespace quarrix
