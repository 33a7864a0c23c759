// A batch load knows its appended files and its scale value before the
// conversion, so it writes every trace at its final scale in one pass; the
// window's load, asked as it goes, scales in a second pass over the trace
// file. Both must give the same project and the same messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>

#include "loader/batch_decisions.h"
#include "loader/disk_conversion.h"
#include "platform/command_line.h"
#include "platform/progress.h"
#include "platform/scripted_prompter.h"
#include "segy_test_files.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

using testing::BuildSegy;
using testing::GridTraces;
using testing::TestTrace;

// The batch answers, but given as the load goes, as the window gives them.
class AskedAsTheLoadGoes : public BatchDecisions {
 public:
  using BatchDecisions::BatchDecisions;
  bool ScaleValueKnownBeforeConversion() const override { return false; }
};

// As if the input changed between the scan and the conversion: the value
// found after the conversion is not the one found before it.
class ChangingInput : public BatchDecisions {
 public:
  using BatchDecisions::BatchDecisions;
  std::optional<double> ScaleValue(const ScaleSummary& summary) override {
    return summary.calculated * 2;
  }
};

struct Loaded {
  bool done = false;
  bool scaling_pass = false;  // the pass over the finished trace file ran
  std::string amp, header, messages, told;
};

class OnePassLoad : public ::testing::Test {
 protected:
  // Loads inputs[0] with the rest appended, the options as on the command line.
  enum Kind { kTwoPasses, kOnePass, kChanging };
  Loaded Load(const std::vector<std::string>& inputs, std::vector<std::string> args, Kind kind,
              int threads = 1) {
    std::filesystem::remove_all(folder.File("proj"));
    args.insert(args.end(),
                {"--project", folder.File("proj"), "--line-word", "189", "--trace-word", "193"});
    CommandLine line(args, OptionSet(kLoadValueOptions), OptionSet(kLoadFlagOptions));
    BatchLoadOptions options;
    EXPECT_EQ(ParseLoadOptions(line, options), "");
    DiskLoadRequest request;
    request.input_path = folder.File(inputs[0]);
    request.window = options.window;
    request.threads = threads;
    for (std::size_t k = 1; k < inputs.size(); ++k)
      options.append.push_back(folder.File(inputs[k]));
    if (!options.lines || !options.traces)
      request.scan_also.assign(options.append.begin(), options.append.end());
    std::ostringstream messages;
    std::unique_ptr<BatchDecisions> decisions;
    if (kind == kOnePass) decisions = std::make_unique<BatchDecisions>(options, messages);
    if (kind == kTwoPasses) decisions = std::make_unique<AskedAsTheLoadGoes>(options, messages);
    if (kind == kChanging) decisions = std::make_unique<ChangingInput>(options, messages);
    ScriptedPrompter prompter;
    RecordingProgress progress;
    SegyFileHeaders headers;
    Loaded loaded;
    if (!ReadDiskHeaders(request.input_path, headers, *decisions, prompter)) return loaded;
    request.info = headers.info;
    loaded.done =
        ConvertDiskFile(request, *decisions, prompter, progress).result == LoadResult::Done;
    loaded.messages = messages.str();
    loaded.scaling_pass = std::count(progress.labels.begin(), progress.labels.end(),
                                     std::string("Scaling Traces")) > 0;
    for (const auto& m : prompter.messages()) loaded.told += m.text + '\n';
    if (loaded.done) {
      loaded.amp = testing::ReadFileBytes(folder.File("proj/proj.amp"));
      loaded.header = testing::ReadFileBytes(folder.File("proj/proj.hdr"));
    }
    return loaded;
  }

  // The one-pass load against the two-pass one, on one thread and on three.
  void ExpectSameAsTwoPasses(const std::vector<std::string>& inputs,
                             const std::vector<std::string>& args, const std::string& what) {
    const Loaded two = Load(inputs, args, kTwoPasses);
    ASSERT_TRUE(two.done) << what << '\n' << two.told;
    for (int threads : {1, 3}) {
      const Loaded one = Load(inputs, args, kOnePass, threads);
      ASSERT_TRUE(one.done) << what << '\n' << one.told;
      EXPECT_FALSE(one.scaling_pass) << what;
      EXPECT_TRUE(one.amp == two.amp) << what << ", " << threads << " threads";
      EXPECT_EQ(one.header, two.header) << what;
      EXPECT_EQ(one.messages, two.messages) << what;
      EXPECT_EQ(one.told, two.told) << what;
    }
  }

  void Write(const std::string& name, const std::vector<TestTrace>& traces, int samples = 37) {
    testing::WriteFileBytes(folder.File(name), BuildSegy(traces, samples, 4000, 1));
  }

