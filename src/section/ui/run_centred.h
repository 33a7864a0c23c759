#pragma once
// Runs a modal dialog centred over its parent (or the screen without one).
class QDialog;
class QWidget;

namespace quarrix {

// The property naming a dialog's page of the program's help, for F1.
inline constexpr char kHelpPageProperty[] = "help_page";

int RunCentred(QDialog& dialog, QWidget* parent);

}  // namespace quarrix
