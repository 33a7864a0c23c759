#include "loader/disk_conversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iterator>

#include "loader/trace_scaling.h"
#include "platform/numeric.h"
#include "platform/parallel.h"
#include "platform/progress.h"
#include "platform/scripted_prompter.h"
#include "project/amp_file.h"
#include "project/header_file.h"
#include "segy_test_files.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

using testing::BuildSegy;
using testing::GridTraces;
using testing::TempFolder;
using testing::TestDecisions;
using testing::TestTrace;

float Ramp(int line, int trace, int n) {
  return (line * 10 + trace) * 0.01f * (n % 5 - 2);
}

class DiskLoad : public ::testing::Test {
 protected:
  void WriteInput(const std::string& name, const std::vector<TestTrace>& traces, int samples = 20,
                  int interval_us = 4000, int format = 1) {
    testing::WriteFileBytes(folder.File(name), BuildSegy(traces, samples, interval_us, format));
  }

  LoadOutcome Load(const std::string& name, LoadWindow window = {}) {
    decisions.header_path = folder.File("proj/proj.hdr");
    SegyFileHeaders headers;
    if (!ReadDiskHeaders(folder.File(name), headers, decisions, prompter)) return {};
    DiskLoadRequest request;
    request.input_path = folder.File(name);
    request.info = headers.info;
    request.window = window;
    request.two_d = two_d;
    request.threads = threads;
    request.scan_also = scan_also;
    return ConvertDiskFile(request, decisions, prompter, progress);
  }

  SurveyHeader LoadedHeader() {
    SurveyHeader h;
    EXPECT_TRUE(LoadHeader(folder.File("proj/proj.hdr"), h, prompter, HeaderReader::Loader));
    return h;
  }

  std::vector<std::int16_t> Trace(const SurveyHeader& h, int line_index, int trace_index) {
    AmpFile amp;
    EXPECT_TRUE(amp.Open(folder.File("proj/proj.amp"), AmpOpenMode::Read));
    std::vector<std::int16_t> samples(static_cast<std::size_t>(h.num_samples));
    EXPECT_EQ(ReadTrace(amp, h, samples.data(), line_index, trace_index, h.trace_bytes), 0);
    return samples;
  }

  // The trace file of a load with a known scale value, scaled as the traces
  // are placed or in the pass over the finished file.
  std::string ScaledAmpBytes(const std::string& input, double scale, bool one_pass) {
    decisions.scale = scale;
    decisions.scale_given_beforehand = one_pass;
    EXPECT_EQ(Load(input).result, LoadResult::Done) << prompter.last_text();
    return testing::ReadFileBytes(folder.File("proj/proj.amp"));
  }

  bool NothingLeftBehind() { return !std::filesystem::exists(folder.File("proj")); }

  TempFolder folder;
  TestDecisions decisions;
  ScriptedPrompter prompter;
  RecordingProgress progress;
  bool two_d = false;
  int threads = 1;
  std::vector<std::string> scan_also;
};

