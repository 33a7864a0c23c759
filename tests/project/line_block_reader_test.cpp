#include "project/line_block_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "support/test_support.h"

namespace quarrix {
namespace {

SurveyHeader Grid(int lines, int traces, int samples) {
  SurveyHeader h;
  h.first_line = 1;
  h.last_line = lines;
  h.first_trace = 1;
  h.last_trace = traces;
  h.trace_bytes = 2 * samples;
  h.sample_rate = 4.0;
  h.ComputeDerived();
  return h;
}

// Adds the trace's first sample to every sample, failing on a chosen value,
// so a test sees that the hook ran once per read and that failures pass on.
class AddFirstSample : public TraceConditioner {
 public:
  int Condition(std::int16_t* samples, int count) override {
    for (int n = 1; n < count; ++n) samples[n] = static_cast<std::int16_t>(samples[n] + samples[0]);
    return count > 0 && samples[0] == 7 ? 1 : 0;
  }
};

// A file of 7 lines x 5 traces x 6 samples whose every sample is distinct.
std::string WriteNumberedFile(testing::TempFolder& folder, const SurveyHeader& h) {
  std::string path = folder.File("t.amp");
  AmpFile file;
  EXPECT_TRUE(file.Open(path, AmpOpenMode::Create));
  std::vector<std::int16_t> trace(static_cast<std::size_t>(h.num_samples));
  for (int i = 0; i < h.num_lines; ++i)
    for (int j = 0; j < h.traces_per_line; ++j) {
      for (int n = 0; n < h.num_samples; ++n)
        trace[static_cast<std::size_t>(n)] =
            static_cast<std::int16_t>((i * h.traces_per_line + j) * 100 + n - 1000);
      EXPECT_EQ(WriteTrace(file, h, trace.data(), i, j, h.trace_bytes), 0);
    }
  return path;
}

// Every read through the block reader gives the samples, leftovers and
// result of ReadTrace, in file order and out of it, whole or cut short.
void ExpectSameAsReadTrace(const AmpFile& file, const SurveyHeader& h, std::size_t block_bytes,
                           TraceConditioner* conditioner) {
  LineBlockReader blocks(file, h, block_bytes);
  std::vector<std::pair<int, int>> order;
  for (int i = 0; i < h.num_lines; ++i)
    for (int j = 0; j < h.traces_per_line; ++j) order.emplace_back(i, j);
  order.emplace_back(1, 2);            // back to an earlier block
  order.emplace_back(h.num_lines, 0);  // outside the grid
  for (auto [i, j] : order) {
    for (int bytes : {h.trace_bytes, h.trace_bytes - 4}) {
      std::vector<std::int16_t> expected(static_cast<std::size_t>(h.num_samples), 555);
      std::vector<std::int16_t> got = expected;
      int want = ReadTrace(file, h, expected.data(), i, j, bytes, conditioner);
      EXPECT_EQ(blocks.Read(got.data(), i, j, bytes, conditioner), want) << i << "," << j;
      EXPECT_EQ(got, expected) << i << "," << j << " bytes " << bytes;
    }
  }
}

TEST(LineBlockReader, GivesWhatReadTraceGivesForEveryBlockSize) {
  testing::TempFolder folder;
  SurveyHeader h = Grid(7, 5, 6);
  AmpFile file;
  ASSERT_TRUE(file.Open(WriteNumberedFile(folder, h), AmpOpenMode::Read));
  AddFirstSample conditioner;
  for (std::size_t block : {std::size_t{1}, std::size_t{60}, std::size_t{130}, kLineBlockBytes}) {
    ExpectSameAsReadTrace(file, h, block, nullptr);
    ExpectSameAsReadTrace(file, h, block, &conditioner);
  }
}

TEST(LineBlockReader, ShortFileGivesWhatReadTraceGives) {
  testing::TempFolder folder;
  SurveyHeader h = Grid(7, 5, 6);
  std::string path = WriteNumberedFile(folder, h);
  // Cut inside trace (5, 2): the rest of that trace and every later one are missing.
  std::filesystem::resize_file(path, static_cast<std::uintmax_t>(TraceOffset(h, 5, 2) + 5));
  AmpFile file;
  ASSERT_TRUE(file.Open(path, AmpOpenMode::Read));
  for (std::size_t block : {std::size_t{60}, std::size_t{130}, kLineBlockBytes})
    ExpectSameAsReadTrace(file, h, block, nullptr);
}

}  // namespace
}  // namespace quarrix
