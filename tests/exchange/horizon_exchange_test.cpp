#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "exchange/ascii_export.h"
#include "exchange/ascii_import.h"
#include "exchange/horizon_conversion.h"
#include "exchange_fixture.h"
#include "platform/atomic_file.h"
#include "platform/progress.h"

namespace quarrix {
namespace {

using testing::ExchangeProject;

SheetTable LineTraceZSheet(const std::vector<std::vector<std::string>>& rows) {
  SheetTable table;
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c)
      table.SetCell(static_cast<int>(r + 1), static_cast<int>(c + 1), rows[r][c]);
  table.AssignRole(ColumnRole::Line, 1);
  table.AssignRole(ColumnRole::Trace, 2);
  table.AssignRole(ColumnRole::Z, 3);
  return table;
}

TEST(ConvertToHorizon, RowsLandOnTheirCellsWithCapsAndNulls) {
  ExchangeProject p;
  SheetTable table = LineTraceZSheet({{"1001", "2001", "1500.9", "-40000"},
                                      {"1010", "2012", "32767.9", "1.0E37"},
                                      {"1005", "2003", "1.0E37", "77"},
                                      {"1000", "2001", "5", "5"},  // line outside
                                      {"1002", "2013", "5", "5"},  // trace outside
                                      {"1003", "2004", "", "9"},   // no Z
                                      {"1004", "2005", "-12.7", "40000"},
                                      {"1006", "2001", "nan", "5"},  // Z refused from here on
                                      {"1006", "2002", "inf", "5"},
                                      {"1006", "2003", "1e308", "5"},
                                      {"1006", "2004", "40000", "5"},
                                      {"1006", "2005", "-32769", "5"},
                                      {"1007", "2001", "100", "nan"}});
  table.AssignRole(ColumnRole::Amp, 4);
  auto h = SheetToHorizon(table, p.project.header, kRegProtected, p.prompter);
  ASSERT_TRUE(h);
  EXPECT_EQ(h->cells, 5);
  EXPECT_EQ(h->outside, 2);
  EXPECT_EQ(h->without_z, 1);
  EXPECT_EQ(h->bad_z, 5);
  for (int j = 0; j < 5; ++j) {
    EXPECT_EQ(h->time.At(5, j), HORIZON_NULL);
    EXPECT_EQ(h->registration.At(5, j), 0);
  }
  EXPECT_EQ(h->time.At(6, 0), 100);
  EXPECT_EQ(h->amplitude.At(6, 0), HORIZON_NULL);
  EXPECT_EQ(SkippedRowsText(*h),
            "8 rows skipped: 2 outside the survey, 1 without a Z value, 5 with a Z value that is "
            "not a number or does not fit the 16-bit grid");
  EXPECT_EQ(h->time.At(0, 0), 1500);
  EXPECT_EQ(h->amplitude.At(0, 0), -32767);
  EXPECT_EQ(h->time.At(9, 11), 32767);
  EXPECT_EQ(h->amplitude.At(9, 11), HORIZON_NULL);
  EXPECT_EQ(h->time.At(4, 2), HORIZON_NULL);
  EXPECT_EQ(h->time.At(3, 4), -12);
  EXPECT_EQ(h->amplitude.At(3, 4), 32767);
  EXPECT_EQ(h->time.At(2, 3), HORIZON_NULL);
  EXPECT_EQ(h->registration.bytes[0], 8);
  EXPECT_EQ(h->registration.At(2, 3), 0);

  table.ClearRoles(3);
  EXPECT_FALSE(SheetToHorizon(table, p.project.header, 1, p.prompter));
  EXPECT_EQ(p.prompter.last_text(), "Line, Trace, & Z values must be set");
}

TEST(ConvertToHorizon, AsksForFileAndProtectionThenWritesHorizonAndRegistration) {
  ExchangeProject p;
  SheetTable table = LineTraceZSheet({{"1001", "2001", "100"},
                                      {"1001", "2012", "200"},
                                      {"1010", "2001", "300"},
                                      {"1010", "2012", "400"},
                                      {"1005", "2006", "250"}});
  const std::string out = p.folder.File("conv.hor");
  p.prompter.QueueFile(out);
  p.prompter.QueueAnswer(MessageAnswer::No);
  NullProgress progress;
  ASSERT_TRUE(ConvertSheetToHorizonFile(table, p.project, true, p.prompter, progress));
  EXPECT_EQ(p.prompter.messages().back().text, "Make Values non-editable");
  EXPECT_TRUE(p.prompter.file_requests().back().prompt_overwrite);
  std::string bytes = testing::ReadFileBytes(out);
  ASSERT_EQ(bytes.size(), 4u + 4u * 120);
  EXPECT_EQ(bytes.substr(0, 4), std::string("\x0c\x00\xd1\x01", 4));
  HorizonGrid time(10, 12), amp(10, 12);
  ASSERT_EQ(ReadHorizon(out, &time, &amp), HorizonReadResult::Ok);
  EXPECT_EQ(time.At(0, 0), 100);
  EXPECT_EQ(time.At(4, 5), 250);
  // Gridding filled every hole of the time grid; amplitudes stay null.
  EXPECT_EQ(std::count(time.cells.begin(), time.cells.end(), HORIZON_NULL), 0);
  EXPECT_EQ(amp.At(0, 0), HORIZON_NULL);
  std::string hop = testing::ReadFileBytes(p.folder.File("conv.hop"));
  ASSERT_EQ(hop.size(), 120u);
  EXPECT_EQ(hop[0], 1);
  EXPECT_EQ(hop[1], 0);
  EXPECT_EQ(std::count(hop.begin(), hop.end(), 1), 5);
}

TEST(FillFromProject, ColumnFromHorizonAndXyBothWays) {
  ExchangeProject p;
  HorizonGrid time(10, 12, HORIZON_NULL);
  time.At(2, 3) = 1234;
  ASSERT_TRUE(WriteHorizon(p.folder.File("h.hor"), &time, &time));
  SheetTable table = LineTraceZSheet({{"1003", "2004"}, {"1001", "2001"}, {"999", "2001"}});
  ASSERT_TRUE(
      FillColumnFromHorizon(table, p.project.header, p.folder.File("h.hor"), 5, p.prompter));
  EXPECT_EQ(table.Cell(1, 5), "1234");
  EXPECT_EQ(table.Cell(2, 5), "32700");
  EXPECT_EQ(table.Cell(3, 5), "");

  const SurveyHeader& h = p.project.header;
  XyPoint far = LineTraceToXy(h, p.project.placement, 9, 11);
  XyPoint mid = LineTraceToXy(h, p.project.placement, 4, 2);
  SheetTable xy = LineTraceZSheet({{"1001", "2001", "", ""},
                                   {"1010", "2012", "0", "0"},
                                   {"", "", std::to_string(mid.x), std::to_string(mid.y)},
                                   {"1002", "0", "", ""}});
  EXPECT_FALSE(FillInXy(xy, p.project, p.prompter));
  EXPECT_EQ(p.prompter.last_text(), "Line, Trace, X, & Y Must be Labeled");
  xy.AssignRole(ColumnRole::X, 3);
  xy.AssignRole(ColumnRole::Y, 4);
  EXPECT_FALSE(FillInXy(xy, p.project, p.prompter));
  EXPECT_EQ(p.prompter.last_text(), "Data Error Row 4");
  EXPECT_EQ(xy.Cell(1, 3), "500000");
  EXPECT_EQ(xy.Cell(2, 3), std::to_string(far.x));
  EXPECT_EQ(xy.Cell(2, 4), std::to_string(far.y));
  xy.SetCell(4, 2, "2002");
  ASSERT_TRUE(FillInLineTrace(xy, p.project, p.prompter));
  EXPECT_EQ(xy.Cell(3, 1), "1005");
  EXPECT_EQ(xy.Cell(3, 2), "2003");

  ExchangeProject no_xy(false);
  EXPECT_FALSE(FillInXy(xy, no_xy.project, no_xy.prompter));
  EXPECT_EQ(no_xy.prompter.last_text(), "X/Y File not Found!!");
}

HorizonGrid PatternTime() {
  HorizonGrid time(10, 12, HORIZON_NULL);
  for (int i = 0; i < 10; ++i)
    for (int j = 0; j < 12; ++j)
      if ((i + j) % 4 != 0) time.At(i, j) = static_cast<std::int16_t>(1000 + 7 * i - 3 * j);
  return time;
}

HorizonGrid PatternAmp() {
  HorizonGrid amp(10, 12, HORIZON_NULL);
  for (int i = 0; i < 10; ++i)
    for (int j = 0; j < 12; ++j)
      if ((i * j) % 5 != 1) amp.At(i, j) = static_cast<std::int16_t>(-20000 + 311 * i * j);
  return amp;
}

std::string Export(const ExchangeProject& p, const HorizonExportOptions& options) {
  std::ostringstream out;
  std::string xy;
  ReadWholeFile(p.project.XyPath(), xy);
  WriteHorizonExport(out, options, p.project.header, PatternTime(), PatternAmp(), xy);
  return out.str();
}

TEST(ExportHorizon, VendorColumnsAreWhereTheLayoutsSay) {
  ExchangeProject p;
  const SurveyHeader& h = p.project.header;
  HorizonExportOptions landmark = VendorExportOptions(ExportVendor::Landmark, h);
  landmark.start_line = landmark.end_line = 1001;
  landmark.end_trace = 2002;
  EXPECT_EQ(Export(p, landmark), std::string(26, ' ') + "1001" + std::string(6, ' ') + "2001" +
                                     std::string(6, ' ') + "500000     6000000      1.0E37\r\n" +
                                     std::string(26, ' ') + "1001" + std::string(6, ' ') + "2002" +
                                     std::string(6, ' ') + "500025     6000000         997\r\n");

  HorizonExportOptions hr = VendorExportOptions(ExportVendor::HampsonRussell, h);
  hr.start_line = hr.end_line = 1002;
  hr.start_trace = hr.end_trace = 2002;
  std::string line = Export(p, hr);
  ASSERT_GE(line.size(), 44u);
  EXPECT_EQ(line.substr(6, 4), "2002");    // trace ends in column 10
  EXPECT_EQ(line.substr(18, 4), "1002");   // line ends in column 22
  EXPECT_EQ(line.substr(28, 5), "32700");  // a null amplitude stays a number
  EXPECT_EQ(line.substr(40, 4), "1004");
  EXPECT_EQ(line.substr(44), "\r\n");

  HorizonExportOptions gq = VendorExportOptions(ExportVendor::Geoquest, h);
  std::string all = Export(p, gq);
  EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 120 - 30);  // nulls left out
  EXPECT_EQ(all.substr(0, 98), std::string(44, ' ') + "997" + std::string(21, ' ') + "2002" +
                                   std::string(20, ' ') + "1001\r\n");
}

