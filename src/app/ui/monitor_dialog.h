#pragma once
// "Set Monitor Size": the screen's pixels per inch and single-screen size.
#include <QDialog>

class QSpinBox;

namespace quarrix {

struct SetupSettings;

class MonitorDialog : public QDialog {
  Q_OBJECT
 public:
  MonitorDialog(SetupSettings& settings, QWidget* parent = nullptr);
  void accept() override;

 private:
  SetupSettings& settings_;
  QSpinBox* boxes_[4];
};

}  // namespace quarrix
