#pragma once
// The batch commands of the loader program: "ingestor scan|load|export|tape-load".
#include <iosfwd>
#include <string>
#include <vector>

namespace quarrix {

int RunScanCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunLoadCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunTapeLoadCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

struct LoaderCommandEntry {
  const char* name;
  const char* summary;
  int (*run)(const std::vector<std::string>&, std::ostream&, std::ostream&);
};
const std::vector<LoaderCommandEntry>& LoaderCommands();

}  // namespace quarrix
