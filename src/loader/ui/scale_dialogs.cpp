#include "loader/ui/scale_dialogs.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "loader/ui/dialog_fields.h"
#include "platform/decimal_text.h"
#include "platform/prompter.h"
#include "platform/text_util.h"

namespace quarrix {

ScaleParametersDialog::ScaleParametersDialog(int end_ms, bool no_scaling, Prompter& prompter,
                                             QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
  setWindowTitle("Scale Parameters");
  auto* form = new QFormLayout(this);
  start_ = AddField(form, "Start Time", "0", this);
  end_ = AddField(form, "End Time", end_ms > 0 ? QString::number(end_ms) : "Default", this);
  no_scaling_ = new QCheckBox("Do not scale data", this);
  no_scaling_->setChecked(no_scaling);
  form->addRow(no_scaling_);
  AddDialogButtons(this, form);
}

void ScaleParametersDialog::accept() {
  std::optional<int> start = WholeField(start_, "Start Time", prompter_);
  if (!start) return;
  int end = 0;
  QString end_text = end_->text().trimmed();
  if (!end_text.isEmpty() && end_text.compare("Default", Qt::CaseInsensitive) != 0) {
    std::optional<int> typed = WholeField(end_, "End Time", prompter_);
    if (!typed) return;
    end = *typed;
  }
  window_ = {*start, end, no_scaling_->isChecked()};
  QDialog::accept();
}

ScaleValueDialog::ScaleValueDialog(const ScaleSummary& summary, Prompter& prompter, QWidget* parent)
    : QDialog(parent), prompter_(prompter), any_signal_(summary.largest != 0.0) {
  setWindowTitle("Set Scale Value");
  auto* form = new QFormLayout(this);
  auto shown = [this, form](const QString& label, const std::string& text) {
    form->addRow(label, new QLabel(QString::fromStdString(text), this));
  };
  shown("Largest Value", FormatText("%9.3f", summary.largest));
  shown("at Trace ", FormatText("%lld", summary.largest_trace));
  shown("Scale Value Calculated", FormatText("%9.3f", summary.calculated));
  shown("Mean Scale Calculated", FormatText("%9.3f", summary.mean));
  value_field_ = AddField(form, "Scale Value",
                          QString::fromStdString(ShortestDecimal(summary.calculated)), this);
  AddDialogButtons(this, form);
}

void ScaleValueDialog::accept() {
  std::optional<double> typed = DecimalField(value_field_, "Scale Value", prompter_);
  if (!typed) return;
  // A value of 0 or below cannot scale traces that hold signal.
  if (any_signal_ && !(*typed > 0.0)) {
    prompter_.Tell("Scale Value must be above 0", "", MessageIcon::Warning);
    return;
  }
  value_ = *typed;
  QDialog::accept();
}

}  // namespace quarrix
