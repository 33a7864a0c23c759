#include "app/ui/header_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

#include "platform/decimal_text.h"
#include "platform/prompter.h"
#include "project/header_fields.h"

namespace quarrix {
namespace {

struct FieldLabel {
  const char* name;
  const char* label;
};

const FieldLabel kFields[] = {
    {"owner", "Owner"},
    {"line_name", "Line Name"},
    {"collector", "Collector"},
    {"trace_spacing", "Trace Spacing"},
    {"line_spacing", "Line Spacing"},
    {"sample_rate", "Sample Rate"},
    {"trace_length", "Trace Length"},
    {"start_time", "Start Time"},
    {"first_line", "First Line"},
    {"last_line", "Last Line"},
    {"first_trace", "First Trace"},
    {"last_trace", "Last Trace"},
    {"line_increment", "Line Increment"},
    {"trace_increment", "Trace Increment"},
    {"corner_index", "Corner Index"},
};

}  // namespace

HeaderDialog::HeaderDialog(SurveyHeader& header, Prompter& prompter, QWidget* parent)
    : QDialog(parent), header_(header), prompter_(prompter) {
  setWindowTitle("Header Information");
  auto* form = new QFormLayout;
  for (const FieldLabel& f : kFields) {
    auto* edit = new QLineEdit(this);
    std::string text = f.name == std::string("trace_length") ? std::to_string(TraceLengthMs(header))
                       : f.name == std::string("sample_rate") ? ShortestDecimal(header.sample_rate)
                                                              : HeaderFieldText(header, f.name);
    edit->setText(QString::fromStdString(text));
    if (f.name == std::string("owner") || f.name == std::string("line_name") ||
        f.name == std::string("collector"))
      edit->setMaxLength(39);
    form->addRow(tr(f.label), edit);
    fields_[f.name] = edit;
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
  setLayout(form);
}

void HeaderDialog::accept() {
  HeaderEdits edits;
  for (const FieldLabel& f : kFields)
    edits.emplace_back(f.name, fields_.at(f.name)->text().trimmed().toStdString());
  HeaderEditResult result = ApplyHeaderEdits(header_, edits);
  if (!result.problem.empty()) {
    prompter_.Tell("The header cannot be used: " + result.problem, "Warning", MessageIcon::Warning);
    return;
  }
  QDialog::accept();
}

}  // namespace quarrix
