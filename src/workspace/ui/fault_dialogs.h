#pragma once
// The fault dialogs of the workspace: "Erase Faults Range" (the line and
// trace numbers whose cells are erased) and "Interpolation Options" (linear
// or gridding).
#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace quarrix {

struct SurveyHeader;

class EraseFaultRangeDialog : public QDialog {
  Q_OBJECT
 public:
  // Shows the survey's first and last line and trace numbers; the fields
  // start on the whole survey.
  explicit EraseFaultRangeDialog(const SurveyHeader& header, QWidget* parent = nullptr);
  // "Start Line", "End Line", "Start Trace", "End Trace".
  QLineEdit* field(int k) const { return fields_[k]; }
  // The four numbers in that order; false when one is not a number.
  bool values(int out[4]) const;

 private:
  QLineEdit* fields_[4];
};

class InterpolationOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit InterpolationOptionsDialog(QWidget* parent = nullptr);
  QRadioButton* linear() const { return linear_; }
  QRadioButton* gridding() const { return gridding_; }

 private:
  QRadioButton* linear_;
  QRadioButton* gridding_;
};

}  // namespace quarrix
