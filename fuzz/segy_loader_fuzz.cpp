// SEG-Y bytes and tape images from outside: header decoding, the header
// scan, sample decoding, trace placement and the tape image reader must stay
// inside their buffers and free of undefined behaviour, whatever the bytes.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "loader/ebcdic.h"
#include "loader/header_scan.h"
#include "loader/load_geometry.h"
#include "loader/segy_format.h"
#include "loader/trace_placement.h"
#include "platform/tape_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quarrix;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string text = DecodeTextHeader(bytes.substr(0, kSegyTextBytes));
  SegyBinaryInfo info =
      DecodeBinaryHeader(size > kSegyTextBytes ? bytes.substr(kSegyTextBytes) : "");
  SegyHeaderMessages(text, info);
  EncodeExportText(bytes.substr(0, 200));

  // Read the same bytes as records of every format with the file's sample count.
  for (int format : {1, 2, 3, 5, 8}) {
    SegyBinaryInfo as{info.samples > 0 ? info.samples : 1, 4000, format, info.byte_order};
    std::int64_t record = SegyRecordBytes(as);
    HeaderScanTables tables = ScanHeaderBytes(bytes, record, as.byte_order);
    std::vector<float> samples(static_cast<std::size_t>(as.samples));
    std::vector<unsigned char> copy(static_cast<std::size_t>(record));
    for (std::size_t at = kSegyFileHeaderBytes; at + record <= size; at += record) {
      std::copy(data + at, data + at + record, copy.begin());
      // Every record also read as little-endian, whatever the header says.
      RecordToBigEndian(SegyByteOrder::Little, format, copy.data(), copy.size());
      const unsigned char* r = copy.data();
      DecodeTrace(r, format, 0, as.samples, samples.data());
      if (tables.traces == 0) continue;
      HeaderWordChoice choice{{48, 4}, {11, 2}, false};
      SurveyHeader h;
      h.first_line = tables.Minimum(choice.line), h.last_line = tables.Maximum(choice.line);
      h.first_trace = tables.Minimum(choice.trace), h.last_trace = tables.Maximum(choice.trace);
      h.trace_bytes = 2;
      if (HeaderProblem(h).empty()) {
        h.ComputeDerived();
        PlaceTrace(h, TraceLineTrace(r, choice));
      }
    }
  }
  TimeWindow window;
  DeriveTimeWindow(info, {0, 0, false}, window);

  // The same bytes as a tape image.
  TapeImage tape;
  tape.OpenBytes(std::string(bytes));
  std::vector<char> block(4096);
  std::size_t got;
  for (int k = 0; k < 64; ++k)
    if (tape.ReadVariableBlock(block.data(), block.size(), got) == kTapeEndOfData) break;
  tape.Rewind();
  tape.SpaceFileMarks(3);
  return 0;
}
