#pragma once
// The Scan/Contour window's own dialogs: "Select" (the contour value to
// digitise) and "Select Source" (the scanner to acquire from).
#include <QDialog>
#include <cstdint>
#include <optional>
#include <vector>

#include "scan/scanner_source.h"

class QLineEdit;
class QListWidget;
class QRadioButton;

namespace quarrix {

class Prompter;

class ContourValueDialog : public QDialog {
  Q_OBJECT
 public:
  ContourValueDialog(std::int16_t value, Prompter& prompter, QWidget* parent = nullptr);
  // The value accepted (valid once the dialog was accepted).
  std::int16_t value() const { return value_; }
  QLineEdit* field() const { return field_; }
  QRadioButton* follow() const { return follow_; }
  QRadioButton* trace() const { return trace_; }
  void accept() override;

 private:
  Prompter& prompter_;
  QLineEdit* field_;
  QRadioButton *follow_, *trace_;
  std::int16_t value_;
};

class ScannerSourceDialog : public QDialog {
  Q_OBJECT
 public:
  ScannerSourceDialog(const std::vector<ScannerDevice>& devices, const std::string& current,
                      QWidget* parent = nullptr);
  // The chosen device's name ("" when none is chosen).
  std::string chosen() const;
  QListWidget* list() const { return list_; }

 private:
  std::vector<ScannerDevice> devices_;
  QListWidget* list_;
};

}  // namespace quarrix
