#include "workspace/ui/workspace_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "horizon/horizon_style.h"
#include "platform/ui/dialog_buttons.h"

namespace quarrix {
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
  if (multiple) {
    select_all_ = new QCheckBox("Select All", this);
    connect(select_all_, &QCheckBox::toggled, list_, [this](bool all) {
      for (int k = 0; k < list_->count(); ++k) list_->item(k)->setSelected(all);
    });
    layout->addWidget(select_all_);
  }
  layout->addWidget(OkCancel(this));
}

QComboBox* HorizonColourList(int index, QWidget* parent) {
  auto* list = new QComboBox(parent);
  for (int k = 0; k < 16; ++k) {
    QPixmap swatch(32, 12);
    swatch.fill(QColor::fromRgb(HorizonPenColour(k)));
    list->addItem(QIcon(swatch), QString::number(k));
  }
  list->setCurrentIndex(std::clamp(index, 0, 15));
  return list;
}

SelectColourDialog::SelectColourDialog(int index, QWidget* parent)
    : QDialog(parent), colours_(HorizonColourList(index, this)) {
  setWindowTitle("Select Color");
  setProperty("help_page", "select_horizon.html");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(colours_);
  layout->addWidget(OkCancel(this));
}

int SelectColourDialog::index() const {
  return colours_->currentIndex();
}

WorkspaceZoomDialog::WorkspaceZoomDialog(int first_line, int first_trace, int last_line,
                                         int last_trace, int default_values[4], QWidget* parent)
    : QDialog(parent) {
  setWindowTitle("Set  Zoom Parameters");
  setProperty("help_page", "pick_edit.html");
  const int values[4] = {first_line, first_trace, last_line, last_trace};
  for (int k = 0; k < 4; ++k) fields_[k] = new QLineEdit(QString::number(values[k]), this);
  auto* form = new QFormLayout(this);
  auto pair = [this](int a, int b) {
    auto* row = new QHBoxLayout;
    row->addWidget(fields_[a]);
    row->addWidget(fields_[b]);
    return row;
  };
  form->addRow("Start Line and Trace", pair(0, 1));
  form->addRow("End Line and Trace", pair(2, 3));
  auto* reset = new QPushButton("Default", this);
  const std::array<int, 4> defaults = {default_values[0], default_values[1], default_values[2],
                                       default_values[3]};
  connect(reset, &QPushButton::clicked, this, [this, defaults] {
    for (int k = 0; k < 4; ++k) fields_[k]->setText(QString::number(defaults[k]));
  });
  form->addRow(reset);
  form->addRow(OkCancel(this));
}

bool WorkspaceZoomDialog::values(int out[4]) const {
  for (int k = 0; k < 4; ++k) {
    bool ok = false;
    out[k] = fields_[k]->text().trimmed().toInt(&ok);
    if (!ok) return false;
  }
  return true;
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
