// The trace plot's dialogs filled in with synthesised mouse and key events.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "platform/scripted_prompter.h"
#include "section/ui/colour_bar_editor.h"
#include "section/ui/colour_parameters_dialog.h"
#include "section/ui/processing_options_dialog.h"
#include "section/ui/run_centred.h"

namespace quarrix {
namespace {

// Clicks near the left edge, where a check box or radio button has its box.
void Click(QAbstractButton* button) {
  ASSERT_NE(button, nullptr);
  QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(8, button->height() / 2));
}

void Retype(QLineEdit* edit, const QString& text) {
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, text);
}

void ClickOk(QDialog& dialog) {
  Click(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok));
}

void SetRgb(ColourBarEditor& dialog, Rgb colour) {
  dialog.rgb_box(0)->setValue(colour.r);
  dialog.rgb_box(1)->setValue(colour.g);
  dialog.rgb_box(2)->setValue(colour.b);
  Click(dialog.button("Set RGB"));
}

void ClickBand(QListWidget* list, int row, Qt::KeyboardModifiers keys = Qt::NoModifier) {
  QRect rect = list->visualItemRect(list->item(row));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, keys, rect.center());
}

TEST(ProcessingOptionsDialog, StepsReplaceTheAttributeAndBadCornersKeepItOpen) {
  ProcessingParams params;
  params.attribute = kAttributeFrequency;
  ScriptedPrompter prompter;
  ProcessingOptionsDialog dialog(params, prompter);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Processing Options");
  EXPECT_EQ(dialog.attributes()->checkedId(), kAttributeFrequency);

  Click(dialog.step_box(ProcessStep::Phase));
  EXPECT_EQ(dialog.attributes()->checkedId(), -1);
  Retype(dialog.phase_edit(), "-90");
  Click(dialog.step_box(ProcessStep::Filter));
  const char* corners[4] = {"10", "5", "45", "50"};
  for (int k = 0; k < 4; ++k) Retype(dialog.filter_edit(k), corners[k]);
  ClickOk(dialog);
  EXPECT_EQ(prompter.last_text(), "Bad filter params");
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(params.phase_on, 0);

  Retype(dialog.filter_edit(1), "15");
  ClickOk(dialog);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(params.phase_on, 1);
  EXPECT_EQ(params.phase_deg, 270u);
  EXPECT_EQ(params.filter_on, 1);
  EXPECT_EQ(params.filter_hz[1], 15u);
  EXPECT_EQ(params.attribute, kAttributeNone);
}

TEST(ProcessingOptionsDialog, AnAttributeClearsTheStepsAndCancelKeepsEverything) {
  ProcessingParams params;
  params.agc_on = params.shift_on = 1;
  ScriptedPrompter prompter;
  {
    ProcessingOptionsDialog dialog(params, prompter);
    dialog.show();
    Click(dialog.attributes()->button(kAttributeAmplitude));
    EXPECT_FALSE(dialog.step_box(ProcessStep::Agc)->isChecked());
    Retype(dialog.scale_edit(), "250");
    Click(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel));
    EXPECT_EQ(params.agc_on, 1);
    EXPECT_EQ(params.attribute, kAttributeNone);
  }
  ProcessingOptionsDialog dialog(params, prompter);
  dialog.show();
  Click(dialog.attributes()->button(kAttributeAmplitude));
  Retype(dialog.scale_edit(), "250");
  ClickOk(dialog);
  EXPECT_EQ(params.attribute, kAttributeAmplitude);
  EXPECT_FALSE(params.agc_on || params.shift_on);
  EXPECT_FLOAT_EQ(params.agc_scale, 250.0f);
}

TEST(ColourParametersDialog, TheTracePlotScanProposesALinearBar) {
  ColourBar bar;
  SetDefaultColourBar(bar);
  ScriptedPrompter prompter;
  ColourScanSource source{[] {
                            return std::optional<MinMaxScan>({-1000, 2000});
                          },
                          ColourBarOwner::TracePlot};
  ColourParametersDialog dialog(bar, source, prompter);
  dialog.show();
  EXPECT_EQ(dialog.max_edit()->text(), "32000");
  Click(dialog.scan_button());
  EXPECT_EQ(dialog.min_edit()->text(), "-1000");
  EXPECT_EQ(dialog.difference_label()->text(), "3000");
  EXPECT_EQ(dialog.min_increment_label()->text(), "24");
  EXPECT_EQ(dialog.increment_edit()->text(), "24");
  ClickOk(dialog);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(bar.count, 125);
  EXPECT_EQ(bar.thresholds[0], 1976);
  EXPECT_EQ(bar.increment, 24);
}

