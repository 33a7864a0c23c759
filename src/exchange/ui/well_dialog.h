#pragma once
// "Well Parameters": one well's line and trace, map X and Y, depth, time,
// title and symbol, with "Calculate" to fill one position from the other.
#include <QDialog>

#include "exchange/well_file.h"

class QButtonGroup;
class QLineEdit;

namespace quarrix {

class Prompter;
struct ProjectState;

class WellDialog : public QDialog {
  Q_OBJECT
 public:
  WellDialog(WellRecord& well, const std::string& file_name, const ProjectState& project,
             Prompter& prompter, QWidget* parent = nullptr);

  QLineEdit* field(const std::string& name) const;
  void SelectSymbol(int type);
  // Fills line and trace from X and Y, or X and Y from line and trace.
  void Calculate();
  void accept() override;

 private:
  // The typed values as a record; false (said) when a number is not valid.
  bool ReadFields(WellRecord& well);
  void ShowRecord(const WellRecord& well);

  WellRecord& well_;
  const ProjectState& project_;
  Prompter& prompter_;
  QLineEdit* line_;
  QLineEdit* trace_;
  QLineEdit* x_;
  QLineEdit* y_;
  QLineEdit* depth_;
  QLineEdit* time_;
  QLineEdit* title_;
  QButtonGroup* symbols_;
};

}  // namespace quarrix