  testing::TempFolder folder;
};

float Wavy(int line, int trace, int n) {
  if (line == 2 && trace == 3) return 0.0f;  // an all-zero trace
  if (line == 3 && trace == 1 && n == 5) return 1.0e30f;
  return std::sin(static_cast<float>(line * 11 + trace * 5 + n)) * (1 + trace) * 0.731f;
}

float Louder(int line, int trace, int n) {
  if (line == 6 && trace == 4 && n == 9) return -3.0e30f;  // the largest value of the input
  return Wavy(line, trace, n) * 7.0f;
}

TEST_F(OnePassLoad, HandBuiltInputsGiveTheTwoPassProject) {
  std::vector<TestTrace> first = GridTraces(1, 4, 1, 6, 37, Wavy);
  first.erase(first.begin() + 7);                          // a gap
  first.push_back({9, 2, std::vector<float>(37, 3.0f)});   // off the grid: skipped
  first.push_back({2, 4, std::vector<float>(37, -0.5f)});  // a second trace at one cell
  first.push_back({4, 6, std::vector<float>(37, 0.0f)});   // an all-zero trace replacing one
  Write("a.sgy", first);
  Write("b.sgy", GridTraces(5, 2, 1, 6, 37, Louder));
  Write("c.sgy", GridTraces(3, 1, 2, 3, 37, Wavy));          // lines already loaded: replaced
  Write("short.sgy", GridTraces(7, 1, 1, 2, 20, Wavy), 20);  // another layout: input ends

  ExpectSameAsTwoPasses({"a.sgy"}, {}, "calculated scale");
  ExpectSameAsTwoPasses({"a.sgy", "b.sgy", "c.sgy"}, {}, "appended files, all scanned");
  ExpectSameAsTwoPasses({"a.sgy", "b.sgy", "c.sgy"}, {"--scale", "2.5"}, "--scale");
  // With both ranges given only the first file is scanned; the appended ones
  // still count for the scale value, up to the one that ends the input.
  ExpectSameAsTwoPasses({"a.sgy", "b.sgy", "short.sgy", "c.sgy"},
                        {"--lines", "1:6", "--traces", "1:6"}, "ranges given");
  ExpectSameAsTwoPasses({"a.sgy", "b.sgy"}, {"--start-time", "20", "--end-time", "100"},
                        "time window");
  Write("zero.sgy", GridTraces(1, 2, 1, 2, 37, [](int, int, int) { return 0.0f; }));
  ExpectSameAsTwoPasses({"zero.sgy"}, {}, "only zero traces");

  // An input of several blocks, each read and measured in pieces on the
  // threads; the largest value comes twice, in different blocks, and the
  // first of the two traces is the largest.
  Write("big.sgy",
        GridTraces(1, 40, 1, 50, 1000,
                   [](int line, int trace, int n) {
                     if ((line == 9 || line == 31) && trace == 17 && n == 400) return -2.0e31f;
                     return Wavy(line, trace, n);
                   }),
        1000);
  ExpectSameAsTwoPasses({"big.sgy"}, {}, "several blocks");

  // A file cut off inside a trace: its whole traces count, the cut one not.
  std::string bytes = testing::ReadFileBytes(folder.File("b.sgy"));
  testing::WriteFileBytes(folder.File("cut.sgy"), bytes.substr(0, bytes.size() - 50));
  ExpectSameAsTwoPasses({"a.sgy", "cut.sgy", "c.sgy"}, {"--lines", "1:6", "--traces", "1:6"},
                        "cut file");
}

TEST_F(OnePassLoad, AValueThatChangesAfterTheConversionLeavesNoProject) {
  Write("a.sgy", GridTraces(1, 2, 1, 3, 37, Wavy));
  ASSERT_TRUE(Load({"a.sgy"}, {}, kTwoPasses).scaling_pass);
  const Loaded changed = Load({"a.sgy"}, {}, kChanging);
  EXPECT_FALSE(changed.done);
  EXPECT_NE(changed.told.find("the input changed while it was loaded"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder.File("proj/proj.amp")));
}

TEST_F(OnePassLoad, RealFilesGiveTheTwoPassProject) {
  const std::string shared = testing::SharedDataFolder();
  for (const char* name : {"small.sgy", "f3.sgy"}) {
    const std::string path = shared + "/" + name;
    if (shared.empty() || !std::filesystem::exists(path)) continue;
    std::filesystem::copy_file(path, folder.File(name));
    ExpectSameAsTwoPasses({name}, {}, name);
    // The file again, appended: every trace comes twice, the second replacing the first.
    ExpectSameAsTwoPasses({name, name}, {}, std::string(name) + " twice");
  }
}

}  // namespace
}  // namespace quarrix
