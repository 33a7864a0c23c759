#include "exchange/ui/export_horizon_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/paths.h"
#include "platform/prompter.h"
#include "project/project_state.h"

namespace quarrix {

namespace {

// The field kinds in the order the lists show them (the order of ExportFieldKind).
const char* const kFieldKinds[] = {"Line", "Trace", "X", "Y", "Z Value", "Amp", "Unused"};

QSpinBox* NumberBox(QWidget* parent, int low, int high) {
  auto* box = new QSpinBox(parent);
  box->setRange(low, high);
  return box;
}

}  // namespace

ExportHorizonDialog::ExportHorizonDialog(const ProjectState& project, Prompter& prompter,
                                         QWidget* parent)
    : QDialog(parent), project_(project) {
  setWindowTitle("Export Horizon");
  setProperty("help_page", "export_horizon.html");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildFiles(prompter));
  auto* middle = new QHBoxLayout;
  middle->addWidget(BuildParameters());
  middle->addWidget(BuildCustomOptions());
  layout->addLayout(middle);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  connect(format_, &QComboBox::currentIndexChanged, this,
          [this](int index) { ChooseFormat(static_cast<ExportVendor>(index)); });
  ChooseFormat(ExportVendor::Landmark);
}

QWidget* ExportHorizonDialog::BuildFiles(Prompter& prompter) {
  auto* box = new QWidget(this);
  auto* form = new QFormLayout(box);
  format_ = new QComboBox(box);
  format_->addItems({"Landmark", "Geoquest", "Hampson-Russell", "Custom"});
  form->addRow("Format", format_);
  const std::string folder = DirectoryOf(project_.header_path);
  auto file_row = [&](const char* label, QLineEdit*& edit, bool save) {
    auto* row = new QHBoxLayout;
    edit = new QLineEdit(box);
    auto* browse = new QPushButton("Browse", box);
    row->addWidget(edit);
    row->addWidget(browse);
    form->addRow(label, row);
    connect(browse, &QPushButton::clicked, this, [&prompter, edit, save, folder] {
      const FileDialogRequest request{
          .title = save ? "Output File" : "Select Horizon File",
          .filter_names = {save ? "Text Files (*.txt)" : "Horizon (*.hor)", "All Files (*.*)"},
          .filter_patterns = {save ? "*.txt" : "*.hor", "*.*"},
          .initial_directory = folder,
          .must_exist = !save,
          .prompt_overwrite = save};
      auto path = save ? prompter.SaveFile(request) : prompter.OpenFile(request);
      if (path) edit->setText(QString::fromStdString(*path));
    });
  };
  file_row("Horizon Name", horizon_, false);
  file_row("Output File ", output_, true);
  return box;
}

QWidget* ExportHorizonDialog::BuildParameters() {
  auto* box = new QGroupBox("Output Parameters", this);
  auto* grid = new QGridLayout(box);
  const char* labels[] = {"Start Line",  "End Line",  "Line Inc.",
                          "Start Trace", "End Trace", "Trace Inc."};
  for (int i = 0; i < 6; ++i) {
    window_[i] = NumberBox(box, i % 3 == 2 ? 1 : -1'000'000'000, 1'000'000'000);
    grid->addWidget(new QLabel(labels[i], box), i, 0);
    grid->addWidget(window_[i], i, 1);
  }
  auto* nulls = new QGroupBox("NULL Value", box);
  auto* null_layout = new QGridLayout(nulls);
  null_32700_ = new QRadioButton("32700", nulls);
  null_1e37_ = new QRadioButton("1.0E37", nulls);
  null_value_ = new QRadioButton("Value", nulls);
  null_text_ = new QLineEdit(nulls);
  null_skip_ = new QRadioButton("Don't Output Null Locations", nulls);
  null_layout->addWidget(null_32700_, 0, 0);
  null_layout->addWidget(null_1e37_, 1, 0);
  null_layout->addWidget(null_value_, 2, 0);
  null_layout->addWidget(null_text_, 2, 1);
  null_layout->addWidget(null_skip_, 3, 0, 1, 2);
  grid->addWidget(nulls, 6, 0, 1, 2);
  return box;
}

