#pragma once
// "Pick Trace Options": the pick windows' displayed times, scales, gains,
// direction, polarity, plot type and flattening. Shows and returns TraceOptions.
#include <QDialog>
#include <string>
#include <vector>

#include "workspace/pick_options.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QListWidget;

namespace quarrix {

class TraceOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  // flatten_files: the "*.flt" files of the project folder.
  TraceOptionsDialog(const TraceOptions& options, const std::vector<std::string>& flatten_files,
                     QWidget* parent = nullptr);
  // The values, or false after naming a field that is not a number.
  bool values(TraceOptions& options, std::string& problem) const;

  QLineEdit* field(const char* name) const;
  QButtonGroup* group(const char* name) const;
  QCheckBox* flatten() const { return flatten_; }
  QListWidget* flatten_files() const { return files_; }

 private:
  TraceOptions options_;
  QCheckBox* flatten_;
  QListWidget* files_;
};

}  // namespace quarrix
