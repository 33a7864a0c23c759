#pragma once
// Builds a window's menus, tool bar buttons, check groups and keys from its
// command table, keeps their enabled and checked marks true on Refresh(), and
// dispatches by command number. It also owns the window's Prompter.
#include <QObject>
#include <map>
#include <memory>

#include "platform/command_table.h"

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QToolBar;

namespace quarrix {

class Prompter;

class CommandHost : public QObject {
  Q_OBJECT
 public:
  // prompter: where the window's messages and file questions go (Qt dialogs
  // over the window when null).
  CommandHost(QMainWindow* window, Prompter* prompter = nullptr);
  ~CommandHost() override;

  // Builds the window's menu bar (and a tool bar for the commands that ask
  // for one) from the table, replacing any earlier table.
  void Install(CommandTable table);
  // Runs a command by number, then refreshes the marks; false for a number
  // the table does not have. Disabled commands still run when posted.
  bool Dispatch(int id);
  // Re-evaluates every command's enabled and checked state.
  void Refresh();

  QAction* action(int id) const;
  QMenu* menu(const QString& title) const;
  QToolBar* tool_bar() const { return tool_bar_; }
  const CommandTable& table() const { return table_; }
  Prompter& prompter() { return *prompter_; }

 private:
  QAction* MakeAction(const CommandSpec& item, QMenu* menu);

  QMainWindow* window_;
  std::unique_ptr<Prompter> own_prompter_;
  Prompter* prompter_;
  CommandTable table_;
  std::map<int, QAction*> actions_;
  std::map<QString, QMenu*> menus_;
  std::map<int, QActionGroup*> groups_;
  QToolBar* tool_bar_ = nullptr;
};

}  // namespace quarrix
