#include "project/output_guard.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "platform/paths.h"
#include "project/project_state.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

struct GuardedProject {
  GuardedProject() {
    SurveyHeader header;
    header.num_lines = 3;
    header.traces_per_line = 4;
    NameProject(project, folder.File("north.hdr"), header);
    for (const char* name : {"north.hdr", "north.amp", "north.x_y"})
      testing::WriteFileBytes(folder.File(name), "project");
  }
  testing::TempFolder folder;
  ProjectState project;
};

TEST(OutputGuard, TheProjectsOwnFilesAreNeverAnOutputWhateverTheyAreCalled) {
  GuardedProject p;
  std::filesystem::create_symlink(p.folder.File("north.amp"), p.folder.File("link.hor"));
  std::filesystem::create_directory(p.folder.File("sub"));
  for (const std::string& name :
       {p.folder.File("north.amp"), p.folder.File("north.hdr"), p.folder.File("north.x_y"),
        p.folder.File("link.hor"), p.folder.File("NORTH.AMP"), p.folder.File("sub/../north.amp")}) {
    EXPECT_TRUE(IsProjectFile(p.project, name)) << name;
    EXPECT_NE(CheckNewOutput(p.project, name, true), "") << name;
    EXPECT_NE(CheckEditedFile(p.project, name, EditedFile::Horizon), "") << name;
  }
  EXPECT_FALSE(IsProjectFile(p.project, p.folder.File("north.hor")));
}

TEST(OutputGuard, AnExistingFileIsReplacedOnlyWhenTheUserSaidSo) {
  GuardedProject p;
  const std::string top = p.folder.File("top.hor");
  EXPECT_EQ(CheckNewOutput(p.project, top, false), "");
  testing::WriteFileBytes(top, "picks");
  EXPECT_NE(CheckNewOutput(p.project, top, false).find("--force"), std::string::npos);
  EXPECT_EQ(CheckNewOutput(p.project, top, true), "");
  EXPECT_NE(CheckNewOutput(p.project, p.folder.path(), true), "");
}

TEST(OutputGuard, AnEditedFileMustHaveTheSizeOfItsKindForTheGrid) {
  GuardedProject p;
  const std::size_t grid = 24;  // 3 x 4 cells of 2 bytes
  const std::string path = p.folder.File("Top.HOR");
  EXPECT_NE(CheckEditedFile(p.project, path, EditedFile::Horizon).find("no such file"),
            std::string::npos);
  for (const auto& [size, kind, fits] : {std::tuple{4 + 2 * grid, EditedFile::Horizon, true},
                                         std::tuple{4 + grid, EditedFile::Horizon, true},
                                         std::tuple{2 + grid, EditedFile::Horizon, false},
                                         std::tuple{std::size_t{600}, EditedFile::Horizon, false},
                                         std::tuple{12 + grid, EditedFile::Fault, true},
                                         std::tuple{4 + 2 * grid, EditedFile::Fault, false}}) {
    testing::WriteFileBytes(path, std::string(size, 'x'));
    EXPECT_EQ(CheckEditedFile(p.project, path, kind).empty(), fits) << size;
  }
}

TEST(OutputGuard, ABareNameLiesInTheProjectFolderAndAPathIsTakenAsGiven) {
  EXPECT_EQ(ResolveProjectName("hz/demo", "x.hor"), "hz/demo/x.hor");
  EXPECT_EQ(ResolveProjectName("hz/demo", "out/x.hor"), "out/x.hor");
  EXPECT_EQ(ResolveProjectName("hz/demo", "/abs/x.hor"), "/abs/x.hor");
  EXPECT_EQ(ResolveProjectName("", "x.hor"), "x.hor");
}

}  // namespace
}  // namespace quarrix
