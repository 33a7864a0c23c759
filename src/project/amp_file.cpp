#include "project/amp_file.h"

#include <bit>
#include <vector>

#include "platform/byte_order.h"
#include "platform/safe_write.h"

namespace quarrix {

bool AmpFile::Open(const std::string& path, AmpOpenMode mode) {
  Close();
  FileAccessMode access = FileAccessMode::Read;
  if (mode == AmpOpenMode::ReadWrite) access = FileAccessMode::ReadWrite;
  if (mode == AmpOpenMode::Create) access = FileAccessMode::Create;
  if (!file_.Open(path, access)) return false;
  path_ = path;
  writable_ = mode != AmpOpenMode::Read;
  return true;
}

bool AmpFile::Close() {
  bool closed = file_.Close();
  // Only a file written to can lose data on closing.
  if (writable_ && WriteFaultInjected(WriteStep::Close, path_)) closed = false;
  path_.clear();
  writable_ = false;
  return closed;
}

std::size_t AmpFile::ReadAt(std::int64_t offset, void* data, std::size_t count) const {
  return file_.ReadAt(offset, data, count);
}

std::size_t AmpFile::WriteAt(std::int64_t offset, const void* data, std::size_t count) {
  if (WriteFaultInjected(WriteStep::Write, path_)) return 0;
  return file_.WriteAt(offset, data, count);
}

bool AmpFile::Flush() {
  return IsOpen() && !WriteFaultInjected(WriteStep::Close, path_);
}

std::int64_t TraceOffset(const SurveyHeader& header, int line_index, int trace_index) {
  return (static_cast<std::int64_t>(line_index) * header.traces_per_line + trace_index) *
         header.trace_bytes;
}

void SamplesFromFileOrder(std::int16_t* samples, std::size_t count) {
  if constexpr (std::endian::native == std::endian::big) {
    for (std::size_t k = 0; k < count; ++k) samples[k] = SampleFromFileOrder(samples[k]);
  }
}

int FinishTraceRead(std::int16_t* samples, std::size_t got, int byte_count,
                    TraceConditioner* conditioner) {
  SamplesFromFileOrder(samples, got / 2);
  int result = got == static_cast<std::size_t>(byte_count) ? 0 : 1;
  if (conditioner && conditioner->Condition(samples, byte_count / 2) != 0) return 1;
  return result;
}

int ReadTrace(const AmpFile& file, const SurveyHeader& header, std::int16_t* samples,
              int line_index, int trace_index, int byte_count, TraceConditioner* conditioner) {
  if (byte_count < 0) return 1;
  std::size_t got = file.ReadAt(TraceOffset(header, line_index, trace_index), samples,
                                static_cast<std::size_t>(byte_count));
  return FinishTraceRead(samples, got, byte_count, conditioner);
}

int WriteTrace(AmpFile& file, const SurveyHeader& header, const std::int16_t* samples,
               int line_index, int trace_index, int byte_count) {
  if (byte_count < 0) return 1;
  std::size_t count = static_cast<std::size_t>(byte_count);
  std::int64_t offset = TraceOffset(header, line_index, trace_index);
  std::size_t written;
  if constexpr (std::endian::native == std::endian::big) {
    std::vector<std::int16_t> swapped(samples, samples + count / 2);
    SamplesFromFileOrder(swapped.data(), swapped.size());
    written = file.WriteAt(offset, swapped.data(), count);
  } else {
    written = file.WriteAt(offset, samples, count);
  }
  return written == count ? 0 : 1;
}

}  // namespace quarrix
