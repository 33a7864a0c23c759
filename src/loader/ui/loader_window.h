#pragma once
// The loader program's main window "Ingestor": its menu and command dispatch,
// the hidden "Messages", progress and "Please Wait" windows made at start, and
// the load chain of "&Start" for tape, disk file and export.
#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "loader/ui/dialog_decisions.h"
#include "loader/ui/loader_state.h"
#include "loader/ui/tape_unit_dialog.h"

class QAction;

namespace quarrix {

class CommandHost;
struct LoadOutcome;
class MessagesWindow;
class PleaseWaitWindow;
class ProgressWindow;
class Prompter;

class LoaderWindow : public QMainWindow {
  Q_OBJECT
 public:
  // prompter: where messages and file dialogs go (the Qt dialogs when null).
  explicit LoaderWindow(Prompter* prompter = nullptr, QWidget* parent = nullptr);
  ~LoaderWindow() override;

  void Dispatch(int command_id);
  QAction* action(int command_id) const;
  LoaderState& state() { return state_; }
  MessagesWindow* messages_window() const { return messages_; }
  ProgressWindow* progress_window() const { return progress_; }
  PleaseWaitWindow* please_wait() const { return please_wait_; }
  // True while a load or export runs (the menu is off meanwhile).
  bool busy() const { return busy_; }

  // Runs a modal dialog; tests replace it to fill in and accept dialogs.
  DialogRunner run_dialog;
  // The "Select Tape Unit" line of a unit.
  std::function<std::string(int)> describe_tape_unit;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void CommandOpenProjectHdr();
  void CommandSaveProjectHdr();
  void CommandStart();
  void CommandAbout();

  void LoadFromTape(DialogDecisions& decisions);
  void LoadFromDisk(DialogDecisions& decisions);
  void ExportProjectTo(DialogDecisions& decisions);
  std::optional<TapeChoice> ChooseTape(bool for_export);
  void RewindChosenTape(const TapeChoice& choice);
  void TakeOutcome(const LoadOutcome& outcome, bool made_project);

  CommandHost* commands_;
  Prompter* prompter_;
  LoaderState state_;
  MessagesWindow* messages_;
  ProgressWindow* progress_;
  PleaseWaitWindow* please_wait_;
  bool busy_ = false;
};

}  // namespace quarrix
