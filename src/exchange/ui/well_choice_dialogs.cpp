#include "exchange/ui/well_choice_dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/prompter.h"
#include "platform/ui/dialog_buttons.h"

namespace quarrix {
namespace {

// Windows RGB words (0x00BBGGRR) and Qt colours.
QColor FromRgbWord(std::uint32_t word) {
  return QColor(word & 0xFF, (word >> 8) & 0xFF, (word >> 16) & 0xFF);
}
std::uint32_t ToRgbWord(const QColor& colour) {
  return static_cast<std::uint32_t>(colour.red()) |
         static_cast<std::uint32_t>(colour.green()) << 8 |
         static_cast<std::uint32_t>(colour.blue()) << 16;
}

// The eight label positions around the symbol, numbered clockwise from the
// top left, as (row, column) of a 3 x 3 grid whose centre holds the symbol.
constexpr std::array<std::pair<int, int>, 8> kPositionCells = {
    {{0, 0}, {0, 1}, {0, 2}, {1, 2}, {2, 2}, {2, 1}, {2, 0}, {1, 0}}};

}  // namespace

WellListDialog::WellListDialog(const std::vector<std::string>& names, bool multiple,
                               QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
  setWindowTitle("Select Wells");
  setProperty("help_page", "import_select_wells.html");
  list_->setSelectionMode(multiple ? QAbstractItemView::MultiSelection
                                   : QAbstractItemView::SingleSelection);
  for (const std::string& name : names) new QListWidgetItem(QString::fromStdString(name), list_);
  auto* layout = new QVBoxLayout(this);
  if (multiple) {
    select_all_ = new QCheckBox("Select All", this);
    layout->addWidget(select_all_);
    connect(select_all_, &QCheckBox::toggled, list_,
            [this](bool on) { on ? list_->selectAll() : list_->clearSelection(); });
  }
  layout->addWidget(list_);
  layout->addWidget(OkCancel(this));
  if (!multiple && list_->count() > 0) list_->setCurrentRow(0);
}

std::vector<std::string> WellListDialog::Chosen() const {
  std::vector<std::string> chosen;
  for (int k = 0; k < list_->count(); ++k)
    if (list_->item(k)->isSelected()) chosen.push_back(list_->item(k)->text().toStdString());
  return chosen;
}

WellGroupAttributesDialog::WellGroupAttributesDialog(const std::string& group,
                                                     const WellAttributes& attributes,
                                                     Prompter& prompter, QWidget* parent)
    : QDialog(parent), attributes_(attributes), prompter_(prompter) {
  setWindowTitle(QString("Well Group Attributes - %1").arg(QString::fromStdString(group)));
  setProperty("help_page", "well_group_attributes.html");
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  symbol_size_ = new QLineEdit(QString::asprintf("%1.3f", attributes.symbol_size), this);
  character_size_ = new QLineEdit(QString::asprintf("%1.3f", attributes.character_size), this);
  // The file keeps the thickness less one; the user sees the thickness.
  thickness_ = new QLineEdit(QString::number(attributes.thickness + 1), this);
  symbol_colour_ = new QPushButton("Color", this);
  label_colour_ = new QPushButton("Color", this);
  erase_symbol_ = new QCheckBox("Erase Background", this);
  erase_label_ = new QCheckBox("Erase Background", this);
  erase_symbol_->setChecked(attributes.erase_symbol_background != 0);
  erase_label_->setChecked(attributes.erase_label_background != 0);
  form->addRow("Sym Size", symbol_size_);
  form->addRow("Char Size", character_size_);
  form->addRow("Thickness", thickness_);
  auto* symbol_row = new QHBoxLayout;
  symbol_row->addWidget(symbol_colour_);
  symbol_row->addWidget(erase_symbol_);
  form->addRow("Symbol", symbol_row);
  auto* label_row = new QHBoxLayout;
  label_row->addWidget(label_colour_);
  label_row->addWidget(erase_label_);
  form->addRow("Label", label_row);
  layout->addLayout(form);
  auto* position_box = new QGroupBox("Label Position", this);
  auto* grid = new QGridLayout(position_box);
  positions_ = new QButtonGroup(this);
  for (int k = 0; k < 8; ++k) {
    auto* radio = new QRadioButton(position_box);
    positions_->addButton(radio, k + 1);
    grid->addWidget(radio, kPositionCells[k].first, kPositionCells[k].second, Qt::AlignCenter);
  }
  grid->addWidget(new QLabel("Well", position_box), 1, 1, Qt::AlignCenter);
  if (auto* chosen = positions_->button(attributes.label_position)) chosen->setChecked(true);
  layout->addWidget(position_box);
  layout->addWidget(OkCancel(this));
  ShowColour(symbol_colour_, attributes_.symbol_colour);
  ShowColour(label_colour_, attributes_.label_colour);
  connect(symbol_colour_, &QPushButton::clicked, this,
          [this] { ChooseColour(symbol_colour_, attributes_.symbol_colour); });
  connect(label_colour_, &QPushButton::clicked, this,
          [this] { ChooseColour(label_colour_, attributes_.label_colour); });
}

void WellGroupAttributesDialog::SetColours(std::uint32_t symbol, std::uint32_t label) {
  attributes_.symbol_colour = symbol;
  attributes_.label_colour = label;
  ShowColour(symbol_colour_, symbol);
  ShowColour(label_colour_, label);
}

void WellGroupAttributesDialog::ShowColour(QPushButton* button, std::uint32_t colour) {
  QPixmap swatch(16, 16);
  swatch.fill(FromRgbWord(colour));
  button->setIcon(QIcon(swatch));
}

void WellGroupAttributesDialog::ChooseColour(QPushButton* button, std::uint32_t& colour) {
  QColor chosen = QColorDialog::getColor(FromRgbWord(colour), this);
  if (!chosen.isValid()) return;
  colour = ToRgbWord(chosen);
  ShowColour(button, colour);
}

void WellGroupAttributesDialog::accept() {
  bool ok_symbol = false, ok_char = false, ok_thickness = false;
  const double symbol = symbol_size_->text().trimmed().toDouble(&ok_symbol);
  const double character = character_size_->text().trimmed().toDouble(&ok_char);
  const int thickness = thickness_->text().trimmed().toInt(&ok_thickness);
  // Sizes are inches on paper; a thickness is at least one pixel.
  if (!ok_symbol || !ok_char || symbol <= 0 || character <= 0 || symbol > 10 || character > 10) {
    prompter_.Tell("Sym Size and Char Size must be inches from 0 to 10.", "Warning");
    return;
  }
  if (!ok_thickness || thickness < 1 || thickness > 100) {
    prompter_.Tell("Thickness must be a whole number from 1 to 100.", "Warning");
    return;
  }
  attributes_.symbol_size = symbol;
  attributes_.character_size = character;
  attributes_.thickness = thickness - 1;
  attributes_.erase_symbol_background = erase_symbol_->isChecked() ? 1 : 0;
  attributes_.erase_label_background = erase_label_->isChecked() ? 1 : 0;
  attributes_.label_position = positions_->checkedId() > 0 ? positions_->checkedId() : 1;
  QDialog::accept();
}

}  // namespace quarrix
