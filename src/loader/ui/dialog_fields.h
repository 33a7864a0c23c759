#pragma once
// Small helpers the loader's dialogs share: rows of labelled fields, radio
// groups over (text, code) tables, and numbers read back from fields.
#include <QString>
#include <optional>
#include <vector>

class QButtonGroup;
class QDialog;
class QFormLayout;
class QGroupBox;
class QLineEdit;
class QWidget;

namespace quarrix {

class Prompter;

struct RadioEntry {
  const char* text;
  int code;
};

// A titled box of radio buttons, one per entry, with entry `selected` checked;
// the group's ids are the codes.
QGroupBox* RadioBox(const QString& title, const std::vector<RadioEntry>& entries, int selected,
                    QButtonGroup*& group, QWidget* parent);

// A line edit added to the form under the label, holding text.
QLineEdit* AddField(QFormLayout* form, const QString& label, const QString& text, QWidget* parent);

// Buttons with these texts for accept and reject, added at the bottom.
void AddDialogButtons(QDialog* dialog, QFormLayout* form, const QString& accept_text = "OK",
                      const QString& reject_text = "Cancel");

// The number typed in a field; on bad text the user is told (naming the
// field) and the result is empty.
std::optional<double> DecimalField(const QLineEdit* edit, const QString& label, Prompter& prompter);
std::optional<int> WholeField(const QLineEdit* edit, const QString& label, Prompter& prompter);

}  // namespace quarrix
