#include "section/ui/trace_plot_dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "section/ui/run_centred.h"

namespace quarrix {
namespace {

QLineEdit* AddField(QFormLayout* form, const QString& label, const QString& text) {
  auto* edit = new QLineEdit(text);
  edit->setObjectName(label);
  form->addRow(label, edit);
  return edit;
}

void AddOkCancel(QDialog* dialog, QBoxLayout* layout) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  layout->addWidget(buttons);
}

// A pair of radio buttons; the first is id 1, the second id 0.
QButtonGroup* RadioPair(QWidget* parent, QBoxLayout* layout, const QString& title,
                        const QString& first, const QString& second, bool first_on) {
  auto* box = new QGroupBox(title, parent);
  auto* row = new QHBoxLayout(box);
  auto* group = new QButtonGroup(parent);
  auto* a = new QRadioButton(first, box);
  auto* b = new QRadioButton(second, box);
  group->addButton(a, 1);
  group->addButton(b, 0);
  row->addWidget(a);
  row->addWidget(b);
  (first_on ? a : b)->setChecked(true);
  layout->addWidget(box);
  return group;
}

int WholeOf(const QLineEdit* edit, int fallback) {
  bool ok = false;
  const int value = edit->text().trimmed().toInt(&ok);
  return ok ? value : fallback;
}

double DecimalOf(const QLineEdit* edit, double fallback) {
  bool ok = false;
  const double value = edit->text().trimmed().toDouble(&ok);
  return ok ? value : fallback;
}

// Unsigned fields: text that is not a number, or is negative, keeps the old value.
int UnsignedOf(const QLineEdit* edit, int fallback) {
  const int value = WholeOf(edit, fallback);
  return value < 0 ? fallback : value;
}

QListWidget* FileList(const std::vector<std::string>& names,
                      const std::vector<std::string>& selected,
                      QAbstractItemView::SelectionMode mode) {
  auto* list = new QListWidget;
  list->setSelectionMode(mode);
  for (const std::string& name : names) {
    auto* item = new QListWidgetItem(QString::fromStdString(name), list);
    item->setSelected(std::find(selected.begin(), selected.end(), name) != selected.end());
  }
  return list;
}

std::vector<std::string> SelectedNames(const QListWidget* list) {
  std::vector<std::string> names;
  for (int i = 0; i < list->count(); ++i)
    if (list->item(i)->isSelected()) names.push_back(list->item(i)->text().toStdString());
  return names;
}

}  // namespace

SetupDialog::SetupDialog(const TracePlotSetup& setup, QWidget* parent)
    : QDialog(parent), setup_(setup) {
  setWindowTitle("Setup");
  setProperty(kHelpPageProperty, "trace_plot_setup.html");
  const SectionDisplay& d = setup.display;
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  layout->addLayout(form);
  start_ = AddField(form, "Start Time", QString::number(setup.start_ms));
  end_ = AddField(form, "End Time", QString::number(setup.end_ms));
  tpi_ = AddField(form, "Traces per Inch", QString::asprintf("%2.1f", d.tpi));
  ips_ = AddField(form, "Inches per Second", QString::asprintf("%2.1f", d.ips));
  label_inc_ = AddField(form, "Trace Label Increment", QString::number(d.lbl_inc));
  gain_ = AddField(form, "Plot Gain", QString::number(d.gain));
  colour_gain_ = AddField(form, "Color Trace Gain 1-15", QString::number(d.colour_gain));
  timing_ = AddField(form, "Timing Line Interval",
                     QString::number(d.timing_interval_ms == 0 ? 100 : d.timing_interval_ms));
  symsize_ = AddField(form, "Well Symbol Size", QString::asprintf("%1.3f", d.symsize));
  fault_width_ = AddField(form, "Fault Line Width", QString::number(setup.fault_line_width));
  direction_ = RadioPair(this, layout, "Plot Direction", "L to R", "R to L", d.left_to_right);
  polarity_ = RadioPair(this, layout, "Polarity", "Norm", "Reverse", d.polarity >= 0);
  title_ = new QCheckBox("Print Title", this);
  title_->setObjectName("Print Title");
  title_->setChecked(d.title_scale > 0.5);
  smooth_ = new QCheckBox("Smooth Colors", this);
  smooth_->setChecked(d.smooth_colours);
  layout->addWidget(title_);
  layout->addWidget(smooth_);
  AddOkCancel(this, layout);
}

