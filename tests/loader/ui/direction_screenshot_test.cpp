// A picture of "Determine Direction" for the demo survey, kept as a file for
// people to look at (in $QUARRIX_SCREENSHOT_DIR, else the build's artefacts
// folder). tests/e2e/direction_screenshot.sh runs it under Xvfb.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QTest>

#include "loader/demo_survey.h"
#include "loader/disk_coverage.h"
#include "loader/ui/direction_dialog.h"
#include "loader/ui/direction_picture.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

// The coverage of a demo SEG-Y file, as a disk load finds it.
CoverageGrid DemoCoverage(const std::string& path, const DemoSurveySize& size) {
  CoverageGrid grid;
  grid.first_line = 1001;
  grid.first_trace = 2001;
  grid.rows = size.lines;
  grid.columns = size.traces;
  grid.cells.assign(static_cast<std::size_t>(size.lines) * size.traces, CoverageGrid::kNoTrace);
  MarkDiskCoverage(path, SegyBinaryInfo{size.samples, 4000, 1}, grid, {{48, 4}, {49, 4}});
  return grid;
}

TEST(DirectionScreenshot, DemoSurvey) {
  testing::TempFolder folder;
  DemoSurveySize size;
  size.samples = 4;  // the picture needs the trace headers only
  ASSERT_TRUE(WriteDemoSegy(folder.File("demo.sgy"), size));
  CoverageGrid grid = DemoCoverage(folder.File("demo.sgy"), size);

  DirectionDialog dialog(grid, 4);
  dialog.resize(700, 600);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  QImage shot = dialog.picture()->grab().toImage();
  QDir folder_out(qEnvironmentVariableIsSet("QUARRIX_SCREENSHOT_DIR")
                      ? qEnvironmentVariable("QUARRIX_SCREENSHOT_DIR")
                      : QString(QUARRIX_BINARY_DIR) + "/artefacts");
  ASSERT_TRUE(folder_out.mkpath("."));
  QString file = folder_out.filePath(
      QString("determine_direction_demo_%1.png").arg(QGuiApplication::platformName()));
  ASSERT_TRUE(shot.save(file));

  // The traces fill the picture inside the margin; the margin stays white
  // apart from ticks and labels.
  const int margin = DirectionPicture::kMargin;
  QPoint centre = shot.rect().center();
  EXPECT_LT(QColor(shot.pixel(centre)).lightness(), 60);
  EXPECT_EQ(QColor(shot.pixel(margin / 2, margin / 4)).lightness(), 255);
  EXPECT_EQ(dialog.windowTitle(), "Determine Direction - Corner 4");
}

}  // namespace
}  // namespace quarrix
