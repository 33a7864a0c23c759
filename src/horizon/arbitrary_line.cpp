#include "horizon/arbitrary_line.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/atomic_file.h"
#include "platform/byte_order.h"
#include "platform/numeric.h"
#include "platform/paths.h"
#include "platform/prompter.h"

namespace quarrix {

std::vector<ArbitraryBin> WalkArbitraryLine(const std::vector<ArbitraryBin>& vertices) {
  std::vector<ArbitraryBin> bins;
  auto add = [&](ArbitraryBin bin) {
    if (bins.size() < kMaxArbitraryBins) bins.push_back(bin);
  };
  for (std::size_t v = 0; v + 1 < vertices.size(); ++v) {
    const ArbitraryBin a = vertices[v], b = vertices[v + 1];
    const long long dx = static_cast<long long>(b.trace_index) - a.trace_index;
    const long long dy = static_cast<long long>(b.line_index) - a.line_index;
    const long long steps = std::max(std::llabs(dx), std::llabs(dy));
    // One bin per step along the longer axis, rounding the other to nearest.
    for (long long k = 0; k < steps && bins.size() < kMaxArbitraryBins; ++k) {
      double t = static_cast<double>(k) / static_cast<double>(steps);
      add({Trunc32(std::floor(a.trace_index + dx * t + 0.5)),
           Trunc32(std::floor(a.line_index + dy * t + 0.5))});
    }
  }
  if (!vertices.empty()) add(vertices.back());
  return bins;
}

std::string EncodeArbitraryLine(const std::vector<ArbitraryBin>& bins, const SurveyHeader& h) {
  std::size_t count = std::min(bins.size(), kMaxArbitraryBins);
  std::string bytes(2 + 4 * count, '\0');
  le::Put<std::uint16_t>(bytes, 0, static_cast<std::uint16_t>(count));
  for (std::size_t k = 0; k < count; ++k) {
    long long entry =
        (static_cast<long long>(bins[k].line_index) * h.traces_per_line + bins[k].trace_index) *
        h.trace_bytes;
    le::Put<std::uint32_t>(bytes, 2 + 4 * k, static_cast<std::uint32_t>(entry));
  }
  return bytes;
}

std::vector<ArbitraryBin> DecodeArbitraryLine(std::string_view bytes, const SurveyHeader& h) {
  std::vector<ArbitraryBin> bins;
  if (bytes.size() < 2 || h.trace_bytes <= 0 || h.traces_per_line <= 0) return bins;
  int stored = le::Get<std::int16_t>(bytes, 0);
  std::size_t count = std::min(
      {static_cast<std::size_t>(std::max(stored, 0)), (bytes.size() - 2) / 4, kMaxArbitraryBins});
  for (std::size_t k = 0; k < count; ++k) {
    long long entry = static_cast<std::int32_t>(le::Get<std::uint32_t>(bytes, 2 + 4 * k));
    long long record = entry / h.trace_bytes;
    long long line = record / h.traces_per_line;
    bins.push_back({static_cast<int>(record - line * h.traces_per_line), static_cast<int>(line)});
  }
  return bins;
}

bool SaveArbitraryLine(const std::string& path, const std::vector<ArbitraryBin>& vertices,
                       const SurveyHeader& header, Prompter& prompter) {
  if (!WriteFileAtomically(path, EncodeArbitraryLine(WalkArbitraryLine(vertices), header))) {
    prompter.Tell("Cannot create arb file", "Error", MessageIcon::Stop);
    return false;
  }
  return true;
}

bool ReadArbitraryLine(const std::string& path, const SurveyHeader& header, ArbitraryLine& line) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return false;
  line.name = FileNameOf(path);
  line.bins = DecodeArbitraryLine(bytes, header);
  return true;
}

}  // namespace quarrix
