#pragma once
// "Generate Time Slices": start, end and increment, and a flatten file; on
// OK the slices are written into the project folder under a progress window
// with Cancel. Opened from the main menu and from the workspace.
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "horizon/flattening.h"

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace quarrix {

class Prompter;
struct ProcessingParams;
struct ProjectState;

class TimeSlicesDialog : public QDialog {
  Q_OBJECT
 public:
  TimeSlicesDialog(int start_ms, int end_ms, bool flatten,
                   const std::vector<std::string>& flatten_files, const std::string& chosen,
                   QWidget* parent = nullptr);
  QLineEdit* start() const { return start_; }
  QLineEdit* end() const { return end_; }
  QLineEdit* increment() const { return increment_; }
  QCheckBox* flatten() const { return flatten_; }
  QListWidget* flatten_files() const { return files_; }
  std::string chosen_file() const;

 private:
  QLineEdit *start_, *end_, *increment_;
  QCheckBox* flatten_;
  QListWidget* files_;
};

// The whole command: the dialog (through run_dialog), the flatten table
// loaded or switched off, the slices written. False when cancelled or refused.
bool GenerateTimeSlicesWithDialog(QWidget* parent, ProjectState& project, FlattenTable& flatten,
                                  const ProcessingParams& params, Prompter& prompter,
                                  const std::function<bool(QDialog&)>& run_dialog);

}  // namespace quarrix
