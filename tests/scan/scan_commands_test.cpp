#include "scan/scan_commands.h"

#include <gtest/gtest.h>

#include "platform/progress.h"
#include "platform/scripted_prompter.h"
#include "scan/scan_edits.h"
#include "scan_test_support.h"

namespace quarrix {
namespace {

using namespace scan_command;
using testing::RegisteredScan;

struct Window {
  ScanDocument document;
  ScriptedPrompter prompter;
  ScanActions actions;
  CommandTable table;
  int repaints = 0;
  std::optional<std::int16_t> typed;
  std::vector<std::string> status;

  explicit Window(ScanDocument d) : document(std::move(d)) {
    actions.prompter = &prompter;
    actions.changed = [this] { ++repaints; };
    actions.status = [this](const std::string& s) { status.push_back(s); };
    actions.contour = [this] { return typed; };
    table = ScanCommands(document, actions);
  }
  bool Enabled(int id) const { return CommandEnabled(*FindCommand(table, id)); }
  bool Checked(int id) const { return CommandChecked(*FindCommand(table, id)); }
};

TEST(ScanCommands, DigitisingWaitsForAHorizonABitmapAndItsCorners) {
  Window empty(NewScanDocument(testing::ScanSurvey(), {}, ""));
  for (int id : {kContour, kAppend, kErase, kCorners, kGridData, kUnGridData, kSaveHorizon, kScale})
    EXPECT_FALSE(empty.Enabled(id)) << id;
  for (int id : {kOpenHorizon, kOpenBitmap, kSelectSource, kAcquire, kExit, kRefresh})
    EXPECT_TRUE(empty.Enabled(id)) << id;

  ScanDocument d = RegisteredScan();
  SetScanImage(d, d.image, "another.bmp");  // its corners are still to come
  Window corners(std::move(d));
  EXPECT_TRUE(corners.Checked(kCorners));
  EXPECT_FALSE(corners.Enabled(kContour));
  EXPECT_TRUE(corners.Enabled(kGridData));

  Window ready(RegisteredScan());
  for (int id : {kContour, kAppend, kErase, kCorners, kGridData, kUnGridData, kSaveHorizon})
    EXPECT_TRUE(ready.Enabled(id)) << id;
}

TEST(ScanCommands, ModesAreExclusiveAndShowTheirMarks) {
  Window w(RegisteredScan());
  w.typed = 1500;
  ASSERT_TRUE(RunCommand(w.table, kContour));
  EXPECT_EQ(w.document.mode, ScanMode::Contour);
  EXPECT_EQ(w.document.contour_value, 1500);
  EXPECT_TRUE(w.Checked(kContour));
  RunCommand(w.table, kErase);
  EXPECT_TRUE(w.Checked(kErase));
  EXPECT_FALSE(w.Checked(kContour));
  // A cancelled "Select" leaves the mode as it was.
  w.typed.reset();
  RunCommand(w.table, kContour);
  EXPECT_EQ(w.document.mode, ScanMode::Erase);
  EXPECT_GE(w.repaints, 3);
}

TEST(ScanCommands, ShowTogglesAndGridding) {
  Window w(RegisteredScan());
  EXPECT_TRUE(w.Checked(kShowInColour));
  RunCommand(w.table, kShowInColour);
  RunCommand(w.table, kShowSeeds);
  EXPECT_FALSE(w.document.show_in_colour);
  EXPECT_FALSE(w.document.show_seeds);
  for (int column : {0, 9})
    for (int row : {0, 4}) {
      w.document.grid.At(row, column) = static_cast<std::int16_t>(10 * column);
      w.document.registration.At(row, column) = kRegSeed;
    }
  RunCommand(w.table, kGridData);
  EXPECT_EQ(w.status, (std::vector<std::string>{"Start Gridding", "Gridding Finished"}));
  EXPECT_NEAR(w.document.grid.At(2, 5), 50, 1);
  EXPECT_TRUE(w.document.unsaved);
  RunCommand(w.table, kUnGridData);
  EXPECT_EQ(w.document.grid.At(2, 5), HORIZON_NULL);
}

TEST(ScanCommands, ScaleStaysWithinReason) {
  ScanDocument d = RegisteredScan();
  EXPECT_EQ(SetScanScale(d, 50), "");
  EXPECT_DOUBLE_EQ(d.scale, 0.5);
  for (double bad : {0.0, 5.0, 500.0, -1.0}) EXPECT_NE(SetScanScale(d, bad), "") << bad;
  EXPECT_DOUBLE_EQ(d.scale, 0.5);
}

}  // namespace
}  // namespace quarrix