TracePlotSetup SetupDialog::values() const {
  TracePlotSetup s = setup_;
  SectionDisplay& d = s.display;
  s.start_ms = WholeOf(start_, s.start_ms);
  s.end_ms = WholeOf(end_, s.end_ms);
  // Scales of 0 would divide by zero when drawing: they keep the old value.
  const double tpi = DecimalOf(tpi_, d.tpi), ips = DecimalOf(ips_, d.ips);
  if (tpi > 0) d.tpi = tpi;
  if (ips > 0) d.ips = ips;
  d.lbl_inc = std::max(1, WholeOf(label_inc_, d.lbl_inc));
  d.gain = WholeOf(gain_, d.gain);
  d.colour_gain = std::min(15, WholeOf(colour_gain_, d.colour_gain));
  d.timing_interval_ms = std::max(1, WholeOf(timing_, d.timing_interval_ms));
  d.symsize = DecimalOf(symsize_, d.symsize);
  s.fault_line_width = UnsignedOf(fault_width_, s.fault_line_width);
  d.left_to_right = direction_->checkedId() == 1;
  d.polarity = polarity_->checkedId() == 1 ? 1 : -1;
  d.title_scale = title_->isChecked() ? 1.0 : 0.4;
  d.smooth_colours = smooth_->isChecked();
  return s;
}

SetLineDialog::SetLineDialog(const SurveyHeader& header, const TracePlotLines& lines, int ln_inc,
                             int tr_inc, QWidget* parent)
    : QDialog(parent), header_(header), arb_path_(lines.arb_path) {
  setWindowTitle("Set Line");
  setProperty(kHelpPageProperty, "set_line.html");
  auto* layout = new QVBoxLayout(this);
  auto* box = new QGroupBox(this);
  auto* column = new QVBoxLayout(box);
  kind_ = new QButtonGroup(this);
  const char* texts[] = {"Plot in-Lines", "Plot x-Lines", "Plot Arbitrary Lines"};
  for (int k = 0; k < 3; ++k) {
    auto* radio = new QRadioButton(texts[k], box);
    kind_->addButton(radio, k);
    column->addWidget(radio);
  }
  kind_->button(static_cast<int>(lines.kind))->setChecked(true);
  layout->addWidget(box);
  auto* form = new QFormLayout;
  layout->addLayout(form);
  auto number = [](int value, int fallback) {
    return QString::number(value > 0 ? value : fallback);
  };
  start_line_ = AddField(form, "Start Line", number(lines.start_line, header.first_line));
  end_line_ = AddField(form, "End Line", number(lines.end_line, header.last_line));
  line_inc_ = AddField(form, "Line Inc.", QString::number(ln_inc));
  start_trace_ = AddField(form, "Start Trace", number(lines.start_trace, header.first_trace));
  end_trace_ = AddField(form, "End Trace", number(lines.end_trace, header.last_trace));
  trace_inc_ = AddField(form, "Trace inc.", QString::number(tr_inc));
  auto* defaults = new QPushButton("Default", this);
  connect(defaults, &QPushButton::clicked, this, &SetLineDialog::FillDefault);
  layout->addWidget(defaults);
  AddOkCancel(this, layout);
}

void SetLineDialog::FillDefault() {
  start_line_->setText(QString::number(header_.first_line));
  end_line_->setText(QString::number(header_.last_line));
  start_trace_->setText(QString::number(header_.first_trace));
  end_trace_->setText(QString::number(header_.last_trace));
}

TracePlotLines SetLineDialog::lines() const {
  TracePlotLines lines;
  lines.kind = static_cast<SectionKind>(std::max(0, kind_->checkedId()));
  lines.start_line = UnsignedOf(start_line_, header_.first_line);
  lines.end_line = UnsignedOf(end_line_, header_.last_line);
  lines.start_trace = UnsignedOf(start_trace_, header_.first_trace);
  lines.end_trace = UnsignedOf(end_trace_, header_.last_trace);
  lines.arb_path = arb_path_;
  return lines;
}

