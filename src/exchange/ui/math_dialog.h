#pragma once
// "Math Functions": an expression over the inputs H1-H3 or one of the grid
// functions, the output file, and on OK the sub-questions a function needs
// ("Flatten Horizon", "Interval Average", "Get Depth Ftn File") before the
// math engine runs.
#include <QDialog>
#include <array>
#include <functional>
#include <optional>

#include "exchange/math_inputs.h"
#include "exchange/math_run.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace quarrix {

class Prompter;
struct ProjectState;

class MathDialog : public QDialog {
  Q_OBJECT
 public:
  MathDialog(ProjectState& project, Prompter& prompter, QWidget* parent = nullptr);

  // The request the dialog stands for now (before the sub-questions).
  MathRequest Request() const;
  // Asks what the chosen function still needs and runs the math; false when
  // the user cancelled a question or nothing could be written.
  bool Run();

  QLineEdit* expression() const { return expression_; }
  QLineEdit* output() const { return output_; }
  QComboBox* input_file(int k) const { return inputs_[k].file; }
  QComboBox* input_kind(int k) const { return inputs_[k].kind; }
  void ChooseFunction(MathFunction function);

  // Runs a sub-dialog; tests replace it to fill in and accept them.
  std::function<bool(QDialog&)> run_dialog;

 private:
  struct InputRow {
    QComboBox* file;
    QComboBox* kind;
    std::vector<MathFileKind> kinds;
  };
  QWidget* BuildInputs();
  QWidget* BuildOperators();
  QWidget* BuildFunctions();
  void ListFiles(int k);
  bool AskFlattenReference(MathRequest& request);
  bool AskIntervalMode(MathRequest& request);

  ProjectState& project_;
  Prompter& prompter_;
  std::string folder_;
  QLineEdit* expression_;
  QLineEdit* output_;
  std::array<InputRow, 3> inputs_{};
  QButtonGroup* functions_;
};

}  // namespace quarrix
