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

#include "map/contour_painter.h"
#include "map/ui/colour_button.h"
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
// Pen styles in the order of PenStyle.
const QStringList kPenStyles = {"Solid", "Dash", "Dot", "Dash Dot", "Dash Dot Dot"};

std::uint32_t ColourValue(Rgb c) {
  return static_cast<std::uint32_t>(c.r | c.g << 8 | c.b << 16);
}

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
  int column = 0;
  for (const char* title : {"Line Attributes", "Style", "Color", "Thickness", "Modulo", "Label "})
    layout->addWidget(new QLabel(title, page), 0, column++);
  // Rows 0..2 the contour classes, 3..5 grid, arbitrary and fault lines.
  const LineStyle* others[3] = {&s.grid_style, &s.arbitrary_style, &s.fault_style};
  const char* names[6] = {"Contour 1", "Contour 2", "Contour 3", "Grid", "Arbitrary", "Fault"};
  for (int k = 0; k < 6; ++k) {
    const bool contour = k < 3;
    const int style = contour ? s.classes[k].style : static_cast<int>(others[k - 3]->style);
    const Rgb colour = contour ? ClassColour(s.classes[k].colour) : others[k - 3]->colour;
    const int width = contour ? s.classes[k].width : others[k - 3]->width;
    layout->addWidget(new QLabel(names[k], page), k + 1, 0);
    line_style_[k] = Choice(kPenStyles, style, page);
    line_colour_[k] = new ColourButton(colour, page);
    thickness_[k] = Count(width, page, 20);
    layout->addWidget(line_style_[k], k + 1, 1);
    layout->addWidget(line_colour_[k], k + 1, 2);
    layout->addWidget(thickness_[k], k + 1, 3);
    if (!contour) continue;
    every_[k] = Count(s.classes[k].every, page, 32767);
    label_class_[k] = new QCheckBox(page);
    label_class_[k]->setChecked(s.classes[k].label);
    layout->addWidget(every_[k], k + 1, 4);
    layout->addWidget(label_class_[k], k + 1, 5);
  }
  auto* sizes = new QFormLayout;
  label_size_ = Inches(s.label_inches, page);
  sizes->addRow("Label Character Size", label_size_);
  layout->addLayout(sizes, 7, 0, 1, 6);
  // "Well Attributes": the symbol with its colour and background, the label
  // with its colour and background.
  auto* wells = new QGridLayout;
  wells->addWidget(new QLabel("Well Attributes", page), 0, 0);
  well_symbol_ = Inches(s.well_style.symbol_inches, page);
  well_char_ = Inches(s.well_style.character_inches, page);
  well_colour_[0] = new ColourButton(s.well_style.symbol_colour, page);
  well_colour_[1] = new ColourButton(s.well_style.label_colour, page);
  erase_[0] = new QCheckBox("Erase Background", page);
  erase_[1] = new QCheckBox("Erase Background", page);
  erase_[0]->setChecked(s.well_style.erase_symbol_background);
  erase_[1]->setChecked(s.well_style.erase_label_background);
  wells->addWidget(new QLabel("Sym Size", page), 1, 0);
  wells->addWidget(well_symbol_, 1, 1);
  wells->addWidget(well_colour_[0], 1, 2);
  wells->addWidget(erase_[0], 1, 3);
  wells->addWidget(new QLabel("Char Size", page), 2, 0);
  wells->addWidget(well_char_, 2, 1);
  wells->addWidget(well_colour_[1], 2, 2);
  wells->addWidget(erase_[1], 2, 3);
  layout->addLayout(wells, 8, 0, 1, 6);
  return page;
}

QWidget* HorizonPropertiesDialog::ScalePage(const HorizonPlotSettings& s) {
  auto* page = new QWidget(this);
  auto* layout = new QFormLayout(page);
  scale_ = Count(s.scale_feet_per_inch, page, 10000000);
  layout->addRow("Enter Scale Value   1 in = ", scale_);
  layout->addRow("", new QLabel("ft.", page));
  gain_ = Count(std::clamp(s.colour_gain, 1, 15), page, 15);
  gain_->setMinimum(1);
  layout->addRow("Color Gain 1-15", gain_);
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
  // "Line Options": the pen of lines without a width of their own, and the
  // text colour and size.
  auto* options = new QFormLayout;
  dxf_style_ = Choice(kPenStyles, static_cast<int>(s.culture.line.style), page);
  dxf_width_ = Count(s.culture.line.width, page, 20);
  dxf_line_colour_ = new ColourButton(s.culture.line.colour, page);
  dxf_text_colour_ = new ColourButton(s.culture.text_colour, page);
  dxf_text_size_ = new QDoubleSpinBox(page);
  dxf_text_size_->setRange(0.1, 10);
  dxf_text_size_->setSingleStep(0.1);
  dxf_text_size_->setValue(std::clamp(s.culture.text_scale, 0.1, 10.0));
  options->addRow(new QLabel("Line Options", page));
  options->addRow("Line Style", dxf_style_);
  options->addRow("Line Width", dxf_width_);
  options->addRow("Line Color", dxf_line_colour_);
  options->addRow("Text Color", dxf_text_colour_);
  options->addRow("Text Size", dxf_text_size_);
  layout->addLayout(options);
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
    s.classes[c].style = static_cast<std::int16_t>(line_style_[c]->currentIndex());
    s.classes[c].colour = ColourValue(line_colour_[c]->colour());
  }
  LineStyle* others[3] = {&s.grid_style, &s.arbitrary_style, &s.fault_style};
  for (int k = 0; k < 3; ++k)
    *others[k] = {static_cast<PenStyle>(line_style_[k + 3]->currentIndex()),
                  std::max(1, thickness_[k + 3]->value()), line_colour_[k + 3]->colour()};
  s.label_inches = label_size_->value();
  s.well_style.symbol_inches = well_symbol_->value();
  s.well_style.character_inches = well_char_->value();
  s.well_style.symbol_colour = well_colour_[0]->colour();
  s.well_style.label_colour = well_colour_[1]->colour();
  s.well_style.erase_symbol_background = erase_[0]->isChecked();
  s.well_style.erase_label_background = erase_[1]->isChecked();
  s.scale_feet_per_inch = scale_->value();
  s.colour_gain = gain_->value();
  surface_->Store(s.camera);
  s.culture.plot_text = dxf_text_->isChecked();
  s.culture.plot_lines = dxf_lines_->isChecked();
  s.culture.line = {static_cast<PenStyle>(dxf_style_->currentIndex()),
                    std::max(1, dxf_width_->value()), dxf_line_colour_->colour()};
  s.culture.text_colour = dxf_text_colour_->colour();
  s.culture.text_scale = dxf_text_size_->value();
}

}  // namespace quarrix
