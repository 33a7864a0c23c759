#include "scan/scan_files.h"

#include <gtest/gtest.h>

#include "horizon/horizon_files.h"
#include "platform/bmp_file.h"
#include "platform/paths.h"
#include "platform/scripted_prompter.h"
#include "scan/scan_edits.h"
#include "scan_test_support.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

using testing::ReadFileBytes;
using testing::RegisteredScan;
using testing::TempFolder;

// A document with one digitised contour across row 2, in a project folder.
ScanDocument DigitisedScan(const TempFolder& folder) {
  ScanDocument d = RegisteredScan(folder.path());
  d.project_files = {folder.File("survey.hdr"), folder.File("survey.amp")};
  StartContour(d, 1500);
  AddContourPoint(d, {10, 50});
  AddContourPoint(d, {190, 50});
  FinishContour(d);
  return d;
}

TEST(ScanSaving, OpenHorizonOffersEveryGridKind) {
  TempFolder folder;
  const FileDialogRequest request = OpenScanHorizonRequest(RegisteredScan(folder.path()));
  EXPECT_EQ(request.filter_patterns[2], "*.isc");
  EXPECT_EQ(request.filter_names[kMaxFileFilters - 1], "All Files (*.*)");
}

TEST(ScanSaving, ANewHorizonGetsItsGridRegistrationAndColourFiles) {
  TempFolder folder;
  ScanDocument d = DigitisedScan(folder);
  ScriptedPrompter prompter;
  ASSERT_TRUE(SaveScanHorizon(d, folder.File("top.hor"), prompter)) << prompter.last_text();
  EXPECT_FALSE(d.unsaved);
  EXPECT_EQ(d.horizon_path, folder.File("top.hor"));
  const std::string bytes = ReadFileBytes(folder.File("top.hor"));
  ASSERT_EQ(bytes.size(), 4 + 2 * 2 * 50u);
  HorizonGrid time(5, 10), amplitude(5, 10, 0);
  ASSERT_EQ(ReadHorizon(folder.File("top.hor"), &time, &amplitude), HorizonReadResult::Ok);
  EXPECT_EQ(time.cells, d.grid.cells);
  EXPECT_EQ(amplitude.At(2, 3), HORIZON_NULL);
  const std::string hop = ReadFileBytes(folder.File("top.hop"));
  ASSERT_EQ(hop.size(), 50u);
  EXPECT_EQ(hop[2 * 10 + 3], 1);
  EXPECT_EQ(hop[0], 0);
  EXPECT_TRUE(FileExists(folder.File("top.col")));
  EXPECT_TRUE(FileExists(folder.File("top.aco")));
}

TEST(ScanSaving, AnExistingHorizonKeepsItsStyleAndAmplitudes) {
  TempFolder folder;
  ScanDocument d = DigitisedScan(folder);
  const HorizonLocation horizon = LocateHorizon(folder.path(), "old.hor");
  ASSERT_TRUE(CreateHorizonFile(horizon, d.header));
  HorizonGrid amplitude(5, 10, 42);
  ASSERT_TRUE(WriteHorizon(horizon.path, nullptr, &amplitude));
  std::string before = ReadFileBytes(horizon.path);
  before[1] = 7;  // a style word of its own
  testing::WriteFileBytes(horizon.path, before);
  testing::WriteFileBytes(folder.File("old.col"), "mine");
  ScriptedPrompter prompter;
  ASSERT_TRUE(SaveScanHorizon(d, horizon.path, prompter));
  const std::string after = ReadFileBytes(horizon.path);
  EXPECT_EQ(after.substr(0, 4), before.substr(0, 4));
  EXPECT_EQ(after.substr(104), before.substr(104));
  EXPECT_EQ(ReadFileBytes(folder.File("old.col")), "mine");
}

TEST(ScanSaving, AFailedWriteLeavesTheOldFilesAndKeepsTheWorkUnsaved) {
  TempFolder folder;
  ScanDocument d = DigitisedScan(folder);
  ScriptedPrompter prompter;
  ASSERT_TRUE(SaveScanHorizon(d, folder.File("top.hor"), prompter));
  const std::string hor = ReadFileBytes(folder.File("top.hor"));
  const std::string hop = ReadFileBytes(folder.File("top.hop"));
  StartErase(d);
  EraseAt(d, {50, 50});
  {
    testing::FailingWrites failing(WriteStep::Write, 2);  // the registration
    EXPECT_FALSE(SaveScanHorizon(d, folder.File("top.hor"), prompter));
  }
  EXPECT_TRUE(d.unsaved);
  EXPECT_NE(prompter.last_text().find("not saved"), std::string::npos);
  EXPECT_EQ(ReadFileBytes(folder.File("top.hor")), hor);
  EXPECT_EQ(ReadFileBytes(folder.File("top.hop")), hop);
}

TEST(ScanSaving, RefusesProjectFilesAndFoldersAwayFromTheProject) {
  TempFolder folder, elsewhere;
  ScanDocument d = DigitisedScan(folder);
  testing::WriteFileBytes(folder.File("survey.hdr"), "header");
  ScriptedPrompter prompter;
  EXPECT_FALSE(SaveScanHorizon(d, folder.File("survey.hdr"), prompter));
  EXPECT_EQ(ReadFileBytes(folder.File("survey.hdr")), "header");
  EXPECT_FALSE(SaveScanHorizon(d, elsewhere.File("top.hor"), prompter));
  EXPECT_FALSE(FileExists(elsewhere.File("top.hor")));
  EXPECT_TRUE(d.unsaved);
}

