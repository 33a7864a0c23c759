#include "map/grid_file_io.h"

#include <ostream>

#include "platform/atomic_file.h"
#include "platform/terminal_prompter.h"
#include "project/header_file.h"

namespace quarrix {

bool LoadGridFile(const std::string& header_path, const std::string& grid_path,
                  LoadedGridFile& loaded, std::string& problem, std::ostream& err) {
  TerminalPrompter prompter(err);
  if (!LoadHeader(header_path, loaded.header, prompter)) {
    problem = "cannot read the project header " + header_path;
    return false;
  }
  if (std::string header_problem = HeaderProblem(loaded.header); !header_problem.empty()) {
    problem = header_path + ": " + header_problem;
    return false;
  }
  if (!ReadWholeFile(grid_path, loaded.bytes)) {
    problem = "cannot open the grid file " + grid_path;
    return false;
  }
  const int rows = loaded.header.num_lines, columns = loaded.header.traces_per_line;
  const unsigned long long needed =
      kHorizonStyleBytes + 2ull * static_cast<unsigned long long>(rows) * columns;
  if (loaded.bytes.size() < needed) {
    problem = ShortGridProblem(grid_path, loaded.bytes.size(), rows, columns, needed);
    return false;
  }
  loaded.time = HorizonGrid(rows, columns);
  DecodeGridCells(std::string_view(loaded.bytes).substr(kHorizonStyleBytes), loaded.time);
  return true;
}

}  // namespace quarrix