TEST(ColourParametersDialog, TheHorizonScanLeavesTheIncrementAndBadTextIsTold) {
  ColourBar bar;
  SetDefaultColourBar(bar);
  ScriptedPrompter prompter;
  ColourScanSource source{[] {
                            return std::optional<MinMaxScan>({100, 1290});
                          },
                          ColourBarOwner::HorizonPlot};
  ColourParametersDialog dialog(bar, source, prompter);
  dialog.show();
  Click(dialog.scan_button());
  EXPECT_EQ(dialog.min_increment_label()->text(), "11");
  EXPECT_EQ(dialog.increment_edit()->text(), "2000");
  Retype(dialog.increment_edit(), "ten");
  ClickOk(dialog);
  EXPECT_EQ(prompter.last_text(), "Increment must be a whole number");
  EXPECT_EQ(bar.increment, 2000);
  EXPECT_EQ(bar.max_value, 32000);
  Retype(dialog.increment_edit(), "0");
  ClickOk(dialog);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(bar.increment, 0);
  EXPECT_EQ(bar.count, 32);
  EXPECT_EQ(bar.max_value, 1290);
}

// The band editor over the default bar.
class BandEditor : public ::testing::Test {
 protected:
  BandEditor() { dialog.show(); }

  static ColourBar DefaultBar() {
    ColourBar bar;
    SetDefaultColourBar(bar);
    return bar;
  }

  ColourBar bar = DefaultBar();
  ScriptedPrompter prompter;
  ColourBarEditor dialog{bar, prompter};
};

TEST_F(BandEditor, LinearBarColoursAreEditedAndStoredOnOk) {
  EXPECT_EQ(dialog.windowTitle(), "Set Color");
  EXPECT_EQ(dialog.band_list()->count(), 32);
  EXPECT_FALSE(dialog.threshold_edit()->isEnabled());

  ClickBand(dialog.band_list(), 2);
  SetRgb(dialog, {0, 0, 0});
  ClickBand(dialog.band_list(), 6);
  SetRgb(dialog, {200, 100, 0});
  ClickBand(dialog.band_list(), 2, Qt::ShiftModifier);
  Click(dialog.button("Interpolate"));
  EXPECT_EQ(bar.colours[4], (Rgb{68, 68, 255}));  // nothing stored before OK
  ClickOk(dialog);
  EXPECT_EQ(bar.colours[4], (Rgb{100, 50, 0}));
  EXPECT_EQ(bar.increment, 2000);
}

TEST_F(BandEditor, NonLinearBarsMoveThresholds) {
  Click(dialog.button("Non Linear"));
  EXPECT_EQ(dialog.windowTitle(), "Select Color Bar Colors");
  ClickBand(dialog.band_list(), 1);
  EXPECT_EQ(dialog.threshold_edit()->text(), "28000");
  Retype(dialog.threshold_edit(), "31000");
  Click(dialog.button("Set"));
  EXPECT_EQ(prompter.last_text(), "The threshold of band 2 must lie between 26001 and 29999");
  Retype(dialog.threshold_edit(), "25000x");
  Click(dialog.button("Set"));
  EXPECT_EQ(prompter.last_text(), "Threshold must be a whole number from -32768 to 32767");
  Retype(dialog.threshold_edit(), "27000");
  Click(dialog.button("Set"));
  EXPECT_EQ(dialog.band_list()->item(1)->text(), "2: 27000 .. 30000");
  Click(dialog.button("Blank All"));
  ClickOk(dialog);
  EXPECT_EQ(bar.increment, 0);
  EXPECT_EQ(bar.thresholds[1], 27000);
  EXPECT_EQ(bar.colours[31], kBlankBandColour);
}

TEST(SectionDialogs, EachNamesAHelpPageTheProgramShips) {
  ProcessingParams params;
  ColourBar bar;
  ScriptedPrompter prompter;
  ProcessingOptionsDialog processing(params, prompter);
  ColourParametersDialog parameters(bar, {}, prompter);
  ColourBarEditor linear(bar, prompter);
  MakeNonLinear(bar);
  ColourBarEditor bands(bar, prompter);
  for (QDialog* dialog :
       std::initializer_list<QDialog*>{&processing, &parameters, &linear, &bands}) {
    const std::string page = dialog->property(kHelpPageProperty).toString().toStdString();
    EXPECT_EQ(HelpPageFor(dialog), page);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(":/help/" + page))) << page;
  }
  EXPECT_FALSE(parameters.scan_button()->isEnabled());  // nothing to scan
}

}  // namespace
}  // namespace quarrix
