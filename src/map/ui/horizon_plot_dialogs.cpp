#include "map/ui/horizon_plot_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/ui/dialog_buttons.h"
#include "section/trace_plot.h"

namespace quarrix {
namespace {

QSpinBox* IntField(int low, int high, int value, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setRange(low, high);
  box->setValue(std::clamp(value, low, high));
  return box;
}

QDoubleSpinBox* RealField(double low, double high, double value, int decimals, QWidget* parent) {
  auto* box = new QDoubleSpinBox(parent);
  box->setDecimals(decimals);
  box->setRange(low, high);
  box->setValue(std::clamp(value, low, high));
  return box;
}

void FillList(QListWidget* list, const std::vector<std::string>& names,
              const std::vector<std::string>& selected = {}) {
  for (const std::string& name : names) {
    auto* item = new QListWidgetItem(QString::fromStdString(name), list);
    item->setSelected(std::find(selected.begin(), selected.end(), name) != selected.end());
  }
}

std::vector<std::string> Selected(const QListWidget* list) {
  std::vector<std::string> names;
  for (int k = 0; k < list->count(); ++k)
    if (list->item(k)->isSelected()) names.push_back(list->item(k)->text().toStdString());
  return names;
}

QListWidget* MultiList(QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setSelectionMode(QAbstractItemView::MultiSelection);
  return list;
}

QGroupBox* ListGroup(const QString& title, QListWidget* list, QWidget* parent,
                     QWidget* extra = nullptr) {
  auto* group = new QGroupBox(title, parent);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(list);
  auto* all = new QPushButton(title == "Wells" ? "Select All " : "Select All", group);
  QObject::connect(all, &QPushButton::clicked, list, &QListWidget::selectAll);
  layout->addWidget(all);
  if (extra) layout->addWidget(extra);
  return group;
}

// The kinds of time-type grid offered and their extensions.
const char* const kKindNames[7] = {"Horizon", "Isochron", "Isopach", "Velocity",
                                   "Depth",   "Misc",     "Geo"};
const std::vector<std::string> kKindExtensions[7] = {
    {"hor", "slc", "flt"}, {"isc"}, {"isp"}, {"vel"}, {"dth"}, {"msc"}, {"geo"}};

}  // namespace

SelectHorizonDialog::SelectHorizonDialog(const std::string& project_dir, QWidget* parent)
    : QDialog(parent), project_dir_(project_dir) {
  setWindowTitle("Sel Horizon Files");
  setProperty("help_page", "horizon_plot_files");
  auto* layout = new QGridLayout(this);
  auto* kinds = new QGroupBox(this);
  auto* kinds_layout = new QVBoxLayout(kinds);
  for (int k = 0; k < 7; ++k) {
    kinds_[k] = new QCheckBox(kKindNames[k], kinds);
    kinds_[k]->setChecked(k == 0);
    kinds_layout->addWidget(kinds_[k]);
    connect(kinds_[k], &QCheckBox::toggled, this, [this] { FillTimes(); });
  }
  times_ = new QListWidget(this);
  amplitudes_ = new QListWidget(this);
  FillList(amplitudes_, ProjectFiles(project_dir, "hor"));
  // One file is plotted: choosing in one list clears the other.
  connect(times_, &QListWidget::itemSelectionChanged, this, [this] {
    if (!times_->selectedItems().isEmpty()) amplitudes_->clearSelection();
  });
  connect(amplitudes_, &QListWidget::itemSelectionChanged, this, [this] {
    if (!amplitudes_->selectedItems().isEmpty()) times_->clearSelection();
  });
  layout->addWidget(kinds, 0, 0, 2, 1);
  layout->addWidget(new QLabel("Files", this), 0, 1);
  layout->addWidget(times_, 1, 1);
  layout->addWidget(new QLabel("Horizon Amps", this), 0, 2);
  layout->addWidget(amplitudes_, 1, 2);
  layout->addWidget(OkCancel(this), 2, 0, 1, 3);
  FillTimes();
}

void SelectHorizonDialog::FillTimes() {
  times_->clear();
  std::vector<std::string> names;
  for (int k = 0; k < 7; ++k)
    if (kinds_[k]->isChecked())
      for (const std::string& extension : kKindExtensions[k])
        for (const std::string& name : ProjectFiles(project_dir_, extension)) names.push_back(name);
  std::sort(names.begin(), names.end());
  FillList(times_, names);
}

std::string SelectHorizonDialog::chosen() const {
  for (const QListWidget* list : {times_, amplitudes_})
    if (auto selected = Selected(list); !selected.empty()) return selected.front();
  return "";
}

bool SelectHorizonDialog::amplitude() const {
  return !amplitudes_->selectedItems().isEmpty();
}

SelectFilesDialog::SelectFilesDialog(const std::string& project_dir, const OverlayChoice& choice,
                                     QWidget* parent)
    : QDialog(parent) {
  setWindowTitle("Select Files");
  setProperty("help_page", "horizon_plot_files");
  wells_ = MultiList(this);
  faults_ = MultiList(this);
  arbs_ = MultiList(this);
  std::vector<std::string> wells = ProjectFiles(project_dir, "wll");
  for (const std::string& group : ProjectFiles(project_dir, "lgv")) wells.push_back(group);
  FillList(wells_, wells, choice.wells);
  FillList(faults_, ProjectFiles(project_dir, "ffl"), choice.faults);
  FillList(arbs_, ProjectFiles(project_dir, "arb"), choice.arbitrary_lines);
  auto* well_boxes = new QWidget(this);
  auto* boxes = new QGridLayout(well_boxes);
  label_ = new QCheckBox("Label", well_boxes);
  title_ = new QCheckBox("Title", well_boxes);
  depth_ = new QCheckBox("Depth", well_boxes);
  map_value_ = new QCheckBox("Map Value", well_boxes);
  sort_ = new QCheckBox("Sort", well_boxes);
  const WellPostingOptions& o = choice.well_options;
  label_->setChecked(o.label);
  title_->setChecked(o.title);
  depth_->setChecked(o.depth);
  map_value_->setChecked(o.map_value);
  sort_->setChecked(o.sort);
  int column = 0;
  for (QCheckBox* box : {label_, title_, depth_, map_value_, sort_})
    boxes->addWidget(box, 0, column++);
  // "Sort" posts the wells whose depth lies between these, in feet.
  deeper_ = IntField(-100000, 100000, o.well_sort.below_feet, well_boxes);
  shallower_ = IntField(-100000, 100000, o.well_sort.above_feet, well_boxes);
  boxes->addWidget(new QLabel("Wells below ? ft-", well_boxes), 1, 0, 1, 2);
  boxes->addWidget(deeper_, 1, 2);
  boxes->addWidget(new QLabel("&& Wells above ? ft-", well_boxes), 2, 0, 1, 2);
  boxes->addWidget(shallower_, 2, 2);
  label_faults_ = new QCheckBox("Label", this);
  label_arbs_ = new QCheckBox("Label", this);
  label_faults_->setChecked(choice.label_faults);
  label_arbs_->setChecked(choice.label_arbitrary_lines);
  auto* layout = new QGridLayout(this);
  layout->addWidget(ListGroup("Wells", wells_, this, well_boxes), 0, 0);
  layout->addWidget(ListGroup("Faults", faults_, this, label_faults_), 0, 1);
  layout->addWidget(ListGroup("Arb. Lines", arbs_, this, label_arbs_), 0, 2);
  layout->addWidget(OkCancel(this), 1, 0, 1, 3);
}

QCheckBox* SelectFilesDialog::well_box(const QString& text) const {
  for (QCheckBox* box : {label_, title_, depth_, map_value_, sort_})
    if (box->text() == text) return box;
  return nullptr;
}

OverlayChoice SelectFilesDialog::choice() const {
  OverlayChoice choice;
  choice.wells = Selected(wells_);
  choice.faults = Selected(faults_);
  choice.arbitrary_lines = Selected(arbs_);
  choice.well_options.label = label_->isChecked();
  choice.well_options.title = title_->isChecked();
  choice.well_options.depth = depth_->isChecked();
  choice.well_options.map_value = map_value_->isChecked();
  choice.well_options.sort = sort_->isChecked();
  choice.well_options.well_sort.below_feet = deeper_->value();
  choice.well_options.well_sort.above_feet = shallower_->value();
  choice.label_faults = label_faults_->isChecked();
  choice.label_arbitrary_lines = label_arbs_->isChecked();
  return choice;
}

ScaleDialog::ScaleDialog(int feet_per_inch, int colour_gain, QWidget* parent) : QDialog(parent) {
  setWindowTitle("Scale");
  setProperty("help_page", "presentation_horizon_plot");
  auto* layout = new QFormLayout(this);
  scale_ = IntField(0, 10000000, feet_per_inch, this);
  layout->addRow("Enter Scale Value   1 in = ", scale_);
  layout->addRow("", new QLabel("ft.", this));
  gain_ = IntField(1, 15, std::clamp(colour_gain, 1, 15), this);
  layout->addRow("Color Gain 1-15", gain_);
  layout->addRow(OkCancel(this));
}

int ScaleDialog::feet_per_inch() const {
  return scale_->value();
}

int ScaleDialog::colour_gain() const {
  return gain_->value();
}

ZoomDialog::ZoomDialog(const SurveyHeader& header, const MapZoom& zoom, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle("Set  Zoom Parameters");
  setProperty("help_page", "presentation_horizon_plot");
  const MapZoom full = FullMapZoom(header);
  const int values[4] = {header.LineNumber(zoom.first_row), header.LineNumber(zoom.last_row),
                         header.TraceNumber(zoom.first_column),
                         header.TraceNumber(zoom.last_column)};
  const int defaults[4] = {header.LineNumber(full.first_row), header.LineNumber(full.last_row),
                           header.TraceNumber(full.first_column),
                           header.TraceNumber(full.last_column)};
  for (int k = 0; k < 4; ++k) fields_[k] = IntField(-1000000000, 1000000000, values[k], this);
  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel("Start Line and Trace", this), 0, 0);
  layout->addWidget(fields_[0], 0, 1);
  layout->addWidget(fields_[2], 0, 2);
  layout->addWidget(new QLabel("End Line and Trace", this), 1, 0);
  layout->addWidget(fields_[1], 1, 1);
  layout->addWidget(fields_[3], 1, 2);
  auto* reset = new QPushButton("Default", this);
  connect(reset, &QPushButton::clicked, this, [this, defaults] {
    for (int k = 0; k < 4; ++k) fields_[k]->setValue(defaults[k]);
  });
  layout->addWidget(reset, 2, 0);
  layout->addWidget(OkCancel(this), 2, 1, 1, 2);
}

