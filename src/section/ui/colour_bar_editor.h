#pragma once
// The per-band colour editors of a colour bar: "Set Color" for a linear bar
// and "Select Color Bar Colors" for a non-linear one, which also moves band
// thresholds. Both edit a copy and store it on OK.
#include <QDialog>

#include "section/colour_bar.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace quarrix {

class Prompter;

class ColourBarEditor : public QDialog {
 public:
  ColourBarEditor(ColourBar& bar, Prompter& prompter, QWidget* parent = nullptr);

  // The bands the buttons act on, as selected in the list.
  void SelectBands(int first, int last);
  QListWidget* band_list() const { return bands_; }
  QSpinBox* rgb_box(int channel) const { return rgb_[channel]; }
  QLineEdit* threshold_edit() const { return threshold_; }
  QPushButton* button(const QString& text) const;
  const ColourBar& edited() const { return edited_; }
  void accept() override;

 private:
  void AddButton(const QString& text, void (ColourBarEditor::*action)());
  void ShowMode();
  void ShowBands();
  void ShowCurrentBand();
  std::pair<int, int> SelectedRange() const;
  void SetRgb();
  void Custom();
  void Blank();
  void BlankAll();
  void Interpolate();
  void Auto();
  void NonLinear();
  void SetThreshold();

  ColourBar& bar_;
  ColourBar edited_;
  Prompter& prompter_;
  QListWidget* bands_;
  QSpinBox* rgb_[3];
  QLineEdit* threshold_;
  QList<QPushButton*> buttons_;
};

}  // namespace quarrix
