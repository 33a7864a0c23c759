#include "workspace/ui/map_dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/ui/dialog_buttons.h"

namespace quarrix {
namespace {

double NumberOr(const QLineEdit* field, double fallback) {
  bool ok = false;
  const double value = field->text().trimmed().toDouble(&ok);
  return ok ? value : fallback;
}

}  // namespace

AutopickOptionsDialog::AutopickOptionsDialog(const AutopickChoice& choice, QWidget* parent)
    : QDialog(parent), start_(choice), modes_(new QButtonGroup(this)) {
  setWindowTitle("Autopick Options");
  setProperty("help_page", "autopick_options.html");
  auto* layout = new QVBoxLayout(this);
  const std::pair<const char*, AutopickMode> kModes[] = {
      {"Autopick from In-Line seeds", AutopickMode::FromInlineSeeds},
      {"Autopick from X-Line seeds", AutopickMode::FromCrosslineSeeds},
      {"Autopick from Gridding", AutopickMode::FromGridding}};
  for (const auto& [text, mode] : kModes) {
    auto* button = new QRadioButton(text, this);
    button->setChecked(mode == choice.mode);
    button->setEnabled(choice.seeds_allowed || mode == AutopickMode::FromGridding);
    modes_->addButton(button, static_cast<int>(mode));
    layout->addWidget(button);
  }
  snap_ = new QCheckBox("Snap Horizon from Grid", this);
  snap_->setChecked(choice.snap);
  layout->addWidget(snap_);
  layout->addWidget(OkCancel(this));
}

AutopickChoice AutopickOptionsDialog::choice() const {
  AutopickChoice choice = start_;
  if (modes_->checkedId() > 0) choice.mode = static_cast<AutopickMode>(modes_->checkedId());
  choice.snap = snap_->isChecked();
  return choice;
}

GriddingOptionsDialog::GriddingOptionsDialog(const GriddingOptions& options, QWidget* parent)
    : QDialog(parent), start_(options) {
  setWindowTitle("Gridding Options");
  setProperty("help_page", "gridding_options.html");
  auto* layout = new QFormLayout(this);
  extrapolate_ = new QCheckBox("Extrapolate", this);
  extrapolate_->setChecked(options.extrapolate);
  gradient_ = new QCheckBox("Apply Gradient", this);
  gradient_->setChecked(options.apply_gradient);
  tautness1_ = new QLineEdit(QString::number(options.tautness1), this);
  tautness2_ = new QLineEdit(QString::number(options.tautness2), this);
  layout->addRow(extrapolate_);
  layout->addRow(gradient_);
  layout->addRow("Tautness 1  (1.0 to 3.0)", tautness1_);
  layout->addRow("Tautness 2  (3.0 to 9.0)", tautness2_);
  layout->addRow(OkCancel(this));
}

GriddingOptions GriddingOptionsDialog::options() const {
  GriddingOptions options;
  options.extrapolate = extrapolate_->isChecked();
  options.apply_gradient = gradient_->isChecked();
  options.tautness1 = NumberOr(tautness1_, start_.tautness1);
  options.tautness2 = NumberOr(tautness2_, start_.tautness2);
  return options;
}

}  // namespace quarrix
