#include "loader/ui/loader_window.h"

#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "loader/ui/header_values_dialog.h"
#include "loader/ui/loader_menu.h"
#include "loader/ui/status_windows.h"
#include "platform/tape_device.h"
#include "platform/ui/about_dialog.h"
#include "platform/ui/centre_window.h"
#include "platform/ui/help_browser.h"
#include "platform/ui/qt_prompter.h"
#include "project/header_file.h"

namespace quarrix {

LoaderWindow::LoaderWindow(Prompter* prompter, QWidget* parent)
    : QMainWindow(parent),
      messages_(new MessagesWindow(this)),
      progress_(new ProgressWindow(this)),
      please_wait_(new PleaseWaitWindow(this)) {
  if (!prompter) {
    own_prompter_ = std::make_unique<QtPrompter>(this);
    prompter = own_prompter_.get();
  }
  prompter_ = prompter;
  run_dialog = [this](QDialog& dialog) {
    CentreWindow(&dialog, this);
    return dialog.exec() == QDialog::Accepted;
  };
  describe_tape_unit = DescribeTapeUnit;
  setWindowTitle("Ingestor");
  auto* label = new QLabel(tr("Load SEG-Y data from disk or tape into a Quarrix project."), this);
  label->setAlignment(Qt::AlignCenter);
  setCentralWidget(label);
  BuildMenus();
  InstallHelpKey();
  resize(640, 400);
}

LoaderWindow::~LoaderWindow() = default;

void LoaderWindow::BuildMenus() {
  std::map<std::string, QMenu*> menus;
  for (const LoaderMenuEntry& entry : kLoaderMenu) {
    QAction* action;
    if (*entry.menu == '\0') {
      action = menuBar()->addAction(entry.text);
    } else {
      QMenu*& menu = menus[entry.menu];
      if (!menu) menu = menuBar()->addMenu(entry.menu);
      action = menu->addAction(entry.text);
    }
    int id = entry.id;
    connect(action, &QAction::triggered, this, [this, id] { Dispatch(id); });
    actions_[id] = action;
  }
}

QAction* LoaderWindow::action(int command_id) const {
  auto it = actions_.find(command_id);
  return it == actions_.end() ? nullptr : it->second;
}

void LoaderWindow::Dispatch(int command_id) {
  using namespace loader_command;
  if (busy_) return;
  switch (command_id) {
    case kOpenProjectHdr: CommandOpenProjectHdr(); break;
    case kSaveProjectHdr: CommandSaveProjectHdr(); break;
    case kExit: close(); break;
    case kStart: CommandStart(); break;
    case kAbout: CommandAbout(); break;
    default: break;
  }
}

void LoaderWindow::CommandOpenProjectHdr() {
  SurveyHeader header = state_.header;
  if (!LoadHeader(state_.header_path, header, *prompter_, HeaderReader::Loader)) return;
  HeaderValuesDialog dialog(header, true, *prompter_, this);
  if (run_dialog(dialog)) state_.header = dialog.header();
}

void LoaderWindow::CommandSaveProjectHdr() {
  // Before any project is assigned there is no file to write to.
  if (state_.header_path.empty()) {
    prompter_->Tell("No project has been assigned yet", "", MessageIcon::Warning);
    return;
  }
  SaveHeader(state_.header_path, state_.header, *prompter_);
}

void LoaderWindow::CommandAbout() {
  RunAboutDialog(this, "About Ingestor", "Ingestor\nSEG-Y loader of Quarrix\nVersion 1.30",
                 run_dialog);
}

void LoaderWindow::closeEvent(QCloseEvent* event) {
  // Closing during a load stops the load first; the window stays.
  if (busy_) {
    progress_->cancel_button()->click();
    event->ignore();
    return;
  }
  messages_->close();
  event->accept();
}

}  // namespace quarrix
