#include "app/ui/main_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QShortcut>
#include <cerrno>

#include "app/main_commands.h"
#include "app/ui/header_dialog.h"
#include "app/ui/monitor_dialog.h"
#include "app/ui/title_widget.h"
#include "app/ui/xy_dialog.h"
#include "exchange/ui/well_dialog.h"
#include "horizon/ui/pick_edit_frame.h"
#include "platform/file_message.h"
#include "platform/paths.h"
#include "platform/profile_file.h"
#include "platform/text_util.h"
#include "platform/ui/about_dialog.h"
#include "platform/ui/centre_window.h"
#include "platform/ui/help_browser.h"
#include "platform/ui/qt_progress.h"
#include "platform/ui/qt_prompter.h"
#include "project/header_file.h"
#include "project/trace_file_check.h"

namespace quarrix {

MainFrame::MainFrame(Session& session, Prompter* prompter, QWidget* parent)
    : QMainWindow(parent), session_(session) {
  if (!prompter) {
    own_prompter_ = std::make_unique<QtPrompter>(this);
    prompter = own_prompter_.get();
  }
  prompter_ = prompter;
  run_dialog = [this](QDialog& dialog) {
    CentreWindow(&dialog, this);
    return dialog.exec() == QDialog::Accepted;
  };
  show_placeholder = [this](const QString& text) {
    prompter_->Tell(text.toStdString(), "Quarrix3D", MessageIcon::Information);
  };
  std::string settings_path = SettingsFilePath();
  bool first_run = !FileExists(settings_path);
  ReadSetupSection(ProfileFile(settings_path), session_.settings);
  session_.colour_sets = LoadColourSets(ColourSetsFilePath());
  if (first_run) {
    // On a first start the monitor settings follow the real screen.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
      int x = qRound(screen->physicalDotsPerInchX()), y = qRound(screen->physicalDotsPerInchY());
      if (x >= 50 && x <= 1000 && y >= 50 && y <= 1000) {
        session_.settings.glppix = x;
        session_.settings.glppiy = y;
      }
    }
  }
  setCentralWidget(new TitleWidget(this));
  BuildMenus();
  BuildAccelerators();
  InstallHelpKey();
  SetCaption();
  UpdateProjectCommands();
}

MainFrame::~MainFrame() = default;

void MainFrame::BuildMenus() {
  std::map<std::string, QMenu*> menus;
  for (const MenuEntry& entry : MainMenuEntries()) {
    QAction* action;
    if (*entry.menu == '\0') {
      action = menuBar()->addAction(tr(entry.text));
    } else {
      QMenu*& menu = menus[entry.menu];
      if (!menu) menu = menuBar()->addMenu(tr(entry.menu));
      if (std::string(entry.text) == "-") {
        menu->addSeparator();
        continue;
      }
      if (entry.id == command::kExit) {
        recent_menu_ = menu->addMenu(tr("&Recent Projects"));
        menu->addSeparator();
      }
      action = menu->addAction(tr(entry.text));
    }
    int id = entry.id;
    connect(action, &QAction::triggered, this, [this, id] { Dispatch(id); });
    actions_[id] = action;
  }
  RebuildRecentMenu();
}

void MainFrame::BuildAccelerators() {
  // The accelerators act on the pick/edit frame from any window of the program.
  for (const Accelerator& accelerator : MainAccelerators()) {
    auto* shortcut = new QShortcut(QKeySequence(accelerator.key), this);
    shortcut->setContext(Qt::ApplicationShortcut);
    int id = accelerator.frame_command;
    connect(shortcut, &QShortcut::activated, this, [this, id] { Dispatch(id); });
  }
}

void MainFrame::RebuildRecentMenu() {
  recent_menu_->clear();
  std::vector<std::string> projects;
  if (session_.settings.lrufile.find('*') == std::string::npos &&
      !session_.settings.lrufile.empty())
    projects.push_back(session_.settings.lrufile);
  for (const std::string& r : session_.settings.recent)
    if (!r.empty()) projects.push_back(r);
  for (std::size_t k = 0; k < projects.size(); ++k) {
    QString path = QString::fromStdString(projects[k]);
    QAction* action = recent_menu_->addAction(QString("&%1 %2").arg(k + 1).arg(path));
    connect(action, &QAction::triggered, this, [this, path] { OpenProjectFile(path); });
  }
  recent_menu_->setEnabled(!projects.empty());
}

QAction* MainFrame::action(int command_id) const {
  auto it = actions_.find(command_id);
  return it == actions_.end() ? nullptr : it->second;
}

void MainFrame::SetCaption() {
  if (!session_.project.is_open) {
    setWindowTitle("Quarrix3D");
    return;
  }
  QString path = session_.project.amp.IsOpen() || trace_file_menu_enabled_
                     ? QString::fromStdString(session_.project.header_path)
                     : QString();
  setWindowTitle("Quarrix3D -- " + path);
}

void MainFrame::UpdateProjectCommands() {
  bool enabled = session_.project.is_open && trace_file_menu_enabled_;
  action(command::kTracePlot)->setEnabled(enabled);
  action(command::kPickEdit)->setEnabled(enabled);
}

