#include "platform/safe_write.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/atomic_file.h"
#include "platform/paths.h"
#include "platform/write_session.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

TEST(SafeWrite, AFailureAtAnyStepLeavesTheOldFileAndNoTemporary) {
  testing::TempFolder folder;
  const std::string path = folder.File("top.hor");
  testing::WriteFileBytes(path, "old picks");
  for (WriteStep step : {WriteStep::Open, WriteStep::Write, WriteStep::Close, WriteStep::Rename}) {
    testing::FailingWrites fail(step, 1);
    std::string error;
    EXPECT_FALSE(WriteFileSafely(path, "new picks", &error));
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_EQ(testing::ReadFileBytes(path), "old picks");
    EXPECT_EQ(testing::ListFolder(folder.path()), std::vector<std::string>{"top.hor"});
  }
  EXPECT_TRUE(WriteFileSafely(path, "new picks"));
  EXPECT_EQ(testing::ReadFileBytes(path), "new picks");
}

TEST(SafeWrite, TemporariesAreUniqueAndAFullDiskIsToldAsSuch) {
  EXPECT_NE(UniqueTemporaryPath("a.hdr", ".tmp~"), UniqueTemporaryPath("a.hdr", ".tmp~"));
  EXPECT_NE(UniqueTemporaryPath("a.hdr", ".tmp~").find(std::to_string(::getpid())),
            std::string::npos);
  // A folder standing where the old fixed temporary name went is no obstacle.
  testing::TempFolder folder;
  const std::string path = folder.File("keep.hdr");
  std::filesystem::create_directory(path + ".tmp~");
  EXPECT_TRUE(WriteFileAtomically(path, "x"));

  EXPECT_EQ(WriteFailureText("The trace file t.amp could not be written", ENOSPC), "Disk Full");
  EXPECT_EQ(WriteFailureText("The trace file t.amp could not be written", EACCES),
            "The trace file t.amp could not be written: Permission denied");
  OutputFile file(folder.File("full.sgy"));
  ASSERT_TRUE(file.Open());
  {
    testing::FailingWrites fail(WriteStep::Write, 1);
    EXPECT_FALSE(file.Write("abc"));
  }
  EXPECT_EQ(file.UserMessage(), "Disk Full");
  EXPECT_FALSE(file.Commit());
  EXPECT_FALSE(FileExists(folder.File("full.sgy")));
}

TEST(WriteSession, ASecondWriterIsToldTheFileIsBusy) {
  testing::TempFolder folder;
  const std::string path = folder.File("top.hor");
  testing::WriteFileBytes(path, "cells");
  WriteSession first;
  ASSERT_TRUE(first.Begin(path));
  EXPECT_TRUE(first.warning().empty());
  WriteSession second;
  EXPECT_FALSE(second.Begin(path));
  EXPECT_NE(second.problem().find("is busy"), std::string::npos) << second.problem();
  first.Finish();
}

TEST(WriteSession, AnUnfinishedRunLeavesAMarkerTheNextRunReports) {
  testing::TempFolder folder;
  const std::string path = folder.File("top.hor");
  testing::WriteFileBytes(path, "cells");
  {
    WriteSession interrupted;
    ASSERT_TRUE(interrupted.Begin(path));
  }
  EXPECT_NE(InterruptedWriteWarning(path).find("did not finish"), std::string::npos);
  WriteSession next;
  ASSERT_TRUE(next.Begin(path));
  EXPECT_FALSE(next.warning().empty());
  next.Finish();
  EXPECT_EQ(InterruptedWriteWarning(path), "");
  EXPECT_EQ(testing::ListFolder(folder.path()), std::vector<std::string>{"top.hor"});
}

TEST(WriteSession, AReadOnlyFileSaysWhy) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes to read-only files";
  testing::TempFolder folder;
  const std::string path = folder.File("top.hor");
  testing::WriteFileBytes(path, "cells");
  ::chmod(path.c_str(), 0444);
  WriteSession session;
  EXPECT_FALSE(session.Begin(path));
  EXPECT_NE(session.problem().find("Permission denied"), std::string::npos) << session.problem();
}

}  // namespace
}  // namespace quarrix
