// The batch commands on a small demo survey: the project's own files are
// never written, existing files are replaced only on request, bare names lie
// in the project folder, and a write failing at any point leaves the old
// files as they were (or, for files changed in place, a marker) and a
// non-zero exit status.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>
#include <sstream>

#include "exchange/exchange_commands.h"
#include "fault/fault_commands.h"
#include "horizon/horizon_commands.h"
#include "loader/demo_survey.h"
#include "loader/loader_commands.h"
#include "map/map_commands.h"
#include "platform/paths.h"
#include "platform/write_session.h"
#include "section/conditioning_commands.h"
#include "section/plot_section_command.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

namespace fs = std::filesystem;
using Command = std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)>;
using Snapshot = std::map<std::string, std::string>;

const std::map<std::string, Command>& Commands() {
  static const std::map<std::string, Command> commands = {
      {"horizon", RunHorizonCommand},
      {"pick", RunPickCommand},
      {"snap", RunSnapCommand},
      {"erase", RunEraseCommand},
      {"autopick", [](const auto& a, auto& o, auto& e) { return RunAutopickCommand(a, o, e, {}); }},
      {"slice", RunSliceCommand},
      {"flatten", RunFlattenCommand},
      {"arb", RunArbCommand},
      {"fault", RunFaultCommand},
      {"import-horizon", RunImportHorizonCommand},
      {"export-horizon", RunExportHorizonCommand},
      {"math", RunMathCommand},
      {"grid", RunGridCommand},
      {"process", RunProcessCommand},
      {"plot-section", RunPlotSectionCommand},
      {"export", RunExportCommand},
  };
  return commands;
}

class WriteSafety : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = folder.File("proj/demo");
    std::ostringstream out, err;
    ASSERT_EQ(
        RunDemoCommand({folder.File("proj"), "--lines", "12", "--traces", "10", "--samples", "100"},
                       out, err, nullptr),
        0)
        << err.str();
    hdr = JoinPath(dir, "demo.hdr");
    ASSERT_EQ(Run({"horizon", "create", hdr, "top.hor"}), 0) << err_text;
    ASSERT_EQ(
        Run({"pick", hdr, "top.hor", "--line", "1003", "--from", "2001:120", "--type", "cursor"}),
        0)
        << err_text;
    ASSERT_EQ(Run({"fault", "create", hdr, "f.ffl"}), 0) << err_text;
    testing::WriteFileBytes(JoinPath(dir, "picks.txt"), "1001 2001 140\r\n1005 2004 160\r\n");
  }

  int Run(std::vector<std::string> args) {
    std::ostringstream out, err;
    const std::string name = args.front();
    args.erase(args.begin());
    int status = Commands().at(name)(args, out, err);
    err_text = err.str();
    return status;
  }

  Snapshot Take() const {
    Snapshot files;
    for (const std::string& name : testing::ListFolder(dir))
      files[name] = testing::ReadFileBytes(JoinPath(dir, name));
    return files;
  }

  // The names of the files that differ between two snapshots.
  static std::string Changed(const Snapshot& a, const Snapshot& b) {
    std::string names;
    for (const auto& [name, bytes] : a)
      if (!b.count(name) || b.at(name) != bytes) names += name + ' ';
    for (const auto& [name, bytes] : b)
      if (!a.count(name)) names += name + ' ';
    return names;
  }

  void Restore(const Snapshot& files) const {
    for (const std::string& name : testing::ListFolder(dir))
      if (!files.count(name)) fs::remove(JoinPath(dir, name));
    for (const auto& [name, bytes] : files)
      if (testing::ReadFileBytes(JoinPath(dir, name)) != bytes)
        testing::WriteFileBytes(JoinPath(dir, name), bytes);
  }

  testing::TempFolder folder;
  std::string dir, hdr, err_text;
};

