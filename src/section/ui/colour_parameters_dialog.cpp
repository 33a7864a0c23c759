#include "section/ui/colour_parameters_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/command_line.h"
#include "platform/prompter.h"
#include "section/ui/run_centred.h"

namespace quarrix {

ColourParametersDialog::ColourParametersDialog(ColourBar& bar, const ColourScanSource& source,
                                               Prompter& prompter, QWidget* parent)
    : QDialog(parent), bar_(bar), source_(source), prompter_(prompter) {
  setWindowTitle("Color Parameters");
  setProperty(kHelpPageProperty, "colour_parameters.html");
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  min_ = new QLineEdit(QString::number(bar.min_value), this);
  max_ = new QLineEdit(QString::number(bar.max_value), this);
  increment_ = new QLineEdit(QString::number(bar.increment), this);
  form->addRow("Minimum Value", min_);
  form->addRow("Maximum Value", max_);
  form->addRow("Increment", increment_);
  layout->addLayout(form);
  layout->addWidget(new QLabel("Note:  Set the increment to zero for non-linear color bar.", this));
  scan_button_ = new QPushButton("Scan for Min/Max", this);
  connect(scan_button_, &QPushButton::clicked, this, &ColourParametersDialog::Scan);
  scan_button_->setEnabled(static_cast<bool>(source.scan));
  auto* scan_form = new QFormLayout;
  scan_form->addRow(scan_button_);
  difference_ = new QLabel(this);
  min_increment_ = new QLabel(this);
  scan_form->addRow("Difference", difference_);
  scan_form->addRow("Min Increment", min_increment_);
  layout->addLayout(scan_form);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void ColourParametersDialog::Scan() {
  std::optional<MinMaxScan> scan = source_.scan();
  if (!scan) return;
  const bool trace_plot = source_.owner == ColourBarOwner::TracePlot;
  const int min_increment =
      scan->MinIncrement(trace_plot ? kTracePlotScanDivisor : kHorizonPlotScanDivisor);
  min_->setText(QString::number(scan->minimum));
  max_->setText(QString::number(scan->maximum));
  difference_->setText(QString::number(scan->Difference()));
  min_increment_->setText(QString::number(min_increment));
  // The trace plot proposes the smallest increment that keeps the bar linear.
  if (trace_plot) increment_->setText(QString::number(min_increment));
}

void ColourParametersDialog::accept() {
  const std::pair<QLineEdit*, const char*> fields[3] = {
      {min_, "Minimum Value"}, {max_, "Maximum Value"}, {increment_, "Increment"}};
  int values[3] = {};
  for (int k = 0; k < 3; ++k) {
    std::optional<long long> value = ParseWholeInt(fields[k].first->text().trimmed().toStdString());
    if (!value || *value < INT32_MIN || *value > INT32_MAX) {
      prompter_.Tell(std::string(fields[k].second) + " must be a whole number", "",
                     MessageIcon::Warning);
      return;
    }
    values[k] = static_cast<int>(*value);
  }
  const ColourScale scale = StoredScale({values[0], values[1], values[2]}, source_.owner);
  if (std::string problem = ColourScaleProblem(scale); !problem.empty()) {
    prompter_.Tell(problem, "", MessageIcon::Warning);
    return;
  }
  ApplyColourScale(bar_, scale);
  QDialog::accept();
}

bool EditColourParameters(QWidget* parent, ColourBar& bar, const ColourScanSource& source) {
  return Confirmed<ColourParametersDialog>(parent, bar, source);
}

}  // namespace quarrix
