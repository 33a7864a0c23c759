#include "loader/loader_commands.h"

namespace quarrix {

const std::vector<LoaderCommandEntry>& LoaderCommands() {
  static const std::vector<LoaderCommandEntry> commands = {
      {"scan", "show the headers and trace-header word ranges of a SEG-Y file", RunScanCommand},
      {"load", "convert SEG-Y disk files into a project", RunLoadCommand},
      {"export", "write a project as SEG-Y to tape or to a file", RunExportCommand},
      {"tape-load", "load a tape or tape image, or copy it to disk", RunTapeLoadCommand},
  };
  return commands;
}

}  // namespace quarrix
