#pragma once
// The map dialogs that every map window shares: "Select Color Scheme", "Map
// Options", "Well Options" with its "Well Sort Parameters", "Select Wells",
// "DXF Options" and "Select DXF Files". Each edits a plain value; the Choose functions run the
// dialog through `run` (tests answer it without a screen) and store the value
// only when the dialog is accepted.
#include <QDialog>
#include <QPushButton>
#include <functional>
#include <string>
#include <vector>

#include "horizon/colour_files.h"
#include "map/map_colour_scheme.h"
#include "map/map_display_options.h"
#include "map/ui/colour_button.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QListWidget;
class QSpinBox;

namespace quarrix {

// Shows a dialog modally; true when it was accepted.
using DialogRunner = std::function<bool(QDialog&)>;
bool ExecDialog(QDialog& dialog);

class ColourSchemeDialog : public QDialog {
  Q_OBJECT
 public:
  ColourSchemeDialog(const ColourSets& sets, bool amplitude, const ColourSchemeChoice& choice,
                     QWidget* parent = nullptr);
  ColourSchemeChoice choice() const;
  QButtonGroup* schemes() const { return schemes_; }
  QCheckBox* replace() const { return replace_; }

 private:
  QButtonGroup* schemes_;
  QCheckBox* replace_;
};

class MapOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  MapOptionsDialog(const MapOptions& options, QWidget* parent = nullptr);
  MapOptions options() const;
  QSpinBox* line_every() const { return line_every_; }
  QDoubleSpinBox* symbol() const { return symbol_; }
  QDoubleSpinBox* text() const { return text_; }

 private:
  QSpinBox *line_every_, *trace_every_;
  QDoubleSpinBox *symbol_, *text_;
};

class WellSortDialog : public QDialog {
  Q_OBJECT
 public:
  WellSortDialog(const WellSort& sort, QWidget* parent = nullptr);
  WellSort sort() const;
  QSpinBox* below() const { return below_; }
  QSpinBox* above() const { return above_; }
  QSpinBox* mark() const { return mark_; }

 private:
  QSpinBox *below_, *above_, *mark_;
};

// "Well Options": the project's wells and groups ("Select All"), and
// "Label", "Title", "Sort" and "Depth". Ticking "Sort" asks for the "Well
// Sort Parameters" through `run`; cancelling them leaves "Sort" off.
class WellOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  WellOptionsDialog(const std::vector<std::string>& names, const WellChoice& choice,
                    DialogRunner run = ExecDialog, QWidget* parent = nullptr);
  WellChoice choice() const;
  QListWidget* list() const { return list_; }
  QPushButton* select_all() const { return select_all_; }
  QCheckBox* option(const QString& text) const;

 private:
  DialogRunner run_;
  WellChoice start_;
  WellSort sort_;
  QListWidget* list_;
  QPushButton* select_all_;
  QCheckBox *label_, *title_, *sort_box_, *depth_;
};

// "Select Wells": the project's well files and well groups, "All Wells",
// "Label Wells" and the symbol size in inches, starting from the window's
// present choice.
class SelectWellsDialog : public QDialog {
  Q_OBJECT
 public:
  SelectWellsDialog(const std::vector<std::string>& names, const std::vector<std::string>& chosen,
                    QWidget* parent = nullptr, bool label = true, double symbol_inches = 0.12);
  std::vector<std::string> chosen() const;
  bool label() const;
  double symbol_inches() const;
  QListWidget* list() const { return list_; }
  QCheckBox* all() const { return all_; }

 private:
  QListWidget* list_;
  QCheckBox *all_, *label_;
  QDoubleSpinBox* size_;
};

class DxfOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  DxfOptionsDialog(const CultureOptions& options, QWidget* parent = nullptr);
  CultureOptions options() const;
  QCheckBox* plot_text() const { return plot_text_; }
  QCheckBox* plot_lines() const { return plot_lines_; }
  QComboBox* line_style() const { return style_; }
  ColourButton* text_colour() const { return text_colour_; }
  ColourButton* line_colour() const { return line_colour_; }
  QDoubleSpinBox* text_scale() const { return scale_; }
  QSpinBox* width() const { return width_; }
  QDoubleSpinBox* margin() const { return margin_; }

 private:
  QCheckBox *plot_text_, *plot_lines_;
  ColourButton *text_colour_, *line_colour_;
  QDoubleSpinBox *scale_, *margin_;
  QComboBox* style_;
  QSpinBox* width_;
};

// "Select DXF Files": the project's DXF files, several at a time, and others
// added with "Browse".
class DxfFilesDialog : public QDialog {
  Q_OBJECT
 public:
  DxfFilesDialog(const std::string& folder, const std::vector<std::string>& chosen,
                 QWidget* parent = nullptr);
  // Full paths of the selected files, at most kMaxDxfFiles.
  std::vector<std::string> chosen() const;
  QListWidget* list() const { return list_; }

 private:
  void Add(const QString& path, bool selected);
  QListWidget* list_;
};

bool ChooseColourScheme(QWidget* parent, const ColourSets& sets, bool amplitude,
                        ColourSchemeChoice& choice, const DialogRunner& run = ExecDialog);
bool ChooseMapOptions(QWidget* parent, MapOptions& options, const DialogRunner& run = ExecDialog);
bool ChooseWellOptions(QWidget* parent, const std::vector<std::string>& names, WellChoice& choice,
                       const DialogRunner& run = ExecDialog);
bool ChooseWellSort(QWidget* parent, WellSort& sort, const DialogRunner& run = ExecDialog);
bool ChooseDxfOptions(QWidget* parent, CultureOptions& options,
                      const DialogRunner& run = ExecDialog);
bool SelectDxfFiles(QWidget* parent, const std::string& folder, std::vector<std::string>& paths,
                    const DialogRunner& run = ExecDialog);

}  // namespace quarrix
