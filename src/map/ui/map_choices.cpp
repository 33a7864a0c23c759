#include "map/ui/map_choices.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "horizon/horizon_location.h"
#include "platform/paths.h"
#include "platform/ui/dialog_buttons.h"

namespace quarrix {
namespace {

QDoubleSpinBox* Inches(double value, QWidget* parent) {
  auto* box = new QDoubleSpinBox(parent);
  box->setRange(0.01, 2.0);
  box->setDecimals(3);
  box->setSingleStep(0.01);
  box->setSuffix(" in.");
  box->setValue(value);
  return box;
}

QSpinBox* Whole(int value, int low, int high, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setRange(low, high);
  box->setValue(value);
  return box;
}

}  // namespace

bool ExecDialog(QDialog& dialog) {
  return dialog.exec() == QDialog::Accepted;
}

ColourSchemeDialog::ColourSchemeDialog(const ColourSets& sets, bool amplitude,
                                       const ColourSchemeChoice& choice, QWidget* parent)
    : QDialog(parent), schemes_(new QButtonGroup(this)) {
  setWindowTitle("Select Color Scheme");
  setProperty("help_page", "select_color_scheme.html");
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  for (int k = 0; k < kColourSchemeCount; ++k) {
    auto* button =
        new QRadioButton(k == 0 ? QString("Fixed Custom Colors ") : QString("Color Set %1").arg(k));
    button->setChecked(k == choice.scheme);
    schemes_->addButton(button, k);
    grid->addWidget(button, k, 0);
    // The set's own name beside its number.
    const std::string name = k == 0 ? "the horizon's color file"
                                    : sets[k - 1 + (amplitude ? kColourSetCount / 2 : 0)].Name();
    grid->addWidget(new QLabel(QString::fromStdString(name)), k, 1);
  }
  layout->addLayout(grid);
  replace_ = new QCheckBox("Save the colors as the horizon's color file", this);
  replace_->setChecked(choice.replace_colour_file);
  replace_->setEnabled(choice.scheme != kOwnColourFileScheme);
  connect(schemes_, &QButtonGroup::idToggled, this, [this](int, bool) {
    replace_->setEnabled(schemes_->checkedId() != kOwnColourFileScheme);
  });
  layout->addWidget(replace_);
  layout->addWidget(OkCancel(this));
}

ColourSchemeChoice ColourSchemeDialog::choice() const {
  ColourSchemeChoice choice;
  choice.scheme = std::max(schemes_->checkedId(), 0);
  choice.replace_colour_file = choice.scheme != kOwnColourFileScheme && replace_->isChecked();
  return choice;
}

MapOptionsDialog::MapOptionsDialog(const MapOptions& options, QWidget* parent) : QDialog(parent) {
  setWindowTitle("Map Options");
  setProperty("help_page", "map_options.html");
  auto* layout = new QFormLayout(this);
  line_every_ = Whole(options.line_label_every, 0, 10000, this);
  trace_every_ = Whole(options.trace_label_every, 0, 10000, this);
  line_every_->setSpecialValueText("Automatic");
  trace_every_->setSpecialValueText("Automatic");
  symbol_ = Inches(options.well_symbol_inches, this);
  text_ = Inches(options.well_text_inches, this);
  layout->addRow("Line Label Increment", line_every_);
  layout->addRow("Trace Label Increment", trace_every_);
  layout->addRow("Well Symbol Size", symbol_);
  layout->addRow("Well Text Size", text_);
  layout->addRow(OkCancel(this));
}

MapOptions MapOptionsDialog::options() const {
  return {line_every_->value(), trace_every_->value(), symbol_->value(), text_->value()};
}

WellSortDialog::WellSortDialog(const WellSort& sort, QWidget* parent) : QDialog(parent) {
  setWindowTitle("Well Sort Parameters");
  setProperty("help_page", "well_options.html");
  auto* layout = new QGridLayout(this);
  below_ = Whole(sort.below_feet, 0, 65535, this);
  above_ = Whole(sort.above_feet, 0, 65535, this);
  mark_ = Whole(sort.mark_below_feet, 0, 65535, this);
  layout->addWidget(new QLabel("Wells below ? ft-"), 0, 0);
  layout->addWidget(below_, 0, 1);
  layout->addWidget(new QLabel("&& Wells above ? ft-"), 1, 0);
  layout->addWidget(above_, 1, 1);
  layout->addWidget(new QLabel("Mark Wells Below "), 2, 0);
  layout->addWidget(mark_, 2, 1);
  layout->addWidget(new QLabel("feet"), 2, 2);
  layout->addWidget(OkCancel(this), 3, 0, 1, 3);
}

WellSort WellSortDialog::sort() const {
  return {below_->value(), above_->value(), mark_->value()};
}

WellOptionsDialog::WellOptionsDialog(const std::vector<std::string>& names,
                                     const WellChoice& choice, DialogRunner run, QWidget* parent)
    : QDialog(parent),
      run_(std::move(run)),
      start_(choice),
      sort_(choice.posting.well_sort),
      list_(new QListWidget(this)) {
  setWindowTitle("Well Options");
  setProperty("help_page", "well_options.html");
  auto* layout = new QVBoxLayout(this);
  select_all_ = new QPushButton("Select All", this);
  list_->setSelectionMode(QAbstractItemView::MultiSelection);
  for (const std::string& name : names) {
    auto* item = new QListWidgetItem(QString::fromStdString(name), list_);
    item->setSelected(std::find(choice.names.begin(), choice.names.end(), name) !=
                      choice.names.end());
  }
  connect(select_all_, &QPushButton::clicked, list_, &QListWidget::selectAll);
  auto* boxes = new QHBoxLayout;
  auto box = [&](const char* text, bool on) {
    auto* b = new QCheckBox(text, this);
    b->setChecked(on);
    boxes->addWidget(b);
    return b;
  };
  label_ = box("Label", choice.posting.label);
  title_ = box("Title", choice.posting.title);
  sort_box_ = box("Sort", choice.posting.sort);
  depth_ = box("Depth", choice.posting.depth);
  connect(sort_box_, &QCheckBox::clicked, this, [this](bool on) {
    if (!on) return;
    WellSortDialog dialog(sort_, this);
    if (run_(dialog))
      sort_ = dialog.sort();
    else
      sort_box_->setChecked(false);
  });
  layout->addWidget(select_all_);
  layout->addWidget(list_);
  layout->addLayout(boxes);
  layout->addWidget(OkCancel(this));
}

QCheckBox* WellOptionsDialog::option(const QString& text) const {
  for (QCheckBox* b : {label_, title_, sort_box_, depth_})
    if (b->text() == text) return b;
  return nullptr;
}

WellChoice WellOptionsDialog::choice() const {
  WellChoice choice = start_;
  choice.names.clear();
  for (int k = 0; k < list_->count(); ++k)
    if (list_->item(k)->isSelected()) choice.names.push_back(list_->item(k)->text().toStdString());
  choice.posting.label = label_->isChecked();
  choice.posting.title = title_->isChecked();
  choice.posting.sort = sort_box_->isChecked();
  choice.posting.depth = depth_->isChecked();
  choice.posting.well_sort = sort_;
  return choice;
}

DxfOptionsDialog::DxfOptionsDialog(const CultureOptions& options, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle("DXF Options");
  setProperty("help_page", "dxf_options.html");
  auto* layout = new QFormLayout(this);
  plot_text_ = new QCheckBox("Plot Text", this);
  plot_text_->setChecked(options.plot_text);
  text_colour_ = new ColourButton("Text Color", options.text_colour, this);
  scale_ = new QDoubleSpinBox(this);
  scale_->setRange(0.01, 100);
  scale_->setDecimals(2);
  scale_->setValue(options.text_scale);
  plot_lines_ = new QCheckBox("Plot Lines", this);
  plot_lines_->setChecked(options.plot_lines);
  style_ = new QComboBox(this);
  style_->addItems({"Solid", "Dash"});
  style_->setCurrentIndex(options.line.style == PenStyle::Dash ? 1 : 0);
  line_colour_ = new ColourButton("Line Color", options.line.colour, this);
  width_ = Whole(options.line.width, 1, 20, this);
  margin_ = new QDoubleSpinBox(this);
  margin_->setRange(0, 1e7);
  margin_->setDecimals(0);
  margin_->setSuffix(" ft");
  margin_->setValue(options.margin_feet);
  layout->addRow(plot_text_, text_colour_);
  layout->addRow("Text Scale", scale_);
  layout->addRow(plot_lines_, line_colour_);
  layout->addRow("Line Style", style_);
  layout->addRow("Line Width", width_);
  layout->addRow("Plot Margins", margin_);
  layout->addRow(OkCancel(this));
}

CultureOptions DxfOptionsDialog::options() const {
  CultureOptions options;
  options.plot_text = plot_text_->isChecked();
  options.text_colour = text_colour_->colour();
  options.text_scale = scale_->value();
  options.plot_lines = plot_lines_->isChecked();
  options.line = {style_->currentIndex() == 1 ? PenStyle::Dash : PenStyle::Solid, width_->value(),
                  line_colour_->colour()};
  options.margin_feet = margin_->value();
  return options;
}

DxfFilesDialog::DxfFilesDialog(const std::string& folder, const std::vector<std::string>& chosen,
                               QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
  setWindowTitle("Select DXF Files");
  setProperty("help_page", "dxf_options.html");
  auto* layout = new QVBoxLayout(this);
  list_->setSelectionMode(QAbstractItemView::MultiSelection);
  for (const std::string& name : ListFilesWithExtension(folder, "dxf")) {
    const std::string path = JoinPath(folder, name);
    Add(QString::fromStdString(path),
        std::find(chosen.begin(), chosen.end(), path) != chosen.end());
  }
  // Chosen files from other folders join the list.
  for (const std::string& path : chosen) {
    bool listed = false;
    for (int k = 0; k < list_->count() && !listed; ++k)
      listed = list_->item(k)->data(Qt::UserRole).toString().toStdString() == path;
    if (!listed) Add(QString::fromStdString(path), true);
  }
  auto* browse = new QPushButton("Browse...", this);
  connect(browse, &QPushButton::clicked, this, [this, folder] {
    for (const QString& path : QFileDialog::getOpenFileNames(
             this, "Select DXF Files", QString::fromStdString(folder), "DXF Files (*.dxf)"))
      Add(path, true);
  });
  layout->addWidget(list_);
  layout->addWidget(browse);
  layout->addWidget(OkCancel(this));
}

void DxfFilesDialog::Add(const QString& path, bool selected) {
  auto* item = new QListWidgetItem(QFileInfo(path).fileName(), list_);
  item->setData(Qt::UserRole, path);
  item->setToolTip(path);
  item->setSelected(selected);
}

std::vector<std::string> DxfFilesDialog::chosen() const {
  std::vector<std::string> paths;
  for (int k = 0; k < list_->count(); ++k)
    if (list_->item(k)->isSelected())
      paths.push_back(list_->item(k)->data(Qt::UserRole).toString().toStdString());
  return KeepFirstDxfFiles(std::move(paths));
}

SelectWellsDialog::SelectWellsDialog(const std::vector<std::string>& names,
                                     const std::vector<std::string>& chosen, QWidget* parent,
                                     bool label, double symbol_inches)
    : QDialog(parent), list_(new QListWidget(this)) {
  setWindowTitle("Select Wells");
  setProperty("help_page", "map_windows.html");
  auto* layout = new QFormLayout(this);
  all_ = new QCheckBox("All Wells", this);
  list_->setSelectionMode(QAbstractItemView::MultiSelection);
  for (const std::string& name : names) {
    auto* item = new QListWidgetItem(QString::fromStdString(name), list_);
    item->setSelected(std::find(chosen.begin(), chosen.end(), name) != chosen.end());
  }
  connect(all_, &QCheckBox::toggled, list_, [this](bool on) {
    if (on) list_->selectAll();
  });
  label_ = new QCheckBox("Label Wells", this);
  label_->setChecked(label);
  size_ = Inches(symbol_inches, this);
  layout->addRow(all_);
  layout->addRow(list_);
  layout->addRow(label_);
  layout->addRow("Symbol Size", size_);
  layout->addRow(OkCancel(this));
}

std::vector<std::string> SelectWellsDialog::chosen() const {
  std::vector<std::string> names;
  for (int k = 0; k < list_->count(); ++k)
    if (all_->isChecked() || list_->item(k)->isSelected())
      names.push_back(list_->item(k)->text().toStdString());
  return names;
}

bool SelectWellsDialog::label() const {
  return label_->isChecked();
}

double SelectWellsDialog::symbol_inches() const {
  return size_->value();
}

bool ChooseColourScheme(QWidget* parent, const ColourSets& sets, bool amplitude,
                        ColourSchemeChoice& choice, const DialogRunner& run) {
  ColourSchemeDialog dialog(sets, amplitude, choice, parent);
  if (!run(dialog)) return false;
  choice = dialog.choice();
  return true;
}

bool ChooseMapOptions(QWidget* parent, MapOptions& options, const DialogRunner& run) {
  MapOptionsDialog dialog(options, parent);
  if (!run(dialog)) return false;
  options = dialog.options();
  return true;
}

bool ChooseWellOptions(QWidget* parent, const std::vector<std::string>& names, WellChoice& choice,
                       const DialogRunner& run) {
  WellOptionsDialog dialog(names, choice, run, parent);
  if (!run(dialog)) return false;
  choice = dialog.choice();
  return true;
}

bool ChooseWellSort(QWidget* parent, WellSort& sort, const DialogRunner& run) {
  WellSortDialog dialog(sort, parent);
  if (!run(dialog)) return false;
  sort = dialog.sort();
  return true;
}

bool ChooseDxfOptions(QWidget* parent, CultureOptions& options, const DialogRunner& run) {
  DxfOptionsDialog dialog(options, parent);
  if (!run(dialog)) return false;
  options = dialog.options();
  return true;
}

bool SelectDxfFiles(QWidget* parent, const std::string& folder, std::vector<std::string>& paths,
                    const DialogRunner& run) {
  DxfFilesDialog dialog(folder, paths, parent);
  if (!run(dialog)) return false;
  paths = dialog.chosen();
  return true;
}

}  // namespace quarrix
