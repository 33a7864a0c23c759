#include "loader/group_load.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>

#include "loader/group_load_merge.h"
#include "platform/progress.h"
#include "platform/safe_write.h"
#include "platform/scripted_prompter.h"
#include "segy_test_files.h"
#include "support/test_support.h"
#include "support/thread_job.h"

namespace quarrix {
namespace {

using testing::BuildSegy;
using testing::GridTraces;
using testing::TempFolder;
using testing::TestDecisions;
using testing::TestTrace;

float Wave(int line, int trace, int n) {
  if (line == 2 && trace == 7) return 0.0f;  // an all-zero trace
  return std::sin(static_cast<float>(line * 5 + trace * 3 + n)) * (1 + (line * trace) % 7) * 0.3f;
}

float OtherWave(int line, int trace, int n) {
  return std::cos(static_cast<float>(line + trace * 2 + n)) * 2.5f;
}

float LoudWave(int line, int trace, int n) {
  return 20.0f * OtherWave(line, trace, n);
}

constexpr int kSamples = 16;

// Passes every step on to the job, noting the bytes the first process
// receives at each gathering.
class CountingGroup final : public ProcessGroup {
 public:
  CountingGroup(ProcessGroup& group, std::vector<std::size_t>& gathered)
      : group_(group), gathered_(gathered) {}
  int Rank() const override { return group_.Rank(); }
  int Size() const override { return group_.Size(); }
  bool AllOk(bool ok) override { return group_.AllOk(ok); }
  long long Sum(long long value) override { return group_.Sum(value); }
  std::string Share(const std::string& text) override { return group_.Share(text); }
  std::vector<char> GatherOnFirst(const char* data, std::size_t bytes) override {
    std::vector<char> all = group_.GatherOnFirst(data, bytes);
    if (IsFirst()) gathered_.push_back(all.size());
    return all;
  }

 private:
  ProcessGroup& group_;
  std::vector<std::size_t>& gathered_;
};

// Calls back when a process's work reaches a new step.
class LabelHook final : public NullProgress {
 public:
  explicit LabelHook(std::function<void(const std::string&)> hook) : hook_(std::move(hook)) {}
  void SetLabel(const std::string& text) override {
    if (hook_) hook_(text);
  }

 private:
  std::function<void(const std::string&)> hook_;
};

// Files of one survey as a client delivers them: a file per two lines, then
// a file that holds some cells again with other traces, and a stray trace.
class GroupLoad : public ::testing::Test {
 protected:
  GroupLoad() {
    for (int line = 1; line <= 6; line += 2) {
      std::vector<TestTrace> traces = GridTraces(line, 2, 1, 180, kSamples, Wave);
      if (line == 3)
        traces.insert(traces.begin() + 50, {40, 2, std::vector<float>(kSamples, 9.0f)});
      Write(traces);
    }
    Write(GridTraces(2, 2, 170, 20, kSamples, OtherWave));  // cells of two earlier files
  }

  void Write(const std::vector<TestTrace>& traces) {
    files.push_back(folder.File("part" + std::to_string(files.size()) + ".sgy"));
    testing::WriteFileBytes(files.back(), BuildSegy(traces, kSamples, 4000, 1));
  }

  TestDecisions Decisions() const {
    TestDecisions decisions;
    decisions.header_path = folder.File("proj/proj.hdr");
    decisions.scale = scale;
    decisions.scale_given_beforehand = scale.has_value() && !scale_known_before;
    decisions.scale_known_before = scale_known_before;
    return decisions;
  }

  DiskLoadRequest Request(TestDecisions& decisions) {
    SegyFileHeaders headers;
    EXPECT_TRUE(ReadDiskHeaders(files[0], headers, decisions, prompter));
    DiskLoadRequest request;
    request.input_path = files[0];
    request.info = headers.info;
    request.window.no_scaling = no_scaling;
    if (scan_every_file) request.scan_also.assign(files.begin() + 1, files.end());
    return request;
  }

  std::string Project() const {
    return testing::ReadFileBytes(folder.File("proj/proj.amp")) +
           testing::ReadFileBytes(folder.File("proj/proj.hdr"));
  }

  // One process with the later files appended: the messages and the project.
  std::vector<std::string> LoadAlone() {
    TestDecisions decisions = Decisions();
    DiskLoadRequest request = Request(decisions);
    decisions.append.assign(files.begin() + 1, files.end());
    NullProgress progress;
    EXPECT_EQ(ConvertDiskFile(request, decisions, prompter, progress).result, LoadResult::Done)
        << prompter.last_text();
    return decisions.messages;
  }

