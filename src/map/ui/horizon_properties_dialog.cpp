// "Horizon Properties": the plot settings on five pages.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "map/ui/horizon_plot_dialogs.h"

namespace quarrix {
namespace {

// The "Options" page's check boxes and the settings they set.
struct OptionBox {
  const char* text;
  bool HorizonPlotSettings::*flag;
};
const OptionBox kOptionBoxes[] = {
    {"Label Traces && Lines ", &HorizonPlotSettings::label_traces_lines},
    {"Plot Grid Lines", &HorizonPlotSettings::grid_lines},
    {"Plot Grid Circles", &HorizonPlotSettings::grid_circles},
    {"Plot Palette", &HorizonPlotSettings::palette},
    {"Plot in X/Y", &HorizonPlotSettings::in_xy},
    {"Print Title", &HorizonPlotSettings::title},
    {"Fill Holes", &HorizonPlotSettings::fill_holes},
    {"Plot DXF", &HorizonPlotSettings::plot_dxf},
    {"Plot Polyfaults", &HorizonPlotSettings::plot_polyfaults},
};
// Plot types in the order of the "Plot Type" list.
const HorizonPlotType kTypes[] = {HorizonPlotType::Horizon, HorizonPlotType::Contour,
                                  HorizonPlotType::Surface, HorizonPlotType::LineContour};

QComboBox* Choice(const QStringList& items, int current, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->addItems(items);
  box->setCurrentIndex(std::clamp(current, 0, static_cast<int>(items.size()) - 1));
  return box;
}

QSpinBox* Count(int value, QWidget* parent, int high = 10000) {
  auto* box = new QSpinBox(parent);
  box->setRange(0, high);
  box->setValue(std::clamp(value, 0, high));
  return box;
}

QDoubleSpinBox* Inches(double value, QWidget* parent) {
  auto* box = new QDoubleSpinBox(parent);
  box->setDecimals(2);
  box->setRange(0.01, 2);
  box->setSingleStep(0.01);
  box->setValue(std::clamp(value, 0.01, 2.0));
  return box;
}

const QStringList kCurveSmoothing = {"None", "Light", "Medium", "Heavy"};

}  // namespace

HorizonPropertiesDialog::HorizonPropertiesDialog(const HorizonPlotSettings& settings,
                                                 QWidget* parent)
    : QDialog(parent) {
  setWindowTitle("Horizon Properties");
  setProperty("help_page", "horizon_plot_properties");
  pages_ = new QTabWidget(this);
  pages_->addTab(OptionsPage(settings), "Options");
  pages_->addTab(AttributesPage(settings), "Attributes");
  pages_->addTab(ScalePage(settings), "Scale");
  surface_ = new SurfacePage(settings.camera, this);
  pages_->addTab(surface_, "Surface");
  pages_->addTab(DxfPage(settings), "DXF");
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addWidget(buttons);
}

QWidget* HorizonPropertiesDialog::OptionsPage(const HorizonPlotSettings& s) {
  auto* page = new QWidget(this);
  auto* layout = new QGridLayout(page);
  int row = 0;
  for (const OptionBox& option : kOptionBoxes) {
    auto* box = new QCheckBox(option.text, page);
    box->setChecked(s.*option.flag);
    options_.push_back(box);
    layout->addWidget(box, row++, 0);
  }
  for (const char* text : {"Trap Wells to Line/Trace", "Plot Wells using X/Y"}) {
    auto* box = new QCheckBox(text, page);
    box->setChecked(text[0] == 'T' ? s.well_options.trap : s.well_options.use_xy);
    options_.push_back(box);
    layout->addWidget(box, row++, 0);
  }
  auto* fields = new QFormLayout;
  decimate_ = Count(s.decimate, page, 100);
  grid_line_ = Count(s.grid_line_increment, page);
  grid_trace_ = Count(s.grid_trace_increment, page);
  label_line_ = Count(s.label_line_increment, page);
  label_trace_ = Count(s.label_trace_increment, page);
  int type = static_cast<int>(std::find(std::begin(kTypes), std::end(kTypes), s.type) -
                              std::begin(kTypes));
  type_ = Choice({"Horizon", "Contour", "Surface", "L Contour"}, type, page);
  smoothing_ = Choice({"None", "Light", "Heavy"}, static_cast<int>(s.smoothing), page);
  contour_curve_ = Choice(kCurveSmoothing, static_cast<int>(s.contour_curve) - 1, page);
  other_curve_ = Choice(kCurveSmoothing, static_cast<int>(s.other_curve) - 1, page);
  fields->addRow("Decimate Data Skip", decimate_);
  fields->addRow("Grid Line Increment", grid_line_);
  fields->addRow("Grid Trace Increment", grid_trace_);
  fields->addRow("Label Line Increment", label_line_);
  fields->addRow("Label Trace Increment", label_trace_);
  fields->addRow("Data Smoothing", smoothing_);
  fields->addRow("Plot Type", type_);
  fields->addRow("Contour Curve Smooth", contour_curve_);
  fields->addRow("Other Curve Smooth", other_curve_);
  layout->addLayout(fields, 0, 1, row, 1);
  return page;
}

QWidget* HorizonPropertiesDialog::AttributesPage(const HorizonPlotSettings& s) {
  auto* page = new QWidget(this);
  auto* layout = new QGridLayout(page);
  layout->addWidget(new QLabel("Line Attributes", page), 0, 0);
  layout->addWidget(new QLabel("Thickness", page), 0, 1);
  layout->addWidget(new QLabel("Modulo", page), 0, 2);
  layout->addWidget(new QLabel("Label ", page), 0, 3);
  for (int k = 0; k < 3; ++k) {
    layout->addWidget(new QLabel(QString("Contour %1").arg(k + 1), page), k + 1, 0);
    thickness_[k] = Count(s.classes[k].width, page, 20);
    every_[k] = Count(s.classes[k].every, page, 32767);
    label_class_[k] = new QCheckBox(page);
    label_class_[k]->setChecked(s.classes[k].label);
    layout->addWidget(thickness_[k], k + 1, 1);
    layout->addWidget(every_[k], k + 1, 2);
    layout->addWidget(label_class_[k], k + 1, 3);
  }
  const LineStyle* others[3] = {&s.grid_style, &s.arbitrary_style, &s.fault_style};
  const char* names[3] = {"Grid", "Arbitrary", "Fault"};
  for (int k = 0; k < 3; ++k) {
    layout->addWidget(new QLabel(names[k], page), k + 4, 0);
    thickness_[k + 3] = Count(others[k]->width, page, 20);
    layout->addWidget(thickness_[k + 3], k + 4, 1);
  }
  auto* sizes = new QFormLayout;
  label_size_ = Inches(s.label_inches, page);
  well_symbol_ = Inches(s.well_style.symbol_inches, page);
  well_char_ = Inches(s.well_style.character_inches, page);
  sizes->addRow("Label Character Size", label_size_);
  sizes->addRow("Sym Size", well_symbol_);
  sizes->addRow("Char Size", well_char_);
  layout->addLayout(sizes, 7, 0, 1, 4);
  return page;
}

QWidget* HorizonPropertiesDialog::ScalePage(const HorizonPlotSettings& s) {
  auto* page = new QWidget(this);
  auto* layout = new QFormLayout(page);
  scale_ = Count(s.scale_feet_per_inch, page, 10000000);
  layout->addRow("Enter Scale Value   1 in = ", scale_);
  layout->addRow("", new QLabel("ft.", page));
  return page;
}

QWidget* HorizonPropertiesDialog::DxfPage(const HorizonPlotSettings& s) {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  dxf_text_ = new QCheckBox("Plot Text", page);
  dxf_lines_ = new QCheckBox("Plot Lines", page);
  dxf_text_->setChecked(s.culture.plot_text);
  dxf_lines_->setChecked(s.culture.plot_lines);
  layout->addWidget(dxf_text_);
  layout->addWidget(dxf_lines_);
  layout->addStretch();
  return page;
}

QCheckBox* HorizonPropertiesDialog::option(const QString& text) const {
  for (QCheckBox* box : options_)
    if (box->text() == text) return box;
  return nullptr;
}

void HorizonPropertiesDialog::ShowPage(const QString& title) {
  for (int k = 0; k < pages_->count(); ++k)
    if (pages_->tabText(k) == title) pages_->setCurrentIndex(k);
}

void HorizonPropertiesDialog::Store(HorizonPlotSettings& s) const {
  std::size_t k = 0;
  for (const OptionBox& option : kOptionBoxes) s.*option.flag = options_[k++]->isChecked();
  s.well_options.trap = options_[k++]->isChecked();
  s.well_options.use_xy = options_[k++]->isChecked();
  s.decimate = decimate_->value();
  s.grid_line_increment = std::max(1, grid_line_->value());
  s.grid_trace_increment = std::max(1, grid_trace_->value());
  s.label_line_increment = std::max(1, label_line_->value());
  s.label_trace_increment = std::max(1, label_trace_->value());
  s.type = kTypes[type_->currentIndex()];
  s.smoothing = static_cast<DataSmoothing>(smoothing_->currentIndex());
  s.contour_curve = static_cast<CurveSmoothing>(contour_curve_->currentIndex() + 1);
  s.other_curve = static_cast<CurveSmoothing>(other_curve_->currentIndex() + 1);
  for (int c = 0; c < 3; ++c) {
    s.classes[c].every = static_cast<std::int16_t>(every_[c]->value());
    s.classes[c].label = label_class_[c]->isChecked();
    s.classes[c].width = static_cast<std::int16_t>(std::max(1, thickness_[c]->value()));
  }
  LineStyle* others[3] = {&s.grid_style, &s.arbitrary_style, &s.fault_style};
  for (int k = 0; k < 3; ++k) others[k]->width = std::max(1, thickness_[k + 3]->value());
  s.label_inches = label_size_->value();
  s.well_style.symbol_inches = well_symbol_->value();
  s.well_style.character_inches = well_char_->value();
  s.scale_feet_per_inch = scale_->value();
  surface_->Store(s.camera);
  s.culture.plot_text = dxf_text_->isChecked();
  s.culture.plot_lines = dxf_lines_->isChecked();
}

}  // namespace quarrix