std::array<int, 4> ZoomDialog::numbers() const {
  return {fields_[0]->value(), fields_[1]->value(), fields_[2]->value(), fields_[3]->value()};
}

SurfacePage::SurfacePage(const SurfaceCamera& camera, QWidget* parent) : QWidget(parent) {
  auto* layout = new QFormLayout(this);
  distance_ = RealField(1, 1e8, camera.distance, 0, this);
  azimuth_ = RealField(0, 360, camera.azimuth, 1, this);
  elevation_ = RealField(5, 90, camera.elevation, 1, this);
  z_scale_ = RealField(-1e4, 1e4, camera.z_scale, 3, this);
  solid_ = new QCheckBox("Solid", this);
  fishnet_ = new QCheckBox("Fishnet", this);
  colour_fishnet_ = new QCheckBox("Color Fishnet", this);
  solid_->setChecked(camera.solid);
  fishnet_->setChecked(camera.fishnet);
  colour_fishnet_->setChecked(camera.colour_fishnet);
  layout->addRow("Distance (ft)", distance_);
  layout->addRow("Azimuth (deg)", azimuth_);
  layout->addRow("Elevation (deg)", elevation_);
  layout->addRow("Z Scale", z_scale_);
  layout->addRow(solid_);
  layout->addRow(fishnet_);
  layout->addRow(colour_fishnet_);
}

void SurfacePage::Store(SurfaceCamera& camera) const {
  camera.distance = distance_->value();
  camera.azimuth = azimuth_->value();
  camera.elevation = elevation_->value();
  camera.z_scale = z_scale_->value();
  camera.solid = solid_->isChecked();
  camera.fishnet = fishnet_->isChecked() || colour_fishnet_->isChecked();
  camera.colour_fishnet = colour_fishnet_->isChecked();
}

SurfaceDialog::SurfaceDialog(const SurfaceCamera& camera, QWidget* parent) : QDialog(parent) {
  setWindowTitle("Surface");
  setProperty("help_page", "horizon_plot_surface");
  auto* layout = new QVBoxLayout(this);
  page_ = new SurfacePage(camera, this);
  layout->addWidget(page_);
  layout->addWidget(OkCancel(this));
}

}  // namespace quarrix
