// Writes a large IBM-float SEG-Y file for the load benchmark: band-limited
// noise traces on a regular grid (in-line at byte 189, cross-line at 193).
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "loader/ebcdic.h"
#include "loader/segy_encoding.h"

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: make_segy OUT.sgy LINES TRACES SAMPLES\n");
    return 2;
  }
  int lines = std::atoi(argv[2]), traces = std::atoi(argv[3]), samples = std::atoi(argv[4]);
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out << quarrix::EncodeExportText(std::string(3200, ' '));
  out << quarrix::EncodeBinaryHeader({samples, 4000, quarrix::kFormatIbmFloat});
  std::mt19937 random(5);
  std::normal_distribution<float> noise(0.0f, 1.0f);
  std::vector<float> trace(static_cast<std::size_t>(samples));
  std::vector<unsigned char> record(240 + 4 * trace.size());
  for (int l = 0; l < lines; ++l)
    for (int t = 0; t < traces; ++t) {
      float smooth = 0.0f, gain = 100.0f * (1 + (l * 7 + t * 3) % 11);
      for (float& s : trace) s = gain * (smooth = 0.8f * smooth + noise(random));
      std::fill(record.begin(), record.begin() + 240, 0);
      quarrix::PutWord32(record.data(), 189, l + 1);
      quarrix::PutWord32(record.data(), 193, t + 1);
      quarrix::PutWord16(record.data(), 115, samples);
      quarrix::EncodeSamples(trace.data(), samples, quarrix::kFormatIbmFloat, record.data() + 240);
      out.write(reinterpret_cast<const char*>(record.data()),
                static_cast<std::streamsize>(record.size()));
    }
  return out.flush() ? 0 : 1;
}