TEST(ExportHorizon, DelimitedFieldsEndWithTheDelimiterAndNullChoices) {
  ExchangeProject p;
  HorizonExportOptions custom = VendorExportOptions(ExportVendor::Custom, p.project.header);
  custom.start_line = custom.end_line = 1001;
  custom.end_trace = 2001;
  EXPECT_EQ(Export(p, custom), "1001,2001,500000,6000000,32700,-20000,\r\n");
  custom.layout = ExportLayout::TabDelimited;
  custom.null_text = "-999.25";
  custom.fields[2].kind = ExportFieldKind::Unused;
  EXPECT_EQ(Export(p, custom), "1001\t2001\t\r\n");
  custom.fields[2].kind = ExportFieldKind::ZValue;
  EXPECT_EQ(Export(p, custom), "1001\t2001\t-999.25\t6000000\t-999.25\t-20000\t\r\n");
  custom.null_text.clear();
  EXPECT_EQ(Export(p, custom), "");
  custom.start_trace = 2002;
  custom.end_trace = 2012;
  custom.trace_increment = 5;  // 2002, 2007, 2012
  custom.fields[5].kind = ExportFieldKind::Amp;
  std::string text = Export(p, custom);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3);
}

// Every vendor layout exported over the whole survey imports back through the
// numeric import and Convert to Horizon to the same grid.
TEST(ExportHorizon, VendorLayoutsReimportToTheSameGrid) {
  ExchangeProject p;
  HorizonGrid time = PatternTime(), amp = PatternAmp();
  ASSERT_TRUE(WriteHorizon(p.folder.File("src.hor"), &time, &amp));
  struct Case {
    ExportVendor vendor;
    int line, trace, z, amp;
  };
  for (Case c :
       {Case{ExportVendor::Landmark, 1, 2, 5, 0}, Case{ExportVendor::Geoquest, 3, 2, 1, 0},
        Case{ExportVendor::HampsonRussell, 2, 1, 4, 3}, Case{ExportVendor::Custom, 1, 2, 5, 6}}) {
    SCOPED_TRACE(static_cast<int>(c.vendor));
    const std::string out = p.folder.File("out.txt");
    HorizonExportOptions options = VendorExportOptions(c.vendor, p.project.header);
    ASSERT_TRUE(ExportAsciiHorizon(p.project, p.folder.File("src.hor"), out, options, p.prompter));
    SheetTable table;
    NullProgress progress;
    ImportAsciiHorizon(table, out, progress, p.prompter);
    table.AssignRole(ColumnRole::Line, c.line);
    table.AssignRole(ColumnRole::Trace, c.trace);
    table.AssignRole(ColumnRole::Z, c.z);
    if (c.amp) table.AssignRole(ColumnRole::Amp, c.amp);
    auto back = SheetToHorizon(table, p.project.header, 1, p.prompter);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->time.cells, time.cells);
    if (c.amp) {
      for (std::size_t k = 0; k < time.cells.size(); ++k)
        if (time.cells[k] != HORIZON_NULL) EXPECT_EQ(back->amplitude.cells[k], amp.cells[k]) << k;
    }
  }
  EXPECT_FALSE(ExportAsciiHorizon(p.project, p.folder.File("none.hor"), p.folder.File("o"),
                                  VendorExportOptions(ExportVendor::Custom, p.project.header),
                                  p.prompter));
  EXPECT_EQ(p.prompter.last_text(), "Select Horizon File");
  EXPECT_FALSE(ExportAsciiHorizon(p.project, p.folder.File("src.hor"), p.folder.File("no/o"),
                                  VendorExportOptions(ExportVendor::Custom, p.project.header),
                                  p.prompter));
  EXPECT_EQ(p.prompter.last_text(), "Select Output File");
}

TEST(ExportAscii, CellsJoinedByTheDelimiterWithCrlf) {
  SheetTable table;
  table.SetBlockText(1, 1, "a\tb\tc\r\n\t2\t\r\n");
  EXPECT_EQ(SheetAsciiText(table, 1, 1, table.UsedRows(), table.UsedColumns(), ','),
            "a,b,c\r\n,2,\r\n");
  ScriptedPrompter prompter;
  EXPECT_FALSE(ExportSheetAscii(table, "/nonexistent-folder/x.txt", ' ', prompter));
  EXPECT_EQ(prompter.last_text(), "Cannot Create Export Ascii File");
}

}  // namespace
}  // namespace quarrix
