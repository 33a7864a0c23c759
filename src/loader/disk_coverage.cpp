#include "loader/disk_coverage.h"

#include <vector>

#include "loader/segy_byte_order.h"
#include "loader/segy_format.h"
#include "loader/segy_input.h"

namespace quarrix {

bool MarkDiskCoverage(const std::string& path, const SegyBinaryInfo& info, CoverageGrid& grid,
                      const HeaderWordChoice& choice) {
  const std::int64_t record_bytes = SegyRecordBytes(info);
  SegyInput input;
  if (record_bytes < static_cast<std::int64_t>(kSegyTraceHeaderBytes) || !input.Open(path) ||
      !input.Seek(kSegyFileHeaderBytes))
    return false;
  // Whole records in file order: the buffered reads stay sequential.
  std::vector<unsigned char> record(static_cast<std::size_t>(record_bytes));
  while (input.Read(record.data(), record.size()) == record.size()) {
    RecordToBigEndian(info.byte_order, info.format, record.data(), record.size());
    LineTrace p = TraceLineTrace(record.data(), choice);
    long long row = static_cast<long long>(p.line) - grid.first_line;
    long long column = static_cast<long long>(p.trace) - grid.first_trace;
    if (row >= 0 && row < grid.rows && column >= 0 && column < grid.columns)
      grid.cells[static_cast<std::size_t>(row * grid.columns + column)] = 1;
  }
  return true;
}

}  // namespace quarrix
