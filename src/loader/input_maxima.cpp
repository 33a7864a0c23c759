#include "loader/input_maxima.h"

#include <algorithm>

#include "loader/ibm_trace_kernels.h"
#include "loader/segy_byte_order.h"

namespace quarrix {

InputMaxima::InputMaxima(const SegyBinaryInfo& info, const TimeWindow& window, int threads)
    : info_(info),
      window_(window),
      threads_(std::max(threads, 1)),
      record_bytes_(static_cast<std::size_t>(SegyRecordBytes(info))),
      maxima_(ScanBlockRecords(record_bytes_, threads_)),
      decoded_(static_cast<std::size_t>(threads_),
               std::vector<float>(static_cast<std::size_t>(std::max(window.num_samples, 0)))),
      record_(
          static_cast<std::size_t>(threads_),
          std::vector<unsigned char>(info.byte_order == SegyByteOrder::Big ? 0 : record_bytes_)) {}

void InputMaxima::Measure(int worker, const unsigned char* block, std::size_t first,
                          std::size_t count) {
  const auto w = static_cast<std::size_t>(worker);
  for (std::size_t k = first; k < first + count; ++k) {
    const unsigned char* record = block + k * record_bytes_;
    if (info_.byte_order != SegyByteOrder::Big) {
      // The header scan still reads this record in the file's byte order.
      std::copy(record, record + record_bytes_, record_[w].begin());
      RecordToBigEndian(info_.byte_order, info_.format, record_[w].data(), record_bytes_);
      record = record_[w].data();
    }
    // IBM floats, the usual case, are compared without decoding them.
    std::optional<float> m;
    if (info_.format == kFormatIbmFloat &&
        !LargestIbmMagnitudeFast(record, window_.first_sample, window_.num_samples, m))
      m = LargestIbmMagnitude(record, window_.first_sample, window_.num_samples);
    if (!m) {
      float* decoded = decoded_[w].data();
      DecodeTrace(record, info_.format, window_.first_sample, window_.num_samples, decoded);
      m = LargestMagnitude(decoded, window_.num_samples);
    }
    maxima_[k] = *m;
  }
}

void InputMaxima::Fold(std::size_t count) {
  for (std::size_t k = 0; k < count; ++k) stats_.Add(maxima_[k], traces_++);
  if (keep_each_)
    each_.insert(each_.end(), maxima_.begin(),
                 maxima_.begin() + static_cast<std::ptrdiff_t>(count));
}

RecordBlockVisitor InputMaxima::Visitor() {
  return {[this](int worker, unsigned char* block, std::size_t first, std::size_t count) {
            Measure(worker, block, first, count);
          },
          [this](std::size_t count) { Fold(count); }};
}

}  // namespace quarrix
