#include "loader/segy_export.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "loader/ebcdic.h"
#include "loader/segy_format.h"
#include "platform/byte_order.h"
#include "platform/progress.h"
#include "platform/scripted_prompter.h"
#include "platform/tape_image.h"
#include "project/amp_file.h"
#include "project/header_file.h"
#include "project/xy_geometry.h"
#include "segy_test_files.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

using testing::TempFolder;

SurveyHeader NorthHeader() {
  SurveyHeader h;
  SetLabelText(h.owner, "NORTH");
  SetLabelText(h.line_name, "north sea");
  h.trace_spacing = 12.5f, h.line_spacing = 25.0f;
  h.sample_rate = 4.0, h.trace_bytes = 2 * 10;
  h.first_line = 10, h.last_line = 14, h.line_increment = 2.0f;
  h.first_trace = 1, h.last_trace = 3;
  h.corner_index = 4, h.start_time = 100;
  h.ComputeDerived();
  return h;
}

TEST(ExportHeaders, CardsDescribeTheProject) {
  std::string text = DecodeTextHeader(BuildExportTextHeader(NorthHeader()));
  ASSERT_EQ(text.size(), 3200u);
  EXPECT_EQ(text.substr(80, 20), std::string("C02  OWNER - NORTH\0 ", 20));
  EXPECT_EQ(text.substr(160, 19), std::string("C03  LINE -  north ", 19));  // lower case survives
  EXPECT_EQ(text.substr(320, 40), std::string("C05  LINE SPACING 25  LINE INCREMENT 2\0 ", 40));
  EXPECT_EQ(text.substr(640, 35), std::string("C09  SAMPLE RATE 4  NO. SAMPLES 10\0", 35));
  EXPECT_EQ(text.substr(800, 11), "C11  CORNER");
  EXPECT_EQ(text.substr(880, 80), std::string(80, ' '));

  SegyBinaryInfo info = DecodeBinaryHeader(BuildExportBinaryHeader(NorthHeader()));
  EXPECT_EQ(info.samples, 10);
  EXPECT_EQ(info.interval_us, 4000);
  EXPECT_EQ(info.format, 1);
}

TEST(ExportHeaders, TraceHeaderCarriesNumbersAndCoordinates) {
  unsigned char p[240];
  FillExportTraceHeader(p, {7, 3, 12, 2, 0x00012345, -2}, NorthHeader());
  EXPECT_EQ(ReadBig32(p), 7);
  EXPECT_EQ(ReadBig32(p + 8), 2);
  EXPECT_EQ(ReadBig32(p + 12), 12);
  EXPECT_EQ(ReadBig16(p + 30), 12);
  EXPECT_EQ(ReadBig32(p + 72), 0x12345);
  EXPECT_EQ(ReadBig32(p + 84), -2);
  EXPECT_EQ(ReadBig16(p + 92), 2);
  EXPECT_EQ(ReadBig16(p + 114), 10);
  EXPECT_EQ(ReadBig16(p + 116), 4000);
  // Bytes 153-160: X and Y as 16-bit halves, low half first.
  EXPECT_EQ(ReadBigU16(p + 152), 0x2345);
  EXPECT_EQ(ReadBigU16(p + 154), 0x0001);
  EXPECT_EQ(ReadBigU16(p + 156), 0xFFFE);
  EXPECT_EQ(ReadBigU16(p + 158), 0xFFFF);
}

class ExportToTape : public ::testing::Test {
 protected:
  void SetUp() override {
    header = NorthHeader();
    ASSERT_TRUE(SaveHeader(folder.File("north.hdr"), header, prompter));
    AmpFile amp;
    ASSERT_TRUE(amp.Open(folder.File("north.amp"), AmpOpenMode::Create));
    std::vector<std::int16_t> samples(10);
    for (int i = 0; i < header.num_lines; ++i)
      for (int j = 0; j < header.traces_per_line; ++j) {
        for (int n = 0; n < 10; ++n) samples[n] = static_cast<std::int16_t>(100 * i + 10 * j + n);
        ASSERT_EQ(WriteTrace(amp, header, samples.data(), i, j, header.trace_bytes), 0);
      }
  }

  // Every block of the tape up to the end of data: its length, or 0 for a mark.
  std::vector<std::string> Blocks(TapeImage& tape) {
    std::vector<std::string> blocks;
    tape.Rewind();
    std::vector<char> buffer(1 << 16);
    for (;;) {
      std::size_t got;
      std::uint32_t status = tape.ReadVariableBlock(buffer.data(), buffer.size(), got);
      if (status == kTapeEndOfData) return blocks;
      blocks.emplace_back(buffer.data(), got);
    }
  }

  TempFolder folder;
  ScriptedPrompter prompter;
  testing::TestDecisions decisions;
  NullProgress progress;
  SurveyHeader header;
};