  // The same files shared among ranks processes: the first one's messages
  // and every process's outcome.
  std::vector<std::string> LoadInGroup(int ranks, std::vector<LoadOutcome>& outcomes) {
    TestDecisions first = Decisions();
    GroupLoadRequest job;
    job.disk = Request(first);
    job.files = files;
    job.scan_every_file = scan_every_file;
    outcomes.assign(static_cast<std::size_t>(ranks), {});
    RecordingProgress first_progress;
    gathered.clear();
    testing::ThreadJob::Run(ranks, [&](ProcessGroup& job_group) {
      CountingGroup group(job_group, gathered);
      TestDecisions others = Decisions();
      ScriptedPrompter own;
      LabelHook progress([&](const std::string& label) {
        if (on_label) on_label(group.Rank(), label);
      });
      outcomes[static_cast<std::size_t>(group.Rank())] = ConvertDiskFilesInGroup(
          job, group, group.IsFirst() ? first : others, group.IsFirst() ? prompter : own,
          group.IsFirst() ? static_cast<Progress&>(first_progress) : progress);
    });
    scaling_pass = std::count(first_progress.labels.begin(), first_progress.labels.end(),
                              std::string("Scaling Traces")) > 0;
    return first.messages;
  }

  // A load by three processes stops every one of them, as the input
  // changed while it was loaded, and leaves no project.
  void ExpectStopAsInputChanged() {
    std::vector<LoadOutcome> outcomes;
    LoadInGroup(3, outcomes);
    for (const LoadOutcome& outcome : outcomes) EXPECT_NE(outcome.result, LoadResult::Done);
    EXPECT_NE(prompter.last_text().find("the input changed while it was loaded"), std::string::npos)
        << prompter.last_text();
    EXPECT_FALSE(std::filesystem::exists(folder.File("proj/proj.hdr")));
  }