TEST_F(WriteSafety, NoCommandWritesTheProjectsOwnFiles) {
  fs::create_symlink(JoinPath(dir, "demo.amp"), JoinPath(dir, "link.hor"));
  fs::create_symlink(JoinPath(dir, "demo.amp"), JoinPath(dir, "link.wmf"));
  const Snapshot before = Take();
  const std::vector<std::vector<std::string>> runs = {
      {"horizon", "create", hdr, "demo.amp", "--force"},
      {"horizon", "create", hdr, "demo.hdr", "--force"},
      {"horizon", "create", hdr, "link.hor", "--force"},
      {"pick", hdr, "demo.amp", "--line", "1001", "--from", "2005:100"},
      {"snap", hdr, "demo.amp"},
      {"erase", hdr, "demo.hdr"},
      {"autopick", hdr, "link.hor", "--mode", "inline"},
      {"flatten", hdr, "top.hor", "--out", "demo.x_y", "--force"},
      {"arb", "create", hdr, "demo.amp", "--vertex", "0,0", "--force"},
      {"fault", "create", hdr, "demo.amp", "--force"},
      {"fault", "segment", hdr, "demo.x_y", "--line", "1002", "--from", "2002:100", "--to",
       "2004:140"},
      {"fault", "to-horizon", hdr, "f.ffl", "demo.hdr", "--force"},
      {"fault", "blank-horizon", hdr, "demo.amp", "f.ffl"},
      {"import-horizon", hdr, "picks.txt", "--line-col", "1", "--trace-col", "2", "--z-col", "3",
       "--out", "demo.amp", "--force"},
      {"export-horizon", hdr, "top.hor", "--format", "custom", "--out", "demo.hdr", "--force"},
      {"math", hdr, "--out", "demo.amp", "--expr", "h1", "--h1", "top.hor", "--force"},
      {"grid", hdr, "demo.amp"},
      {"grid", hdr, "top.hor", "--out", "demo.x_y", "--force"},
      {"process", hdr, "--agc", "100", "--out", "demo.hdr", "--force"},
      {"plot-section", hdr, "--line", "1001", "--out", "link.wmf", "--force"},
      {"export", hdr, "--out", "demo.amp", "--force"},
  };
  for (const auto& args : runs) {
    EXPECT_NE(Run(args), 0) << args[0] << ' ' << args[1] << ' ' << args.back();
    EXPECT_NE(err_text, "") << args[0];
    ASSERT_EQ(Changed(Take(), before), "") << args[0] << ' ' << args[1];
  }
}

TEST_F(WriteSafety, AnExistingFileIsReplacedOnlyWithForce) {
  const std::string top = testing::ReadFileBytes(JoinPath(dir, "top.hor"));
  EXPECT_EQ(Run({"horizon", "create", hdr, "top.hor"}), 1);
  EXPECT_NE(err_text.find("--force"), std::string::npos);
  EXPECT_EQ(testing::ReadFileBytes(JoinPath(dir, "top.hor")), top);
  EXPECT_EQ(Run({"fault", "create", hdr, "top.hor"}), 1);
  EXPECT_EQ(testing::ReadFileBytes(JoinPath(dir, "top.hor")), top);
  EXPECT_EQ(Run({"horizon", "create", hdr, "top.hor", "--force"}), 0);
  EXPECT_NE(testing::ReadFileBytes(JoinPath(dir, "top.hor")), top);
  // Editing a horizon needs no --force, but it must be a horizon of this grid.
  testing::WriteFileBytes(JoinPath(dir, "short.hor"), "1234abcd");
  EXPECT_EQ(Run({"snap", hdr, "short.hor"}), 1);
  EXPECT_NE(err_text.find("holds 8 bytes, too few"), std::string::npos) << err_text;
}

