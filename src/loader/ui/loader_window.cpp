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
#include "platform/ui/command_host.h"
#include "platform/ui/help_browser.h"
#include "platform/ui/qt_prompter.h"
#include "project/header_file.h"

namespace quarrix {

LoaderWindow::LoaderWindow(Prompter* prompter, QWidget* parent)
    : QMainWindow(parent),
      commands_(new CommandHost(this, prompter)),
      prompter_(&commands_->prompter()),
      messages_(new MessagesWindow(this)),
      progress_(new ProgressWindow(this)),
      please_wait_(new PleaseWaitWindow(this)) {
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
  using namespace loader_command;
  const std::map<int, std::function<void()>> runs = {
      {kOpenProjectHdr, [this] { CommandOpenProjectHdr(); }},
      {kSaveProjectHdr, [this] { CommandSaveProjectHdr(); }},
      {kExit, [this] { close(); }},
      {kStart, [this] { CommandStart(); }},
      {kAbout, [this] { CommandAbout(); }},
  };
  // The menu is off while a load or export runs.
  auto idle = [this] { return !busy_; };
  CommandTable table;
  for (const LoaderMenuEntry& entry : kLoaderMenu) {
    auto run = runs.at(entry.id);
    table.push_back({entry.id, entry.menu, entry.text, "", 0, idle, {}, [this, run] {
                       if (!busy_) run();
                     }});
  }
  commands_->Install(std::move(table));
}

QAction* LoaderWindow::action(int command_id) const {
  return commands_->action(command_id);
}

void LoaderWindow::Dispatch(int command_id) {
  commands_->Dispatch(command_id);
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
