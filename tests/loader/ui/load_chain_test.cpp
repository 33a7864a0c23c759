// The load chain driven through the loader's windows, with the dialogs
// answered by the test; the projects must match those of the batch commands
// given the same answers.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <filesystem>
#include <sstream>

#include "loader/demo_survey.h"
#include "loader/loader_commands.h"
#include "loader/ui/loader_menu.h"
#include "loader/ui/loader_window.h"
#include "loader/ui/status_windows.h"
#include "loader_ui_script.h"
#include "platform/scripted_prompter.h"
#include "platform/tape_image.h"
#include "project/header_file.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

using testing::ReadFileBytes;

constexpr int kLines = 6, kTraces = 8, kSamples = 40;

// The demo file as a tape: the two headers and every trace as blocks, then
// two file marks.
void WriteTapeImage(const std::string& segy, const std::string& image_path) {
  std::string bytes = ReadFileBytes(segy);
  TapeImage image;
  ASSERT_TRUE(image.Open(image_path, true));
  image.WriteVariableBlock(bytes.data(), 3200);
  image.WriteVariableBlock(bytes.data() + 3200, 400);
  const std::size_t record = 240 + 4 * kSamples;
  for (std::size_t at = 3600; at + record <= bytes.size(); at += record)
    image.WriteVariableBlock(bytes.data() + at, record);
  image.WriteFilemarks(2);
}

class LoadChainTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(WriteDemoSegy(segy, {kLines, kTraces, kSamples}));
    window = std::make_unique<LoaderWindow>(&prompter);
    window->run_dialog = std::ref(answers);
    window->describe_tape_unit = [](int) { return std::string("No Device"); };
    answers.location = folder.path();
  }

  void Start() { window->Dispatch(loader_command::kStart); }

  // Runs a batch command of the loader; its exit status.
  int Batch(int (*command)(const std::vector<std::string>&, std::ostream&, std::ostream&),
            std::vector<std::string> args) {
    std::ostringstream out, err;
    int status = command(args, out, err);
    EXPECT_EQ(status, 0) << err.str();
    return status;
  }
  std::vector<std::string> BatchAnswers() const {
    return {"--line-word", "189", "--trace-word", "193", "--scale", "1000"};
  }
  std::string Project(const std::string& name, const std::string& ext) const {
    return folder.File(name + "/" + name + "." + ext);
  }
  void ExpectSameProject(const std::string& gui, const std::string& batch) const {
    EXPECT_EQ(ReadFileBytes(Project(gui, "hdr")), ReadFileBytes(Project(batch, "hdr")));
    std::string amp = ReadFileBytes(Project(gui, "amp"));
    EXPECT_EQ(amp.size(), std::size_t{2} * kLines * kTraces * kSamples);
    EXPECT_TRUE(amp == ReadFileBytes(Project(batch, "amp")));
  }

  testing::TempFolder folder;
  std::string segy = folder.File("demo.sgy");
  ScriptedPrompter prompter;
  testing::LoaderAnswers answers;
  std::unique_ptr<LoaderWindow> window;
};

TEST_F(LoadChainTest, DiskLoadThroughTheDialogsMatchesTheBatchLoad) {
  prompter.QueueFile(segy);
  Start();
  EXPECT_EQ(answers.shown,
            QStringList({"Select Data Source and Type", "Scale Parameters", "Assign Project Name",
                         "Header Information", "Determine Direction - Corner 4", "Header Values",
                         "Set Scale Value"}));
  EXPECT_EQ(prompter.file_requests().at(0).title, "Select SEGY Input File Name");
  EXPECT_EQ(prompter.file_requests().at(0).filter_names[0], "Segy File (*.sgy)");
  ASSERT_FALSE(prompter.messages().empty());
  EXPECT_EQ(prompter.last_text(), "Data Load Complete\n48 Traces Processed");
  EXPECT_EQ(prompter.messages().back().caption, "End of Process");
  QStringList lines = window->messages_window()->Lines();
  EXPECT_TRUE(lines.contains("3200 Byte Header"));
  EXPECT_TRUE(lines.contains(QString::fromStdString("Project Name " + Project("survey", "hdr"))));
  EXPECT_TRUE(window->messages_window()->isVisible());
  EXPECT_FALSE(window->progress_window()->isVisible());
  EXPECT_TRUE(window->menuBar()->isEnabled());
  EXPECT_EQ(window->state().header_path, Project("survey", "hdr"));

  std::vector<std::string> args = {segy, "--project", folder.File("batch")};
  for (const std::string& a : BatchAnswers()) args.push_back(a);
  Batch(RunLoadCommand, args);
  ExpectSameProject("survey", "batch");
}

