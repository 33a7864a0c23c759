#include "platform/command_table.h"

namespace quarrix {

CommandSpec MenuSeparator(std::string menu) {
  CommandSpec spec;
  spec.menu = std::move(menu);
  spec.text = "-";
  return spec;
}

const CommandSpec* FindCommand(const CommandTable& table, int id) {
  if (id == 0) return nullptr;
  for (const CommandSpec& spec : table)
    if (spec.id == id) return &spec;
  return nullptr;
}

bool CommandEnabled(const CommandSpec& spec) {
  return !spec.enabled || spec.enabled();
}

bool CommandChecked(const CommandSpec& spec) {
  return spec.checked && spec.checked();
}

bool RunCommand(const CommandTable& table, int id) {
  const CommandSpec* spec = FindCommand(table, id);
  if (!spec) return false;
  if (spec->run) spec->run();
  return true;
}

}  // namespace quarrix
