#include "workspace/ui/contour_options_dialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace quarrix {
namespace {

// Line class colours keep red in byte 0, green in byte 1, blue in byte 2.
QColor ToQColor(std::uint32_t c) {
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
std::uint32_t FromQColor(const QColor& c) {
  return static_cast<std::uint32_t>(c.red()) | static_cast<std::uint32_t>(c.green()) << 8 |
         static_cast<std::uint32_t>(c.blue()) << 16;
}

}  // namespace

ContourOptionsDialog::ContourOptionsDialog(const ContourOptionsForm& form, QWidget* parent)
    : QDialog(parent),
      type_(new QComboBox(this)),
      decimate_(new QLineEdit(QString::fromStdString(form.decimate), this)),
      smoothing_(new QComboBox(this)),
      label_size_(new QLineEdit(QString::fromStdString(form.label_inches), this)) {
  setWindowTitle("Contour Options");
  setProperty("help_page", "contour_options.html");
  auto* layout = new QVBoxLayout(this);
  auto* general = new QFormLayout;
  type_->addItems({"Contour", "L Contour"});
  type_->setCurrentIndex(form.line_contour ? 1 : 0);
  general->addRow("Plot Type", type_);
  general->addRow("Decimate Data Skip", decimate_);
  smoothing_->addItems({"None", "Light", "Medium", "Heavy"});
  smoothing_->setCurrentIndex(form.smoothing);
  general->addRow("Contour Curve Smooth", smoothing_);
  general->addRow("Label Size (in)", label_size_);
  layout->addLayout(general);

  auto* box = new QGroupBox("Contour Lines", this);
  auto* grid = new QGridLayout(box);
  const char* headings[] = {"", "Modulo", "Label ", "Thickness", "Style", "Color"};
  for (int c = 0; c < 6; ++c) grid->addWidget(new QLabel(headings[c], box), 0, c);
  for (int k = 0; k < 3; ++k) {
    const ContourOptionsForm::ClassRow& in = form.rows[static_cast<std::size_t>(k)];
    Row& row = rows_[static_cast<std::size_t>(k)];
    row.every = new QLineEdit(QString::fromStdString(in.every), box);
    row.label = new QCheckBox(box);
    row.label->setChecked(in.label);
    row.width = new QLineEdit(QString::fromStdString(in.width), box);
    row.style = new QComboBox(box);
    row.style->addItems({"Solid", "Dash", "Dot", "Dash Dot", "Dash Dot Dot"});
    row.style->setCurrentIndex(std::clamp(in.style, 0, 4));
    row.colour = new QPushButton(box);
    row.rgb = in.colour;
    ShowColour(k);
    connect(row.colour, &QPushButton::clicked, this, [this, k] { ChooseColour(k); });
    grid->addWidget(new QLabel(QString("Contour %1").arg(k + 1), box), k + 1, 0);
    grid->addWidget(row.every, k + 1, 1);
    grid->addWidget(row.label, k + 1, 2);
    grid->addWidget(row.width, k + 1, 3);
    grid->addWidget(row.style, k + 1, 4);
    grid->addWidget(row.colour, k + 1, 5);
  }
  layout->addWidget(box);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void ContourOptionsDialog::ShowColour(int k) {
  Row& row = rows_[static_cast<std::size_t>(k)];
  row.colour->setStyleSheet(
      QString("background-color: %1; min-width: 3em").arg(ToQColor(row.rgb).name()));
}

void ContourOptionsDialog::ChooseColour(int k) {
  Row& row = rows_[static_cast<std::size_t>(k)];
  const QColor chosen = QColorDialog::getColor(ToQColor(row.rgb), this, "Contour Color");
  if (!chosen.isValid()) return;
  row.rgb = FromQColor(chosen);
  ShowColour(k);
}

ContourOptionsForm ContourOptionsDialog::form() const {
  ContourOptionsForm form;
  form.line_contour = type_->currentIndex() == 1;
  form.decimate = decimate_->text().toStdString();
  form.smoothing = smoothing_->currentIndex();
  for (std::size_t k = 0; k < 3; ++k) {
    const Row& row = rows_[k];
    form.rows[k] = {row.every->text().toStdString(), row.label->isChecked(),
                    row.width->text().toStdString(), row.style->currentIndex(), row.rgb};
  }
  form.label_inches = label_size_->text().toStdString();
  return form;
}

}  // namespace quarrix