TEST_F(DiskLoad, UnscaledLoadPlacesTracesFillsGapsAndSkipsStrays) {
  std::vector<TestTrace> traces = GridTraces(5, 3, 20, 4, 20, Ramp);
  traces.erase(traces.begin() + 6);          // a gap: line 6, trace 22
  traces.push_back({9, 20, {2.9f, -2.9f}});  // beyond the last line: skipped
  traces.back().samples.resize(20);
  traces.push_back({6, 23, std::vector<float>(20, 40000.0f)});  // saturates at the 16-bit end
  WriteInput("in.sgy", traces);
  decisions.words = HeaderWordChoice{{48, 4}, {49, 4}, false};
  LoadOutcome outcome = Load("in.sgy", {0, 0, true});
  ASSERT_EQ(outcome.result, LoadResult::Done) << prompter.last_text();
  EXPECT_EQ(outcome.traces_processed, 13);
  SurveyHeader h = LoadedHeader();
  EXPECT_EQ(h.first_line, 5);
  EXPECT_EQ(h.last_line, 9);  // the scan saw the stray line 9
  EXPECT_EQ(h.num_samples, 20);
  EXPECT_EQ(h.sample_rate, 4.0);
  EXPECT_EQ(std::filesystem::file_size(folder.File("proj/proj.amp")), 5u * 4 * 40);
  EXPECT_EQ(decisions.coverage.rows, 5);
  // "Determine Direction" saw every trace, the gap and the empty line 8.
  EXPECT_EQ(decisions.coverage.cells[0], 1);                               // line 5, trace 20
  EXPECT_EQ(decisions.coverage.cells[1 * 4 + 2], CoverageGrid::kNoTrace);  // line 6, trace 22
  EXPECT_EQ(decisions.coverage.cells[3 * 4 + 0], CoverageGrid::kNoTrace);  // line 8
  EXPECT_EQ(decisions.coverage.cells[4 * 4 + 0], 1);                       // the stray at line 9
  EXPECT_TRUE(decisions.HasMessage("Project Name " + folder.File("proj/proj.hdr")));
  EXPECT_TRUE(decisions.HasMessage("Number Samples 20"));

  std::vector<std::int16_t> t = Trace(h, 0, 1);  // line 5, trace 21
  for (int n = 0; n < 20; ++n) EXPECT_EQ(t[n], static_cast<std::int16_t>(Ramp(5, 21, n))) << n;
  EXPECT_EQ(Trace(h, 1, 2), std::vector<std::int16_t>(20, 0));      // the gap
  EXPECT_EQ(Trace(h, 1, 3), std::vector<std::int16_t>(20, 32767));  // saturated
  EXPECT_EQ(Trace(h, 4, 0)[0], 2);                                  // 2.9 truncates to 2
  EXPECT_EQ(Trace(h, 4, 0)[1], -2);                                 // -2.9 to -2
  EXPECT_EQ(prompter.messages().back().text, "Data Load Complete\n13 Traces Processed");
  EXPECT_EQ(prompter.messages().back().caption, "End of Process");
}

TEST_F(DiskLoad, ScaledLoadMapsTheScaleValueTo32767AcrossTraces) {
  std::vector<TestTrace> traces = GridTraces(1, 2, 1, 2, 20, Ramp);
  traces[3].samples.assign(20, 0.0f);  // an all-zero trace does not count for the mean
  WriteInput("in.sgy", traces, 20, 2000, 5);
  LoadOutcome outcome = Load("in.sgy");
  ASSERT_EQ(outcome.result, LoadResult::Done) << prompter.last_text();
  float max = 2 * 0.01f * 21;  // line 2, trace 1 (n % 5 == 0 gives -2)
  EXPECT_FLOAT_EQ(decisions.summary.largest, max);
  EXPECT_EQ(decisions.summary.largest_trace, 2);
  EXPECT_NEAR(decisions.summary.mean, (0.22f + 0.24f + 0.42f) / 3, 1e-6);
  SurveyHeader h = LoadedHeader();
  EXPECT_EQ(h.sample_rate, 2.0);
  std::vector<std::int16_t> largest = Trace(h, 1, 0);
  EXPECT_GE(largest[0], -32767);
  EXPECT_LE(largest[0], -32766);
  // A smaller trace keeps its amplitude relative to the largest.
  std::vector<std::int16_t> smaller = Trace(h, 0, 0);
  EXPECT_NEAR(smaller[0], -32767.0 * 0.22 / 0.42, 2.0);
  EXPECT_EQ(Trace(h, 1, 1), std::vector<std::int16_t>(20, 0));

  // A scale value below the largest sample saturates instead of wrapping.
  decisions.scale = max / 4;
  ASSERT_EQ(Load("in.sgy").result, LoadResult::Done);
  std::vector<std::int16_t> clipped = Trace(LoadedHeader(), 1, 0);
  EXPECT_EQ(clipped[0], -32768);
  EXPECT_EQ(clipped[3], 32767);
}

