#include "workspace/ui/trace_options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quarrix {
namespace {

struct FieldSpec {
  const char* name;
  const char* label;
};
constexpr FieldSpec kFields[] = {
    {"start", "Start Time"},
    {"end", "End Time"},
    {"tpi", "Traces per Inch"},
    {"ips", "Inches per Second"},
    {"label", "Trace Label Increment"},
    {"var_gain", "VAR Plot Gain"},
    {"colour_gain", "Color Plot Gain"},
    {"advance", "Display Advance"},
};

void AddChoice(QWidget* parent, QHBoxLayout* row, const char* name, const char* title,
               const char* first, const char* second, bool first_chosen) {
  auto* box = new QGroupBox(title, parent);
  auto* layout = new QVBoxLayout(box);
  auto* group = new QButtonGroup(box);
  group->setObjectName(name);
  int id = 1;
  for (const char* text : {first, second}) {
    auto* button = new QRadioButton(text, box);
    button->setChecked((id == 1) == first_chosen);
    group->addButton(button, id--);
    layout->addWidget(button);
  }
  row->addWidget(box);
}

}  // namespace

TraceOptionsDialog::TraceOptionsDialog(const TraceOptions& o,
                                       const std::vector<std::string>& flatten_files,
                                       QWidget* parent)
    : QDialog(parent),
      options_(o),
      flatten_(new QCheckBox("Flatten", this)),
      files_(new QListWidget(this)) {
  setWindowTitle("Pick Trace Options");
  setProperty("help_page", "pick_trace_options.html");
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  const QString values[] = {QString::number(o.start_ms),
                            QString::number(o.end_ms),
                            QString::asprintf("%2.1f", o.traces_per_inch),
                            QString::asprintf("%2.1f", o.inches_per_second),
                            QString::number(o.label_increment),
                            QString::number(o.var_gain),
                            QString::number(o.colour_gain),
                            QString::number(o.display_step)};
  for (std::size_t k = 0; k < std::size(kFields); ++k) {
    auto* edit = new QLineEdit(values[k], this);
    edit->setObjectName(kFields[k].name);
    form->addRow(kFields[k].label, edit);
  }
  layout->addLayout(form);
  auto* row = new QHBoxLayout;
  AddChoice(this, row, "direction", "Plot Direction", "L to R", "R to L", o.left_to_right);
  AddChoice(this, row, "polarity", "Polarity", "Normal", "Reverse", !o.reverse);
  AddChoice(this, row, "type", "Plot Type", "Var ", "Color", !o.colour);
  layout->addLayout(row);
  flatten_->setChecked(o.flatten);
  layout->addWidget(flatten_);
  for (const std::string& name : flatten_files) {
    auto* item = new QListWidgetItem(QString::fromStdString(name), files_);
    item->setSelected(name == o.flatten_file);
  }
  layout->addWidget(files_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

QLineEdit* TraceOptionsDialog::field(const char* name) const {
  return findChild<QLineEdit*>(name);
}

QButtonGroup* TraceOptionsDialog::group(const char* name) const {
  return findChild<QButtonGroup*>(name);
}

bool TraceOptionsDialog::values(TraceOptions& o, std::string& problem) const {
  o = options_;
  double numbers[std::size(kFields)];
  for (std::size_t k = 0; k < std::size(kFields); ++k) {
    bool ok = false;
    numbers[k] = field(kFields[k].name)->text().trimmed().toDouble(&ok);
    if (!ok || numbers[k] < -1e6 || numbers[k] > 1e6) {
      problem = std::string(kFields[k].label) + " is not a number.";
      return false;
    }
  }
  o.start_ms = static_cast<int>(numbers[0]);
  o.end_ms = static_cast<int>(numbers[1]);
  o.traces_per_inch = numbers[2];
  o.inches_per_second = numbers[3];
  o.label_increment = static_cast<int>(numbers[4]);
  o.var_gain = static_cast<int>(numbers[5]);
  o.colour_gain = static_cast<int>(numbers[6]);
  o.display_step = static_cast<int>(numbers[7]);
  o.left_to_right = group("direction")->checkedId() == 1;
  o.reverse = group("polarity")->checkedId() == 0;
  o.colour = group("type")->checkedId() == 0;
  o.flatten = flatten_->isChecked();
  const QList<QListWidgetItem*> chosen = files_->selectedItems();
  o.flatten_file = chosen.isEmpty() ? "" : chosen.front()->text().toStdString();
  return true;
}

}  // namespace quarrix
