#pragma once
// The trace plot's own dialogs: "Setup", "Set Line", "Select Arbitrary Lines",
// "Horizon Plot", "Annotate Plots", "Color Overlay Options" and "Plotter".
// Each shows a copy of the values and hands them back on OK.
#include <QDialog>
#include <string>
#include <vector>

#include "section/trace_plot.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace quarrix {

class SetupDialog : public QDialog {
  Q_OBJECT
 public:
  SetupDialog(const TracePlotSetup& setup, QWidget* parent = nullptr);
  TracePlotSetup values() const;

 private:
  TracePlotSetup setup_;
  QLineEdit *start_, *end_, *tpi_, *ips_, *label_inc_, *gain_, *colour_gain_, *timing_, *symsize_,
      *fault_width_;
  QButtonGroup *direction_, *polarity_;
  QCheckBox *title_, *smooth_;
};

class SetLineDialog : public QDialog {
  Q_OBJECT
 public:
  SetLineDialog(const SurveyHeader& header, const TracePlotLines& lines, int ln_inc, int tr_inc,
                QWidget* parent = nullptr);
  TracePlotLines lines() const;
  int ln_inc() const;
  int tr_inc() const;
  void FillDefault();

 private:
  const SurveyHeader& header_;
  QButtonGroup* kind_;
  QLineEdit *start_line_, *end_line_, *line_inc_, *start_trace_, *end_trace_, *trace_inc_;
  std::string arb_path_;
};

// "Select Arbitrary Lines": one of the project's ".arb" files.
class ArbitraryLineDialog : public QDialog {
  Q_OBJECT
 public:
  ArbitraryLineDialog(const std::vector<std::string>& names, QWidget* parent = nullptr);
  QListWidget* list() const { return list_; }
  std::string chosen() const;

 private:
  QListWidget* list_;
};

// "Horizon Plot": horizons with their line width, wells, faults and the
// flattening datum, chosen among the project folder's files.
struct HorizonPlotChoice {
  std::vector<std::string> horizons, wells, faults;  // file names in the project folder
  std::string datum;                                 // "" for none
  int line_width = 1;
};

class HorizonPlotDialog : public QDialog {
  Q_OBJECT
 public:
  HorizonPlotDialog(const std::string& project_dir, const HorizonPlotChoice& choice,
                    QWidget* parent = nullptr);
  HorizonPlotChoice choice() const;
  QListWidget* horizons() const { return horizons_; }
  QListWidget* wells() const { return wells_; }
  QListWidget* faults() const { return faults_; }
  QComboBox* datum() const { return datum_; }

 private:
  QListWidget *horizons_, *wells_, *faults_;
  QComboBox* datum_;
  QSpinBox* line_width_;
};

// "Annotate Plots": the two comment lines (at most 39 characters each).
class AnnotateDialog : public QDialog {
  Q_OBJECT
 public:
  AnnotateDialog(const std::string& comment1, const std::string& comment2,
                 QWidget* parent = nullptr);
  std::string comment1() const;
  std::string comment2() const;

 private:
  QLineEdit *comment1_, *comment2_;
};

// "Color Overlay Options": the wiggles drawn over a colour section.
class OverlayOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  OverlayOptionsDialog(const SectionDisplay& display, QWidget* parent = nullptr);
  void Store(SectionDisplay& display) const;

 private:
  QCheckBox *stick_, *trace_;
  QComboBox* colour_;
  QSpinBox *well_width_, *trace_inc_, *trace_width_, *label_width_;
};

// "Plotter": the plotter, paper, port and resolution settings.
struct PlotterSettings {
  int plotter = 0, paper = 0, dpi = 300;
  std::string port = "LPT1";
};

class PlotterDialog : public QDialog {
  Q_OBJECT
 public:
  PlotterDialog(const PlotterSettings& settings, QWidget* parent = nullptr);
  PlotterSettings values() const;

 private:
  QComboBox *plotter_, *paper_, *port_;
  QSpinBox* dpi_;
};

}  // namespace quarrix
