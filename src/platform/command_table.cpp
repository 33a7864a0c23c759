#include "platform/command_table.h"

namespace quarrix {

CommandSpec MenuSeparator(std::string menu) {
  CommandSpec item;
  item.menu = std::move(menu);
  item.text = "-";
  return item;
}

const CommandSpec* FindCommand(const CommandTable& table, int id) {
  if (id == 0) return nullptr;
  for (const CommandSpec& item : table)
    if (item.id == id) return &item;
  return nullptr;
}

bool CommandEnabled(const CommandSpec& item) {
  return !item.enabled || item.enabled();
}

bool CommandChecked(const CommandSpec& item) {
  return item.checked && item.checked();
}

bool RunCommand(const CommandTable& table, int id) {
  const CommandSpec* item = FindCommand(table, id);
  if (!item) return false;
  if (item->run) item->run();
  return true;
}

}  // namespace quarrix
