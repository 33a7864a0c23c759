#include "horizon/colour_file_dialogs.h"

#include <gtest/gtest.h>

#include "horizon/colour_files.h"
#include "platform/scripted_prompter.h"
#include "support/test_support.h"

namespace quarrix::testing {
namespace {

TEST(ColourFileDialogs, AnAmplitudeBarIsSavedAndLoadedBackByteForByte) {
  TempFolder folder;
  NamedColourBar colours;
  UseDefaultColours(colours);
  EXPECT_EQ(colours.name, "Default Colors");
  colours.bar.colours[5] = {1, 2, 3};
  ScriptedPrompter prompter;
  prompter.QueueFile(folder.File("mine.aco"));
  ASSERT_TRUE(SaveColourFileWithDialog(colours, ColourFileKind::Amplitude, folder.path(), "",
                                       folder.File("top.hor"), prompter));
  const FileDialogRequest& save = prompter.file_requests().back();
  EXPECT_EQ(save.title, "SAVE COLOR FILE");
  EXPECT_EQ(save.filter_names[0], "(*.aco)");
  EXPECT_EQ(save.default_extension, "aco");
  EXPECT_EQ(save.initial_file, folder.File("top.aco"));
  EXPECT_TRUE(save.prompt_overwrite);
  EXPECT_EQ(colours.name, "mine.aco");
  EXPECT_EQ(ReadFileBytes(folder.File("mine.aco")), EncodeColourBar(colours.bar));

  NamedColourBar loaded;
  prompter.QueueFile(folder.File("mine.aco"));
  ASSERT_TRUE(OpenColourFileWithDialog(loaded, ColourFileKind::Amplitude, folder.path(), prompter));
  const FileDialogRequest& open = prompter.file_requests().back();
  EXPECT_EQ(open.title, "OPEN COLOR FILE");
  EXPECT_EQ(open.filter_names[0], "Color Files (*.aco)");
  EXPECT_EQ(open.initial_directory, folder.path());
  EXPECT_TRUE(open.must_exist);
  EXPECT_EQ(EncodeColourBar(loaded.bar), EncodeColourBar(colours.bar));
  EXPECT_EQ(loaded.name, "mine.aco");
}

TEST(ColourFileDialogs, FailuresAndCancelsLeaveTheBarAndForeignFiles) {
  TempFolder folder;
  NamedColourBar colours;
  UseDefaultColours(colours);
  const std::string before = EncodeColourBar(colours.bar);
  ScriptedPrompter prompter;
  prompter.QueueFile(std::nullopt);
  EXPECT_FALSE(OpenColourFileWithDialog(colours, ColourFileKind::HorizonTime, "", prompter));
  EXPECT_EQ(prompter.file_requests().back().filter_names[0], "Color Files (*.col)");
  WriteFileBytes(folder.File("empty.col"), "");
  prompter.QueueFile(folder.File("empty.col"));
  EXPECT_FALSE(OpenColourFileWithDialog(colours, ColourFileKind::HorizonTime, "", prompter));
  EXPECT_EQ(prompter.last_text(), "Cannot OPEN Horizon Color File!");
  EXPECT_EQ(EncodeColourBar(colours.bar), before);
  EXPECT_EQ(colours.name, "Default Colors");

  // A time bar proposes the current horizon's name; a project file is never replaced.
  WriteFileBytes(folder.File("survey.hdr"), "header");
  prompter.QueueFile(folder.File("survey.hdr"));
  EXPECT_FALSE(SaveColourFileWithDialog(colours, ColourFileKind::HorizonTime, folder.path(),
                                        folder.File("base.hor"), "", prompter));
  EXPECT_EQ(prompter.file_requests().back().initial_file, folder.File("base.col"));
  EXPECT_EQ(prompter.file_requests().back().default_extension, "col");
  EXPECT_NE(prompter.last_text().find("not a color file"), std::string::npos);
  EXPECT_EQ(ReadFileBytes(folder.File("survey.hdr")), "header");
}

}  // namespace
}  // namespace quarrix::testing
