#pragma once
// "Select Colors": the sixteen anchor colours of one colour set, its name and
// minimum increment. An amplitude set must keep slots 1, 8, 9 and 16.
#include <QDialog>

#include "horizon/colour_files.h"

class QLineEdit;
class QPushButton;
class QSpinBox;

namespace quarrix {

class Prompter;

class ColourSetDialog : public QDialog {
  Q_OBJECT
 public:
  ColourSetDialog(ColourSetRecord& set, bool amplitude_set, Prompter& prompter,
                  QWidget* parent = nullptr);

  void SelectSlot(int slot);
  // Sets the selected slot from the R, G, B fields.
  void ApplyRgb();
  void BlankAll();
  QSpinBox* rgb_box(int channel) const { return rgb_[channel]; }
  QLineEdit* name_edit() const { return name_; }
  void accept() override;

 private:
  void ShowSlot(int slot);

  ColourSetRecord& set_;
  ColourSetRecord edited_;
  bool amplitude_set_;
  Prompter& prompter_;
  int selected_ = 0;
  QPushButton* slots_[16];
  QSpinBox* rgb_[3];
  QLineEdit* name_;
  QSpinBox* min_increment_;
};

}  // namespace quarrix