bool MainFrame::RequireHeader() {
  if (session_.project.is_open) return true;
  prompter_->Tell("Data File Not Open!!", "Warning", MessageIcon::Stop);
  return false;
}

bool MainFrame::RequireTraceFile() {
  if (session_.project.amp.IsOpen()) return true;
  prompter_->Tell("Data File Not Open!!", "Warning", MessageIcon::Stop);
  return false;
}

void MainFrame::Dispatch(int id) {
  using namespace command;
  for (const Accelerator& accelerator : MainAccelerators()) {
    if (id == accelerator.frame_command) {
      if (id == kAccelF1 && !(pick_frame_ && pick_frame_->isVisible())) {
        // Without a pick/edit workspace on the screen F1 is the help key.
        QWidget* front = QApplication::activeWindow() ? QApplication::activeWindow() : this;
        ShowHelpPage(front, HelpPageFor(front));
      } else if (pick_frame_) {
        pick_frame_->Dispatch(accelerator.pick_command);
      }
      return;
    }
  }
  switch (id) {
    case kOpen: CommandOpen(); break;
    case kOpenAmpFile: CommandOpenAmpFile(); break;
    case kClose: CommandClose(); break;
    case kSaveHeader: CommandSaveHeader(); break;
    case kExit: close(); break;
    case kPrintSetup: PrinterSetup(this, printer_settings_); break;
    case kCreateAmpFile: CommandCreateAmpFile(); break;
    case kSetupHeader: CommandSetupHeader(); break;
    case kMonitor: CommandMonitor(); break;
    case kCreateXyFile: CommandCreateXyFile(); break;
    case kHorizonPlot:
      if (RequireHeader()) show_placeholder("The presentation horizon plot is not available yet.");
      break;
    case kTracePlot:
      if (RequireTraceFile()) show_placeholder("The presentation trace plot is not available yet.");
      break;
    case kPickEdit:
      if (pick_frame_) {
        pick_frame_->showMaximized();
        pick_frame_->raise();
      }
      break;
    case kScanContour: show_placeholder("The scan/contour window is not available yet."); break;
    case kMath: show_placeholder("The math functions are not available yet."); break;
    case kImportExport:
      show_placeholder("The import/export spreadsheet is not available yet.");
      break;
    case kCreateTimeSlice: show_placeholder("Time slices are not available yet."); break;
    case kOpenWell: CommandWell(true); break;
    case kCreateWell: CommandWell(false); break;
    case kDataLoading: CommandDataLoading(); break;
    case kHelp: CommandHelp(); break;
    case kAbout: CommandAbout(); break;
    default: break;
  }
}

bool MainFrame::OpenProjectFile(const QString& header_path) {
  session_.project.amp.Close();
  if (!OpenProject(session_.project, header_path.toStdString(), *prompter_)) return false;
  RememberProject(session_.settings, session_.project.header_path);
  QDir::setCurrent(QString::fromStdString(DirectoryOf(session_.project.header_path)));
  trace_file_menu_enabled_ = true;
  if (!pick_frame_) pick_frame_ = std::make_unique<PickEditFrame>();
  RebuildRecentMenu();
  SetCaption();
  UpdateProjectCommands();
  return true;
}

void MainFrame::CommandOpen() {
  if (auto path = prompter_->OpenFile(OpenHeaderRequest(session_.settings.lrufile)))
    OpenProjectFile(QString::fromStdString(*path));
}

void MainFrame::CommandOpenAmpFile() {
  FileDialogRequest request;
  request.title = "OPEN AMP FILE";
  request.filter_names[0] = "Amp Files (*.amp)";
  request.filter_patterns[0] = "*.amp";
  request.initial_file = "*.amp";
  request.initial_directory = DirectoryOf(session_.project.header_path);
  auto path = prompter_->OpenFile(request);
  if (!path) return;
  session_.project.amp.Close();
  // A file far too small for the project's grid is not opened: the header does not describe it.
  trace_file_menu_enabled_ = TraceFileAgrees(session_.project.header, *path, *prompter_) &&
                             session_.project.amp.Open(*path, AmpOpenMode::Read);
  UpdateProjectCommands();
  if (!session_.project.header_path.empty())
    QDir::setCurrent(QString::fromStdString(DirectoryOf(session_.project.header_path)));
}

void MainFrame::CommandClose() {
  session_.project.amp.Close();
  setWindowTitle("Quarrix3D -- ");
}

void MainFrame::CommandSaveHeader() {
  FileDialogRequest request;
  request.title = "SAVE HEADER FILE";
  request.filter_names[0] = "Header Files (*.hdr)";
  request.filter_patterns[0] = "*.hdr";
  request.default_extension = "hdr";
  request.initial_directory = DirectoryOf(session_.project.header_path);
  request.initial_file = FileNameOf(session_.project.header_path);
  request.must_exist = false;
  request.prompt_overwrite = true;
  if (auto path = prompter_->SaveFile(request))
    SaveHeader(*path, session_.project.header, *prompter_);
}

