// The Import/Export window's well dialogs and its printing, driven as a user
// would: lists and fields filled in before OK, and the printed pages looked at.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QRadioButton>
#include <algorithm>

#include "exchange/exchange_fixture.h"
#include "exchange/ui/import_export_window.h"
#include "exchange/ui/well_choice_dialogs.h"
#include "exchange/well_exchange.h"
#include "platform/recording_canvas.h"
#include "platform/ui/command_host.h"
#include "platform/ui/qt_canvas.h"

namespace quarrix {
namespace {

using namespace sheet_command;
using testing::ExchangeProject;
using testing::ReadFileBytes;

TEST(SheetWellDialogs, SelectAllLoadsEveryWellAndAttributesReachTheFile) {
  ExchangeProject p;
  for (const char* name : {"W1", "W2", "W3"}) {
    WellRecord well;
    well.line = 1004;
    WriteWellFile(p.folder.File(std::string(name) + ".wll"), well);
  }
  WriteWellGroupFile(p.folder.File("EAST.lgv"), {{"W2", ""}});
  ImportExportWindow window(p.project, &p.prompter);
  window.run_dialog = [](QDialog& dialog) {
    auto& list = dynamic_cast<WellListDialog&>(dialog);
    list.select_all()->setChecked(true);
    return true;
  };
  window.Dispatch(kLoadWells);
  EXPECT_EQ(window.document().table.UsedRows(), 3);
  EXPECT_EQ(window.document().table.Cell(3, 1), "W3");

  // The group the sheet does not show is chosen from the list; the dialog
  // shows the thickness the user typed, and a bad one is refused.
  bool refused_first = false;
  window.run_dialog = [&](QDialog& dialog) {
    if (auto* list = dynamic_cast<WellListDialog*>(&dialog)) {
      EXPECT_EQ(list->select_all(), nullptr);  // one group at a time
      list->list()->item(0)->setSelected(true);
      return true;
    }
    auto& d = dynamic_cast<WellGroupAttributesDialog&>(dialog);
    EXPECT_EQ(d.windowTitle(), "Well Group Attributes - EAST");
    EXPECT_EQ(d.symbol_size()->text(), "0.100");
    EXPECT_EQ(d.thickness()->text(), "1");
    d.thickness()->setText("0");
    d.accept();
    refused_first = d.result() != QDialog::Accepted;
    d.symbol_size()->setText("0.2");
    d.thickness()->setText("3");
    d.erase_label()->setChecked(true);
    d.label_position()->button(5)->setChecked(true);
    d.SetColours(0x0000FF, 0xFF0000);
    d.accept();
    return d.result() == QDialog::Accepted;
  };
  window.Dispatch(kGroupAttributes);
  EXPECT_TRUE(refused_first);
  EXPECT_EQ(p.prompter.last_text(), "Thickness must be a whole number from 1 to 100.");
  WellAttributes expected;
  expected.symbol_colour = 0x0000FF;
  expected.label_colour = 0xFF0000;
  expected.symbol_size = 0.2;
  expected.erase_label_background = 1;
  expected.thickness = 2;  // the file keeps the thickness less one
  expected.label_position = 5;
  EXPECT_EQ(ReadFileBytes(p.folder.File("EAST.wga")), EncodeWellAttributes(expected));
}

TEST(SheetPrint, EveryColumnOfAWideSheetIsOnAPage) {
  ExchangeProject p;
  ImportExportWindow window(p.project, &p.prompter);
  ImportExportDocument& doc = window.document();
  for (int c = 1; c <= 26; ++c)
    for (int r = 1; r <= 3; ++r)
      doc.table.SetCell(r, c, "value of a long cell " + std::to_string(c));
  doc.table.SetCell(2, 26, std::string(400, 'w'));  // wider than any paper
  std::vector<SheetPage> pages;
  Rect area;
  window.run_dialog = [](QDialog& dialog) {
    dialog.findChild<QCheckBox*>("Row Numbers")->setChecked(true);
    return true;
  };
  window.print_pages = [&](const std::vector<SheetPage>& planned, Rect page_area) {
    pages = planned;
    area = page_area;
  };
  window.Dispatch(kPrint);
  ASSERT_GT(pages.size(), 2u);
  std::vector<int> printed;
  for (const SheetPage& page : pages) {
    EXPECT_EQ(page.columns.front().column, 0);  // row numbers lead every page
    for (const SheetPageColumn& column : page.columns)
      if (column.column > 0) printed.push_back(column.column);
  }
  std::vector<int> all(26);
  for (int c = 0; c < 26; ++c) all[c] = c + 1;
  EXPECT_EQ(printed, all);
  EXPECT_EQ(pages.back().columns.size(), 2u);  // the widest column alone

  // The first page as the printer draws it, kept for people to look at.
  QImage paper(static_cast<int>(area.Width()), static_cast<int>(area.Height()),
               QImage::Format_RGB32);
  paper.fill(Qt::white);
  {
    QPainter painter(&paper);
    QtCanvas page_canvas(painter, DeviceInfo{.ppi_x = 96, .ppi_y = 96, .printing = true});
    DrawSheetPage(page_canvas, area, doc.table, pages.front(), {false, true, true, true});
  }
  QDir artefacts(QString(QUARRIX_BINARY_DIR) + "/artefacts");
  ASSERT_TRUE(artefacts.mkpath("."));
  paper.save(artefacts.filePath("sheet_print_page.png"));

  RecordingCanvas canvas(DeviceInfo{.ppi_x = 600, .ppi_y = 600, .printing = true});
  DrawSheetPage(canvas, area, doc.table, pages.front(), {false, true, true, true});
  std::vector<std::string> texts = canvas.Texts();
  EXPECT_NE(std::find(texts.begin(), texts.end(), "A"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "3"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "value of a long cell 1"), texts.end());

  // "Selection" prints the selected cells only.
  doc.selection = {2, 3, 2, 4};
  window.run_dialog = [](QDialog& dialog) {
    dialog.findChild<QRadioButton*>("Selection")->setChecked(true);
    return true;
  };
  window.Dispatch(kPrint);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0].first_row, 2);
  EXPECT_EQ(pages[0].last_row, 2);
  ASSERT_EQ(pages[0].columns.size(), 3u);
  EXPECT_EQ(pages[0].columns[2].column, 4);
}

}  // namespace
}  // namespace quarrix
