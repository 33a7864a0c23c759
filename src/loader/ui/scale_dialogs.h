#pragma once
// "Scale Parameters" (the time window of a load and whether to scale) and
// "Set Scale Value" (the value that maps to 32767, after the traces are read).
#include <QDialog>

#include "loader/load_decisions.h"
#include "loader/load_geometry.h"

class QCheckBox;
class QLineEdit;

namespace quarrix {

class Prompter;

class ScaleParametersDialog : public QDialog {
  Q_OBJECT
 public:
  // Opens with start 0 and the end of the whole input trace (end_ms).
  ScaleParametersDialog(int end_ms, bool no_scaling, Prompter& prompter, QWidget* parent = nullptr);
  // The window typed ("Default" or an empty end means the whole trace).
  const LoadWindow& window() const { return window_; }
  QLineEdit* start_field() const { return start_; }
  QLineEdit* end_field() const { return end_; }
  QCheckBox* no_scaling_box() const { return no_scaling_; }
  void accept() override;

 private:
  Prompter& prompter_;
  QLineEdit* start_;
  QLineEdit* end_;
  QCheckBox* no_scaling_;
  LoadWindow window_;
};

class ScaleValueDialog : public QDialog {
  Q_OBJECT
 public:
  ScaleValueDialog(const ScaleSummary& summary, Prompter& prompter, QWidget* parent = nullptr);
  double value() const { return value_; }
  QLineEdit* value_field() const { return value_field_; }
  void accept() override;

 private:
  Prompter& prompter_;
  bool any_signal_;
  QLineEdit* value_field_;
  double value_ = 0.0;
};

}  // namespace quarrix
