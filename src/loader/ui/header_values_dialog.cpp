#include "loader/ui/header_values_dialog.h"

#include <QFormLayout>
#include <QLineEdit>

#include "loader/ui/dialog_fields.h"
#include "platform/decimal_text.h"
#include "platform/numeric.h"
#include "platform/prompter.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

template <typename T>
QString Decimal(T value) {
  return QString::fromStdString(ShortestDecimal(value));
}

}  // namespace

HeaderValuesDialog::HeaderValuesDialog(const SurveyHeader& header, bool check_geometry,
                                       Prompter& prompter, QWidget* parent)
    : QDialog(parent), header_(header), check_geometry_(check_geometry), prompter_(prompter) {
  setWindowTitle("Header Values");
  auto* form = new QFormLayout(this);
  const SurveyHeader& h = header_;
  const std::pair<const char*, QString> rows[] = {
      {"Owner", QString::fromStdString(LabelText(h.owner))},
      {"Line", QString::fromStdString(LabelText(h.line_name))},
      {"Collector", QString::fromStdString(LabelText(h.collector))},
      {"Line Spacing", Decimal(h.line_spacing)},
      {"Trace Spacing", Decimal(h.trace_spacing)},
      {"Start Line", QString::number(h.first_line)},
      {"End Line", QString::number(h.last_line)},
      {"Line Inc.", Decimal(h.line_increment)},
      {"Start Trace", QString::number(h.first_trace)},
      {"End Trace", QString::number(h.last_trace)},
      {"Trace Inc.", Decimal(h.trace_increment)},
      {"Corner Index", QString::number(h.corner_index)},
      {"Sample Rate", Decimal(h.sample_rate)},
      {"Start Time", QString::number(h.start_time)},
      {"End Time", QString::number(Trunc32(h.num_samples * h.sample_rate + h.start_time))},
  };
  for (const auto& [label, text] : rows) fields_[label] = AddField(form, label, text, this);
  for (const char* label : {"Owner", "Line", "Collector"}) fields_[label]->setMaxLength(39);
  fields_["Sample Rate"]->setReadOnly(true);
  AddDialogButtons(this, form);
}

bool HeaderValuesDialog::ReadBack(SurveyHeader& h) {
  auto decimal = [this](const char* label, float& out) {
    std::optional<double> value = DecimalField(fields_.at(label), label, prompter_);
    if (value) out = static_cast<float>(*value);
    return value.has_value();
  };
  auto whole = [this](const char* label, std::int32_t& out) {
    std::optional<int> value = WholeField(fields_.at(label), label, prompter_);
    if (value) out = *value;
    return value.has_value();
  };
  int end_time = 0;
  if (!decimal("Line Spacing", h.line_spacing) || !decimal("Trace Spacing", h.trace_spacing) ||
      !whole("Start Line", h.first_line) || !whole("End Line", h.last_line) ||
      !decimal("Line Inc.", h.line_increment) || !whole("Start Trace", h.first_trace) ||
      !whole("End Trace", h.last_trace) || !decimal("Trace Inc.", h.trace_increment) ||
      !whole("Corner Index", h.corner_index) || !whole("Start Time", h.start_time) ||
      !whole("End Time", end_time))
    return false;
  SetLabelText(h.owner, fields_.at("Owner")->text().toStdString());
  SetLabelText(h.line_name, fields_.at("Line")->text().toStdString());
  SetLabelText(h.collector, fields_.at("Collector")->text().toStdString());
  if (h.line_increment == 0.0f) h.line_increment = 1.0f;
  if (h.trace_increment == 0.0f) h.trace_increment = 1.0f;
  SetTraceLengthMs(h, static_cast<double>(end_time) - h.start_time);
  return true;
}

void HeaderValuesDialog::accept() {
  SurveyHeader h = header_;
  if (!ReadBack(h)) return;
  range_ = {h.first_line, h.last_line, h.first_trace, h.last_trace};
  if (check_geometry_) {
    std::string problem = HeaderProblem(h);
    if (problem.empty() && (h.corner_index < 1 || h.corner_index > 8))
      problem = "Corner Index must be 1 to 8";
    if (!problem.empty()) {
      prompter_.Tell("These values cannot be used: " + problem, "", MessageIcon::Warning);
      return;
    }
  }
  header_ = h;
  QDialog::accept();
}

}  // namespace quarrix
