#pragma once
// The two choice steps of the load chain: "Select Data Source and Type" and
// "Conversion Type" (after the tape headers are read).
#include <QDialog>

class QButtonGroup;

namespace quarrix {

class SourceDialog : public QDialog {
  Q_OBJECT
 public:
  // Opens with the given source code (22 tape, 33 disk file, 44 export).
  SourceDialog(int source, bool two_d, QWidget* parent = nullptr);
  int source() const;
  bool two_d() const;
  void Choose(int source, bool two_d);

 private:
  QButtonGroup* sources_;
  QButtonGroup* types_;
};

class ConversionTypeDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ConversionTypeDialog(int conversion, QWidget* parent = nullptr);
  int conversion() const;
  void Choose(int conversion);

 private:
  QButtonGroup* codes_;
};

}  // namespace quarrix