int SetLineDialog::ln_inc() const {
  return std::max(1, WholeOf(line_inc_, 1));
}

int SetLineDialog::tr_inc() const {
  return std::max(1, WholeOf(trace_inc_, 1));
}

ArbitraryLineDialog::ArbitraryLineDialog(const std::vector<std::string>& names, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle("Select Arbitrary Lines");
  setProperty(kHelpPageProperty, "set_line.html");
  auto* layout = new QVBoxLayout(this);
  list_ = FileList(names, {}, QAbstractItemView::SingleSelection);
  if (list_->count() > 0) list_->setCurrentRow(0);
  layout->addWidget(list_);
  AddOkCancel(this, layout);
}

std::string ArbitraryLineDialog::chosen() const {
  QListWidgetItem* item = list_->currentItem();
  return item ? item->text().toStdString() : std::string();
}

HorizonPlotDialog::HorizonPlotDialog(const std::string& project_dir,
                                     const HorizonPlotChoice& choice, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle("Horizon Plot");
  setProperty(kHelpPageProperty, "horizon_plot.html");
  auto* layout = new QVBoxLayout(this);
  auto* lists = new QHBoxLayout;
  layout->addLayout(lists);
  auto add_list = [&](const QString& title, QListWidget* list, const QStringList& buttons) {
    auto* box = new QGroupBox(title, this);
    auto* column = new QVBoxLayout(box);
    list->setObjectName(title);
    column->addWidget(list);
    for (const QString& text : buttons) {
      auto* button = new QPushButton(text, box);
      if (text == "Select All")
        connect(button, &QPushButton::clicked, list, &QListWidget::selectAll);
      if (text == "Sort")
        connect(button, &QPushButton::clicked, list, [list] { list->sortItems(); });
      column->addWidget(button);
    }
    lists->addWidget(box);
  };
  const auto horizons = ProjectFiles(project_dir, "hor");
  horizons_ = FileList(horizons, choice.horizons, QAbstractItemView::MultiSelection);
  wells_ =
      FileList(ProjectFiles(project_dir, "wll"), choice.wells, QAbstractItemView::MultiSelection);
  faults_ =
      FileList(ProjectFiles(project_dir, "ffl"), choice.faults, QAbstractItemView::MultiSelection);
  add_list("Horizons", horizons_, {});
  add_list("Wells", wells_, {"Sort", "Select All"});
  add_list("Faults", faults_, {"Select All"});
  auto* form = new QFormLayout;
  layout->addLayout(form);
  line_width_ = new QSpinBox(this);
  line_width_->setRange(1, 20);
  line_width_->setValue(std::max(1, choice.line_width));
  form->addRow("Line Width", line_width_);
  datum_ = new QComboBox(this);
  datum_->addItem("(none)");
  for (const std::string& name : horizons) datum_->addItem(QString::fromStdString(name));
  if (!choice.datum.empty()) datum_->setCurrentText(QString::fromStdString(choice.datum));
  form->addRow("Flatten Horz", datum_);
  AddOkCancel(this, layout);
}

HorizonPlotChoice HorizonPlotDialog::choice() const {
  HorizonPlotChoice choice;
  choice.horizons = SelectedNames(horizons_);
  choice.wells = SelectedNames(wells_);
  choice.faults = SelectedNames(faults_);
  choice.line_width = line_width_->value();
  if (datum_->currentIndex() > 0) choice.datum = datum_->currentText().toStdString();
  return choice;
}

AnnotateDialog::AnnotateDialog(const std::string& comment1, const std::string& comment2,
                               QWidget* parent)
    : QDialog(parent) {
  setWindowTitle("Annotate Plots");
  setProperty(kHelpPageProperty, "annotate_plots.html");
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  layout->addLayout(form);
  comment1_ = AddField(form, "Comment1", QString::fromStdString(comment1));
  comment2_ = AddField(form, "Comment2", QString::fromStdString(comment2));
  comment1_->setMaxLength(39);
  comment2_->setMaxLength(39);
  AddOkCancel(this, layout);
}

