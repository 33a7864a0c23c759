#pragma once
// Batch commands of the map engines: grid the holes of a grid file, and trace
// its contours.
#include <iosfwd>
#include <string>
#include <vector>

namespace quarrix {

int RunGridCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunContourCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quarrix
