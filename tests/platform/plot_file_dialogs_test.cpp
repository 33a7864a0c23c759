#include "platform/plot_file_dialogs.h"

#include <gtest/gtest.h>

#include "platform/scripted_prompter.h"

namespace quarrix {
namespace {

TEST(PlotFileDialogs, TitlesFiltersAndCancel) {
  ScriptedPrompter prompter;
  prompter.QueueFile("/p/plot.emf");
  EXPECT_EQ(ChooseMetafileName(prompter, "/p"), "/p/plot.emf");
  const FileDialogRequest& wmf = prompter.file_requests().back();
  EXPECT_EQ(wmf.title, "SAVE WMF FILE");
  EXPECT_EQ(wmf.filter_names[0], "WMF Files (*.wmf)");
  EXPECT_EQ(wmf.filter_patterns[1], "*.emf");
  EXPECT_EQ(wmf.initial_directory, "/p");

  EXPECT_FALSE(ChooseBitmapToSave(prompter, "/p"));  // nothing queued: cancelled
  EXPECT_EQ(prompter.file_requests().back().title, "Save Bitmap File");
  EXPECT_TRUE(prompter.file_requests().back().prompt_overwrite);
  ChooseBitmapToOpen(prompter, "/p");
  EXPECT_EQ(prompter.file_requests().back().title, "Open Bitmap File");
  EXPECT_EQ(prompter.file_requests().back().filter_names[0], "Bitmap Files (*.bmp)");
}

}  // namespace
}  // namespace quarrix
