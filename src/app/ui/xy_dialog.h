#pragma once
// "Generate X/Y File": the X/Y coordinates of three corners of the survey.
#include <QDialog>

#include "project/xy_geometry.h"

class QLineEdit;

namespace quarrix {

class XyDialog : public QDialog {
  Q_OBJECT
 public:
  XyDialog(const XyCorners& initial, QWidget* parent = nullptr);
  XyCorners corners() const;
  // The six edits: A x, A y, B x, B y, C x, C y.
  QLineEdit* edit(int index) const { return edits_[index]; }

 private:
  QLineEdit* edits_[6];
};

}  // namespace quarrix