TEST_F(WriteSafety, ABareNameLiesInTheProjectFolderWhateverFolderTheCommandRunsIn) {
  const fs::path was = fs::current_path();
  fs::current_path(folder.path());
  EXPECT_EQ(Run({"import-horizon", "proj/demo/demo.hdr", "proj/demo/picks.txt", "--line-col", "1",
                 "--trace-col", "2", "--z-col", "3", "--out", "x.hor"}),
            0)
      << err_text;
  EXPECT_EQ(Run({"math", "proj/demo/demo.hdr", "--out", "y.isp", "--expr", "h1", "--h1", "x.hor"}),
            0)
      << err_text;
  EXPECT_EQ(Run({"fault", "create", "proj/demo/demo.hdr", "g.ffl"}), 0) << err_text;
  EXPECT_EQ(Run({"fault", "segment", "proj/demo/demo.hdr", "g.ffl", "--line", "1002", "--from",
                 "2002:100", "--to", "2004:140"}),
            0)
      << err_text;
  // A name with a folder is taken as given.
  fs::create_directory("elsewhere");
  EXPECT_EQ(Run({"export-horizon", "proj/demo/demo.hdr", "top.hor", "--format", "custom", "--out",
                 "elsewhere/z.txt"}),
            0)
      << err_text;
  fs::current_path(was);
  for (const char* name : {"x.hor", "y.isp", "g.ffl"})
    EXPECT_TRUE(FileExists(JoinPath(dir, name))) << name;
  EXPECT_TRUE(FileExists(folder.File("elsewhere/z.txt")));
  EXPECT_FALSE(FileExists(folder.File("g.ffl")));
}

TEST_F(WriteSafety, ASecondWriterOfAHorizonIsToldItIsBusy) {
  WriteSession first;
  ASSERT_TRUE(first.Begin(JoinPath(dir, "top.hor")));
  const std::string before = testing::ReadFileBytes(JoinPath(dir, "top.hor"));
  EXPECT_EQ(Run({"erase", hdr, "top.hor"}), 1);
  EXPECT_NE(err_text.find("is busy"), std::string::npos) << err_text;
  EXPECT_EQ(testing::ReadFileBytes(JoinPath(dir, "top.hor")), before);
}

