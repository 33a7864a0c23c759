#include "horizon/ui/colour_set_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/prompter.h"

namespace quarrix {
namespace {

QString SwatchStyle(std::uint32_t colour, bool selected) {
  QString border = selected ? "3px solid #000" : "1px solid #888";
  if (colour == 0) return "background: white; border: " + border + ";";
  return QString("background: rgb(%1,%2,%3); border: %4;")
      .arg(colour & 0xff)
      .arg((colour >> 8) & 0xff)
      .arg((colour >> 16) & 0xff)
      .arg(border);
}

}  // namespace

ColourSetDialog::ColourSetDialog(ColourSetRecord& set, bool amplitude_set, Prompter& prompter,
                                 QWidget* parent)
    : QDialog(parent), set_(set), edited_(set), amplitude_set_(amplitude_set), prompter_(prompter) {
  setWindowTitle("Select Colors");
  auto* layout = new QVBoxLayout(this);
  auto* swatches = new QGridLayout;
  for (int k = 0; k < 16; ++k) {
    slots_[k] = new QPushButton(QString::number(k + 1), this);
    slots_[k]->setFixedSize(36, 28);
    connect(slots_[k], &QPushButton::clicked, this, [this, k] { SelectSlot(k); });
    swatches->addWidget(slots_[k], k / 8, k % 8);
  }
  layout->addLayout(swatches);
  auto* form = new QFormLayout;
  const char* channels[3] = {"R", "G", "B"};
  for (int c = 0; c < 3; ++c) {
    rgb_[c] = new QSpinBox(this);
    rgb_[c]->setRange(0, 255);
    form->addRow(channels[c], rgb_[c]);
  }
  auto* set_button = new QPushButton(tr("Set"), this);
  connect(set_button, &QPushButton::clicked, this, &ColourSetDialog::ApplyRgb);
  form->addRow(set_button);
  name_ = new QLineEdit(QString::fromStdString(set.Name()), this);
  name_->setMaxLength(79);
  form->addRow(tr("Colorset Name"), name_);
  min_increment_ = new QSpinBox(this);
  min_increment_->setRange(0, 1000000);
  min_increment_->setValue(set.min_increment);
  form->addRow(tr("Minimum Increment"), min_increment_);
  layout->addLayout(form);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  QPushButton* blank_all = buttons->addButton(tr("Blank All"), QDialogButtonBox::ResetRole);
  connect(blank_all, &QPushButton::clicked, this, &ColourSetDialog::BlankAll);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  for (int k = 0; k < 16; ++k) ShowSlot(k);
  SelectSlot(0);
}

void ColourSetDialog::ShowSlot(int slot) {
  slots_[slot]->setStyleSheet(SwatchStyle(edited_.colours[slot], slot == selected_));
}

void ColourSetDialog::SelectSlot(int slot) {
  int previous = selected_;
  selected_ = slot;
  ShowSlot(previous);
  ShowSlot(slot);
  std::uint32_t colour = edited_.colours[slot];
  for (int c = 0; c < 3; ++c) rgb_[c]->setValue(static_cast<int>((colour >> (8 * c)) & 0xff));
}

void ColourSetDialog::ApplyRgb() {
  edited_.colours[selected_] = PaletteColour(static_cast<std::uint8_t>(rgb_[0]->value()),
                                             static_cast<std::uint8_t>(rgb_[1]->value()),
                                             static_cast<std::uint8_t>(rgb_[2]->value()));
  ShowSlot(selected_);
}

void ColourSetDialog::BlankAll() {
  edited_.colours.fill(0);
  for (int k = 0; k < 16; ++k) ShowSlot(k);
}

void ColourSetDialog::accept() {
  if (amplitude_set_) {
    if (std::string problem = AmplitudeSetProblem(edited_); !problem.empty()) {
      prompter_.Tell(problem, "", MessageIcon::Warning);
      return;
    }
  }
  edited_.SetName(name_->text().toStdString());
  edited_.min_increment = min_increment_->value();
  edited_.count = 0;
  for (std::uint32_t colour : edited_.colours)
    if (colour != 0) ++edited_.count;
  set_ = edited_;
  QDialog::accept();
}

}  // namespace quarrix
