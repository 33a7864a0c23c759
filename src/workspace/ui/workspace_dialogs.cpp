#include "workspace/ui/workspace_dialogs.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace quarrix {
namespace {

QDialogButtonBox* OkCancel(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

}  // namespace

HorizonListDialog::HorizonListDialog(const std::vector<std::string>& names,
                                     const std::vector<std::string>& chosen, bool multiple,
                                     QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
  setWindowTitle(multiple ? "Select Horizons" : "Select Horizon to Pick / Edit");
  setProperty("help_page", multiple ? "select_horizons.html" : "select_horizon.html");
  list_->setSelectionMode(multiple ? QAbstractItemView::MultiSelection
                                   : QAbstractItemView::SingleSelection);
  for (const std::string& name : names) {
    auto* item = new QListWidgetItem(QString::fromStdString(name), list_);
    item->setSelected(std::find(chosen.begin(), chosen.end(), name) != chosen.end());
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(OkCancel(this));
}

std::vector<std::string> HorizonListDialog::chosen() const {
  std::vector<std::string> names;
  for (int k = 0; k < list_->count(); ++k)
    if (list_->item(k)->isSelected()) names.push_back(list_->item(k)->text().toStdString());
  return names;
}

SelectLineDialog::SelectLineDialog(int minimum, int maximum, QWidget* parent)
    : QDialog(parent), field_(new QLineEdit(QString::number(minimum), this)) {
  setWindowTitle("Select Line or X-Line");
  setProperty("help_page", "select_line.html");
  auto* form = new QFormLayout(this);
  form->addRow("Min", new QLabel(QString::number(minimum), this));
  form->addRow("Max", new QLabel(QString::number(maximum), this));
  form->addRow("", field_);
  form->addRow(OkCancel(this));
}

bool SelectLineDialog::value(int& number) const {
  bool ok = false;
  number = field_->text().trimmed().toInt(&ok);
  return ok;
}

}  // namespace quarrix