void MainFrame::CommandCreateAmpFile() {
  QtProgress progress(this, tr("Create Amp File"));
  if (CreateZeroAmpFile(session_.project, *prompter_, progress)) {
    trace_file_menu_enabled_ = true;
    UpdateProjectCommands();
  }
}

void MainFrame::CommandCreateXyFile() {
  if (!session_.project.is_open) {
    prompter_->Tell("Project Not Open!!", "Warning", MessageIcon::Stop);
    return;
  }
  FileDialogRequest request;
  request.title = "SAVE X/Y FILE";
  request.filter_names[0] = "X/Y Files (*.x_y)";
  request.filter_patterns[0] = "*.x_y";
  request.default_extension = "x_y";
  request.initial_directory = DirectoryOf(session_.project.header_path);
  request.initial_file = FileNameOf(session_.project.XyPath());
  request.must_exist = false;
  auto path = prompter_->SaveFile(request);
  if (!path) return;
  XyDialog dialog(session_.last_xy_corners, this);
  if (!run_dialog(dialog)) return;
  session_.last_xy_corners = dialog.corners();
  if (!WriteXyFile(*path, session_.project.header, session_.last_xy_corners)) {
    prompter_->Tell("Cannot Create X/Y File!", "", MessageIcon::Warning);
    return;
  }
  RefreshPlacement(session_.project);
}

void MainFrame::CommandSetupHeader() {
  HeaderDialog dialog(session_.project.header, *prompter_, this);
  if (!run_dialog(dialog)) return;
  DefaultViewAngles(session_.project.header.corner_index, session_.project.view_azimuth,
                    session_.project.view_elevation);
  if (QWidget* top = QApplication::activeWindow()) top->update();
}

void MainFrame::CommandMonitor() {
  MonitorDialog dialog(session_.settings, this);
  run_dialog(dialog);
}

void MainFrame::CommandDataLoading() {
  // The loader is looked for beside this program first, then along the path.
  // A failure keeps the "Error %ld" text and says on a second line what was
  // looked for and where.
  std::string folder = QCoreApplication::applicationDirPath().toStdString();
  std::string program = FindProgram("ingestor", folder);
  long error = 0;
  std::string detail;
  if (program.empty()) {
    error = ENOENT;
    detail = "The loader \"ingestor\" was not found in " + folder + " nor along the PATH.";
  } else if (!QProcess::startDetached(QString::fromStdString(program), {}, QDir::currentPath())) {
    error = EACCES;
    detail = "The loader " + program + " could not be started.";
  }
  if (error) prompter_->Tell(FormatText("Error %ld", error) + "\n" + detail, "", MessageIcon::None);
}

void MainFrame::CommandWell(bool open_existing) {
  std::string folder = DirectoryOf(session_.project.header_path);
  FileDialogRequest request;
  request.filter_names[0] = "Well Files (*.wll)";
  request.filter_patterns[0] = "*.wll";
  request.default_extension = "wll";
  request.initial_directory = folder;
  if (open_existing) {
    request.title = "OPEN WELL FILE";
    auto path = prompter_->OpenFile(request);
    if (!path) return;
    auto well = ReadWellFile(*path);
    if (!well) {
      prompter_->Tell(NamingFile("Cannot Open Well File!", *path), "", MessageIcon::Warning);
      return;
    }
    session_.current_well = *well;
    session_.current_well_path = *path;
  } else {
    session_.current_well = WellRecord{};
    session_.current_well_path.clear();
  }
  WellDialog dialog(session_.current_well, FileNameOf(session_.current_well_path), session_.project,
                    *prompter_, this);
  if (!run_dialog(dialog)) return;
  request.title = "SAVE WELL FILE";
  request.must_exist = false;
  request.prompt_overwrite = true;
  request.initial_file = FileNameOf(session_.current_well_path);
  auto path = prompter_->SaveFile(request);
  if (!path) return;
  if (!WriteWellFile(*path, session_.current_well)) {
    prompter_->Tell("Cannot Create Well File!", "", MessageIcon::Warning);
    return;
  }
  session_.current_well_path = *path;
}

void MainFrame::CommandHelp() {
  ShowHelp(this);
}

void MainFrame::CommandAbout() {
  RunAboutDialog(this, tr("About Quarrix3D"),
                 QString("<h2>Quarrix3D</h2><p>3-D seismic interpretation</p><p>Version %1</p>")
                     .arg(QCoreApplication::applicationVersion()),
                 run_dialog);
}

void MainFrame::closeEvent(QCloseEvent* event) {
  if (prompter_->Message("End Quarrix3D?", "WARNING", MessageIcon::Question,
                         MessageButtons::YesNo) != MessageAnswer::Yes) {
    event->ignore();
    return;
  }
  session_.project.amp.Close();
  pick_frame_.reset();
  EnsureConfigFolder();
  ProfileFile profile(SettingsFilePath());
  WriteSetupSection(profile, session_.settings);
  profile.Save();
  SaveColourSets(ColourSetsFilePath(), session_.colour_sets);
  event->accept();
}

}  // namespace quarrix
