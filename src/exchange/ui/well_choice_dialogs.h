#pragma once
// The well dialogs of the Import/Export window: "Select Wells" (a list of the
// project's well or group files with "Select All") and "Well Group
// Attributes - %s" (how a group's wells are posted, written as its ".wga").
#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "exchange/well_file.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quarrix {

class Prompter;

class WellListDialog : public QDialog {
  Q_OBJECT
 public:
  WellListDialog(const std::vector<std::string>& names, bool multiple, QWidget* parent = nullptr);
  QListWidget* list() const { return list_; }
  QCheckBox* select_all() const { return select_all_; }
  // The selected names in list order.
  std::vector<std::string> Chosen() const;

 private:
  QListWidget* list_;
  QCheckBox* select_all_ = nullptr;
};

class WellGroupAttributesDialog : public QDialog {
  Q_OBJECT
 public:
  // Problems with the typed values are told through the prompter.
  WellGroupAttributesDialog(const std::string& group, const WellAttributes& attributes,
                            Prompter& prompter, QWidget* parent = nullptr);

  QLineEdit* symbol_size() const { return symbol_size_; }
  QLineEdit* character_size() const { return character_size_; }
  QLineEdit* thickness() const { return thickness_; }
  QCheckBox* erase_symbol() const { return erase_symbol_; }
  QCheckBox* erase_label() const { return erase_label_; }
  QButtonGroup* label_position() const { return positions_; }
  void SetColours(std::uint32_t symbol, std::uint32_t label);
  // What the dialog shows, as the group's attributes.
  const WellAttributes& attributes() const { return attributes_; }
  void accept() override;

 private:
  void ShowColour(QPushButton* button, std::uint32_t colour);
  void ChooseColour(QPushButton* button, std::uint32_t& colour);

  WellAttributes attributes_;
  Prompter& prompter_;
  QLineEdit* symbol_size_;
  QLineEdit* character_size_;
  QLineEdit* thickness_;
  QCheckBox* erase_symbol_;
  QCheckBox* erase_label_;
  QButtonGroup* positions_;
  QPushButton* symbol_colour_;
  QPushButton* label_colour_;
};

}  // namespace quarrix
