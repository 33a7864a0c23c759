// The shared map dialogs: each gives back what it was opened with, edits
// what its fields say, and stores nothing when cancelled; "Sort" in "Well
// Options" asks for the sort parameters.
#include "map/ui/map_choices.h"

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QTest>

#include "support/test_support.h"

namespace quarrix {
namespace {

bool Accept(QDialog&) {
  return true;
}

TEST(MapChoices, EveryDialogGivesBackWhatItWasOpenedWith) {
  const ColourSets sets = DefaultColourSets();
  ColourSchemeChoice scheme{6, true};
  ASSERT_TRUE(ChooseColourScheme(nullptr, sets, false, scheme, Accept));
  EXPECT_EQ(scheme, (ColourSchemeChoice{6, true}));

  MapOptions map{20, 5, 0.25, 0.08};
  ASSERT_TRUE(ChooseMapOptions(nullptr, map, Accept));
  EXPECT_EQ(map, (MapOptions{20, 5, 0.25, 0.08}));

  WellSort sort{1200, 4000, 3000};
  ASSERT_TRUE(ChooseWellSort(nullptr, sort, Accept));
  EXPECT_EQ(sort, (WellSort{1200, 4000, 3000}));

  WellChoice wells;
  wells.names = {"B.wll", "g.lgv"};
  wells.posting = {false, true, true, false, false, false, true, sort};
  const WellChoice wells_before = wells;
  ASSERT_TRUE(ChooseWellOptions(nullptr, {"A.wll", "B.wll", "g.lgv"}, wells, Accept));
  EXPECT_EQ(wells, wells_before);

  CultureOptions dxf;
  dxf.plot_text = false;
  dxf.line = {PenStyle::Dash, 3, {10, 200, 30}};
  dxf.text_colour = {200, 0, 90};
  dxf.text_scale = 2.5;
  dxf.margin_feet = 750;
  CultureOptions dxf_before = dxf;
  ASSERT_TRUE(ChooseDxfOptions(nullptr, dxf, Accept));
  EXPECT_EQ(dxf, dxf_before);
}

TEST(MapChoices, EditedFieldsAreStoredAndCancelStoresNothing) {
  MapOptions map;
  ASSERT_TRUE(ChooseMapOptions(nullptr, map, [](QDialog& d) {
    auto& dialog = static_cast<MapOptionsDialog&>(d);
    dialog.symbol()->setValue(0.3);
    dialog.line_every()->setValue(25);
    return true;
  }));
  EXPECT_EQ(map.well_symbol_inches, 0.3);
  EXPECT_EQ(map.line_label_every, 25);
  EXPECT_EQ(map.trace_label_every, 0);
  const MapOptions kept = map;
  EXPECT_FALSE(ChooseMapOptions(nullptr, map, [](QDialog& d) {
    static_cast<MapOptionsDialog&>(d).symbol()->setValue(1.0);
    return false;
  }));
  EXPECT_EQ(map, kept);

  CultureOptions dxf;
  ASSERT_TRUE(ChooseDxfOptions(nullptr, dxf, [](QDialog& d) {
    auto& dialog = static_cast<DxfOptionsDialog&>(d);
    dialog.line_style()->setCurrentText("Dash");
    dialog.line_colour()->SetColour({0, 0, 255});
    dialog.width()->setValue(4);
    dialog.plot_lines()->setChecked(false);
    dialog.margin()->setValue(100);
    return true;
  }));
  EXPECT_EQ(dxf.line, (LineStyle{PenStyle::Dash, 4, {0, 0, 255}}));
  EXPECT_FALSE(dxf.plot_lines);
  EXPECT_TRUE(dxf.plot_text);
  EXPECT_EQ(dxf.margin_feet, 100);
}

TEST(MapChoices, ColourSchemeOffersTheSetsOfItsKindAndReplacingOnlyForSets) {
  const ColourSets sets = DefaultColourSets();
  ColourSchemeDialog time(sets, false, {0, false});
  EXPECT_EQ(time.schemes()->buttons().size(), kColourSchemeCount);
  EXPECT_EQ(time.schemes()->button(0)->text(), "Fixed Custom Colors ");
  EXPECT_EQ(time.schemes()->button(8)->text(), "Color Set 8");
  EXPECT_FALSE(time.replace()->isEnabled());
  time.schemes()->button(2)->click();
  EXPECT_TRUE(time.replace()->isEnabled());
  time.replace()->setChecked(true);
  EXPECT_EQ(time.choice(), (ColourSchemeChoice{2, true}));
  // Going back to the colour file drops the request to replace it.
  time.schemes()->button(0)->click();
  EXPECT_EQ(time.choice(), (ColourSchemeChoice{0, false}));
  // The names beside the numbers are the time or the amplitude sets'.
  auto names = [](const QDialog& dialog) {
    QStringList texts;
    for (QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
    return texts;
  };
  EXPECT_TRUE(names(time).contains("Rainbow"));
  ColourSchemeDialog amplitude(sets, true, {1, false});
  EXPECT_TRUE(names(amplitude).contains("Blue - Red"));
  EXPECT_FALSE(names(amplitude).contains("Rainbow"));
}

TEST(MapChoices, SortAsksForItsParametersAndCancellingLeavesItOff) {
  WellChoice wells;
  int asked = 0;
  DialogRunner run = [&](QDialog& d) {
    if (auto* sort = qobject_cast<WellSortDialog*>(&d)) {
      ++asked;
      sort->below()->setValue(900);
      sort->mark()->setValue(2000);
      return asked == 1;  // the second time the user cancels
    }
    auto& dialog = static_cast<WellOptionsDialog&>(d);
    dialog.select_all()->click();
    dialog.option("Depth")->setChecked(true);
    dialog.option("Sort")->click();
    return true;
  };
  ASSERT_TRUE(ChooseWellOptions(nullptr, {"A.wll", "g.lgv"}, wells, run));
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(wells.names, (std::vector<std::string>{"A.wll", "g.lgv"}));
  EXPECT_TRUE(wells.posting.sort);
  EXPECT_TRUE(wells.posting.depth);
  EXPECT_EQ(wells.posting.well_sort, (WellSort{900, 0, 2000}));
  // Untick and tick again, cancelling the parameters: "Sort" stays off and
  // the parameters stay as they were.
  wells.posting.sort = false;
  ASSERT_TRUE(ChooseWellOptions(nullptr, {"A.wll", "g.lgv"}, wells, run));
  EXPECT_EQ(asked, 2);
  EXPECT_FALSE(wells.posting.sort);
  EXPECT_EQ(wells.posting.well_sort, (WellSort{900, 0, 2000}));
}

TEST(MapChoices, DxfFilesListsTheProjectsDrawingsAndKeepsTen) {
  testing::TempFolder folder;
  for (int k = 0; k < 12; ++k)
    testing::WriteFileBytes(folder.File("c" + std::to_string(k + 10) + ".dxf"), "0\nEOF\n");
  testing::WriteFileBytes(folder.File("notes.txt"), "x");
  std::vector<std::string> paths = {folder.File("c11.dxf")};
  ASSERT_TRUE(SelectDxfFiles(nullptr, folder.path(), paths, [](QDialog& d) {
    auto& dialog = static_cast<DxfFilesDialog&>(d);
    EXPECT_EQ(dialog.list()->count(), 12);
    EXPECT_EQ(dialog.list()->selectedItems().size(), 1);
    return true;
  }));
  EXPECT_EQ(paths, (std::vector<std::string>{folder.File("c11.dxf")}));
  ASSERT_TRUE(SelectDxfFiles(nullptr, folder.path(), paths, [](QDialog& d) {
    static_cast<DxfFilesDialog&>(d).list()->selectAll();
    return true;
  }));
  ASSERT_EQ(paths.size(), kMaxDxfFiles);
  EXPECT_EQ(paths.front(), folder.File("c10.dxf"));
}

}  // namespace
}  // namespace quarrix
