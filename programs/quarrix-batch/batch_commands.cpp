#include "batch_commands.h"

#include "loader/demo_survey.h"
#include "project/project_commands.h"

namespace quarrix {

const std::vector<BatchCommandEntry>& BatchCommands() {
  static const std::vector<BatchCommandEntry> commands = {
      {"header", "show or edit a project header", RunHeaderCommand},
      {"xy", "write the X/Y file or convert positions", RunXyCommand},
      {"demo", "write and load the synthetic demo survey", RunDemoCommand},
  };
  return commands;
}

}  // namespace quarrix