float Spiky(int line, int trace, int n) {
  if (line == 2 && trace == 3 && n == 4) return 1.0e30f;  // saturates
  if (line == 3 && trace == 2) return 0.0f;               // an all-zero trace
  return std::sin(static_cast<float>(line * 7 + trace * 3 + n)) * (1 + line) * 0.37f;
}

TEST_F(DiskLoad, AScaleGivenBeforehandGivesTheSameFileInOnePass) {
  WriteInput("in.sgy", GridTraces(1, 4, 1, 5, 33, Spiky), 33);
  for (double scale : {0.37 * 4, 0.2, 3.5}) {
    std::string two_passes = ScaledAmpBytes("in.sgy", scale, false);
    EXPECT_TRUE(ScaledAmpBytes("in.sgy", scale, true) == two_passes) << scale;
  }
  // The real files: IBM floats written by segyio and 16-bit integers.
  const std::string shared = testing::SharedDataFolder();
  for (const char* name : {"small.sgy", "f3.sgy"}) {
    const std::string path = shared + "/" + name;
    if (shared.empty() || !std::filesystem::exists(path)) continue;
    std::filesystem::copy_file(path, folder.File(name));
    for (double scale : {1.0, 3000.0}) {
      std::string two_passes = ScaledAmpBytes(name, scale, false);
      EXPECT_TRUE(ScaledAmpBytes(name, scale, true) == two_passes) << name << ' ' << scale;
    }
  }
}

TEST_F(DiskLoad, EveryThreadCountGivesTheSameProjectAndMessages) {
  std::vector<TestTrace> traces = GridTraces(1, 6, 1, 7, 41, Spiky);
  traces.erase(traces.begin() + 9);                         // a gap
  traces.push_back({9, 2, std::vector<float>(41, 1.0f)});   // a stray: skipped
  traces.push_back({3, 4, std::vector<float>(41, -7.5f)});  // a second trace at one cell
  WriteInput("in.sgy", traces, 41);
  std::vector<std::string> inputs{"in.sgy"};
  const std::string shared = testing::SharedDataFolder();
  for (const char* name : {"small.sgy", "f3.sgy"})
    if (!shared.empty() && std::filesystem::exists(shared + "/" + name)) {
      std::filesystem::copy_file(shared + "/" + name, folder.File(name));
      inputs.push_back(name);
    }
  for (const std::string& input : inputs) {
    auto project = [&](int thread_count) {
      threads = thread_count;
      decisions.messages.clear();
      decisions.append_questions = 0;
      // The first file again, appended: the end-of-file question comes twice.
      decisions.append = {folder.File(input)};
      EXPECT_EQ(Load(input).result, LoadResult::Done) << prompter.last_text();
      return testing::ReadFileBytes(folder.File("proj/proj.amp")) +
             testing::ReadFileBytes(folder.File("proj/proj.hdr"));
    };
    const std::string one = project(1);
    const std::vector<std::string> messages = decisions.messages;
    for (int thread_count : {2, 3}) {
      EXPECT_TRUE(project(thread_count) == one) << input << ' ' << thread_count;
      EXPECT_EQ(decisions.messages, messages) << input;
      EXPECT_EQ(decisions.append_questions, 2) << input;
    }
    // With no helper thread to be had, the calling thread does it all.
    RefuseHelperThreadsForTesting(true);
    EXPECT_TRUE(project(3) == one) << input;
    RefuseHelperThreadsForTesting(false);
    EXPECT_EQ(decisions.messages, messages) << input;
  }
}

