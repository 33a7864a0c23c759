#pragma once
// "Color Parameters": minimum, maximum and increment of a plot's colour bar,
// with "Scan for Min/Max" over the data the bar colours.
#include <QDialog>

#include "section/ui/section_dialogs.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace quarrix {

class Prompter;

class ColourParametersDialog : public QDialog {
 public:
  ColourParametersDialog(ColourBar& bar, const ColourScanSource& source, Prompter& prompter,
                         QWidget* parent = nullptr);

  QLineEdit* min_edit() const { return min_; }
  QLineEdit* max_edit() const { return max_; }
  QLineEdit* increment_edit() const { return increment_; }
  QLabel* difference_label() const { return difference_; }
  QLabel* min_increment_label() const { return min_increment_; }
  QPushButton* scan_button() const { return scan_button_; }
  void Scan();
  void accept() override;

 private:
  ColourBar& bar_;
  const ColourScanSource& source_;
  Prompter& prompter_;
  QLineEdit *min_, *max_, *increment_;
  QLabel *difference_, *min_increment_;
  QPushButton* scan_button_;
};

}  // namespace quarrix
