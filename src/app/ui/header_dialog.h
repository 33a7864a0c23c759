#pragma once
// "Header Information": every field of the survey header; on OK the edits are
// applied as one (an unusable geometry is refused and the dialog stays open).
#include <QDialog>
#include <map>

#include "project/survey_header.h"

class QLineEdit;

namespace quarrix {

class Prompter;

class HeaderDialog : public QDialog {
  Q_OBJECT
 public:
  HeaderDialog(SurveyHeader& header, Prompter& prompter, QWidget* parent = nullptr);

  QLineEdit* field(const std::string& name) const { return fields_.at(name); }
  void accept() override;

 private:
  SurveyHeader& header_;
  Prompter& prompter_;
  std::map<std::string, QLineEdit*> fields_;
};

}  // namespace quarrix
