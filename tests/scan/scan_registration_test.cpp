#include <gtest/gtest.h>

#include "scan_test_support.h"

namespace quarrix {
namespace {

using testing::RegisteredScan;

TEST(ScanRegistration, CornersAreTheCentresOfTheFirstAndLastCells) {
  ScanDocument d = RegisteredScan();
  EXPECT_EQ(d.mode, ScanMode::Idle);
  EXPECT_EQ(ScanCellAt(d, {10, 10}), (GridCell{0, 0}));
  EXPECT_EQ(ScanCellAt(d, {190, 90}), (GridCell{4, 9}));
  // 20 pixels per trace across, 20 per line down; cells centred on multiples.
  EXPECT_EQ(ScanCellAt(d, {19, 10}), (GridCell{0, 0}));
  EXPECT_EQ(ScanCellAt(d, {21, 10}), (GridCell{0, 1}));
  EXPECT_EQ(ScanCellAt(d, {31, 51}), (GridCell{2, 1}));
  // Beyond the data area: the nearest edge cell.
  EXPECT_EQ(ScanCellAt(d, {-50, 500}), (GridCell{4, 0}));
  EXPECT_EQ(ScanCellAt(d, {205, 0}), (GridCell{0, 9}));
}

TEST(ScanRegistration, LinesRunAcrossWhenTheSurveyLaysThemAcross) {
  // Code 6 lays lines across its maps; the upper-left corner is still the
  // first line and trace.
  ScanDocument d = RegisteredScan("", 6);
  EXPECT_EQ(ScanCellAt(d, {10, 10}), (GridCell{0, 0}));
  EXPECT_EQ(ScanCellAt(d, {190, 90}), (GridCell{4, 9}));
  // 45 pixels per line across, 80/9 per trace down.
  EXPECT_EQ(ScanCellAt(d, {55, 10}), (GridCell{1, 0}));
  EXPECT_EQ(ScanCellAt(d, {10, 10 + 80.0 / 9 * 3}), (GridCell{0, 3}));
}

TEST(ScanRegistration, CornerSelectionChecksTheOrderAndClampsToTheScan) {
  ScanDocument d = RegisteredScan();
  StartCornerSelection(d);
  EXPECT_EQ(ScanModePrompt(d), "Select Upper Left Corner of Data");
  EXPECT_EQ(SelectCorner(d, {100, 50}), "");
  EXPECT_EQ(ScanModePrompt(d), "Select Lower Right Corner of Data");
  EXPECT_FALSE(SelectCorner(d, {50, 80}).empty());   // left of the first corner
  EXPECT_FALSE(SelectCorner(d, {150, 50}).empty());  // not below it
  EXPECT_EQ(d.mode, ScanMode::LowerRightCorner);
  EXPECT_FALSE(d.Registered());
  EXPECT_EQ(SelectCorner(d, {900, 900}), "");
  ASSERT_TRUE(d.Registered());
  EXPECT_EQ(d.lower_right->x, 209);
  EXPECT_EQ(d.lower_right->y, 109);
  EXPECT_EQ(d.mode, ScanMode::Idle);
}

TEST(ScanRegistration, NothingMapsBeforeRegistration) {
  ScanDocument d = RegisteredScan();
  SetScanImage(d, d.image, "other.bmp");
  EXPECT_FALSE(ScanCellAt(d, {10, 10}));
  EXPECT_TRUE(ScanFrame(d).Empty());
  EXPECT_FALSE(d.CanDigitise());
}

}  // namespace
}  // namespace quarrix