TEST_F(ExportToTape, WholeSurveyThenTwoFileMarks) {
  XyCorners corners{{1000, 2000}, {1025, 2000}, {1000, 2100}};
  ASSERT_TRUE(WriteXyFile(folder.File("north.x_y"), header, corners));
  TapeImage tape;
  ASSERT_TRUE(tape.Open(folder.File("out.tap"), true));
  auto sink = TapeSink(tape);
  ASSERT_TRUE(ExportProject(folder.File("north.hdr"), {10, 14, 1, 3}, *sink, decisions, prompter,
                            progress));
  EXPECT_EQ(prompter.last_text(), "End of Conversion!!");
  std::vector<std::string> blocks = Blocks(tape);
  ASSERT_EQ(blocks.size(), 2u + 9 + 2);
  EXPECT_EQ(blocks[0].size(), 3200u);
  EXPECT_EQ(blocks[1].size(), 400u);
  EXPECT_EQ(blocks[11], "");
  EXPECT_EQ(blocks[12], "");
  // The last trace block: line index 2 is line 14, trace 3; its X/Y is the
  // record of line 14 and trace 3 of the X/Y file.
  auto* p = reinterpret_cast<const unsigned char*>(blocks[10].data());
  ASSERT_EQ(blocks[10].size(), 240u + 40);
  EXPECT_EQ(ReadBig32(p + 12), 14);
  EXPECT_EQ(ReadBig32(p + 8), 3);
  EXPECT_EQ(ReadBig32(p + 72), 1025);  // trace offset 2 x 12.5
  EXPECT_EQ(ReadBig32(p + 76), 2100);  // line offset 4 x 25
  EXPECT_EQ(IbmToFloat(ReadBigU32(p + 240 + 4)), 100 * 2 + 10 * 2 + 1);
}

TEST_F(ExportToTape, SubRangeWithoutXyFileWritesZeroCoordinates) {
  TapeImage tape;
  ASSERT_TRUE(tape.Open(folder.File("out.tap"), true));
  auto sink = TapeSink(tape);
  ASSERT_TRUE(ExportProject(folder.File("north.hdr"), {12, 12, 2, 3}, *sink, decisions, prompter,
                            progress));
  std::vector<std::string> blocks = Blocks(tape);
  ASSERT_EQ(blocks.size(), 2u + 2 + 2);
  auto* p = reinterpret_cast<const unsigned char*>(blocks[2].data());
  EXPECT_EQ(ReadBig32(p), 1);
  EXPECT_EQ(ReadBig32(p + 12), 12);
  EXPECT_EQ(ReadBig32(p + 8), 2);
  EXPECT_EQ(ReadBig32(p + 72), 0);
  EXPECT_EQ(ReadBigU32(p + 240), FloatToIbm(110.0f));  // line index 1, trace index 1
}

TEST_F(ExportToTape, ATraceFileShorterThanTheHeaderIsAFailedExport) {
  // 4 whole traces of the 9 and half of the fifth (line index 1, trace index 1).
  std::filesystem::resize_file(folder.File("north.amp"), 4 * 20 + 10);
  TapeImage tape;
  ASSERT_TRUE(tape.Open(folder.File("out.tap"), true));
  auto sink = TapeSink(tape);
  EXPECT_FALSE(ExportProject(folder.File("north.hdr"), {10, 14, 1, 3}, *sink, decisions, prompter,
                             progress));
  EXPECT_EQ(prompter.last_text(), "5 traces could not be read from " + folder.File("north.amp") +
                                      "; only 4 were written and the export is incomplete");
  EXPECT_EQ(Blocks(tape).size(), 2u + 4 + 2);  // a tape is still closed with its marks
  auto file = FileSink(folder.File("out.sgy"));
  EXPECT_FALSE(ExportProject(folder.File("north.hdr"), {10, 14, 1, 3}, *file, decisions, prompter,
                             progress));
  EXPECT_NE(prompter.last_text().find("export is incomplete"), std::string::npos);
  file.reset();
  EXPECT_FALSE(std::filesystem::exists(folder.File("out.sgy")));  // a disk file is whole or none
  EXPECT_FALSE(std::filesystem::exists(folder.File("out.sgy.writing")));

  // A header whose grid the file could never hold is refused before anything is written.
  std::filesystem::resize_file(folder.File("north.amp"), 10);
  EXPECT_FALSE(ExportProject(folder.File("north.hdr"), {10, 14, 1, 3}, *sink, decisions, prompter,
                             progress));
  EXPECT_NE(prompter.last_text().find("far too few"), std::string::npos);
}

TEST_F(ExportToTape, MissingTraceFileIsReported) {
  std::filesystem::remove(folder.File("north.amp"));
  auto sink = FileSink(folder.File("out.sgy"));
  EXPECT_FALSE(ExportProject(folder.File("north.hdr"), {10, 14, 1, 3}, *sink, decisions, prompter,
                             progress));
  EXPECT_EQ(prompter.last_text(), "Cannot Open AMP File\n" + folder.File("north.amp"));
  sink.reset();
  EXPECT_FALSE(std::filesystem::exists(folder.File("out.sgy")));
  EXPECT_FALSE(std::filesystem::exists(folder.File("out.sgy.writing")));
}

}  // namespace
}  // namespace quarrix
