#include "batch_commands.h"

#include "dxf/dxf_commands.h"
#include "exchange/exchange_commands.h"
#include "loader/demo_survey.h"
#include "project/project_commands.h"
#include "section/conditioning_commands.h"

namespace quarrix {

const std::vector<BatchCommandEntry>& BatchCommands() {
  static const std::vector<BatchCommandEntry> commands = {
      {"header", "show or edit a project header", RunHeaderCommand},
      {"xy", "write the X/Y file or convert positions", RunXyCommand},
      {"condition", "print one conditioned trace", RunConditionCommand},
      {"process", "condition every trace into a trace file", RunProcessCommand},
      {"demo", "write and load the synthetic demo survey", RunDemoCommand},
      {"dxf", "read a DXF drawing as the map overlay does", RunDxfCommand},
      {"import-horizon", "convert a text file of picks into a horizon", RunImportHorizonCommand},
      {"export-horizon", "write a horizon as text in a vendor's layout", RunExportHorizonCommand},
      {"well", "create or show a well file", RunWellCommand},
      {"math", "horizon math: expressions and grid functions", RunMathCommand},
  };
  return commands;
}

}  // namespace quarrix
