#include "platform/ui/qt_progress.h"

#include <QCoreApplication>

namespace quarrix {

QtProgress::QtProgress(QWidget* parent, const QString& title) : dialog_(parent) {
  dialog_.setWindowTitle(title);
  dialog_.setCancelButtonText(QObject::tr("Cancel"));
  dialog_.setMinimumDuration(300);
  dialog_.setAutoClose(false);
  dialog_.setAutoReset(false);
}

void QtProgress::SetRange(int minimum, int maximum) {
  dialog_.setRange(minimum, maximum);
}

void QtProgress::SetPosition(int position) {
  dialog_.setValue(position);
  QCoreApplication::processEvents();
}

void QtProgress::SetLabel(const std::string& text) {
  dialog_.setLabelText(QString::fromStdString(text));
}

bool QtProgress::Cancelled() {
  QCoreApplication::processEvents();
  return dialog_.wasCanceled();
}

}  // namespace quarrix
