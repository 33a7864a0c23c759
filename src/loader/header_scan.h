#pragma once
// The header scan: the range of every trace-header word over a whole file,
// and the marks with which the user picks the line and trace words from the
// table of those ranges.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "loader/segy_byte_order.h"
#include "loader/segy_input.h"
#include "loader/trace_header.h"

namespace quarrix {

class Progress;

struct HeaderScanTables {
  std::array<std::int32_t, kWords32> min32, max32;
  std::array<std::int32_t, kWords16> min16, max16;
  long long traces = 0;
  SegyByteOrder byte_order = SegyByteOrder::Big;  // of the file the words were read from

  HeaderScanTables() { Reset(); }
  void Reset();
  // Folds the words of one 240-byte trace header into the ranges and counts
  // its trace.
  void Fold(const unsigned char* header);
  // Folds a header of a file in the given byte order.
  void Fold(const unsigned char* header, SegyByteOrder order);
  // Widens the ranges by those of another scan and adds its traces.
  void Merge(const HeaderScanTables& other);
  std::int32_t Minimum(const HeaderWord& word) const;
  std::int32_t Maximum(const HeaderWord& word) const;
};

// What a scan does with the trace records it reads besides folding their
// headers. measure sees each piece of a block on the thread that read it,
// in the file's byte order, and leaves the bytes as they are; fold then sees
// the block's count whole records on the calling thread, in file order,
// after their headers were folded. A record cut off by the end of the file
// is not among them.
struct RecordBlockVisitor {
  SegyRecordReader::PieceVisitor measure;
  std::function<void(std::size_t count)> fold;
};

// The most bytes of records a scan reads at once for each thread.
constexpr std::size_t kScanBlockBytes = std::size_t{1} << 20;

// The records a scan reads at once: about 1 MiB for each thread, so that
// every thread reads and measures a share of each block.
std::size_t ScanBlockRecords(std::size_t record_bytes, int threads);

// Scans the trace headers of a SEG-Y disk file (records of record_bytes from
// byte 3600 to the end of the file, a cut-off last record included when its
// header is whole), each header read in the file's byte order. Nothing when
// the file cannot be opened or the user cancels. Blocks are read on threads
// threads.
std::optional<HeaderScanTables> ScanHeaders(const std::string& path, std::int64_t record_bytes,
                                            Progress& progress,
                                            SegyByteOrder order = SegyByteOrder::Big,
                                            const RecordBlockVisitor& visit = {}, int threads = 1);

// The same scan over the bytes of a whole file held in memory.
HeaderScanTables ScanHeaderBytes(std::string_view file, std::int64_t record_bytes,
                                 SegyByteOrder order = SegyByteOrder::Big);

// The line under the table: how many trace headers were scanned and in which
// byte order their words were read ("Trace headers: 1200   Byte order: little-endian").
std::string ScanSummaryText(const HeaderScanTables& tables);

// The "Header Information" table as data: 6 columns ("32-bit min",
// "32-bit max", "Select", "16-bit min", "16-bit max", "Select") and 120 rows.
constexpr int kScanTableColumns = 6;
constexpr int kScanTableRows = kWords16;
extern const char* const kScanTableHeadings[kScanTableColumns];
extern const int kScanTableWidths[kScanTableColumns];

enum class WordMark : std::uint8_t { None = 0, Line = 10, Trace = 20 };

class HeaderScanMarks {
 public:
  // Marks the word of a Select cell (column 3 or 6, 1-based, row 1-based),
  // after removing every mark of that kind; other cells only clear the kind.
  void Mark(WordMark kind, int row, int column);
  WordMark MarkAt(int row, int column) const;
  // The chosen words, or the text that keeps the dialog open ("Multiple LINE
  // Locations Selected", "LINE Location not Selected", ...).
  std::optional<HeaderWordChoice> Choice(bool two_d, std::string& problem) const;

 private:
  std::array<WordMark, kWords32> marks32_{};
  std::array<WordMark, kWords16> marks16_{};
};

// The text of one cell (1-based row and column): numbers for the ranges,
// "LINE" / "TRACE" for marked Select cells, "" elsewhere.
std::string ScanTableCell(const HeaderScanTables& tables, const HeaderScanMarks& marks, int row,
                          int column);
// The heading of a row: its word number and the 1-based header bytes where
// the 32-bit and the 16-bit word of that number start ("48: byte 189 | 95";
// rows past the 32-bit words give "-" for it).
std::string ScanTableRowHeading(int row);

}  // namespace quarrix
