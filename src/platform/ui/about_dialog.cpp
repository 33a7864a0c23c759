#include "platform/ui/about_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace quarrix {

void RunAboutDialog(QWidget* owner, const QString& caption, const QString& text,
                    const std::function<bool(QDialog&)>& run_dialog) {
  QDialog about(owner);
  about.setWindowTitle(caption);
  auto* layout = new QVBoxLayout(&about);
  layout->addWidget(new QLabel(text, &about));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &about);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &about, &QDialog::accept);
  layout->addWidget(buttons);
  run_dialog(about);
}

}  // namespace quarrix