  TempFolder folder;
  std::vector<std::string> files;
  ScriptedPrompter prompter;
  std::optional<double> scale;
  bool no_scaling = false, scan_every_file = true, scale_known_before = false;
  bool scaling_pass = false;  // the last group load rescaled the finished trace file
  // The bytes the first process received at each gathering of the last group load.
  std::vector<std::size_t> gathered;
  // Called with a later process's rank and each step its work reaches.
  std::function<void(int, const std::string&)> on_label;
};

TEST_F(GroupLoad, EveryProcessCountGivesTheProjectAndMessagesOfOneProcess) {
  struct Case {
    std::optional<double> scale;
    bool no_scaling, scan_every_file, known_before;
  };
  // Calculated scale (the rescaling pass over the finished file), a scale
  // given beforehand, no scaling, and ranges from the first file only (the
  // later files' traces outside them are skipped); then the calculated scale
  // known before the conversion, as in batch (the maxima found in the scan,
  // the traces written once).
  for (Case c : {Case{std::nullopt, false, true, false}, Case{3.0, false, true, false},
                 Case{std::nullopt, true, true, false}, Case{std::nullopt, false, false, false},
                 Case{std::nullopt, false, true, true}, Case{std::nullopt, false, false, true}}) {
    scale = c.scale;
    no_scaling = c.no_scaling;
    scan_every_file = c.scan_every_file;
    scale_known_before = c.known_before;
    const std::vector<std::string> messages = LoadAlone();
    const std::string project = Project();
    ASSERT_GT(project.size(), 600u);
    for (int ranks : {1, 2, 3, 5}) {
      std::filesystem::remove_all(folder.File("proj"));
      std::vector<LoadOutcome> outcomes;
      EXPECT_EQ(LoadInGroup(ranks, outcomes), messages) << ranks;
      EXPECT_TRUE(Project() == project) << ranks << " processes, scan " << c.scan_every_file;
      EXPECT_EQ(scaling_pass, !c.scale && !c.no_scaling && !c.known_before) << ranks;
      for (const LoadOutcome& outcome : outcomes) {
        EXPECT_EQ(outcome.result, LoadResult::Done) << prompter.last_text();
        EXPECT_EQ(outcome.traces_processed, 3 * 2 * 180 + 1 + 2 * 20);
      }
    }
  }
}

TEST_F(GroupLoad, AScaleValueOtherThanTheScanFoundStopsAllAndLeavesNoProject) {
  // The traces are written at the value the scan found; a value found
  // otherwise after the conversion (as when the input changed while it was
  // loaded) makes no project.
  scale_known_before = true;
  scale = 5.0;
  ExpectStopAsInputChanged();
}

TEST_F(GroupLoad, TracesThatChangeUnderTheLoadStopAllAndLeaveNoProject) {
  // The last file (the last process's) gets louder traces after the scan
  // found the scale value: the traces would be written at the wrong scale.
  scale_known_before = true;
  on_label = [&](int rank, const std::string& label) {
    if (rank == 2 && label == "Converting Traces ")
      testing::WriteFileBytes(files.back(), BuildSegy(GridTraces(2, 2, 170, 20, kSamples, LoudWave),
                                                      kSamples, 4000, 1));
  };
  ExpectStopAsInputChanged();
}

TEST_F(GroupLoad, WhatTheFirstProcessGathersAfterPlacingDoesNotGrowWithTheCells) {
  // A regular survey in four files: what the processes tell the first one
  // after placing stays the same for ten times the traces when the scan
  // found the scale value or nothing is scaled, grows by the traces' maxima
  // alone (for the scale figures) when the value was given, and by those and
  // each cell's maximum when a scaling pass follows.
  struct Case {
    std::optional<double> scale;
    bool known_before, no_scaling;
    std::size_t bytes_per_trace;
  };
  for (Case c : {Case{std::nullopt, true, false, 0}, Case{std::nullopt, false, true, 0},
                 Case{3.0, false, false, sizeof(float)},
                 Case{std::nullopt, false, false, 2 * sizeof(float)}}) {
    scale = c.scale;
    scale_known_before = c.known_before;
    no_scaling = c.no_scaling;
    std::vector<std::size_t> sizes;
    for (int traces : {30, 300}) {
      files.clear();
      for (int line = 1; line <= 8; line += 2)
        Write(GridTraces(line, 2, 1, traces, kSamples, Wave));
      const std::vector<std::string> messages = LoadAlone();
      const std::string project = Project();
      std::filesystem::remove_all(folder.File("proj"));
      std::vector<LoadOutcome> outcomes;
      EXPECT_EQ(LoadInGroup(3, outcomes), messages);
      EXPECT_TRUE(Project() == project);
      std::filesystem::remove_all(folder.File("proj"));
      ASSERT_EQ(gathered.size(), 2u);  // the scans, then the reports after placing
      sizes.push_back(gathered.back());
    }
    EXPECT_EQ(sizes[1] - sizes[0], 4 * 2 * (300 - 30) * c.bytes_per_trace) << c.no_scaling;
    EXPECT_LT(sizes[0] - 4 * 2 * 30 * c.bytes_per_trace, 3u * 100) << c.no_scaling;
  }
}

TEST_F(GroupLoad, RealFilesDeliveredInPiecesLoadAsOneProcessLoadsThem) {
  const std::string shared = testing::SharedDataFolder();
  if (shared.empty()) GTEST_SKIP() << "the shared SEG-Y files are absent";
  for (const char* name : {"small.sgy", "f3.sgy"}) {
    const std::string whole = testing::ReadFileBytes(shared + "/" + name);
    ASSERT_GT(whole.size(), kSegyFileHeaderBytes) << name;
    const std::string headers = whole.substr(0, kSegyFileHeaderBytes);
    const auto record = static_cast<std::size_t>(
        SegyRecordBytes(DecodeBinaryHeader(std::string_view(headers).substr(kSegyTextBytes))));
    const std::size_t records = (whole.size() - headers.size()) / record;
    // Three pieces of the file, then the first piece again: its traces win.
    files.clear();
    for (std::size_t piece : {0, 1, 2, 0}) {
      const std::size_t first = records * piece / 3, end = records * (piece + 1) / 3;
      files.push_back(folder.File(std::to_string(files.size()) + name));
      testing::WriteFileBytes(files.back(), headers + whole.substr(headers.size() + first * record,
                                                                   (end - first) * record));
    }
    const std::vector<std::string> messages = LoadAlone();
    const std::string project = Project();
    std::filesystem::remove_all(folder.File("proj"));
    std::vector<LoadOutcome> outcomes;
    EXPECT_EQ(LoadInGroup(3, outcomes), messages) << name;
    EXPECT_TRUE(Project() == project) << name;
    EXPECT_EQ(outcomes[2].traces_processed, static_cast<long long>(records + records / 3));
  }
}

TEST_F(GroupLoad, AFileRefusedByAnyProcessStopsAllAndKeepsTheOldProject) {
  LoadAlone();
  const std::string project = Project();
  // The last file, read by the last process, has longer traces.
  testing::WriteFileBytes(files.back(), BuildSegy(GridTraces(9, 1, 1, 3, 30, Wave), 30, 4000, 1));
  std::vector<LoadOutcome> outcomes;
  LoadInGroup(3, outcomes);
  for (const LoadOutcome& outcome : outcomes) EXPECT_NE(outcome.result, LoadResult::Done);
  EXPECT_TRUE(Project() == project);
  for (const auto& entry : std::filesystem::directory_iterator(folder.File("proj")))
    EXPECT_TRUE(entry.path().extension() == ".hdr" || entry.path().extension() == ".amp")
        << entry.path();

  // A new project is not left half-made either.
  std::filesystem::remove_all(folder.File("proj"));
  LoadInGroup(2, outcomes);
  EXPECT_FALSE(std::filesystem::exists(folder.File("proj")));
}

TEST_F(GroupLoad, AWriteThatFailsInAnyProcessStopsAllAndLeavesNoProject) {
  LoadAlone();
  const std::string project = Project();
  // The third write of trace records, a closing of the trace file, or
  // putting the trace file in place.
  for (WriteStep failing : {WriteStep::Write, WriteStep::Close, WriteStep::Rename}) {
    std::atomic<int> writes = 0;
    SetWriteFaultHook([&](WriteStep step, const std::string& path) {
      if (step != failing || path.find(".amp") == std::string::npos) return false;
      return step != WriteStep::Write || ++writes == 3;
    });
    std::vector<LoadOutcome> outcomes;
    LoadInGroup(3, outcomes);
    SetWriteFaultHook({});
    for (const LoadOutcome& outcome : outcomes) EXPECT_NE(outcome.result, LoadResult::Done);
    EXPECT_TRUE(Project() == project) << static_cast<int>(failing);
    for (const auto& entry : std::filesystem::directory_iterator(folder.File("proj")))
      EXPECT_TRUE(entry.path().extension() == ".hdr" || entry.path().extension() == ".amp")
          << entry.path();
  }
}

TEST(GroupLoadMerge, PartsMergeAsOneProcessReadsTheInput) {
  // Three processes; trace 999 (the thousandth) is skipped, and cell 5 gets
  // traces from all three.
  std::vector<RankLoadReport> reports(3);
  reports[0].traces = 600;
  reports[0].maxima.assign(600, 1.0f);
  reports[0].maxima[10] = 4.0f;
  reports[0].placed = {{5, 3, 1.0f}, {6, 4, 2.0f}};
  reports[1].traces = 400;
  reports[1].maxima.assign(400, 2.0f);
  reports[1].maxima[0] = 0.0f;
  reports[1].maxima[5] = 4.0f;  // as large as the first: the first one counts
  reports[1].skipped = {{999, 40, 2}};
  reports[1].placed = {{5, 700, 3.0f}};
  reports[2].traces = 1;
  reports[2].maxima.assign(1, 7.0f);
  reports[2].placed = {{5, 1000, 7.0f}, {7, 1000, 7.0f}};

  std::string bytes;
  for (const RankLoadReport& report : reports) bytes += EncodeRankReport(report);
  std::vector<RankLoadReport> decoded;
  ASSERT_TRUE(DecodeRankReports(bytes.data(), bytes.size(), 3, decoded));
  EXPECT_FALSE(DecodeRankReports(bytes.data(), bytes.size() - 1, 3, decoded));
  EXPECT_FALSE(DecodeRankReports(bytes.data(), bytes.size(), 2, decoded));

  MergedLoad merged = MergeRankReports(reports, 8, true);
  EXPECT_EQ(merged.traces, 1001);
  EXPECT_EQ(merged.skipped, 1);
  EXPECT_EQ(merged.messages,
            (std::vector<std::string>{"Converting 1000 Traces", "Skip Trace  line 40 trace 2"}));
  EXPECT_EQ(merged.stats.overall_max, 7.0);
  EXPECT_EQ(merged.stats.overall_max_trace, 1000);
  EXPECT_EQ(merged.stats.count, 1000);  // the zero trace does not count
  EXPECT_EQ(merged.stats.sum, 599 * 1.0 + 4.0 + 398 * 2.0 + 4.0 + 7.0);
  EXPECT_EQ(merged.maxima, (std::vector<float>{0, 0, 0, 0, 0, 7.0f, 2.0f, 7.0f}));
  ASSERT_EQ(merged.rewrites.size(), 1u);  // by the last writer only
  EXPECT_EQ(merged.rewrites[0].cell, 5);
  EXPECT_EQ(merged.rewrites[0].rank, 2);

  // Files go to the processes in runs of about equal bytes, in order.
  EXPECT_EQ(FileRunsBySize({100, 100, 100, 100}, 2), (std::vector<int>{0, 2, 4}));
  EXPECT_EQ(FileRunsBySize({1000, 10, 10, 10}, 2), (std::vector<int>{0, 1, 4}));
  EXPECT_EQ(FileRunsBySize({10, 10}, 4), (std::vector<int>{0, 1, 1, 2, 2}));
  EXPECT_EQ(FileRunsBySize({0, 0, 0}, 2), (std::vector<int>{0, 0, 3}));
  EXPECT_EQ(FileRunsBySize({}, 3), (std::vector<int>{0, 0, 0, 0}));

  // Without a scaling pass no maximum per cell is kept.
  EXPECT_TRUE(MergeRankReports(reports, 8, false).maxima.empty());

  // Within one process the later trace at a cell wins.
  std::vector<PlacedCell> last = LastPerCell({{9, 1, 1.0f}, {4, 2, 2.0f}, {9, 3, 3.0f}});
  ASSERT_EQ(last.size(), 2u);
  EXPECT_EQ(last[0].cell, 4);
  EXPECT_EQ(last[1].index, 3);
}

TEST(GroupLoadMerge, CellRunsWrittenByMoreThanOneProcessAreRewrittenByTheLastWriter) {
  // Each process's cells go as runs of consecutive cells when no scaling
  // pass needs their maxima; the runs of later processes overlap earlier
  // ones, one runs past the grid's 24 cells.
  std::vector<RankLoadReport> reports(3);
  for (std::int64_t cell = 0; cell < 10; ++cell) reports[0].placed.push_back({cell, cell, 1.0f});
  reports[0].traces = 10;
  reports[1].runs = {{5, 10}, {20, 2}};
  reports[2].runs = {{8, 4}, {21, 5}};
  reports[2].traces = 3;
  reports[2].maxima = {1.0f, 2.0f, 3.0f};
  std::string bytes = EncodeRankReport(reports[0], {.maxima = true, .cell_maxima = false});
  EXPECT_EQ(bytes.size(), 7 * sizeof(std::int64_t));  // the count, four lengths and a run
  bytes += EncodeRankReport(reports[1]) + EncodeRankReport(reports[2], {.maxima = false});
  std::vector<RankLoadReport> decoded;
  ASSERT_TRUE(DecodeRankReports(bytes.data(), bytes.size(), 3, decoded));
  EXPECT_TRUE(decoded[0].placed.empty());
  ASSERT_EQ(decoded[0].runs.size(), 1u);
  EXPECT_EQ(decoded[0].runs[0].count, 10);
  EXPECT_TRUE(decoded[2].maxima.empty());
  EXPECT_EQ(decoded[2].traces, 3);

  std::vector<std::pair<std::int64_t, int>> expected;
  for (std::int64_t cell : {5, 6, 7}) expected.push_back({cell, 1});
  for (std::int64_t cell : {8, 9, 10, 11, 21}) expected.push_back({cell, 2});
  std::sort(expected.begin(), expected.end());
  for (const std::vector<RankLoadReport>& parts : {reports, decoded}) {
    const MergedLoad merged = MergeRankReports(parts, 24, false);
    std::vector<std::pair<std::int64_t, int>> rewrites;
    for (const CellRewrite& rewrite : merged.rewrites)
      rewrites.push_back({rewrite.cell, rewrite.rank});
    EXPECT_EQ(rewrites, expected);
    EXPECT_EQ(merged.traces, 13);
  }

  // A report whose maxima do not match its trace count is refused.
  RankLoadReport torn;
  torn.traces = 2;
  torn.maxima = {1.0f};
  const std::string torn_bytes = EncodeRankReport(torn);
  EXPECT_FALSE(DecodeRankReports(torn_bytes.data(), torn_bytes.size(), 1, decoded));
}

}  // namespace
}  // namespace quarrix