TEST_F(LoadChainTest, AFileThatCannotBeSegyIsRefusedBeforeAnyQuestion) {
  // Random bytes: the binary header's format word is 0x5A5A, no SEG-Y code.
  std::string noise = folder.File("noise.sgy");
  testing::WriteFileBytes(noise, std::string(8000, 'Z'));
  prompter.QueueFile(noise);
  Start();
  EXPECT_EQ(answers.shown, QStringList({"Select Data Source and Type"}));
  ASSERT_EQ(prompter.messages().size(), 1u);
  EXPECT_NE(prompter.last_text().find("format code 23130 cannot be loaded"), std::string::npos);
  EXPECT_NE(prompter.last_text().find("\n" + noise), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(Project("survey", "hdr")));
  EXPECT_TRUE(window->menuBar()->isEnabled());
}

TEST_F(LoadChainTest, TwoDimensionalLoadHasOneLineNumberedOne) {
  answers.two_d = true;
  answers.line_cell.reset();
  QString start_line, end_line;
  answers.header_values = [&](HeaderValuesDialog& d) {
    start_line = d.field("Start Line")->text();
    end_line = d.field("End Line")->text();
  };
  prompter.QueueFile(segy);
  Start();
  EXPECT_EQ(start_line, "1");
  EXPECT_EQ(end_line, "1");
  SurveyHeader header;
  ASSERT_TRUE(LoadHeader(Project("survey", "hdr"), header, prompter, HeaderReader::Loader));
  EXPECT_EQ(header.first_line, 1);
  EXPECT_EQ(header.last_line, 1);
  EXPECT_EQ(header.first_trace, 2001);
  EXPECT_EQ(header.traces_per_line, kTraces);
}

