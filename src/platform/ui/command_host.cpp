#include "platform/ui/command_host.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QToolBar>

#include "platform/ui/qt_prompter.h"

namespace quarrix {

CommandHost::CommandHost(QMainWindow* window, Prompter* prompter)
    : QObject(window), window_(window) {
  if (!prompter) {
    own_prompter_ = std::make_unique<QtPrompter>(window);
    prompter = own_prompter_.get();
  }
  prompter_ = prompter;
}

CommandHost::~CommandHost() = default;

QAction* CommandHost::MakeAction(const CommandSpec& item, QMenu* menu) {
  const QString text = QString::fromStdString(item.text);
  QAction* action = menu ? menu->addAction(text) : window_->menuBar()->addAction(text);
  if (!item.shortcut.empty())
    action->setShortcuts(QKeySequence::listFromString(QString::fromStdString(item.shortcut)));
  if (item.checked) action->setCheckable(true);
  if (item.group != 0) {
    QActionGroup*& group = groups_[item.group];
    if (!group) group = new QActionGroup(this);
    group->addAction(action);
  }
  const int id = item.id;
  connect(action, &QAction::triggered, this, [this, id] { Dispatch(id); });
  return action;
}

void CommandHost::Install(CommandTable table) {
  window_->menuBar()->clear();
  delete tool_bar_;
  tool_bar_ = nullptr;
  for (auto& [number, group] : groups_) delete group;
  groups_.clear();
  actions_.clear();
  menus_.clear();
  table_ = std::move(table);
  for (const CommandSpec& item : table_) {
    QMenu* menu = nullptr;
    if (!item.menu.empty()) {
      const QString title = QString::fromStdString(item.menu);
      QMenu*& slot = menus_[title];
      if (!slot) slot = window_->menuBar()->addMenu(title);
      menu = slot;
    }
    if (item.id == 0 && item.text == "-") {
      if (menu) menu->addSeparator();
      continue;
    }
    QAction* action = MakeAction(item, menu);
    actions_[item.id] = action;
    if (item.toolbar) {
      if (!tool_bar_) tool_bar_ = window_->addToolBar(window_->windowTitle());
      tool_bar_->addAction(action);
    }
  }
  Refresh();
}

bool CommandHost::Dispatch(int id) {
  const CommandSpec* item = FindCommand(table_, id);
  if (!item) return false;
  // The command may close the window or install another table: run a copy
  // and refresh only while the host still exists.
  const std::function<void()> run = item->run;
  QPointer<CommandHost> alive(this);
  if (run) run();
  if (alive) Refresh();
  return true;
}

void CommandHost::Refresh() {
  for (const CommandSpec& item : table_) {
    auto it = actions_.find(item.id);
    if (item.id == 0 || it == actions_.end()) continue;
    it->second->setEnabled(CommandEnabled(item));
    if (item.checked) it->second->setChecked(CommandChecked(item));
  }
}

QAction* CommandHost::action(int id) const {
  auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

QMenu* CommandHost::menu(const QString& title) const {
  auto it = menus_.find(title);
  return it == menus_.end() ? nullptr : it->second;
}

}  // namespace quarrix
