#pragma once
// The workspace's small dialogs: "Select Horizons" (which horizons are open),
// "Select Horizon to Pick / Edit" (the current one) and "Select Line or
// X-Line" (the section a window shows).
#include <QDialog>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;

namespace quarrix {

class HorizonListDialog : public QDialog {
  Q_OBJECT
 public:
  // multiple: "Select Horizons" with the chosen names selected; otherwise
  // "Select Horizon to Pick / Edit" with the current one selected.
  HorizonListDialog(const std::vector<std::string>& names, const std::vector<std::string>& chosen,
                    bool multiple, QWidget* parent = nullptr);
  std::vector<std::string> chosen() const;
  QListWidget* list() const { return list_; }
  QCheckBox* select_all() const { return select_all_; }  // "Select Horizons" only

 private:
  QListWidget* list_;
  QCheckBox* select_all_ = nullptr;
};

// The sixteen horizon pens as a list of colour swatches, index selected.
QComboBox* HorizonColourList(int index, QWidget* parent);

// "Select Color": the pen of a new horizon.
class SelectColourDialog : public QDialog {
  Q_OBJECT
 public:
  SelectColourDialog(int index, QWidget* parent = nullptr);
  QComboBox* colours() const { return colours_; }
  int index() const;

 private:
  QComboBox* colours_;
};

// "Set  Zoom Parameters": the zoom window's first and last line and trace
// numbers; "Default" restores the whole survey.
class ZoomParametersDialog : public QDialog {
  Q_OBJECT
 public:
  ZoomParametersDialog(int first_line, int first_trace, int last_line, int last_trace,
                       int default_values[4], QWidget* parent = nullptr);
  QLineEdit* field(int k) const { return fields_[k]; }
  // first line, first trace, last line, last trace; false when one is not a number.
  bool values(int out[4]) const;

 private:
  QLineEdit* fields_[4];
};

class SelectLineDialog : public QDialog {
  Q_OBJECT
 public:
  SelectLineDialog(int minimum, int maximum, QWidget* parent = nullptr);
  QLineEdit* field() const { return field_; }
  bool value(int& number) const;

 private:
  QLineEdit* field_;
};

}  // namespace quarrix
