#include "section/ui/colour_bar_editor.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/command_line.h"
#include "platform/prompter.h"
#include "section/colour_bar_edits.h"
#include "section/ui/run_centred.h"
#include "section/ui/section_dialogs.h"

namespace quarrix {
namespace {

QColor ToQColor(Rgb colour) {
  return QColor(colour.r, colour.g, colour.b);
}

QIcon Swatch(Rgb colour) {
  QPixmap pixmap(28, 14);
  pixmap.fill(ToQColor(colour));
  return QIcon(pixmap);
}

// Band k covers amplitudes from its threshold up to the one above it.
QString BandText(const ColourBar& bar, int band) {
  const int top = band == 0 ? bar.max_value : bar.thresholds[band - 1];
  return QString("%1: %2 .. %3").arg(band + 1).arg(bar.thresholds[band]).arg(top);
}

}  // namespace

ColourBarEditor::ColourBarEditor(ColourBar& bar, Prompter& prompter, QWidget* parent)
    : QDialog(parent), bar_(bar), edited_(bar), prompter_(prompter) {
  if (edited_.count <= 0) SetDefaultColourBar(edited_);
  auto* layout = new QHBoxLayout(this);
  bands_ = new QListWidget(this);
  bands_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  bands_->setMinimumSize(220, 320);
  connect(bands_, &QListWidget::currentRowChanged, this, &ColourBarEditor::ShowCurrentBand);
  layout->addWidget(bands_);

  auto* side = new QVBoxLayout;
  auto* rgb = new QGridLayout;
  const char* channels[3] = {"R", "G", "B"};
  for (int c = 0; c < 3; ++c) {
    rgb_[c] = new QSpinBox(this);
    rgb_[c]->setRange(0, 255);
    rgb->addWidget(new QLabel(channels[c], this), c, 0);
    rgb->addWidget(rgb_[c], c, 1);
  }
  side->addLayout(rgb);
  AddButton("Set RGB", &ColourBarEditor::SetRgb);
  AddButton("Custom", &ColourBarEditor::Custom);
  AddButton("Blank", &ColourBarEditor::Blank);
  AddButton("Blank All", &ColourBarEditor::BlankAll);
  AddButton("Interpolate", &ColourBarEditor::Interpolate);
  AddButton("Auto", &ColourBarEditor::Auto);
  AddButton("Non Linear", &ColourBarEditor::NonLinear);
  for (QPushButton* button : buttons_) side->addWidget(button);
  auto* threshold_row = new QHBoxLayout;
  threshold_ = new QLineEdit(this);
  threshold_->setMaximumWidth(80);
  threshold_row->addWidget(new QLabel("Threshold", this));
  threshold_row->addWidget(threshold_);
  side->addLayout(threshold_row);
  AddButton("Set", &ColourBarEditor::SetThreshold);
  side->addWidget(buttons_.back());
  side->addStretch();
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
  side->addWidget(box);
  layout->addLayout(side);
  ShowBands();
  SelectBands(0, 0);
  ShowMode();
}

void ColourBarEditor::AddButton(const QString& text, void (ColourBarEditor::*action)()) {
  auto* button = new QPushButton(text, this);
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, action);
  buttons_.append(button);
}

QPushButton* ColourBarEditor::button(const QString& text) const {
  for (QPushButton* b : buttons_)
    if (b->text() == text) return b;
  return nullptr;
}

// A linear bar's thresholds follow from its increment; only a non-linear bar
// moves them one by one.
void ColourBarEditor::ShowMode() {
  const bool linear = edited_.increment != 0;
  setWindowTitle(linear ? "Set Color" : "Select Color Bar Colors");
  setProperty(kHelpPageProperty, linear ? "set_color.html" : "select_color_bar_colors.html");
  button("Non Linear")->setVisible(linear);
  button("Set")->setEnabled(!linear);
  threshold_->setEnabled(!linear);
}

