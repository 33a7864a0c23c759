#include "workspace/ui/pick_options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "workspace/ui/workspace_dialogs.h"

namespace quarrix {
namespace {

// A group box of radio buttons, each with its value as the button id.
QButtonGroup* RadioGroup(QWidget* parent, QGridLayout* grid, int row, const char* title,
                         const std::vector<std::pair<const char*, int>>& choices, int chosen) {
  auto* box = new QGroupBox(title, parent);
  auto* layout = new QVBoxLayout(box);
  auto* group = new QButtonGroup(box);
  for (const auto& [text, id] : choices) {
    auto* button = new QRadioButton(text, box);
    button->setChecked(id == chosen);
    group->addButton(button, id);
    layout->addWidget(button);
  }
  grid->addWidget(box, row, 0);
  return group;
}

QSpinBox* Spin(QWidget* parent, int low, int high, int value) {
  auto* spin = new QSpinBox(parent);
  spin->setRange(low, high);
  spin->setValue(value);
  return spin;
}

}  // namespace

PickOptionsDialog::PickOptionsDialog(const PickOptions& o, QWidget* parent)
    : QDialog(parent), options_(o) {
  setWindowTitle("Pick Options");
  setProperty("help_page", "pick_options.html");
  auto* grid = new QGridLayout(this);
  style_ = RadioGroup(this, grid, 0, "Pick Type", {{"Auto ", 6}, {"Rubber Band", 7}}, o.pick_style);
  type_ = RadioGroup(this, grid, 1, "Pick Options",
                     {{"Peak", 1},
                      {"Trough", 2},
                      {"Zero Cross Pk  -", 4},
                      {"Zero Cross Pk +", 5},
                      {"Zero Cross Tr -", 6},
                      {"Zero Cross Tr +", 7},
                      {"No Pick", 3}},
                     o.pick_type);
  advance_ = RadioGroup(this, grid, 2, "Arb Options", {{"Trace Advance", 1}, {"Line Advance", 0}},
                        o.arbitrary_by_traces ? 1 : 0);
  auto* fields = new QFormLayout;
  erase_ = new QCheckBox("Erase", this);
  erase_->setChecked(o.erase);
  auto_update_ = new QCheckBox("Auto Update", this);
  auto_update_->setChecked(o.auto_update);
  last_display_ = new QCheckBox("Show Last Display", this);
  last_display_->setChecked(o.show_last_display);
  window_ = Spin(this, 0, 100, o.pick_window_ms);
  window_->setSuffix(" ms");
  snap_ = Spin(this, 0, 1000, o.snap_bins);
  snap_->setSuffix(" Bins");
  width_ = Spin(this, 0, 10, o.line_width);
  colour_ = HorizonColourList(o.colour_index, this);
  previous_width_ = Spin(this, 0, 10, o.previous_line_width);
  previous_colour_ = HorizonColourList(o.previous_colour_index, this);
  fields->addRow(erase_);
  fields->addRow("Pk Win", window_);
  fields->addRow(auto_update_);
  fields->addRow("Snap to Grid", snap_);
  fields->addRow("Horizon Line Width", width_);
  fields->addRow("Horizon Line Color", colour_);
  fields->addRow(last_display_);
  fields->addRow("Previous Picks Line Width", previous_width_);
  fields->addRow("Previous Picks Line Color", previous_colour_);
  grid->addLayout(fields, 0, 1, 3, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  grid->addWidget(buttons, 3, 0, 1, 2);
}

PickOptions PickOptionsDialog::values() const {
  PickOptions o = options_;
  o.pick_style = style_->checkedId();
  o.pick_type = type_->checkedId() > 0 ? type_->checkedId() : o.pick_type;
  o.arbitrary_by_traces = advance_->checkedId() == 1;
  o.erase = erase_->isChecked();
  o.auto_update = auto_update_->isChecked();
  o.show_last_display = last_display_->isChecked();
  o.pick_window_ms = window_->value();
  o.snap_bins = snap_->value();
  o.line_width = width_->value();
  o.colour_index = colour_->currentIndex();
  o.previous_line_width = previous_width_->value();
  o.previous_colour_index = previous_colour_->currentIndex();
  return o;
}

}  // namespace quarrix
