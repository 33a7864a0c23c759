#pragma once
// "Header Values": the labels, spacings, ranges, increments, corner and time
// window of a project, shown after the header scan of every load, after
// "&Open Project Hdr" and, for the export range, before an export.
#include <QDialog>
#include <map>
#include <string>

#include "loader/segy_export.h"
#include "project/survey_header.h"

class QLineEdit;

namespace quarrix {

class Prompter;

class HeaderValuesDialog : public QDialog {
  Q_OBJECT
 public:
  // check_geometry: refuse values that give no usable survey grid (the
  // export's ranges are only a selection and are not checked).
  HeaderValuesDialog(const SurveyHeader& header, bool check_geometry, Prompter& prompter,
                     QWidget* parent = nullptr);

  // The field under a label ("Owner", "Line Inc.", "End Time", ...).
  QLineEdit* field(const std::string& label) const { return fields_.at(label); }
  // The values read back once accepted.
  const SurveyHeader& header() const { return header_; }
  // Start/End Line and Start/End Trace as typed.
  const ExportRange& range() const { return range_; }
  void accept() override;

 private:
  bool ReadBack(SurveyHeader& h);

  SurveyHeader header_;
  bool check_geometry_;
  Prompter& prompter_;
  std::map<std::string, QLineEdit*> fields_;
  ExportRange range_;
};

}  // namespace quarrix
