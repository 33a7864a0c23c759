#pragma once
// Runs a modal dialog centred over its parent (or the screen without one).
#include <QDialog>

#include "platform/ui/help_browser.h"
#include "platform/ui/qt_prompter.h"

namespace quarrix {

int RunCentred(QDialog& dialog, QWidget* parent);

// Opens a dialog made from the caller's state, a prompter for its messages
// and the parent; true when the user confirmed it.
template <class Dialog, class... State>
bool Confirmed(QWidget* parent, State&... state) {
  QtPrompter prompter(parent);
  Dialog dialog(state..., prompter, parent);
  return RunCentred(dialog, parent) == QDialog::Accepted;
}

}  // namespace quarrix
