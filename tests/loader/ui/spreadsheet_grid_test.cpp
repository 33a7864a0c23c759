// The grid component on its own. It is built with the loader's widget tests:
// the platform widget tests make their own QGuiApplication, under which no
// widget can be created.
#include "platform/ui/spreadsheet_grid.h"

#include <gtest/gtest.h>

namespace quarrix {
namespace {

// A 3 x 2 table whose cells name themselves; only column 2 has a heading.
class NamedCells : public CellTextSource {
 public:
  int Rows() const override { return 3; }
  int Columns() const override { return 2; }
  std::string Heading(int column) const override { return column == 2 ? "Value" : ""; }
  std::string CellText(int row, int column) const override {
    return std::to_string(row) + ":" + std::to_string(column) + suffix;
  }
  std::string suffix;
};

TEST(SpreadsheetGrid, HeadingsCellsAndActiveCell) {
  EXPECT_EQ(ColumnLetters(1), "A");
  EXPECT_EQ(ColumnLetters(26), "Z");
  EXPECT_EQ(ColumnLetters(27), "AA");
  EXPECT_EQ(ColumnLetters(703), "AAA");

  NamedCells cells;
  SpreadsheetGrid grid;
  EXPECT_EQ(grid.ActiveCell(), SheetCell{});
  grid.SetSource(cells);
  EXPECT_EQ(grid.model()->headerData(0, Qt::Horizontal).toString(), "A");
  EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal).toString(), "Value");
  EXPECT_EQ(grid.model()->headerData(2, Qt::Vertical).toString(), "3");
  EXPECT_EQ(grid.CellText(3, 2), "3:2");
  grid.SetActiveCell({2, 1});
  EXPECT_EQ(grid.ActiveCell(), (SheetCell{2, 1}));
  cells.suffix = "!";
  grid.Refresh();
  EXPECT_EQ(grid.CellText(2, 1), "2:1!");
}

}  // namespace
}  // namespace quarrix
