// A project whose header, horizon and trace file disagree in size: the header's
// fields (any numbers, any sample rate), a horizon file and a trace file of any
// length. Opening the project, reading the horizon, every trace and a time
// slice must stay inside their buffers, and nothing may allocate beyond what the
// files on disk can hold (the run's memory limit catches that).
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "horizon/horizon_grid.h"
#include "horizon/time_slices.h"
#include "platform/atomic_file.h"
#include "platform/progress.h"
#include "platform/scripted_prompter.h"
#include "project/amp_file.h"
#include "project/header_file.h"
#include "project/project_state.h"

namespace {

// Takes bytes from the front of the input, zeros when it runs out.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  template <typename T>
  T Take() {
    T value{};
    std::size_t n = std::min(sizeof value, size_);
    std::memcpy(&value, data_, n);
    data_ += n;
    size_ -= n;
    return value;
  }
  std::string TakeBytes(std::size_t count) {
    count = std::min(count, size_);
    std::string bytes(reinterpret_cast<const char*>(data_), count);
    data_ += count;
    size_ -= count;
    return bytes;
  }
  std::string Rest() { return TakeBytes(size_); }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

const std::string& Folder() {
  static const std::string folder = [] {
    char name[] = "/tmp/quarrix_trace_fuzz_XXXXXX";
    return std::string(mkdtemp(name) ? name : "/tmp");
  }();
  return folder;
}

// Small sound fields by default, so that most inputs reach the readers; the
// flag bits swap in raw numbers (absurd grids, odd byte counts, any sample rate).
quarrix::SurveyHeader HeaderFrom(Input& in) {
  const auto flags = in.Take<std::uint8_t>();
  quarrix::SurveyHeader h;
  h.trace_bytes = flags & 1 ? in.Take<std::int32_t>() : 2 * (1 + in.Take<std::uint8_t>());
  h.first_line = in.Take<std::int16_t>();
  h.last_line = flags & 2 ? in.Take<std::int32_t>() : h.first_line + in.Take<std::uint8_t>() % 16;
  h.first_trace = in.Take<std::int16_t>();
  h.last_trace = flags & 4 ? in.Take<std::int32_t>() : h.first_trace + in.Take<std::uint8_t>() % 16;
  h.start_time = in.Take<std::int16_t>();
  h.sample_rate = flags & 8 ? in.Take<float>() : 1.0 + in.Take<std::uint8_t>() % 8;
  h.line_increment = 1.0f + in.Take<std::uint8_t>() % 4;
  h.trace_increment = 1.0f + in.Take<std::uint8_t>() % 4;
  h.num_samples = h.trace_bytes / 2;  // what the header file stores is twice this
  return h;
}

void ReadEverything(quarrix::ProjectState& project, const std::string& horizon_path) {
  const quarrix::SurveyHeader& h = project.header;
  quarrix::HorizonGrid time(h.num_lines, h.traces_per_line), amplitude = time;
  std::string problem;
  quarrix::ReadWholeHorizon(horizon_path, &time, &amplitude, problem);
  std::vector<std::int16_t> samples(static_cast<std::size_t>(h.num_samples));
  for (int i = 0; i < h.num_lines; ++i)
    for (int j = 0; j < h.traces_per_line; ++j)
      quarrix::ReadTrace(project.amp, h, samples.data(), i, j, h.trace_bytes);
  quarrix::SliceRequest slice;
  slice.start_ms = slice.end_ms = h.start_time;
  quarrix::NullProgress progress;
  quarrix::ScriptedPrompter prompter;
  quarrix::GenerateTimeSlices(h, project.amp, nullptr, Folder(), slice, progress, prompter);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  const quarrix::SurveyHeader header = HeaderFrom(in);
  const std::string horizon = in.TakeBytes(in.Take<std::uint16_t>());
  // The trace file's length is chosen apart from its bytes (the rest, repeated),
  // so that lengths near the header's grid are common.
  const std::size_t trace_file_bytes = in.Take<std::uint16_t>();
  const std::string pattern = in.Rest();
  std::string traces(trace_file_bytes, '\0');
  for (std::size_t k = 0; !pattern.empty() && k < traces.size(); ++k)
    traces[k] = pattern[k % pattern.size()];
  const auto bytes = quarrix::EncodeHeader(header);
  const std::string base = Folder() + "/survey.";
  if (!quarrix::WriteFileAtomically(base + "hdr", std::string_view(bytes.data(), bytes.size())) ||
      !quarrix::WriteFileAtomically(base + "amp", traces) ||
      !quarrix::WriteFileAtomically(Folder() + "/top.hor", horizon))
    std::abort();
  quarrix::ProjectState project;
  quarrix::ScriptedPrompter prompter;
  if (!quarrix::OpenProject(project, base + "hdr", prompter)) return 0;
  ReadEverything(project, Folder() + "/top.hor");
  return 0;
}