TEST(NormaliseTrace, OutsideValuesTruncateAndSaturateLikeEveryConversion) {
  const float nan = std::nanf(""), inf = INFINITY;
  const std::vector<float> in{nan, inf, -inf, 32767.5f, -32768.9f, 2.9f, -2.9f, 40000.0f};
  std::vector<std::int16_t> out(in.size());
  ScaleStats stats;
  EXPECT_EQ(NormaliseTrace(in.data(), 8, true, 0, stats, out.data()), inf);  // NaN never wins
  for (std::size_t n = 0; n < in.size(); ++n) EXPECT_EQ(out[n], Trunc16(in[n])) << n;
  const std::vector<float> scaled{nan, -0.5f, 0.25f, 1.0f};
  NormaliseTrace(scaled.data(), 4, false, 1, stats, out.data());
  EXPECT_EQ(out[0], 0);
  EXPECT_EQ(out[1], -16383);
  EXPECT_EQ(out[2], 8191);
  EXPECT_EQ(out[3], 32767);
}

TEST_F(DiskLoad, TimeWindowAndIncrementsSelectSamplesAndTraces) {
  WriteInput("in.sgy",
             GridTraces(1, 3, 101, 10, 600,
                        [](int, int t, int n) { return static_cast<float>(t * 100 + n); }),
             600);
  decisions.line_increment = 2.0f;
  decisions.trace_increment = 2.0f;
  LoadOutcome outcome = Load("in.sgy", {100, 2100, true});
  ASSERT_EQ(outcome.result, LoadResult::Done) << prompter.last_text();
  SurveyHeader h = LoadedHeader();
  EXPECT_EQ(h.num_samples, 500);
  EXPECT_EQ(h.start_time, 100);
  EXPECT_EQ(h.num_lines, 2);
  EXPECT_EQ(h.traces_per_line, 5);
  std::vector<std::int16_t> t = Trace(h, 1, 4);  // line 3, trace 109
  EXPECT_EQ(t[0], 10925);                        // input sample 25 of trace 109
}

TEST_F(DiskLoad, AppendedFilesContinueTheInput) {
  WriteInput("a.sgy", GridTraces(1, 1, 1, 3, 20, Ramp));
  WriteInput("b.sgy", GridTraces(2, 1, 1, 3, 20, Ramp));
  WriteInput("other.sgy", GridTraces(2, 1, 1, 3, 30, Ramp), 30);
  decisions.append = {folder.File("b.sgy"), folder.File("other.sgy")};
  LoadOutcome outcome = Load("a.sgy", {0, 0, true});
  ASSERT_EQ(outcome.result, LoadResult::Done);
  EXPECT_EQ(outcome.traces_processed, 6);
  // The scan saw only the first file: line 2 lies beyond its range.
  EXPECT_TRUE(decisions.HasMessage("Skip Trace  line 2 trace 1"));
  // A file of another layout is refused rather than misread.
  EXPECT_NE(prompter.messages()[0].text.find("not appended"), std::string::npos);
}

TEST_F(DiskLoad, LittleEndianFilesLoadLikeTheirBigEndianTwins) {
  for (int format : {1, 2, 3, 5, 8}) {
    auto value = [](int l, int t, int n) {
      return static_cast<float>((l * 7 + t * 3 + n) % 90 - 45);
    };
    std::vector<TestTrace> traces = GridTraces(3, 2, 10, 3, 20, value);
    testing::WriteFileBytes(folder.File("big.sgy"), BuildSegy(traces, 20, 4000, format));
    testing::WriteFileBytes(folder.File("little.sgy"),
                            BuildSegy(traces, 20, 4000, format, SegyByteOrder::Little));
    ASSERT_EQ(Load("big.sgy").result, LoadResult::Done) << format;
    std::string big_amp = testing::ReadFileBytes(folder.File("proj/proj.amp"));
    std::string big_header = testing::ReadFileBytes(folder.File("proj/proj.hdr"));
    const std::vector<std::int16_t> big_coverage = decisions.coverage.cells;
    decisions.messages.clear();
    ASSERT_EQ(Load("little.sgy").result, LoadResult::Done) << format << prompter.last_text();
    // "Determine Direction" sees the same coverage in either byte order.
    EXPECT_EQ(decisions.coverage.cells, big_coverage) << format;
    EXPECT_EQ(std::count(big_coverage.begin(), big_coverage.end(), 1), 2 * 3) << format;
    EXPECT_EQ(testing::ReadFileBytes(folder.File("proj/proj.amp")), big_amp) << format;
    EXPECT_EQ(testing::ReadFileBytes(folder.File("proj/proj.hdr")), big_header) << format;
    EXPECT_TRUE(decisions.HasMessage("Format " + std::to_string(format)));
    EXPECT_TRUE(decisions.HasMessage("Byte Order little-endian"));
  }
  // A file of the other byte order would be misread: it is not appended.
  decisions.append = {folder.File("big.sgy")};
  ASSERT_EQ(Load("little.sgy").result, LoadResult::Done);
  EXPECT_TRUE(std::any_of(prompter.messages().begin(), prompter.messages().end(), [](auto& m) {
    return m.text.find("is big-endian, the load little-endian") != std::string::npos;
  }));
}