// Every command run with one write failing at each point: first open, first
// write, a write in the middle, the close and the rename.
TEST_F(WriteSafety, AFailingWriteAtAnyPointLeavesNothingHalfMade) {
  struct Case {
    std::vector<std::string> args;
    std::string edited;  // the file changed in place, "" for commands that create
  };
  const std::vector<Case> cases = {
      {{"horizon", "create", hdr, "new.hor", "--force"}, ""},
      {{"fault", "create", hdr, "new.ffl", "--force"}, ""},
      {{"arb", "create", hdr, "a.arb", "--vertex", "0,0", "--vertex", "9,11", "--force"}, ""},
      {{"import-horizon", hdr, "picks.txt", "--line-col", "1", "--trace-col", "2", "--z-col", "3",
        "--out", "imp.hor", "--force"},
       ""},
      {{"export-horizon", hdr, "top.hor", "--format", "custom", "--out", "top.txt", "--force"}, ""},
      {{"math", hdr, "--out", "sum.isp", "--expr", "h1 + 10", "--h1", "top.hor", "--force"}, ""},
      {{"flatten", hdr, "top.hor", "--out", "top.flt", "--force"}, ""},
      {{"slice", hdr, "--start", "100", "--end", "108", "--inc", "4"}, ""},
      {{"grid", hdr, "top.hor", "--out", "filled.hor", "--force"}, ""},
      {{"process", hdr, "--agc", "100", "--out", "proc.amp", "--force"}, ""},
      {{"plot-section", hdr, "--line", "1001", "--out", "sec.wmf", "--force"}, ""},
      {{"export", hdr, "--out", "demo.sgy", "--force"}, ""},
      {{"export", hdr, "--tape", "demo.tap", "--force"}, ""},
      {{"pick", hdr, "top.hor", "--line", "1005", "--from", "2001:150", "--type", "cursor"},
       "top.hor"},
      {{"snap", hdr, "top.hor"}, "top.hor"},
      {{"erase", hdr, "top.hor", "--zoom", "1001:1004,2001:2005"}, "top.hor"},
      {{"fault", "segment", hdr, "f.ffl", "--line", "1004", "--from", "2002:100", "--to",
        "2006:160"},
       "f.ffl"},
      {{"grid", hdr, "top.hor"}, "top.hor"},
      {{"process", hdr, "--agc", "100", "--in-place"}, "demo.amp"},
  };
  const Snapshot start = Take();
  for (const Case& c : cases) {
    const std::string what = c.args[0] + ' ' + c.args[1];
    int writes = 0;
    SetWriteFaultHook([&writes](WriteStep step, const std::string&) {
      writes += step == WriteStep::Write;
      return false;
    });
    const int clean = Run(c.args);
    SetWriteFaultHook({});
    ASSERT_EQ(clean, 0) << what << ": " << err_text;
    const Snapshot done = Take();
    Restore(start);
    const std::pair<WriteStep, int> points[] = {{WriteStep::Open, 1},
                                                {WriteStep::Write, 1},
                                                {WriteStep::Write, writes / 2 + 1},
                                                {WriteStep::Close, 1},
                                                {WriteStep::Rename, 1}};
    for (const auto& [step, count] : points) {
      int status = 0;
      bool reached = false;
      {
        testing::FailingWrites fail(step, count);
        status = Run(c.args);
        reached = fail.reached() >= count;
      }
      const std::string at = what + " failing at step " + std::to_string(static_cast<int>(step)) +
                             " #" + std::to_string(count);
      if (!reached) {
        EXPECT_EQ(status, 0) << at << ": " << err_text;
      } else {
        EXPECT_NE(status, 0) << at;
        const bool marked =
            !c.edited.empty() && FileExists(WriteMarkerPath(JoinPath(dir, c.edited)));
        // Every file the run changed is as a whole run makes it (slices are
        // files of their own) or, for a file changed in place, marked.
        const Snapshot now = Take();
        for (const auto& [name, bytes] : now)
          if (!marked && (!start.count(name) || start.at(name) != bytes))
            EXPECT_TRUE(done.count(name) && done.at(name) == bytes) << at << " half-made " << name;
        for (const auto& [name, bytes] : start)
          EXPECT_TRUE(marked || now.count(name)) << at << " removed " << name;
      }
      for (const std::string& name : testing::ListFolder(dir))
        EXPECT_TRUE(name.find(".tmp~") == std::string::npos &&
                    name.find(".loading") == std::string::npos)
            << at << " left " << name;
      Restore(start);
    }
  }
}

TEST_F(WriteSafety, AnInterruptedEditIsReportedAtTheNextRun) {
  {
    // The first write is the marker's; the second the first trace's.
    testing::FailingWrites fail(WriteStep::Write, 2);
    EXPECT_NE(Run({"process", hdr, "--agc", "100", "--in-place"}), 0);
  }
  EXPECT_TRUE(FileExists(WriteMarkerPath(JoinPath(dir, "demo.amp"))));
  EXPECT_EQ(Run({"process", hdr, "--agc", "100", "--in-place"}), 0) << err_text;
  EXPECT_NE(err_text.find("did not finish"), std::string::npos) << err_text;
  EXPECT_FALSE(FileExists(WriteMarkerPath(JoinPath(dir, "demo.amp"))));
}

TEST_F(WriteSafety, AFailedDemoLeavesNoTemporaries) {
  const std::string other = folder.File("other");
  for (WriteStep step : {WriteStep::Write, WriteStep::Close, WriteStep::Rename}) {
    std::ostringstream out, err;
    testing::FailingWrites fail(step, 1);
    EXPECT_NE(RunDemoCommand({other, "--lines", "4", "--traces", "4", "--samples", "100"}, out, err,
                             nullptr),
              0);
    for (const std::string& name : testing::ListFolder(other))
      EXPECT_TRUE(name.find('~') == std::string::npos && name.find(".loading") == std::string::npos)
          << name;
  }
}

}  // namespace
}  // namespace quarrix
