#include "loader/ui/dialog_fields.h"

#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <limits>

#include "platform/command_line.h"
#include "platform/prompter.h"

namespace quarrix {
namespace {

void TellNotANumber(const QLineEdit* edit, const QString& label, const char* kind,
                    Prompter& prompter) {
  prompter.Tell(QString("%1: \"%2\" is not %3").arg(label, edit->text(), kind).toStdString(), "",
                MessageIcon::Warning);
}

}  // namespace

QGroupBox* RadioBox(const QString& title, const std::vector<RadioEntry>& entries, int selected,
                    QButtonGroup*& group, QWidget* parent) {
  auto* box = new QGroupBox(title, parent);
  auto* layout = new QVBoxLayout(box);
  group = new QButtonGroup(box);
  for (const RadioEntry& entry : entries) {
    auto* radio = new QRadioButton(entry.text, box);
    radio->setChecked(entry.code == selected);
    group->addButton(radio, entry.code);
    layout->addWidget(radio);
  }
  return box;
}

QLineEdit* AddField(QFormLayout* form, const QString& label, const QString& text, QWidget* parent) {
  auto* edit = new QLineEdit(text, parent);
  form->addRow(label, edit);
  return edit;
}

void AddDialogButtons(QDialog* dialog, QFormLayout* form, const QString& accept_text,
                      const QString& reject_text) {
  auto* buttons = new QDialogButtonBox(dialog);
  buttons->addButton(accept_text, QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(reject_text, QDialogButtonBox::RejectRole);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  form->addRow(buttons);
}

std::optional<double> DecimalField(const QLineEdit* edit, const QString& label,
                                   Prompter& prompter) {
  std::optional<double> value = ParseWholeDouble(edit->text().trimmed().toStdString());
  if (!value) TellNotANumber(edit, label, "a number", prompter);
  return value;
}

std::optional<int> WholeField(const QLineEdit* edit, const QString& label, Prompter& prompter) {
  std::optional<long long> value = ParseWholeInt(edit->text().trimmed().toStdString());
  if (!value || *value < std::numeric_limits<int>::min() ||
      *value > std::numeric_limits<int>::max()) {
    TellNotANumber(edit, label, "a whole number", prompter);
    return std::nullopt;
  }
  return static_cast<int>(*value);
}

}  // namespace quarrix
