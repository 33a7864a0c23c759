#include "loader/ui/tape_unit_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "loader/ui/dialog_fields.h"
#include "platform/prompter.h"

namespace quarrix {

constexpr int kTapeUnits = 8;

TapeUnitDialog::TapeUnitDialog(int unit, const TapeSettings& settings, bool for_export,
                               const std::function<std::string(int)>& describe, Prompter& prompter,
                               QWidget* parent)
    : QDialog(parent),
      for_export_(for_export),
      prompter_(prompter),
      units_(new QListWidget(this)),
      ignore_(new QCheckBox("Ignore Single EOF marks", this)),
      skip_(new QSpinBox(this)),
      file_label_(new QLabel(this)) {
  setWindowTitle("Select Tape Unit");
  auto* form = new QFormLayout(this);
  for (int k = 0; k < kTapeUnits; ++k) units_->addItem(QString::fromStdString(describe(k)));
  form->addRow(units_);
  connect(units_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row < 0) return;
    choice_ = {row, "", false};
    file_label_->clear();
  });
  if (unit >= 0 && unit < kTapeUnits) units_->setCurrentRow(unit);

  auto* files = new QHBoxLayout;
  auto* image = new QPushButton("Tape Image...", this);
  connect(image, &QPushButton::clicked, this, &TapeUnitDialog::ChooseTapeImage);
  files->addWidget(image);
  if (for_export) {
    auto* disk = new QPushButton("Disk File...", this);
    connect(disk, &QPushButton::clicked, this, &TapeUnitDialog::ChooseDiskFile);
    files->addWidget(disk);
  }
  form->addRow(files);
  form->addRow(file_label_);

  ignore_->setChecked(settings.ignore_single_eof);
  form->addRow(ignore_);
  auto* skip_row = new QHBoxLayout;
  skip_->setRange(0, 9999);
  skip_->setValue(settings.skip_eof_count);
  skip_row->addWidget(new QLabel("Skip ", this));
  skip_row->addWidget(skip_);
  skip_row->addWidget(new QLabel("EOF marks", this));
  form->addRow(skip_row);
  auto* rewind_button = new QPushButton("Rewind", this);
  connect(rewind_button, &QPushButton::clicked, this, [this] {
    if (!choice_.empty() && !choice_.disk_file && rewind) rewind(choice_);
  });
  form->addRow(rewind_button);
  AddDialogButtons(this, form);
}

TapeSettings TapeUnitDialog::settings() const {
  TapeSettings settings;
  settings.ignore_single_eof = ignore_->isChecked();
  settings.skip_eof_count = skip_->value();
  return settings;
}

void TapeUnitDialog::ShowFile(const std::string& path, bool disk_file) {
  units_->setCurrentRow(-1);
  choice_ = {-1, path, disk_file};
  file_label_->setText((disk_file ? "Disk File: " : "Tape Image: ") + QString::fromStdString(path));
}

void TapeUnitDialog::ChooseTapeImage() {
  // An export writes the image, so it may be a new file.
  const FileDialogRequest request{.title = "Tape Image",
                                  .filter_names = {"Tape Images (*.tap)", "All Files (*.*)"},
                                  .filter_patterns = {"*.tap", "*"},
                                  .default_extension = "tap",
                                  .must_exist = !for_export_,
                                  .prompt_overwrite = for_export_};
  auto path = for_export_ ? prompter_.SaveFile(request) : prompter_.OpenFile(request);
  if (path) ShowFile(*path, false);
}

void TapeUnitDialog::ChooseDiskFile() {
  if (auto path = prompter_.SaveFile({.title = "SEGY Output File",
                                      .filter_names = {"Segy File (*.sgy)"},
                                      .filter_patterns = {"*.sgy"},
                                      .default_extension = "sgy",
                                      .must_exist = false,
                                      .prompt_overwrite = true}))
    ShowFile(*path, true);
}

}  // namespace quarrix
