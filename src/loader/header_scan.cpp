#include "loader/header_scan.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "loader/segy_format.h"
#include "loader/segy_input.h"
#include "platform/byte_order.h"
#include "platform/progress.h"
#include "platform/text_util.h"

namespace quarrix {

const char* const kScanTableHeadings[kScanTableColumns] = {"32-bit min", "32-bit max", "Select",
                                                           "16-bit min", "16-bit max", "Select"};
const int kScanTableWidths[kScanTableColumns] = {10, 10, 6, 10, 10, 6};

void HeaderScanTables::Reset() {
  min32.fill(std::numeric_limits<std::int32_t>::max());
  max32.fill(std::numeric_limits<std::int32_t>::min());
  min16.fill(32767);
  max16.fill(-32768);
  traces = 0;
}

void HeaderScanTables::Fold(const unsigned char* header) {
  // Word32 and Word16 read in place, so that the loops vectorise: every
  // trace of the input passes here.
  for (int k = 0; k < kWords32; ++k) {
    const std::int32_t v = ReadBig32(header + 4 * k);
    min32[k] = std::min(min32[k], v);
    max32[k] = std::max(max32[k], v);
  }
  for (int k = 0; k < kWords16; ++k) {
    const std::int32_t v = ReadBig16(header + 2 * k);
    min16[k] = std::min(min16[k], v);
    max16[k] = std::max(max16[k], v);
  }
  ++traces;
}

void HeaderScanTables::Fold(const unsigned char* header, SegyByteOrder order) {
  if (order == SegyByteOrder::Big) return Fold(header);
  unsigned char swapped[kSegyTraceHeaderBytes];
  std::copy(header, header + kSegyTraceHeaderBytes, swapped);
  RecordToBigEndian(order, 0, swapped, sizeof swapped);
  Fold(swapped);
}

void HeaderScanTables::Merge(const HeaderScanTables& other) {
  auto widen = [](auto& low, auto& high, const auto& other_low, const auto& other_high) {
    for (std::size_t k = 0; k < low.size(); ++k) {
      low[k] = std::min(low[k], other_low[k]);
      high[k] = std::max(high[k], other_high[k]);
    }
  };
  widen(min32, max32, other.min32, other.max32);
  widen(min16, max16, other.min16, other.max16);
  traces += other.traces;
}

std::int32_t HeaderScanTables::Minimum(const HeaderWord& w) const {
  return w.width == 2 ? min16[w.index - 1] : min32[w.index - 1];
}

std::int32_t HeaderScanTables::Maximum(const HeaderWord& w) const {
  return w.width == 2 ? max16[w.index - 1] : max32[w.index - 1];
}

namespace {

// The scan on several threads: each folds the headers it reads into tables
// of its own, which are put together at the end (the ranges do not depend
// on the order of the headers). Progress moves a block at a time.
std::optional<HeaderScanTables> ScanSharedBlocks(SegyRecordReader& input, HeaderScanTables& tables,
                                                 Progress& progress, SegyByteOrder order,
                                                 const RecordBlockVisitor& visit, int threads,
                                                 std::vector<unsigned char>& block) {
  struct alignas(64) WorkerTables {
    HeaderScanTables tables;
  };
  std::vector<WorkerTables> of_worker(static_cast<std::size_t>(threads));
  const std::size_t bytes = input.record_bytes(), per_block = block.size() / bytes;
  auto fold_and_measure = [&](int worker, unsigned char* out, std::size_t first, std::size_t n) {
    HeaderScanTables& own = of_worker[static_cast<std::size_t>(worker)].tables;
    for (std::size_t k = first; k < first + n; ++k) own.Fold(out + k * bytes, order);
    if (visit.measure) visit.measure(worker, out, first, n);
  };
  long long scanned = 0;
  for (;;) {
    if (progress.Cancelled()) return std::nullopt;
    const std::size_t count = input.Read(block.data(), per_block, fold_and_measure);
    if (visit.fold && count > 0) visit.fold(count);
    scanned += static_cast<long long>(count);
    if (scanned >= 1000)
      progress.SetLabel(FormatText("Scan Headers %lld Traces", scanned / 1000 * 1000));
    progress.SetPosition(static_cast<int>(scanned % 1000 / 100));
    if (count < per_block) {
      if (input.cut_bytes() >= kSegyTraceHeaderBytes)
        tables.Fold(block.data() + count * bytes, order);
      break;
    }
  }
  for (const WorkerTables& own : of_worker) tables.Merge(own.tables);
  return tables;
}

}  // namespace

std::optional<HeaderScanTables> ScanHeaders(const std::string& path, std::int64_t record_bytes,
                                            Progress& progress, SegyByteOrder order,
                                            const RecordBlockVisitor& visit, int threads) {
  SegyRecordReader input;
  if (record_bytes < static_cast<std::int64_t>(kSegyTraceHeaderBytes) ||
      !input.Open(path, static_cast<std::size_t>(record_bytes)))
    return std::nullopt;
  input.SetThreads(threads);
  HeaderScanTables tables;
  tables.byte_order = order;
  progress.SetRange(0, 10);
  progress.SetPosition(0);
  progress.SetLabel("Scan Headers");
  // Whole records in large blocks, read in order; each header is folded
  // where it lies in the block.
  const std::size_t bytes = static_cast<std::size_t>(record_bytes);
  const std::size_t per_block = ScanBlockRecords(bytes, threads);
  std::vector<unsigned char> block(per_block * bytes);
  int bar = 0;
  auto fold = [&](const unsigned char* header) {
    if (tables.traces % 100 == 0) progress.SetPosition(++bar);
    tables.Fold(header, order);
    if (tables.traces % 1000 == 0) {
      progress.SetLabel(FormatText("Scan Headers %lld Traces", tables.traces));
      progress.SetPosition(bar = 0);
    }
  };
  if (threads > 1) return ScanSharedBlocks(input, tables, progress, order, visit, threads, block);
  for (;;) {
    if (progress.Cancelled()) return std::nullopt;
    const std::size_t count = input.Read(block.data(), per_block, visit.measure);
    for (std::size_t k = 0; k < count; ++k) {
      if (k > 0 && progress.Cancelled()) return std::nullopt;
      fold(block.data() + k * bytes);
    }
    if (visit.fold && count > 0) visit.fold(count);
    if (count < per_block) {
      // A record cut off by the end of the file still has its header scanned.
      if (input.cut_bytes() >= kSegyTraceHeaderBytes) fold(block.data() + count * bytes);
      break;
    }
  }
  return tables;
}

std::size_t ScanBlockRecords(std::size_t record_bytes, int threads) {
  return RecordsPerBlock(record_bytes,
                         kScanBlockBytes * static_cast<std::size_t>(std::max(threads, 1)));
}

HeaderScanTables ScanHeaderBytes(std::string_view file, std::int64_t record_bytes,
                                 SegyByteOrder order) {
  HeaderScanTables tables;
  tables.byte_order = order;
  if (record_bytes < static_cast<std::int64_t>(kSegyTraceHeaderBytes)) return tables;
  const auto* bytes = reinterpret_cast<const unsigned char*>(file.data());
  for (std::size_t at = kSegyFileHeaderBytes; at + kSegyTraceHeaderBytes <= file.size();
       at += static_cast<std::size_t>(record_bytes)) {
    tables.Fold(bytes + at, order);
  }
  return tables;
}

std::string ScanSummaryText(const HeaderScanTables& tables) {
  return FormatText("Trace headers: %lld   Byte order: %s", tables.traces,
                    ByteOrderName(tables.byte_order));
}

void HeaderScanMarks::Mark(WordMark kind, int row, int column) {
  for (WordMark& m : marks32_)
    if (m == kind) m = WordMark::None;
  for (WordMark& m : marks16_)
    if (m == kind) m = WordMark::None;
  if (column == 3 && row >= 1 && row <= kWords32) marks32_[row - 1] = kind;
  if (column == 6 && row >= 1 && row <= kWords16) marks16_[row - 1] = kind;
}

WordMark HeaderScanMarks::MarkAt(int row, int column) const {
  if (column == 3 && row >= 1 && row <= kWords32) return marks32_[row - 1];
  if (column == 6 && row >= 1 && row <= kWords16) return marks16_[row - 1];
  return WordMark::None;
}

std::optional<HeaderWordChoice> HeaderScanMarks::Choice(bool two_d, std::string& problem) const {
  HeaderWordChoice choice;
  choice.two_d = two_d;
  int lines = 0, traces = 0;
  // A 16-bit mark overrides a 32-bit one of the same kind.
  auto collect = [&](const auto& marks, int width) {
    for (std::size_t k = 0; k < marks.size(); ++k) {
      HeaderWord word{static_cast<int>(k) + 1, width};
      if (marks[k] == WordMark::Line) ++lines, choice.line = word;
      if (marks[k] == WordMark::Trace) ++traces, choice.trace = word;
    }
  };
  collect(marks32_, 4);
  collect(marks16_, 2);
  if (lines > 1)
    problem = "Multiple LINE Locations Selected";
  else if (traces > 1)
    problem = "Multiple TRACE Locations Selected";
  else if (lines == 0 && !two_d)
    problem = "LINE Location not Selected";
  else if (traces == 0)
    problem = "TRACE Location not Selected";
  else
    return choice;
  return std::nullopt;
}

std::string ScanTableRowHeading(int row) {
  if (row < 1 || row > kScanTableRows) return "";
  std::string bytes32 = row <= kWords32 ? std::to_string(4 * row - 3) : "-";
  return std::to_string(row) + ": byte " + bytes32 + " | " + std::to_string(2 * row - 1);
}

std::string ScanTableCell(const HeaderScanTables& t, const HeaderScanMarks& marks, int row,
                          int column) {
  if (row < 1 || row > kScanTableRows) return "";
  switch (column) {
    case 1: return row <= kWords32 ? std::to_string(t.min32[row - 1]) : "";
    case 2: return row <= kWords32 ? std::to_string(t.max32[row - 1]) : "";
    case 4: return std::to_string(t.min16[row - 1]);
    case 5: return std::to_string(t.max16[row - 1]);
    case 3:
    case 6:
      switch (marks.MarkAt(row, column)) {
        case WordMark::Line: return "LINE";
        case WordMark::Trace: return "TRACE";
        default: return "";
      }
    default: return "";
  }
}

}  // namespace quarrix
