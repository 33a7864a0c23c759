#pragma once
// "Determine Direction - Corner %d": the coverage picture for a candidate
// corner, chosen with the menu "&1" to "&8" and accepted with "&Continue"
// (closing the window keeps the candidate too).
#include <QDialog>
#include <map>

#include "loader/load_decisions.h"

class QAction;

namespace quarrix {

class DirectionPicture;

class DirectionDialog : public QDialog {
  Q_OBJECT
 public:
  // Commands 1..8 choose that corner.
  static constexpr int kContinue = 9;

  DirectionDialog(const CoverageGrid& grid, int candidate, QWidget* parent = nullptr);
  void Dispatch(int command);
  QAction* action(int command) const;
  int corner() const;
  DirectionPicture* picture() const { return picture_; }

 private:
  DirectionPicture* picture_;
  std::map<int, QAction*> actions_;
};

}  // namespace quarrix