void ColourBarEditor::ShowBands() {
  const int count = std::clamp<int>(edited_.count, 1, kColourBarSlots - 1);
  const int current = bands_->currentRow();
  const QList<QListWidgetItem*> selected = bands_->selectedItems();
  QList<int> rows;
  for (QListWidgetItem* item : selected) rows.append(bands_->row(item));
  QSignalBlocker block(bands_);
  bands_->clear();
  for (int k = 0; k < count; ++k)
    bands_->addItem(new QListWidgetItem(Swatch(edited_.colours[k]), BandText(edited_, k)));
  for (int row : rows)
    if (QListWidgetItem* item = bands_->item(row)) item->setSelected(true);
  if (current >= 0) bands_->setCurrentRow(current, QItemSelectionModel::NoUpdate);
}

void ColourBarEditor::ShowCurrentBand() {
  const int band = std::max(0, bands_->currentRow());
  const Rgb colour = edited_.colours[band];
  rgb_[0]->setValue(colour.r);
  rgb_[1]->setValue(colour.g);
  rgb_[2]->setValue(colour.b);
  threshold_->setText(QString::number(edited_.thresholds[band]));
}

void ColourBarEditor::SelectBands(int first, int last) {
  bands_->clearSelection();
  bands_->setCurrentRow(first, QItemSelectionModel::NoUpdate);
  for (int k = std::min(first, last); k <= std::max(first, last); ++k)
    if (QListWidgetItem* item = bands_->item(k)) item->setSelected(true);
  ShowCurrentBand();
}

std::pair<int, int> ColourBarEditor::SelectedRange() const {
  int first = bands_->count(), last = -1;
  for (QListWidgetItem* item : bands_->selectedItems()) {
    first = std::min(first, bands_->row(item));
    last = std::max(last, bands_->row(item));
  }
  if (last < 0) first = last = std::max(0, bands_->currentRow());
  return {first, last};
}

void ColourBarEditor::SetRgb() {
  const Rgb colour{static_cast<std::uint8_t>(rgb_[0]->value()),
                   static_cast<std::uint8_t>(rgb_[1]->value()),
                   static_cast<std::uint8_t>(rgb_[2]->value())};
  for (QListWidgetItem* item : bands_->selectedItems())
    SetBandColour(edited_, bands_->row(item), colour);
  ShowBands();
}

// The system colour chooser, opened on the current colour; its sixteen custom
// colours offer the bar's colours spread from top to bottom.
void ColourBarEditor::Custom() {
  const int count = bands_->count();
  for (int k = 0; k < 16; ++k)
    QColorDialog::setCustomColor(k, ToQColor(edited_.colours[k * (count - 1) / 15]));
  const QColor chosen =
      QColorDialog::getColor(ToQColor(edited_.colours[SelectedRange().first]), this, "Color");
  if (!chosen.isValid()) return;
  rgb_[0]->setValue(chosen.red());
  rgb_[1]->setValue(chosen.green());
  rgb_[2]->setValue(chosen.blue());
  SetRgb();
}

void ColourBarEditor::Blank() {
  for (QListWidgetItem* item : bands_->selectedItems())
    BlankBands(edited_, bands_->row(item), bands_->row(item));
  ShowBands();
  ShowCurrentBand();
}

void ColourBarEditor::BlankAll() {
  BlankBands(edited_, 0, bands_->count() - 1);
  ShowBands();
  ShowCurrentBand();
}

void ColourBarEditor::Interpolate() {
  auto [first, last] = SelectedRange();
  InterpolateBands(edited_, first, last);
  ShowBands();
}

void ColourBarEditor::Auto() {
  AutoColours(edited_);
  ShowBands();
  ShowCurrentBand();
}

void ColourBarEditor::NonLinear() {
  MakeNonLinear(edited_);
  ShowMode();
}

void ColourBarEditor::SetThreshold() {
  const int band = std::max(0, bands_->currentRow());
  std::optional<long long> value = ParseWholeInt(threshold_->text().trimmed().toStdString());
  std::string problem = value && *value >= INT16_MIN && *value <= INT16_MAX
                            ? SetBandThreshold(edited_, band, static_cast<int>(*value))
                            : "Threshold must be a whole number from -32768 to 32767";
  if (!problem.empty()) prompter_.Tell(problem, "", MessageIcon::Warning);
  ShowBands();
}

void ColourBarEditor::accept() {
  bar_ = edited_;
  QDialog::accept();
}

bool EditBarColours(QWidget* parent, ColourBar& bar) {
  return Confirmed<ColourBarEditor>(parent, bar);
}

}  // namespace quarrix
