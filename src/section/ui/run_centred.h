#pragma once
// Runs a modal dialog centred over its parent (or the screen without one).
class QDialog;
class QWidget;

namespace quarrix {

int RunCentred(QDialog& dialog, QWidget* parent);

}  // namespace quarrix
