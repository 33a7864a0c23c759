#include "loader/disk_coverage.h"

#include <vector>

#include "loader/header_scan.h"
#include "loader/segy_byte_order.h"
#include "loader/segy_format.h"
#include "loader/segy_input.h"

namespace quarrix {

bool MarkDiskCoverage(const std::string& path, const SegyBinaryInfo& info, CoverageGrid& grid,
                      const HeaderWordChoice& choice) {
  const std::int64_t record_bytes = SegyRecordBytes(info);
  SegyRecordReader input;
  if (record_bytes < static_cast<std::int64_t>(kSegyTraceHeaderBytes) ||
      !input.Open(path, static_cast<std::size_t>(record_bytes)))
    return false;
  // Whole records in large blocks, in file order.
  const std::size_t bytes = static_cast<std::size_t>(record_bytes);
  const std::size_t per_block = RecordsPerBlock(bytes, kScanBlockBytes);
  std::vector<unsigned char> block(per_block * bytes);
  std::size_t count;
  do {
    count = input.Read(block.data(), per_block);
    for (std::size_t k = 0; k < count; ++k) {
      unsigned char* record = block.data() + k * bytes;
      RecordToBigEndian(info.byte_order, info.format, record, kSegyTraceHeaderBytes);
      LineTrace p = TraceLineTrace(record, choice);
      long long row = static_cast<long long>(p.line) - grid.first_line;
      long long column = static_cast<long long>(p.trace) - grid.first_trace;
      if (row >= 0 && row < grid.rows && column >= 0 && column < grid.columns)
        grid.cells[static_cast<std::size_t>(row * grid.columns + column)] = 1;
    }
  } while (count == per_block);
  return true;
}

}  // namespace quarrix
