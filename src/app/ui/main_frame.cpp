#include "app/ui/main_frame.h"

#include <QCloseEvent>
#include <QDir>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>

#include "platform/paths.h"
#include "platform/profile_file.h"
#include "platform/ui/qt_prompter.h"

namespace quarrix {

MainFrame::MainFrame(Session& session, QWidget* parent)
    : QMainWindow(parent), session_(session), prompter_(new QtPrompter(this)) {
  ReadSetupSection(ProfileFile(SettingsFilePath()), session_.settings);
  BuildMenus();
  statusBar()->showMessage(tr("Ready"));
  UpdateTitle();
}

MainFrame::~MainFrame() {
  delete prompter_;
}

void MainFrame::BuildMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->addAction(tr("&Open"), QKeySequence::Open, this, &MainFrame::CommandOpen);
  file->addAction(tr("&Close"), this, &MainFrame::CommandClose);
  file->addSeparator();
  file->addAction(tr("E&xit"), QKeySequence::Quit, this, &QWidget::close);
}

void MainFrame::UpdateTitle() {
  if (!session_.project.is_open) {
    setWindowTitle("Quarrix3D");
    return;
  }
  setWindowTitle("Quarrix3D -- " + QString::fromStdString(session_.project.header_path));
}

bool MainFrame::OpenProjectFile(const QString& header_path) {
  if (!OpenProject(session_.project, header_path.toStdString(), *prompter_)) return false;
  session_.settings.lrufile = header_path.toStdString();
  QDir::setCurrent(QString::fromStdString(DirectoryOf(session_.project.header_path)));
  UpdateTitle();
  return true;
}

void MainFrame::CommandOpen() {
  FileDialogRequest request;
  request.title = "OPEN HEADER FILE";
  request.filter_names[0] = "Header Files (*.hdr)";
  request.filter_patterns[0] = "*.hdr";
  request.filter_names[1] = "All Files (*.*)";
  request.filter_patterns[1] = "*";
  request.initial_directory = DirectoryOf(session_.settings.lrufile);
  request.initial_file = FileNameOf(session_.settings.lrufile);
  if (auto path = prompter_->OpenFile(request)) OpenProjectFile(QString::fromStdString(*path));
}

void MainFrame::CommandClose() {
  session_.project.amp.Close();
  setWindowTitle("Quarrix3D -- ");
}

void MainFrame::closeEvent(QCloseEvent* event) {
  if (prompter_->Message("End Quarrix3D?", "WARNING", MessageIcon::Question,
                         MessageButtons::YesNo) != MessageAnswer::Yes) {
    event->ignore();
    return;
  }
  session_.project.amp.Close();
  EnsureConfigFolder();
  ProfileFile profile(SettingsFilePath());
  WriteSetupSection(profile, session_.settings);
  profile.Save();
  event->accept();
}

}  // namespace quarrix