TEST_F(DiskLoad, OneFilePerLineLoadsLikeTheWholeSurvey) {
  // The lines hold different trace ranges: the first alone would cut the others.
  std::vector<TestTrace> whole = GridTraces(11, 3, 5, 6, 20, Ramp);
  std::erase_if(whole, [](const TestTrace& t) { return t.line == 11 && t.trace > 8; });
  std::erase_if(whole, [](const TestTrace& t) { return t.line == 13 && t.trace < 7; });
  WriteInput("whole.sgy", whole);
  ASSERT_EQ(Load("whole.sgy").result, LoadResult::Done);
  const std::vector<std::int16_t> coverage = decisions.coverage.cells;
  std::string amp = testing::ReadFileBytes(folder.File("proj/proj.amp"));
  std::string header = testing::ReadFileBytes(folder.File("proj/proj.hdr"));
  for (int line = 11; line <= 13; ++line) {
    std::vector<TestTrace> one;
    std::copy_if(whole.begin(), whole.end(), std::back_inserter(one),
                 [line](const TestTrace& t) { return t.line == line; });
    WriteInput("il-" + std::to_string(line) + ".sgy", one);
  }
  decisions.append = {folder.File("il-12.sgy"), folder.File("il-13.sgy")};
  scan_also = {decisions.append.begin(), decisions.append.end()};
  ASSERT_EQ(Load("il-11.sgy").result, LoadResult::Done) << prompter.last_text();
  EXPECT_EQ(testing::ReadFileBytes(folder.File("proj/proj.amp")), amp);
  EXPECT_EQ(testing::ReadFileBytes(folder.File("proj/proj.hdr")), header);
  EXPECT_EQ(decisions.scanned_traces, static_cast<long long>(whole.size()));
  EXPECT_EQ(decisions.coverage.cells, coverage);  // every file's traces, not the first's only

  // A file to scan of another layout is refused before anything is written.
  WriteInput("long.sgy", GridTraces(14, 1, 5, 6, 30, Ramp), 30);
  std::filesystem::remove_all(folder.File("proj"));
  scan_also = {folder.File("long.sgy")};
  EXPECT_NE(Load("il-11.sgy").result, LoadResult::Done);
  EXPECT_NE(prompter.last_text().find("not appended"), std::string::npos);
  EXPECT_TRUE(NothingLeftBehind());
}

