#pragma once
// The horizon plot window's dialogs: "Sel Horizon Files", "Select Files",
// "Scale", "Set  Zoom Parameters", the "Horizon Properties" sheet and the
// "Surface" viewpoint. Each takes the values it edits and gives them back;
// the window applies them.
#include <QDialog>
#include <string>
#include <vector>

#include "map/horizon_plot.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QListWidget;
class QSpinBox;
class QTabWidget;

namespace quarrix {

class ColourButton;

// "Sel Horizon Files": the project's time-type grids filtered by kind, and the
// horizons whose amplitude grid can be plotted ("Horizon Amps").
class SelectHorizonDialog : public QDialog {
  Q_OBJECT
 public:
  explicit SelectHorizonDialog(const std::string& project_dir, QWidget* parent = nullptr);
  // The chosen file name ("" when none) and whether it is an amplitude plot.
  std::string chosen() const;
  bool amplitude() const;
  QListWidget* times() const { return times_; }
  QListWidget* amplitudes() const { return amplitudes_; }
  QCheckBox* kind(int k) const { return kinds_[k]; }

 private:
  void FillTimes();
  std::string project_dir_;
  QCheckBox* kinds_[7];
  QListWidget *times_, *amplitudes_;
};

// "Select Files": wells and well groups, fault grids and arbitrary lines.
struct OverlayChoice {
  std::vector<std::string> wells, faults, arbitrary_lines;  // file names in the project
  WellPostingOptions well_options;
  bool label_faults = false, label_arbitrary_lines = false;
};

class SelectFilesDialog : public QDialog {
  Q_OBJECT
 public:
  SelectFilesDialog(const std::string& project_dir, const OverlayChoice& choice,
                    QWidget* parent = nullptr);
  OverlayChoice choice() const;
  QListWidget* wells() const { return wells_; }
  QListWidget* faults() const { return faults_; }
  QListWidget* arbitrary_lines() const { return arbs_; }
  QCheckBox* well_box(const QString& text) const;
  QSpinBox* deeper_than() const { return deeper_; }
  QSpinBox* shallower_than() const { return shallower_; }
  QCheckBox* label_faults() const { return label_faults_; }

 private:
  QListWidget *wells_, *faults_, *arbs_;
  QCheckBox *label_, *title_, *depth_, *map_value_, *sort_, *label_faults_, *label_arbs_;
  QSpinBox *deeper_, *shallower_;
};

// "Scale": feet per inch (0 fits the window).
class ScaleDialog : public QDialog {
  Q_OBJECT
 public:
  ScaleDialog(int feet_per_inch, int colour_gain, QWidget* parent = nullptr);
  int feet_per_inch() const;
  int colour_gain() const;
  QSpinBox* scale() const { return scale_; }
  QSpinBox* gain() const { return gain_; }

 private:
  QSpinBox *scale_, *gain_;
};

// "Set  Zoom Parameters": start and end line and trace; "Default" restores
// the whole survey.
class ZoomDialog : public QDialog {
  Q_OBJECT
 public:
  ZoomDialog(const SurveyHeader& header, const MapZoom& zoom, QWidget* parent = nullptr);
  // Line and trace numbers: first line, last line, first trace, last trace.
  std::array<int, 4> numbers() const;
  QSpinBox* field(int k) const { return fields_[k]; }

 private:
  QSpinBox* fields_[4];
};

// The camera and drawing modes of the 3-D view, a page of "Horizon
// Properties" and the "Surface" dialog.
class SurfacePage : public QWidget {
  Q_OBJECT
 public:
  SurfacePage(const SurfaceCamera& camera, QWidget* parent = nullptr);
  void Store(SurfaceCamera& camera) const;
  QDoubleSpinBox* azimuth() const { return azimuth_; }

 private:
  QDoubleSpinBox *distance_, *azimuth_, *elevation_, *z_scale_;
  QCheckBox *solid_, *fishnet_, *colour_fishnet_;
};

class SurfaceDialog : public QDialog {
  Q_OBJECT
 public:
  SurfaceDialog(const SurfaceCamera& camera, QWidget* parent = nullptr);
  SurfacePage* page() const { return page_; }

 private:
  SurfacePage* page_;
};

// "Horizon Properties": the "Options", "Attributes", "Scale", "Surface" and
// "DXF" pages over the plot settings.
class HorizonPropertiesDialog : public QDialog {
  Q_OBJECT
 public:
  HorizonPropertiesDialog(const HorizonPlotSettings& settings, QWidget* parent = nullptr);
  void Store(HorizonPlotSettings& settings) const;
  // Shows the page of that title ("Options", "DXF", ...).
  void ShowPage(const QString& title);
  QTabWidget* pages() const { return pages_; }
  QCheckBox* option(const QString& text) const;
  QComboBox* plot_type() const { return type_; }
  QComboBox* data_smoothing() const { return smoothing_; }
  QSpinBox* contour_every(int k) const { return every_[k]; }
  QSpinBox* thickness(int row) const { return thickness_[row]; }
  // Rows 0..2 the contour classes, 3..5 the grid, arbitrary and fault lines.
  QComboBox* line_style(int row) const { return line_style_[row]; }
  ColourButton* line_colour(int row) const { return line_colour_[row]; }
  // 0 the well symbol, 1 the well label.
  ColourButton* well_colour(int k) const { return well_colour_[k]; }
  QCheckBox* erase_background(int k) const { return erase_[k]; }
  QComboBox* dxf_line_style() const { return dxf_style_; }
  QSpinBox* dxf_line_width() const { return dxf_width_; }
  ColourButton* dxf_line_colour() const { return dxf_line_colour_; }
  ColourButton* dxf_text_colour() const { return dxf_text_colour_; }

 private:
  QWidget* OptionsPage(const HorizonPlotSettings& s);
  QWidget* AttributesPage(const HorizonPlotSettings& s);
  QWidget* ScalePage(const HorizonPlotSettings& s);
  QWidget* DxfPage(const HorizonPlotSettings& s);

  QTabWidget* pages_;
  std::vector<QCheckBox*> options_;
  QComboBox *type_, *smoothing_, *contour_curve_, *other_curve_;
  QSpinBox *decimate_, *grid_line_, *grid_trace_, *label_line_, *label_trace_, *scale_, *gain_;
  QSpinBox* every_[3];
  QSpinBox* thickness_[6];  // the three contour classes, then grid, arbitrary, fault
  QCheckBox* label_class_[3];
  QComboBox* line_style_[6];
  ColourButton* line_colour_[6];
  QDoubleSpinBox *label_size_, *well_symbol_, *well_char_;
  ColourButton* well_colour_[2];
  QCheckBox* erase_[2];
  QCheckBox *dxf_text_, *dxf_lines_;
  QComboBox* dxf_style_;
  QSpinBox* dxf_width_;
  ColourButton *dxf_line_colour_, *dxf_text_colour_;
  QDoubleSpinBox* dxf_text_size_;
  SurfacePage* surface_;
};

}  // namespace quarrix
