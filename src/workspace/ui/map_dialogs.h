#pragma once
// The map windows' dialogs: "Autopick Options" (how autopicking fills the
// horizon) and "Gridding Options" (the natural-neighbour gridding's settings
// for one run).
#include <QDialog>
#include <string>
#include <vector>

#include "map/gridding.h"
#include "map/ui/map_choices.h"  // SelectWellsDialog
#include "workspace/map_edits.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QListWidget;

namespace quarrix {

class AutopickOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AutopickOptionsDialog(const AutopickChoice& choice, QWidget* parent = nullptr);
  AutopickChoice choice() const;
  QButtonGroup* modes() const { return modes_; }
  QCheckBox* snap() const { return snap_; }

 private:
  AutopickChoice start_;
  QButtonGroup* modes_;
  QCheckBox* snap_;
};

class GriddingOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit GriddingOptionsDialog(const GriddingOptions& options, QWidget* parent = nullptr);
  // The options as filled in; a tautness that is not a number keeps its value.
  GriddingOptions options() const;
  QCheckBox* extrapolate() const { return extrapolate_; }
  QCheckBox* gradient() const { return gradient_; }
  QLineEdit* tautness1() const { return tautness1_; }
  QLineEdit* tautness2() const { return tautness2_; }

 private:
  GriddingOptions start_;
  QCheckBox *extrapolate_, *gradient_;
  QLineEdit *tautness1_, *tautness2_;
};

}  // namespace quarrix
