#pragma once
// Answers the loader's dialogs for the widget tests: a run_dialog hook that
// fills in whichever dialog comes up from the answers set by the test, and
// records the title of every dialog shown.
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <functional>
#include <optional>
#include <string>

#include "loader/ui/choice_dialogs.h"
#include "loader/ui/direction_dialog.h"
#include "loader/ui/header_scan_dialog.h"
#include "loader/ui/header_values_dialog.h"
#include "loader/ui/loader_state.h"
#include "loader/ui/project_name_dialog.h"
#include "loader/ui/scale_dialogs.h"
#include "loader/ui/tape_unit_dialog.h"

namespace quarrix::testing {

struct LoaderAnswers {
  int source = kSourceDisk;
  bool two_d = false;
  int conversion = kConvertAuto;
  bool tape_image = true;  // "Tape Image..." in "Select Tape Unit"
  bool disk_file = false;  // "Disk File..." (export)
  std::string end_time = "Default";
  bool no_scaling = false;
  std::string location, project = "survey";
  // Select cells (row, column) of the line and trace words: 32-bit words
  // 48 and 49 are bytes 189 and 193.
  std::optional<SheetCell> line_cell = SheetCell{48, 3}, trace_cell = SheetCell{49, 3};
  int corner = 4;
  std::string scale = "1000";
  // Edits "Header Values" before OK (nothing: accepted as shown).
  std::function<void(HeaderValuesDialog&)> header_values;
  // Dialogs answered with Cancel, by title.
  QStringList cancel;

  QStringList shown;  // titles, in order
  int last_corner_shown = 0;

  bool operator()(QDialog& dialog) {
    shown << dialog.windowTitle();
    if (cancel.contains(dialog.windowTitle())) return false;
    if (auto* d = qobject_cast<SourceDialog*>(&dialog)) {
      d->Choose(source, two_d);
    } else if (auto* d = qobject_cast<TapeUnitDialog*>(&dialog)) {
      if (disk_file)
        d->ChooseDiskFile();
      else if (tape_image)
        d->ChooseTapeImage();
    } else if (auto* d = qobject_cast<ConversionTypeDialog*>(&dialog)) {
      d->Choose(conversion);
    } else if (auto* d = qobject_cast<ScaleParametersDialog*>(&dialog)) {
      d->end_field()->setText(QString::fromStdString(end_time));
      d->no_scaling_box()->setChecked(no_scaling);
    } else if (auto* d = qobject_cast<ProjectNameDialog*>(&dialog)) {
      d->SelectLocation(QString::fromStdString(location));
      d->name_field()->setText(QString::fromStdString(project));
    } else if (auto* d = qobject_cast<HeaderScanDialog*>(&dialog)) {
      if (line_cell) {
        d->grid()->SetActiveCell(*line_cell);
        d->Dispatch(HeaderScanDialog::kLine);
      }
      if (trace_cell) {
        d->grid()->SetActiveCell(*trace_cell);
        d->Dispatch(HeaderScanDialog::kTrace);
      }
      d->Dispatch(HeaderScanDialog::kDoConversion);
      return d->result() == QDialog::Accepted;
    } else if (auto* d = qobject_cast<DirectionDialog*>(&dialog)) {
      last_corner_shown = d->corner();
      d->Dispatch(corner);
      d->Dispatch(DirectionDialog::kContinue);
      return true;
    } else if (auto* d = qobject_cast<HeaderValuesDialog*>(&dialog)) {
      if (header_values) header_values(*d);
    } else if (auto* d = qobject_cast<ScaleValueDialog*>(&dialog)) {
      d->value_field()->setText(QString::fromStdString(scale));
    }
    dialog.accept();
    return dialog.result() == QDialog::Accepted;
  }
};

}  // namespace quarrix::testing
