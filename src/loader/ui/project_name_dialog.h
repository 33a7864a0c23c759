#pragma once
// "Assign Project Name": the project's name and the location it goes under
// (the home folder, the mounted volumes, or a folder found with Browse). The
// project NAME under LOCATION is LOCATION/NAME/NAME.hdr.
#include <QDialog>
#include <functional>
#include <string>

class QLineEdit;
class QListWidget;

namespace quarrix {

class Prompter;

class ProjectNameDialog : public QDialog {
  Q_OBJECT
 public:
  // previous_header: the project last assigned (its location is selected).
  ProjectNameDialog(const std::string& previous_header, Prompter& prompter,
                    QWidget* parent = nullptr);

  // Adds a location to the list (when new) and selects it.
  void SelectLocation(const QString& folder);
  QLineEdit* name_field() const { return name_; }
  QListWidget* locations() const { return locations_; }
  // LOCATION/NAME/NAME.hdr once accepted.
  const std::string& header_path() const { return header_path_; }
  void accept() override;

  // The folder chooser behind Browse (tests replace it).
  std::function<QString()> choose_folder;

 private:
  Prompter& prompter_;
  QLineEdit* name_;
  QListWidget* locations_;
  std::string header_path_;
};

}  // namespace quarrix
