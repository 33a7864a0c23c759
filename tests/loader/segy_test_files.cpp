#include "segy_test_files.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "loader/segy_encoding.h"

namespace quarrix::testing {

namespace {

// Reverses the bytes of the fields (at 1-based bytes) of a little-endian file.
void Reverse(unsigned char* header, std::initializer_list<std::pair<int, int>> fields) {
  for (auto [byte, width] : fields) std::reverse(header + byte - 1, header + byte - 1 + width);
}

}  // namespace

std::string BuildSegy(const std::vector<TestTrace>& traces, int samples, int interval_us,
                      int format, SegyByteOrder order) {
  const bool little = order == SegyByteOrder::Little;
  std::string bytes(kSegyTextBytes, '\x40');
  std::string binary = EncodeBinaryHeader({samples, interval_us, format});
  if (little) Reverse(reinterpret_cast<unsigned char*>(binary.data()), {{17, 2}, {21, 2}, {25, 2}});
  bytes += binary;
  std::vector<unsigned char> record(
      static_cast<std::size_t>(SegyRecordBytes({samples, 0, format})));
  const int width = SampleWidth(format);
  for (const TestTrace& t : traces) {
    std::fill(record.begin(), record.end(), 0);
    PutWord32(record.data(), 189, t.line);
    PutWord32(record.data(), 193, t.trace);
    PutWord16(record.data(), 115, samples);
    EncodeSamples(t.samples.data(), std::min<int>(samples, static_cast<int>(t.samples.size())),
                  format, record.data() + kSegyTraceHeaderBytes);
    if (little) {
      Reverse(record.data(), {{189, 4}, {193, 4}, {115, 2}});
      for (int n = 0; n < samples; ++n) {
        unsigned char* sample = record.data() + kSegyTraceHeaderBytes + n * width;
        std::reverse(sample, sample + width);
      }
    }
    bytes.append(reinterpret_cast<const char*>(record.data()), record.size());
  }
  return bytes;
}

std::vector<TestTrace> GridTraces(int first_line, int lines, int first_trace, int traces,
                                  int samples, float (*f)(int, int, int)) {
  std::vector<TestTrace> out;
  for (int l = first_line; l < first_line + lines; ++l)
    for (int t = first_trace; t < first_trace + traces; ++t) {
      TestTrace trace{l, t, std::vector<float>(static_cast<std::size_t>(samples))};
      for (int n = 0; n < samples; ++n) trace.samples[n] = f(l, t, n);
      out.push_back(std::move(trace));
    }
  return out;
}

bool TestDecisions::HasMessage(const std::string& text) const {
  return std::find(messages.begin(), messages.end(), text) != messages.end();
}

}  // namespace quarrix::testing
