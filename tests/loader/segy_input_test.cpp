#include "loader/segy_input.h"

#include <gtest/gtest.h>

#include <cstring>
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

// A file of the headers' bytes and then trace bytes of a pattern that tells
// one place from another: records whole records and `cut` bytes of one more.
std::string RecordFile(std::size_t record, std::size_t records, std::size_t cut, std::size_t factor,
                       int shift) {
  std::string file(kSegyFileHeaderBytes, 'h');
  for (std::size_t n = 0; n < records * record + cut; ++n)
    file.push_back(static_cast<char>((n * factor) >> shift));
  return file;
}

TEST(SegyRecordReader, BlocksReadInPiecesOnThreadsGiveTheFileAsItIs) {
  testing::TempFolder folder;
  const std::size_t record = 1000;
  const std::string file = RecordFile(record, 11000, 321, 7919, 5);
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

TEST(SegyRecordReader, EveryRecordReadIsVisitedOnceOnItsWorkerWithItsBytes) {
  testing::TempFolder folder;
  const std::size_t record = 700, records = 4000;
  const std::string file = RecordFile(record, records, 99, 31, 3);
  testing::WriteFileBytes(folder.File("in.sgy"), file);
  const std::string traces = file.substr(kSegyFileHeaderBytes);
  for (int threads : {1, 3}) {
    SegyRecordReader reader;
    reader.SetThreads(threads);
    ASSERT_TRUE(reader.Open(folder.File("in.sgy"), record));
    // Blocks of 1.75 MB: three pieces, each read in several chunks, and a
    // last block that ends in the cut record.
    const std::size_t per_block = 2500;
    std::vector<unsigned char> block(per_block * record);
    std::size_t read = 0;
    for (;;) {
      std::vector<int> seen(per_block, 0);
      std::vector<char> intact(per_block, 0);
      const std::size_t count =
          reader.Read(block.data(), per_block,
                      [&](int worker, unsigned char* out, std::size_t first, std::size_t n) {
                        EXPECT_TRUE(worker >= 0 && worker < threads);
                        for (std::size_t k = first; k < first + n; ++k) {
                          ++seen[k];
                          intact[k] = std::memcmp(out + k * record,
                                                  traces.data() + (read + k) * record, record) == 0;
                        }
                      });
      for (std::size_t k = 0; k < count; ++k) {
        EXPECT_EQ(seen[k], 1) << threads << " threads, record " << read + k;
        EXPECT_TRUE(intact[k]) << threads << " threads, record " << read + k;
      }
      for (std::size_t k = count; k < per_block; ++k) EXPECT_EQ(seen[k], 0);
      read += count;
      if (count < per_block) break;
    }
    EXPECT_EQ(read, records);
    EXPECT_EQ(reader.cut_bytes(), 99u);
  }
}

}  // namespace
}  // namespace quarrix
