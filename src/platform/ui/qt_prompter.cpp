#include "platform/ui/qt_prompter.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace quarrix {

QString QtFilterString(const FileDialogRequest& request) {
  QStringList filters;
  for (int k = 0; k < kMaxFileFilters; ++k) {
    if (request.filter_names[k].empty()) continue;
    QString name = QString::fromStdString(request.filter_names[k]);
    QString pattern = QString::fromStdString(request.filter_patterns[k]).replace(';', ' ');
    // Qt shows the patterns from the name's parentheses; add them if missing.
    if (!name.contains('(')) name += " (" + pattern + ")";
    filters << name;
  }
  return filters.join(";;");
}

MessageAnswer QtPrompter::Message(const std::string& text, const std::string& caption,
                                  MessageIcon icon, MessageButtons buttons) {
  QMessageBox box(parent_);
  box.setText(QString::fromStdString(text));
  box.setWindowTitle(QString::fromStdString(caption));
  switch (icon) {
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Error:
    case MessageIcon::Stop: box.setIcon(QMessageBox::Critical); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MessageIcon::None: break;
  }
  switch (buttons) {
    case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MessageButtons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      break;
    case MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MessageButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
    case MessageButtons::RetryCancel:
      box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
      break;
    case MessageButtons::YesNoDefaultNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::No);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Retry: return MessageAnswer::Retry;
    default: return MessageAnswer::Cancel;
  }
}

static QString InitialPath(const FileDialogRequest& request) {
  QString dir = QString::fromStdString(request.initial_directory);
  QString file = QString::fromStdString(request.initial_file);
  if (file.contains('*')) file.clear();
  if (dir.isEmpty()) return file;
  return file.isEmpty() ? dir : dir + "/" + file;
}

std::optional<std::string> QtPrompter::OpenFile(const FileDialogRequest& request) {
  QString path = QFileDialog::getOpenFileName(parent_, QString::fromStdString(request.title),
                                              InitialPath(request), QtFilterString(request));
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

std::optional<std::string> QtPrompter::SaveFile(const FileDialogRequest& request) {
  QFileDialog::Options options;
  if (!request.prompt_overwrite) options |= QFileDialog::DontConfirmOverwrite;
  QString path =
      QFileDialog::getSaveFileName(parent_, QString::fromStdString(request.title),
                                   InitialPath(request), QtFilterString(request), nullptr, options);
  if (path.isEmpty()) return std::nullopt;
  if (!request.default_extension.empty() && QFileInfo(path).suffix().isEmpty())
    path += "." + QString::fromStdString(request.default_extension);
  return path.toStdString();
}

}  // namespace quarrix
