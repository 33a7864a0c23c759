#include "loader/segy_input.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "loader/segy_format.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

// The records of a file read in blocks, with the number of records each
// read gave and the bytes of the record cut off at the end.
struct ReadOut {
  std::string bytes;
  std::vector<std::size_t> counts;
  std::size_t cut = 0;
};

ReadOut ReadAll(const std::string& path, std::size_t record_bytes, std::size_t per_read,
                int threads) {
  SegyRecordReader reader;
  reader.SetThreads(threads);
  EXPECT_TRUE(reader.Open(path, record_bytes));
  ReadOut out;
  std::vector<unsigned char> block(per_read * record_bytes);
  std::size_t count;
  do {
    count = reader.Read(block.data(), per_read);
    out.counts.push_back(count);
    out.bytes.append(reinterpret_cast<const char*>(block.data()), count * record_bytes);
  } while (count == per_read);
  out.cut = reader.cut_bytes();
  out.bytes.append(reinterpret_cast<const char*>(block.data()) + count * record_bytes, out.cut);
  return out;
}

TEST(SegyRecordReader, BlocksReadInPiecesOnThreadsGiveTheFileAsItIs) {
  testing::TempFolder folder;
  const std::size_t record = 1000, records = 11000;
  std::string file(kSegyFileHeaderBytes, 'h');
  for (std::size_t n = 0; n < records * record + 321; ++n)
    file.push_back(static_cast<char>((n * 7919) >> 5));
  testing::WriteFileBytes(folder.File("in.sgy"), file);
  const std::string traces = file.substr(kSegyFileHeaderBytes);
  for (int threads : {1, 2, 3}) {
    // Reads of 5 MB come in three pieces; the last read ends in the cut record.
    ReadOut out = ReadAll(folder.File("in.sgy"), record, 5000, threads);
    EXPECT_TRUE(out.bytes == traces) << threads;
    EXPECT_EQ(out.counts, (std::vector<std::size_t>{5000, 5000, 1000})) << threads;
    EXPECT_EQ(out.cut, 321u) << threads;
  }
  // A file ending on a whole record: the last read gives nothing, and nothing is cut.
  testing::WriteFileBytes(folder.File("whole.sgy"), file.substr(0, file.size() - 321));
  ReadOut out = ReadAll(folder.File("whole.sgy"), record, 5500, 3);
  EXPECT_EQ(out.counts, (std::vector<std::size_t>{5500, 5500, 0}));
  EXPECT_EQ(out.cut, 0u);
}

}  // namespace
}  // namespace quarrix