TEST_F(DiskLoad, MalformedInputLeavesNoProjectBehind) {
  for (std::size_t size : {0, 1000, 2000, 3599}) {
    testing::WriteFileBytes(folder.File("short.sgy"), std::string(size, '\x40'));
    EXPECT_NE(Load("short.sgy").result, LoadResult::Done);
    EXPECT_EQ(prompter.last_text(),
              folder.File("short.sgy") + " holds " + std::to_string(size) +
                  " bytes, too short to be SEG-Y (its textual and binary headers alone take 3600)");
    EXPECT_TRUE(NothingLeftBehind());
  }

  WriteInput("fmt4.sgy", GridTraces(1, 1, 1, 2, 20, Ramp), 20, 4000, 4);
  EXPECT_EQ(Load("fmt4.sgy").result, LoadResult::NotStarted);
  EXPECT_NE(prompter.last_text().find("format code 4"), std::string::npos);

  WriteInput("fast.sgy", GridTraces(1, 1, 1, 2, 20, Ramp), 20, 500, 1);
  EXPECT_EQ(Load("fast.sgy").result, LoadResult::NotStarted);
  EXPECT_NE(prompter.last_text().find("500 microseconds"), std::string::npos);

  WriteInput("ok.sgy", GridTraces(1, 2, 1, 2, 20, Ramp));
  EXPECT_EQ(Load("ok.sgy", {0, 200, false}).result, LoadResult::NotStarted);  // beyond 80 ms

  decisions.trace_increment = 0.5f;
  EXPECT_EQ(Load("ok.sgy").result, LoadResult::Abandoned);
  EXPECT_NE(prompter.last_text().find("Increments below 1"), std::string::npos);
  EXPECT_TRUE(NothingLeftBehind());

  decisions.trace_increment = 1.0f;
  decisions.accept_header = false;
  EXPECT_EQ(Load("ok.sgy").result, LoadResult::Abandoned);
  EXPECT_TRUE(NothingLeftBehind());
}

TEST_F(DiskLoad, AFileCutOffInsideATraceLoadsTheWholeTracesAndSaysWhatIsMissing) {
  std::string bytes = BuildSegy(GridTraces(1, 2, 1, 3, 20, Ramp), 20, 4000, 1);
  testing::WriteFileBytes(folder.File("cut.sgy"), bytes.substr(0, bytes.size() - 30));
  LoadOutcome outcome = Load("cut.sgy");
  ASSERT_EQ(outcome.result, LoadResult::Done);
  EXPECT_EQ(outcome.traces_processed, 5);
  ASSERT_FALSE(prompter.messages().empty());
  EXPECT_EQ(prompter.messages()[0].text,
            folder.File("cut.sgy") +
                " ends inside a trace: 30 of its 320 bytes are missing, and it is not loaded");
}

TEST_F(DiskLoad, AFailedReloadKeepsTheExistingProject) {
  WriteInput("ok.sgy", GridTraces(1, 2, 1, 2, 20, Ramp));
  ASSERT_EQ(Load("ok.sgy").result, LoadResult::Done);
  std::string amp = testing::ReadFileBytes(folder.File("proj/proj.amp"));
  decisions.words.reset();  // the header table is cancelled
  EXPECT_EQ(Load("ok.sgy").result, LoadResult::Abandoned);
  EXPECT_EQ(testing::ReadFileBytes(folder.File("proj/proj.amp")), amp);
  EXPECT_FALSE(std::filesystem::exists(folder.File("proj/proj.amp.loading")));
}

TEST_F(DiskLoad, AReloadReplacesTheHeaderAndTracesTogetherOrNeither) {
  WriteInput("ok.sgy", GridTraces(1, 2, 1, 2, 20, Ramp));
  ASSERT_EQ(Load("ok.sgy").result, LoadResult::Done);
  const std::string header = testing::ReadFileBytes(folder.File("proj/proj.hdr"));
  const std::string amp = testing::ReadFileBytes(folder.File("proj/proj.amp"));
  WriteInput("other.sgy", GridTraces(1, 3, 1, 3, 20, Ramp));
  // The header's write, the trace file's rename and the header's rename.
  for (auto [step, count] : {std::pair{WriteStep::Write, 1}, std::pair{WriteStep::Rename, 1},
                             std::pair{WriteStep::Rename, 2}}) {
    testing::FailingWrites fail(step, count);
    EXPECT_NE(Load("other.sgy").result, LoadResult::Done);
    EXPECT_EQ(testing::ReadFileBytes(folder.File("proj/proj.hdr")), header);
    EXPECT_EQ(testing::ReadFileBytes(folder.File("proj/proj.amp")), amp);
    EXPECT_EQ(testing::ListFolder(folder.File("proj")),
              (std::vector<std::string>{"proj.amp", "proj.hdr"}));
  }
  ASSERT_EQ(Load("other.sgy").result, LoadResult::Done);
  EXPECT_NE(testing::ReadFileBytes(folder.File("proj/proj.amp")), amp);
}

