#pragma once
// "Contour Options" of the workspace's contour maps: the presentation
// ("Contour" fills each level's area, "L Contour" fills cell by cell), the
// decimation, the curve smoothing, the three contour line classes and the
// label size. The fields are read back as typed; the workspace checks them.
#include <QDialog>
#include <array>

#include "workspace/contour_map.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace quarrix {

class ContourOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ContourOptionsDialog(const ContourOptionsForm& form, QWidget* parent = nullptr);
  ContourOptionsForm form() const;

  QComboBox* plot_type() const { return type_; }
  QLineEdit* decimate() const { return decimate_; }
  QComboBox* smoothing() const { return smoothing_; }
  QLineEdit* every(int k) const { return rows_[k].every; }
  QLineEdit* thickness(int k) const { return rows_[k].width; }
  QCheckBox* label(int k) const { return rows_[k].label; }
  QLineEdit* label_size() const { return label_size_; }

 private:
  struct Row {
    QLineEdit* every;
    QCheckBox* label;
    QLineEdit* width;
    QComboBox* style;
    QPushButton* colour;
    std::uint32_t rgb;
  };
  void ChooseColour(int k);
  void ShowColour(int k);

  QComboBox* type_;
  QLineEdit* decimate_;
  QComboBox* smoothing_;
  std::array<Row, 3> rows_;
  QLineEdit* label_size_;
};

}  // namespace quarrix
