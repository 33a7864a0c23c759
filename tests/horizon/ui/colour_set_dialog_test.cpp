#include "horizon/ui/colour_set_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSpinBox>

#include "platform/scripted_prompter.h"

namespace quarrix {
namespace {

TEST(ColourSetDialog, AmplitudeSetNeedsItsFourAnchors) {
  ColourSetRecord set = DefaultColourSets()[8];
  ColourSetRecord before = set;
  ScriptedPrompter prompter;
  ColourSetDialog dialog(set, true, prompter);
  dialog.SelectSlot(8);
  dialog.BlankAll();
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(prompter.last_text(), "1st, 8th, 9th, and 16th are required.");
  EXPECT_EQ(set, before);
  for (int slot : {0, 7, 8, 15}) {
    dialog.SelectSlot(slot);
    dialog.rgb_box(0)->setValue(10 + slot);
    dialog.ApplyRgb();
  }
  dialog.name_edit()->setText("Four anchors");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(set.count, 4);
  EXPECT_EQ(set.Name(), "Four anchors");
  EXPECT_EQ(set.colours[15], PaletteColour(25, 0, 0));
  EXPECT_EQ(set.colours[1], 0u);
}

TEST(ColourSetDialog, TimeSetMayBeAnyColours) {
  ColourSetRecord set = DefaultColourSets()[0];
  ScriptedPrompter prompter;
  ColourSetDialog dialog(set, false, prompter);
  dialog.BlankAll();
  dialog.SelectSlot(2);
  dialog.rgb_box(2)->setValue(200);
  dialog.ApplyRgb();
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(set.count, 1);
  EXPECT_EQ(set.colours[2], PaletteColour(0, 0, 200));
}

}  // namespace
}  // namespace quarrix