TEST_F(DiskLoad, ATraceWriteFailingInAThreadedLoadIsToldAndKeepsTheExistingProject) {
  // 3.2 MB of trace file, read ahead on helpers while the calling thread
  // writes, then rescaled: the first write, one in the middle and the last
  // fail in turn.
  WriteInput("big.sgy", GridTraces(1, 40, 1, 40, 1000, Ramp), 1000);
  threads = 3;
  int writes = 0;
  {
    testing::FailingWrites count(WriteStep::Write, 1 << 30);
    ASSERT_EQ(Load("big.sgy").result, LoadResult::Done);
    writes = count.reached() - 1;  // the header's write
  }
  ASSERT_GE(writes, 2);
  const std::string amp = testing::ReadFileBytes(folder.File("proj/proj.amp"));
  for (int failing : {1, writes / 2 + 1, writes}) {
    testing::FailingWrites fail(WriteStep::Write, failing);
    EXPECT_EQ(Load("big.sgy").result, LoadResult::Abandoned) << failing;
    // Told as a failed write while placing, as a failed rescaling after.
    EXPECT_NE(prompter.last_text().find(folder.File("proj/proj.amp") + " could not be"),
              std::string::npos)
        << prompter.last_text();
    EXPECT_EQ(testing::ReadFileBytes(folder.File("proj/proj.amp")), amp);
    EXPECT_EQ(testing::ListFolder(folder.File("proj")),
              (std::vector<std::string>{"proj.amp", "proj.hdr"}));
  }
}

TEST_F(DiskLoad, ACellPlacedTwiceKeepsTheLaterTrace) {
  // Lines 1-2, traces 1-3, then line 1 trace 2 again: its block's earlier
  // traces are written from where they were converted, and the later trace
  // must land over them, on one thread and on several.
  std::vector<TestTrace> traces;
  for (int line = 1; line <= 2; ++line)
    for (int trace = 1; trace <= 3; ++trace)
      traces.push_back({line, trace, std::vector<float>(20, 100.0f * line + trace)});
  traces.push_back({1, 2, std::vector<float>(20, -7.0f)});
  WriteInput("twice.sgy", traces);
  decisions.words = HeaderWordChoice{{48, 4}, {49, 4}, false};
  for (int thread_count : {1, 3}) {
    threads = thread_count;
    ASSERT_EQ(Load("twice.sgy", {0, 0, true}).result, LoadResult::Done) << prompter.last_text();
    const SurveyHeader h = LoadedHeader();
    EXPECT_EQ(Trace(h, 0, 1), std::vector<std::int16_t>(20, -7)) << thread_count;
    EXPECT_EQ(Trace(h, 0, 2), std::vector<std::int16_t>(20, 103)) << thread_count;
    EXPECT_EQ(Trace(h, 1, 1), std::vector<std::int16_t>(20, 202)) << thread_count;
  }
}

TEST_F(DiskLoad, TwoDimensionalDataLandsOnLineOne) {
  WriteInput("2d.sgy", GridTraces(7, 1, 1, 5, 20, Ramp));
  two_d = true;
  decisions.words = HeaderWordChoice{{}, {49, 4}, true};
  ASSERT_EQ(Load("2d.sgy").result, LoadResult::Done);
  SurveyHeader h = LoadedHeader();
  EXPECT_EQ(h.first_line, 1);
  EXPECT_EQ(h.last_line, 1);
  EXPECT_EQ(h.traces_per_line, 5);
}

}  // namespace
}  // namespace quarrix
