#include "loader/input_maxima.h"

#include <algorithm>

#include "loader/segy_byte_order.h"
#include "platform/parallel.h"

namespace quarrix {

InputMaxima::InputMaxima(const SegyBinaryInfo& info, const TimeWindow& window, int threads)
    : info_(info),
      window_(window),
      threads_(std::max(threads, 1)),
      record_bytes_(static_cast<std::size_t>(SegyRecordBytes(info))),
      decoded_(static_cast<std::size_t>(threads_),
               std::vector<float>(static_cast<std::size_t>(std::max(window.num_samples, 0)))) {}

void InputMaxima::Count(unsigned char* records, std::size_t count) {
  maxima_.resize(count);
  RunParallel(static_cast<int>(count), threads_, [&](int worker, int k) {
    unsigned char* record = records + static_cast<std::size_t>(k) * record_bytes_;
    RecordToBigEndian(info_.byte_order, info_.format, record, record_bytes_);
    // IBM floats, the usual case, are compared without decoding them.
    std::optional<float> m;
    if (info_.format == kFormatIbmFloat)
      m = LargestIbmMagnitude(record, window_.first_sample, window_.num_samples);
    if (!m) {
      float* decoded = decoded_[static_cast<std::size_t>(worker)].data();
      DecodeTrace(record, info_.format, window_.first_sample, window_.num_samples, decoded);
      m = LargestMagnitude(decoded, window_.num_samples);
    }
    maxima_[static_cast<std::size_t>(k)] = *m;
  });
  // In input order, as the conversion adds them: the same sum and the same
  // trace of the largest value.
  for (float m : maxima_) stats_.Add(m, traces_++);
}

}  // namespace quarrix