std::string AnnotateDialog::comment1() const {
  return comment1_->text().toStdString().substr(0, 39);
}

std::string AnnotateDialog::comment2() const {
  return comment2_->text().toStdString().substr(0, 39);
}

OverlayOptionsDialog::OverlayOptionsDialog(const SectionDisplay& d, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle("Color Overlay Options");
  setProperty(kHelpPageProperty, "color_overlay_options.html");
  auto* layout = new QVBoxLayout(this);
  auto spin = [this](int low, int high, int value) {
    auto* box = new QSpinBox(this);
    box->setRange(low, high);
    box->setValue(value);
    return box;
  };
  auto* well = new QGroupBox("Well Overlay", this);
  auto* well_form = new QFormLayout(well);
  stick_ = new QCheckBox("Plot Stick", well);
  stick_->setChecked(d.ovwellstick);
  trace_ = new QCheckBox("Plot Trace", well);
  trace_->setChecked(d.ovwelltrace);
  colour_ = new QComboBox(well);
  colour_->addItems({"Black", "Red", "Green", "Blue", "Yellow", "Magenta", "Cyan"});
  colour_->setCurrentIndex(std::clamp(d.ovwellcolor, 1, 7) - 1);
  well_width_ = spin(0, 20, d.ovwellwidth);
  well_form->addRow(stick_);
  well_form->addRow(trace_);
  well_form->addRow("Line Color", colour_);
  well_form->addRow("Line Width", well_width_);
  auto* trace = new QGroupBox("Trace Overlay", this);
  auto* trace_form = new QFormLayout(trace);
  trace_inc_ = spin(1, 1000, d.ovtrinc);
  trace_width_ = spin(0, 20, d.ovtrwidth);
  trace_form->addRow("Increment", trace_inc_);
  trace_form->addRow("Line Width", trace_width_);
  auto* label = new QGroupBox("Label Overlay", this);
  auto* label_form = new QFormLayout(label);
  label_width_ = spin(0, 20, d.ovlabwidth);
  label_form->addRow("Line Width", label_width_);
  layout->addWidget(well);
  layout->addWidget(trace);
  layout->addWidget(label);
  AddOkCancel(this, layout);
}

void OverlayOptionsDialog::Store(SectionDisplay& d) const {
  d.ovwellstick = stick_->isChecked();
  d.ovwelltrace = trace_->isChecked();
  d.ovwellcolor = colour_->currentIndex() + 1;
  d.ovwellwidth = well_width_->value();
  d.ovtrinc = trace_inc_->value();
  d.ovtrwidth = trace_width_->value();
  d.ovlabwidth = label_width_->value();
}

PlotterDialog::PlotterDialog(const PlotterSettings& settings, QWidget* parent) : QDialog(parent) {
  setWindowTitle("Plotter");
  setProperty(kHelpPageProperty, "plotter.html");
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  layout->addLayout(form);
  plotter_ = new QComboBox(this);
  plotter_->addItems({"System printer", "Raster plotter"});
  plotter_->setCurrentIndex(std::clamp(settings.plotter, 0, 1));
  paper_ = new QComboBox(this);
  paper_->addItems({"Fan-fold", "Roll", "Sheet"});
  paper_->setCurrentIndex(std::clamp(settings.paper, 0, 2));
  port_ = new QComboBox(this);
  port_->addItems({"LPT1", "LPT2", "LPT3", "FILE"});
  port_->setCurrentText(QString::fromStdString(settings.port));
  dpi_ = new QSpinBox(this);
  dpi_->setRange(50, 2400);
  dpi_->setValue(settings.dpi);
  form->addRow("Plotter", plotter_);
  form->addRow("Paper", paper_);
  form->addRow("Port", port_);
  form->addRow("Dots per Inch", dpi_);
  AddOkCancel(this, layout);
}

PlotterSettings PlotterDialog::values() const {
  return {plotter_->currentIndex(), paper_->currentIndex(), dpi_->value(),
          port_->currentText().toStdString()};
}

}  // namespace quarrix