TEST(ScanSaving, UnsavedWorkIsAskedAboutBeforeItGoes) {
  TempFolder folder;
  ScanDocument d = DigitisedScan(folder);
  {
    ScriptedPrompter prompter;  // No: the work may go unsaved
    prompter.QueueAnswer(MessageAnswer::No);
    EXPECT_TRUE(MayDiscardScanWork(d, prompter));
    EXPECT_EQ(prompter.messages().at(0).text, "Do you wish to save your work?");
    EXPECT_EQ(prompter.messages().at(0).caption, "Warning");
  }
  {
    ScriptedPrompter prompter;  // Yes, then the save dialog cancelled: keep it
    prompter.QueueAnswer(MessageAnswer::Yes);
    prompter.QueueFile(std::nullopt);
    EXPECT_FALSE(MayDiscardScanWork(d, prompter));
    EXPECT_TRUE(d.unsaved);
  }
  {
    ScriptedPrompter prompter;  // Yes and a name: saved
    prompter.QueueAnswer(MessageAnswer::Yes);
    prompter.QueueFile(folder.File("kept.hor"));
    EXPECT_TRUE(MayDiscardScanWork(d, prompter));
    EXPECT_EQ(prompter.file_requests().at(0).title, "Create File");
    EXPECT_TRUE(FileExists(folder.File("kept.hor")));
    EXPECT_FALSE(d.unsaved);
  }
  ScriptedPrompter silent;
  EXPECT_TRUE(MayDiscardScanWork(d, silent));
  EXPECT_TRUE(silent.messages().empty());
}

TEST(ScanOpening, ReadsAHorizonWithItsRegistration) {
  TempFolder folder;
  ScanDocument d = DigitisedScan(folder);
  ScriptedPrompter prompter;
  ASSERT_TRUE(SaveScanHorizon(d, folder.File("top.hor"), prompter));
  ScanDocument other = NewScanDocument(d.header, {}, folder.path());
  ASSERT_TRUE(OpenScanHorizon(other, "top.hor", prompter));
  EXPECT_EQ(other.grid.cells, d.grid.cells);
  EXPECT_EQ(other.registration.bytes, d.registration.bytes);
  EXPECT_EQ(other.colour_scheme, 1);  // a new horizon's style word names colour set 1
  // A file made for another survey is refused and changes nothing.
  testing::WriteFileBytes(folder.File("short.hor"), std::string(20, '\0'));
  EXPECT_FALSE(OpenScanHorizon(other, "short.hor", prompter));
  EXPECT_EQ(other.horizon_path, folder.File("top.hor"));
}

TEST(ScanOpening, ReadsRle8BitmapsAndRefusesHugeScans) {
  TempFolder folder;
  IndexedImage image(30, 20);
  image.palette = {{255, 255, 255}, {0, 0, 0}, {200, 0, 0}};
  image.pixels[5 * 30 + 7] = 2;
  ASSERT_TRUE(WriteBitmapFile(folder.File("map.bmp"), image));
  ScanDocument d = NewScanDocument(testing::ScanSurvey(), {}, folder.path());
  ScriptedPrompter prompter;
  ASSERT_TRUE(OpenScanBitmap(d, folder.File("map.bmp"), prompter)) << prompter.last_text();
  EXPECT_EQ(d.image.width, 30);
  EXPECT_EQ(d.image.palette[d.image.pixels[5 * d.image.stride + 7]], (Rgb{200, 0, 0}));
  EXPECT_EQ(d.mode, ScanMode::UpperLeftCorner);
  EXPECT_FALSE(OpenScanBitmap(d, folder.File("none.bmp"), prompter));
  EXPECT_FALSE(ScanSizeProblem(40000, 10).empty());
  EXPECT_FALSE(ScanSizeProblem(9000, 9000).empty());
  EXPECT_TRUE(ScanSizeProblem(7000, 9000).empty());
}

TEST(ScanImage, ManyColoursAreMappedOntoACube) {
  std::vector<Rgb> pixels;
  for (int k = 0; k < 400; ++k)
    pixels.push_back({static_cast<std::uint8_t>(k % 256), static_cast<std::uint8_t>(k / 2),
                      static_cast<std::uint8_t>(255 - k % 256)});
  pixels[0] = {0, 0, 0};
  pixels[1] = {255, 255, 255};
  const IndexedImage image = ScanImageFromPixels(20, 20, pixels);
  EXPECT_LE(image.palette.size(), 256u);
  EXPECT_EQ(image.palette[image.pixels[0]], (Rgb{0, 0, 0}));
  EXPECT_EQ(image.palette[image.pixels[1]], (Rgb{255, 255, 255}));
  // Few colours keep their exact values.
  const IndexedImage exact = ScanImageFromPixels(2, 1, {{12, 34, 56}, {255, 255, 255}});
  EXPECT_EQ(exact.palette[exact.pixels[0]], (Rgb{12, 34, 56}));
}

}  // namespace
}  // namespace quarrix
