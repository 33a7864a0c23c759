#include "loader/ui/project_name_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>

#include "loader/ui/dialog_fields.h"
#include "platform/paths.h"
#include "platform/prompter.h"

namespace quarrix {
namespace {

// Volumes a project can be written to: mounted, writable, not a system area.
QStringList ProjectVolumes() {
  QStringList folders;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    QString root = volume.rootPath();
    if (!volume.isValid() || !volume.isReady() || volume.isReadOnly()) continue;
    if (root == "/" || root.startsWith("/proc") || root.startsWith("/sys") ||
        root.startsWith("/dev") || root.startsWith("/run") || root.startsWith("/snap") ||
        root.startsWith("/boot"))
      continue;
    folders << root;
  }
  return folders;
}

}  // namespace

ProjectNameDialog::ProjectNameDialog(const std::string& previous_header, Prompter& prompter,
                                     QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
  setWindowTitle("Assign Project Name");
  auto* form = new QFormLayout(this);
  QString previous_name;
  QString previous_location;
  if (!previous_header.empty()) {
    std::string folder = DirectoryOf(previous_header);
    previous_name = QString::fromStdString(FileNameOf(folder));
    previous_location = QString::fromStdString(DirectoryOf(folder));
  }
  name_ = AddField(form, "Project Name", previous_name, this);
  locations_ = new QListWidget(this);
  locations_->addItem(QDir::homePath());
  for (const QString& volume : ProjectVolumes())
    if (volume != QDir::homePath()) locations_->addItem(volume);
  locations_->setCurrentRow(0);
  form->addRow("Location", locations_);
  auto* browse = new QPushButton("Browse...", this);
  form->addRow("", browse);
  choose_folder = [this] {
    return QFileDialog::getExistingDirectory(this, "Project Location", QDir::homePath());
  };
  connect(browse, &QPushButton::clicked, this, [this] {
    QString folder = choose_folder();
    if (!folder.isEmpty()) SelectLocation(folder);
  });
  if (!previous_location.isEmpty()) SelectLocation(previous_location);
  AddDialogButtons(this, form);
}

void ProjectNameDialog::SelectLocation(const QString& folder) {
  QString clean = QDir::cleanPath(folder);
  QList<QListWidgetItem*> found = locations_->findItems(clean, Qt::MatchExactly);
  if (found.isEmpty()) {
    locations_->addItem(clean);
    locations_->setCurrentRow(locations_->count() - 1);
  } else {
    locations_->setCurrentItem(found.front());
  }
}

void ProjectNameDialog::accept() {
  QString name = name_->text().trimmed();
  // The name becomes a folder and file names inside the location: it must
  // not climb out of it or be empty.
  if (name.isEmpty() || name == "." || name == ".." || name.contains('/') || name.contains('\\')) {
    prompter_.Tell("Enter a Project Name (a folder name without / or \\)", "",
                   MessageIcon::Warning);
    return;
  }
  QListWidgetItem* location = locations_->currentItem();
  if (!location) {
    prompter_.Tell("Select a location for the project", "", MessageIcon::Warning);
    return;
  }
  std::string folder = JoinPath(location->text().toStdString(), name.toStdString());
  header_path_ = JoinPath(folder, name.toStdString() + ".hdr");
  QDialog::accept();
}

}  // namespace quarrix
