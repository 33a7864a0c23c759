#include "section/ui/processing_options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/prompter.h"
#include "section/ui/run_centred.h"
#include "section/ui/section_dialogs.h"

namespace quarrix {
namespace {

QLineEdit* Field(const std::string& text, QWidget* parent) {
  auto* edit = new QLineEdit(QString::fromStdString(text), parent);
  edit->setMaximumWidth(90);
  return edit;
}

}  // namespace

ProcessingOptionsDialog::ProcessingOptionsDialog(ProcessingParams& params, Prompter& prompter,
                                                 QWidget* parent)
    : QDialog(parent), params_(params), prompter_(prompter), form_(FormFromParams(params)) {
  setWindowTitle("Processing Options");
  setProperty(kHelpPageProperty, "processing_options.html");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(StepsBox());
  layout->addWidget(AttributesBox());
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  ShowSwitches();
}

// "Processing Parameters": a check box per step with its fields beside it.
QGroupBox* ProcessingOptionsDialog::StepsBox() {
  auto* steps = new QGroupBox("Processing Parameters", this);
  auto* grid = new QGridLayout(steps);
  const char* names[4] = {"Phase Rotation", "Filter", "Static Shift", "AGC"};
  for (int k = 0; k < 4; ++k) {
    steps_[k] = new QCheckBox(names[k], steps);
    connect(steps_[k], &QCheckBox::clicked, this, [this, k](bool on) {
      ReadFields();
      SetStep(form_, static_cast<ProcessStep>(k), on);
      ShowSwitches();
    });
  }
  phase_ = Field(form_.phase_deg, steps);
  shift_ = Field(form_.shift_ms, steps);
  for (int k = 0; k < 4; ++k) filter_[k] = Field(form_.filter_hz[k], steps);
  window_ = Field(form_.agc_window_ms, steps);
  scale_ = Field(form_.agc_scale, steps);
  grid->addWidget(steps_[0], 0, 0);
  grid->addWidget(phase_, 0, 1);
  grid->addWidget(new QLabel("degrees", steps), 0, 2);
  grid->addWidget(steps_[2], 1, 0);
  grid->addWidget(shift_, 1, 1);
  grid->addWidget(new QLabel("ms", steps), 1, 2);
  grid->addWidget(steps_[1], 2, 0);
  for (int k = 0; k < 4; ++k) grid->addWidget(filter_[k], 2, 1 + k);
  grid->addWidget(new QLabel("HZ", steps), 2, 5);
  grid->addWidget(steps_[3], 3, 0);
  grid->addWidget(new QLabel("Window", steps), 3, 1, Qt::AlignRight);
  grid->addWidget(window_, 3, 2);
  grid->addWidget(new QLabel("Scale", steps), 3, 3, Qt::AlignRight);
  grid->addWidget(scale_, 3, 4);
  return steps;
}

QGroupBox* ProcessingOptionsDialog::AttributesBox() {
  auto* attributes = new QGroupBox("Instantaneous Attributes", this);
  auto* row = new QHBoxLayout(attributes);
  attributes_ = new QButtonGroup(this);
  const std::pair<const char*, int> choices[3] = {{"Amplitude", kAttributeAmplitude},
                                                  {"Frequency", kAttributeFrequency},
                                                  {"Phase", kAttributePhase}};
  for (auto [text, code] : choices) {
    auto* radio = new QRadioButton(text, attributes);
    attributes_->addButton(radio, code);
    row->addWidget(radio);
  }
  connect(attributes_, &QButtonGroup::idClicked, this, [this](int code) {
    ReadFields();
    ChooseAttribute(form_, code);
    ShowSwitches();
  });
  return attributes;
}

void ProcessingOptionsDialog::ShowSwitches() {
  const bool on[4] = {form_.phase_on, form_.filter_on, form_.shift_on, form_.agc_on};
  for (int k = 0; k < 4; ++k) steps_[k]->setChecked(on[k]);
  // An exclusive group keeps one button checked; it is opened up to clear all.
  attributes_->setExclusive(false);
  for (QAbstractButton* radio : attributes_->buttons())
    radio->setChecked(attributes_->id(radio) == form_.attribute);
  attributes_->setExclusive(true);
}

void ProcessingOptionsDialog::ReadFields() {
  form_.phase_deg = phase_->text().toStdString();
  form_.shift_ms = shift_->text().toStdString();
  for (int k = 0; k < 4; ++k) form_.filter_hz[k] = filter_[k]->text().toStdString();
  form_.agc_window_ms = window_->text().toStdString();
  form_.agc_scale = scale_->text().toStdString();
}

void ProcessingOptionsDialog::accept() {
  ReadFields();
  if (std::string problem = ApplyProcessingForm(form_, params_); !problem.empty()) {
    prompter_.Tell(problem, "", MessageIcon::Warning);
    return;
  }
  QDialog::accept();
}

bool EditProcessingOptions(QWidget* parent, ProcessingParams& params) {
  return Confirmed<ProcessingOptionsDialog>(parent, params);
}

}  // namespace quarrix
