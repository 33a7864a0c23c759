#pragma once
// A window's commands as one table: where each sits in the menus, its key,
// its check group, when it is enabled or checked, and what it runs. The
// window's Qt shell builds its menus from the table and dispatches by number,
// so the fixed command numbers other windows post still arrive.
#include <functional>
#include <string>
#include <vector>

namespace quarrix {

struct CommandSpec {
  int id = 0;
  std::string menu;               // menu title, "" for an item on the menu bar itself
  std::string text;               // "-" with id 0 for a separator
  std::string shortcut;           // portable key-sequence text, "" for none
  int group = 0;                  // commands of one non-zero group are checked one at a time
  std::function<bool()> enabled;  // always enabled when empty
  std::function<bool()> checked;  // not checkable when empty
  std::function<void()> run;      // does nothing when empty
  bool toolbar = false;           // also a button of the window's tool bar
};

using CommandTable = std::vector<CommandSpec>;

// A separator in the menu of that title.
CommandSpec MenuSeparator(std::string menu);

// The entry for a command number, or null (separators have none).
const CommandSpec* FindCommand(const CommandTable& table, int id);

bool CommandEnabled(const CommandSpec& item);
bool CommandChecked(const CommandSpec& item);

// Runs the command of that number; false when the table has none. The
// enabled state greys menu items and keys only: a command posted by number
// arrives as it always did and checks its own preconditions.
bool RunCommand(const CommandTable& table, int id);

}  // namespace quarrix
