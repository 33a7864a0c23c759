#pragma once
// The workspace's small dialogs: "Select Horizons" (which horizons are open),
// "Select Horizon to Pick / Edit" (the current one) and "Select Line or
// X-Line" (the section a window shows).
#include <QDialog>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;

namespace quarrix {

class HorizonListDialog : public QDialog {
  Q_OBJECT
 public:
  // multiple: "Select Horizons" with the chosen names selected; otherwise
  // "Select Horizon to Pick / Edit" with the current one selected.
  HorizonListDialog(const std::vector<std::string>& names, const std::vector<std::string>& chosen,
                    bool multiple, QWidget* parent = nullptr);
  std::vector<std::string> chosen() const;
  QListWidget* list() const { return list_; }

 private:
  QListWidget* list_;
};

class SelectLineDialog : public QDialog {
  Q_OBJECT
 public:
  SelectLineDialog(int minimum, int maximum, QWidget* parent = nullptr);
  QLineEdit* field() const { return field_; }
  bool value(int& number) const;

 private:
  QLineEdit* field_;
};

}  // namespace quarrix