QWidget* ExportHorizonDialog::BuildCustomOptions() {
  auto* box = new QGroupBox("Custom Options", this);
  auto* grid = new QGridLayout(box);
  const char* layouts[] = {"Comma Delimited", "Space Delimited", "Tab Delimited", "Column Data"};
  for (int i = 0; i < 4; ++i) {
    layout_[i] = new QRadioButton(layouts[i], box);
    grid->addWidget(layout_[i], i / 2, (i % 2) * 2, 1, 2);
  }
  grid->addWidget(new QLabel("Start Col.", box), 2, 2);
  grid->addWidget(new QLabel("End Col.", box), 2, 3);
  for (int i = 0; i < 6; ++i) {
    FieldRow& row = fields_[i];
    row.kind = new QComboBox(box);
    for (const char* kind : kFieldKinds) row.kind->addItem(kind);
    row.start = NumberBox(box, 0, 255);
    row.end = NumberBox(box, 0, 256);
    grid->addWidget(new QLabel(QString("Field %1").arg(i + 1), box), i + 3, 0);
    grid->addWidget(row.kind, i + 3, 1);
    grid->addWidget(row.start, i + 3, 2);
    grid->addWidget(row.end, i + 3, 3);
  }
  return box;
}

void ExportHorizonDialog::ChooseFormat(ExportVendor vendor) {
  if (format_->currentIndex() != static_cast<int>(vendor)) {
    format_->setCurrentIndex(static_cast<int>(vendor));  // comes back here through the signal
    return;
  }
  ShowOptions(VendorExportOptions(vendor, project_.header));
}

void ExportHorizonDialog::ShowOptions(const HorizonExportOptions& o) {
  const int values[] = {o.start_line,  o.end_line,  o.line_increment,
                        o.start_trace, o.end_trace, o.trace_increment};
  for (int i = 0; i < 6; ++i) window_[i]->setValue(values[i]);
  null_32700_->setChecked(o.null_text == "32700");
  null_1e37_->setChecked(o.null_text == "1.0E37");
  null_skip_->setChecked(o.null_text.empty());
  const bool other = !o.null_text.empty() && o.null_text != "32700" && o.null_text != "1.0E37";
  null_value_->setChecked(other);
  null_text_->setText(other ? QString::fromStdString(o.null_text) : QString());
  layout_[static_cast<int>(o.layout)]->setChecked(true);
  for (int i = 0; i < 6; ++i) {
    fields_[i].kind->setCurrentIndex(static_cast<int>(o.fields[i].kind));
    fields_[i].start->setValue(o.fields[i].start_column);
    fields_[i].end->setValue(o.fields[i].end_column);
  }
}

HorizonExportOptions ExportHorizonDialog::options() const {
  HorizonExportOptions o;
  o.start_line = window_[0]->value();
  o.end_line = window_[1]->value();
  o.line_increment = window_[2]->value();
  o.start_trace = window_[3]->value();
  o.end_trace = window_[4]->value();
  o.trace_increment = window_[5]->value();
  o.null_text = null_32700_->isChecked()   ? "32700"
                : null_1e37_->isChecked()  ? "1.0E37"
                : null_value_->isChecked() ? null_text_->text().toStdString()
                                           : std::string();
  for (int i = 0; i < 4; ++i)
    if (layout_[i]->isChecked()) o.layout = static_cast<ExportLayout>(i);
  for (int i = 0; i < 6; ++i)
    o.fields[i] = {static_cast<ExportFieldKind>(fields_[i].kind->currentIndex()),
                   fields_[i].start->value(), fields_[i].end->value()};
  return o;
}

std::string ExportHorizonDialog::horizon_path() const {
  return horizon_->text().toStdString();
}
std::string ExportHorizonDialog::output_path() const {
  return output_->text().toStdString();
}

}  // namespace quarrix
