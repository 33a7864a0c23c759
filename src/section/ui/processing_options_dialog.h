#pragma once
// "Processing Options": the switches and values of the trace conditioning
// chain, over a ProcessingForm that keeps steps and attribute apart.
#include <QDialog>
#include <array>

#include "section/processing_options.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;

namespace quarrix {

class Prompter;

class ProcessingOptionsDialog : public QDialog {
 public:
  ProcessingOptionsDialog(ProcessingParams& params, Prompter& prompter, QWidget* parent = nullptr);

  QCheckBox* step_box(ProcessStep step) const { return steps_[static_cast<int>(step)]; }
  QButtonGroup* attributes() const { return attributes_; }
  QLineEdit* phase_edit() const { return phase_; }
  QLineEdit* shift_edit() const { return shift_; }
  QLineEdit* filter_edit(int corner) const { return filter_[corner]; }
  QLineEdit* window_edit() const { return window_; }
  QLineEdit* scale_edit() const { return scale_; }
  void accept() override;

 private:
  QGroupBox* StepsBox();
  QGroupBox* AttributesBox();
  void ShowSwitches();
  void ReadFields();

  ProcessingParams& params_;
  Prompter& prompter_;
  ProcessingForm form_;
  std::array<QCheckBox*, 4> steps_{};
  QButtonGroup* attributes_ = nullptr;
  QLineEdit *phase_ = nullptr, *shift_ = nullptr, *window_ = nullptr, *scale_ = nullptr;
  std::array<QLineEdit*, 4> filter_{};
};

}  // namespace quarrix