TEST_F(LoadChainTest, AnExistingProjectFolderIsReusedWithoutAQuestion) {
  std::filesystem::create_directories(folder.File("survey"));
  testing::WriteFileBytes(folder.File("survey/notes.txt"), "kept");
  prompter.QueueFile(segy);
  prompter.QueueAnswer(MessageAnswer::No);  // no file to append
  Start();
  // No question about the folder: only the end of the input and the end.
  ASSERT_EQ(prompter.messages().size(), 2u);
  EXPECT_EQ(prompter.messages()[0].text,
            "End of File Detected!!\nYES to to Append New File.\n NO to End Input Data");
  EXPECT_EQ(prompter.messages()[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(ReadFileBytes(folder.File("survey/notes.txt")), "kept");
  EXPECT_TRUE(std::filesystem::exists(Project("survey", "amp")));
}

TEST_F(LoadChainTest, CancelledStepsEndTheChainAndLeaveNoProject) {
  answers.cancel = {"Header Values"};
  prompter.QueueFile(segy);
  Start();
  EXPECT_FALSE(std::filesystem::exists(Project("survey", "hdr")));
  EXPECT_FALSE(std::filesystem::exists(Project("survey", "amp")));
  EXPECT_TRUE(prompter.messages().empty());

  answers.cancel = {"Scale Parameters"};
  answers.shown.clear();
  prompter.QueueFile(segy);
  Start();
  EXPECT_EQ(answers.shown, QStringList({"Select Data Source and Type", "Scale Parameters"}));
  EXPECT_TRUE(window->menuBar()->isEnabled());
}

TEST_F(LoadChainTest, CancelInTheProgressWindowEndsTheReadingButKeepsTheProject) {
  // Cancel pressed before the traces are read: the conversion stops at once
  // and the project holds zero traces.
  answers.header_values = [&](HeaderValuesDialog&) {
    window->progress_window()->cancel_button()->click();
  };
  prompter.QueueFile(segy);
  Start();
  EXPECT_EQ(prompter.last_text(), "Data Load Complete\n0 Traces Processed");
  std::string amp = ReadFileBytes(Project("survey", "amp"));
  EXPECT_EQ(amp, std::string(std::size_t{2} * kLines * kTraces * kSamples, '\0'));
  // The next load starts with the flag cleared.
  answers.header_values = nullptr;
  answers.project = "second";
  prompter.QueueFile(segy);
  Start();
  EXPECT_EQ(prompter.last_text(), "Data Load Complete\n48 Traces Processed");
}

TEST_F(LoadChainTest, TapeImageLoadsMatchTheBatchTapeLoads) {
  std::string image = folder.File("demo.tap");
  WriteTapeImage(segy, image);
  answers.source = kSourceTape;
  answers.conversion = kConvertAuto;
  prompter.QueueFile(image);
  prompter.QueueAnswer(MessageAnswer::No);  // no second reel
  Start();
  EXPECT_EQ(answers.shown,
            QStringList({"Select Data Source and Type", "Select Tape Unit", "Conversion Type",
                         "Scale Parameters", "Assign Project Name", "Set Scale Value",
                         "Header Information", "Determine Direction - Corner 4", "Header Values"}));
  EXPECT_EQ(prompter.messages().at(0).text,
            "End of File Detected!!\nInsert new Tape.\nYES to continue\n NO to End Tape Read");
  std::vector<std::string> args = {image, "--mode", "auto", "--project", folder.File("batch")};
  for (const std::string& a : BatchAnswers()) args.push_back(a);
  Batch(RunTapeLoadCommand, args);
  ExpectSameProject("survey", "batch");

  // A copy without conversion gives back the SEG-Y file as it was.
  answers.conversion = kConvertCopy;
  answers.project = "copy";
  prompter.QueueFile(image);
  prompter.QueueAnswer(MessageAnswer::No);
  Start();
  EXPECT_TRUE(ReadFileBytes(Project("copy", "sgy")) == ReadFileBytes(segy));
}

TEST_F(LoadChainTest, ExportsThroughTheDialogsMatchTheBatchExport) {
  std::vector<std::string> args = {segy, "--project", folder.File("batch")};
  for (const std::string& a : BatchAnswers()) args.push_back(a);
  Batch(RunLoadCommand, args);
  std::string header = Project("batch", "hdr");

  answers.source = kSourceExport;
  prompter.QueueFile(folder.File("gui.tap"));  // "Tape Image..."
  prompter.QueueFile(header);                  // "OPEN HEADER FILE"
  Start();
  EXPECT_EQ(answers.shown,
            QStringList({"Select Data Source and Type", "Select Tape Unit", "Header Values"}));
  EXPECT_EQ(prompter.file_requests().at(1).title, "OPEN HEADER FILE");
  EXPECT_EQ(prompter.last_text(), "End of Conversion!!");
  Batch(RunExportCommand, {header, "--tape", folder.File("batch.tap")});
  EXPECT_TRUE(ReadFileBytes(folder.File("gui.tap")) == ReadFileBytes(folder.File("batch.tap")));

  // A part of the survey to a SEG-Y disk file.
  answers.disk_file = true;
  answers.header_values = [](HeaderValuesDialog& d) {
    d.field("Start Line")->setText("1002");
    d.field("End Line")->setText("1003");
  };
  prompter.QueueFile(folder.File("gui.sgy"));
  prompter.QueueFile(header);
  Start();
  Batch(RunExportCommand, {header, "--out", folder.File("batch.sgy"), "--lines", "1002:1003"});
  EXPECT_TRUE(ReadFileBytes(folder.File("gui.sgy")) == ReadFileBytes(folder.File("batch.sgy")));
}

}  // namespace
}  // namespace quarrix
