#include "platform/plot_file_dialogs.h"

#include <gtest/gtest.h>

#include "platform/scripted_prompter.h"
#include "platform/wmf_canvas.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

TEST(PlotFileDialogs, AskWithTheirTitlesAndFiltersInTheProjectFolder) {
  ScriptedPrompter prompter;
  prompter.QueueFile("/p/plot.emf");
  prompter.QueueFile(std::nullopt);
  EXPECT_EQ(ChooseMetafileName(prompter, "/p"), "/p/plot.emf");
  EXPECT_EQ(ChooseBitmapToSave(prompter, "/p"), std::nullopt) << "cancelled";
  const auto& requests = prompter.file_requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].title, "SAVE WMF FILE");
  EXPECT_EQ(requests[0].filter_patterns[1], "*.emf");
  EXPECT_EQ(requests[0].default_extension, "emf");
  EXPECT_EQ(requests[0].initial_directory, "/p");
  EXPECT_EQ(requests[1].title, "Save Bitmap File");
  EXPECT_EQ(requests[1].filter_names[0], "Bitmap Files (*.bmp)");
}

TEST(PlotFileDialogs, ABitmapThatCannotBeWrittenIsReportedAsTheWindowsSayIt) {
  ScriptedPrompter prompter;
  testing::TempFolder folder;
  auto draw = [](Canvas& c) { c.Rectangle({0, 0, 10, 10}); };
  PlotPage page;
  EXPECT_FALSE(SavePlotTellingUser(folder.File("plot.bmp"), page, draw, nullptr, prompter));
  EXPECT_EQ(prompter.last_text(), "Error Generating BMP File");
  EXPECT_EQ(prompter.messages().back().caption, "Error");
  EXPECT_TRUE(SavePlotTellingUser(folder.File("plot.wmf"), page, draw, nullptr, prompter));
  EXPECT_EQ(prompter.messages().size(), 1u);
}

}  // namespace
}  // namespace quarrix
