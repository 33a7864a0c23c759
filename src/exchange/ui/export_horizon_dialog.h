#pragma once
// "Export Horizon": the horizon, the output file, the line/trace window, the
// null value and the layout of each output line. Choosing a format fills in
// that vendor's layout (VendorExportOptions); every field stays editable.
#include <QDialog>
#include <array>
#include <string>

#include "exchange/ascii_export.h"

class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace quarrix {

class Prompter;
struct ProjectState;

class ExportHorizonDialog : public QDialog {
  Q_OBJECT
 public:
  ExportHorizonDialog(const ProjectState& project, Prompter& prompter, QWidget* parent = nullptr);

  // The format's layout shown in the dialog.
  void ChooseFormat(ExportVendor vendor);
  HorizonExportOptions options() const;
  std::string horizon_path() const;
  std::string output_path() const;

  QComboBox* format() const { return format_; }
  QLineEdit* horizon_name() const { return horizon_; }
  QLineEdit* output_file() const { return output_; }

 private:
  struct FieldRow {
    QComboBox* kind;
    QSpinBox *start, *end;
  };
  QWidget* BuildFiles(Prompter& prompter);
  QWidget* BuildParameters();
  QWidget* BuildCustomOptions();
  void ShowOptions(const HorizonExportOptions& options);

  const ProjectState& project_;
  QComboBox* format_;
  QLineEdit *horizon_, *output_;
  std::array<QSpinBox*, 6> window_{};  // start, end, inc. of lines, then of traces
  QRadioButton *null_32700_, *null_1e37_, *null_value_, *null_skip_;
  QLineEdit* null_text_;
  std::array<QRadioButton*, 4> layout_{};  // comma, space, tab, column data
  std::array<FieldRow, 6> fields_{};
};

}  // namespace quarrix
