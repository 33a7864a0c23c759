#include "scan/scanner_source.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/progress.h"
#include "scan/sane_test_backend.h"
#include "support/test_support.h"

// SANE's test backend loses a read buffer now and then; its code, not ours.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libsane-test\n";
}

namespace quarrix {
namespace {

using testing::SaneTestBackendInstalled;
using testing::TestBackendConfig;

class ScannerSource : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!ScannerSupportBuilt()) GTEST_SKIP() << "built without SANE (libsane-dev)";
    if (!SaneTestBackendInstalled())
      GTEST_SKIP() << "SANE's test backend is not installed (Debian libsane1)";
    testing::WriteFileBytes(config_.File("dll.conf"), "test\n");
    testing::WriteFileBytes(config_.File("test.conf"), TestBackendConfig("mode Gray\n"));
    setenv("SANE_CONFIG_DIR", config_.path().c_str(), 1);
  }
  void TearDown() override { unsetenv("SANE_CONFIG_DIR"); }
  testing::TempFolder config_;
};

TEST_F(ScannerSource, ListsTheTestDeviceAndScansAPage) {
  std::string problem;
  const std::vector<ScannerDevice> devices = ListScanners(problem);
  ASSERT_FALSE(devices.empty()) << problem;
  EXPECT_EQ(devices[0].name, "test:0");
  ScannedPage page;
  RecordingProgress progress;
  ASSERT_TRUE(AcquirePage("test:0", page, problem, progress)) << problem;
  EXPECT_GT(page.width, 50);
  EXPECT_GT(page.height, 50);
  EXPECT_EQ(page.pixels.size(), static_cast<std::size_t>(page.width) * page.height);
  EXPECT_FALSE(progress.positions.empty());
  EXPECT_EQ(progress.positions.back(), 100);
}

// SANE reads its configuration once per program, and ctest runs every test
// in a program of its own: each colour layout gets its own test.
void ExpectColourPage(const std::string& folder, const char* three_pass) {
  testing::WriteFileBytes(folder + "/test.conf",
                          TestBackendConfig(std::string("mode Color\nthree-pass ") + three_pass +
                                            "\ntest-picture \"Color pattern\"\n"));
  std::string problem;
  ScannedPage page;
  RecordingProgress progress;
  ASSERT_TRUE(AcquirePage("test:0", page, problem, progress)) << problem;
  ASSERT_GT(page.width, 50);
  int coloured = 0;
  for (const Rgb& p : page.pixels) coloured += p.r != p.g || p.g != p.b;
  EXPECT_GT(coloured, static_cast<int>(page.pixels.size()) / 4);
}

TEST_F(ScannerSource, ColourInOneFrame) {
  ExpectColourPage(config_.path(), "false");
}

TEST_F(ScannerSource, ColourInThreeFrames) {
  ExpectColourPage(config_.path(), "true");
}

TEST_F(ScannerSource, AnUnknownDeviceIsSaid) {
  std::string problem;
  ScannedPage page;
  NullProgress progress;
  EXPECT_FALSE(AcquirePage("nothing:7", page, problem, progress));
  EXPECT_NE(problem.find("nothing:7"), std::string::npos);
}

}  // namespace
}  // namespace quarrix
