#pragma once
// A load of many SEG-Y disk files shared among the processes of a job
// ("ingestor load ... --mpi"): each process scans and reads a run of whole
// files, writing its traces into the one trace file the first process made;
// the first process puts the parts together. The project, and the
// "Messages" lines the first process adds, are those of one process loading
// the files appended one after another.
#include <string>
#include <vector>

#include "loader/disk_conversion.h"

namespace quarrix {

class ProcessGroup;

struct GroupLoadRequest {
  DiskLoadRequest disk;  // the first file and its decoded binary header
  // Every file in input order, the first one included.
  std::vector<std::string> files;
  // The ranges come from the headers of every file (else of the first only).
  bool scan_every_file = true;
};

// Called by every process of the group with the same request. The first
// process answers through decisions and reports to the user; each process
// tells what went wrong in its own files. Any failure stops every process
// and leaves no project (an existing one as it was) and no temporary file.
LoadOutcome ConvertDiskFilesInGroup(const GroupLoadRequest& request, ProcessGroup& group,
                                    LoadDecisions& decisions, Prompter& prompter,
                                    Progress& progress);

}  // namespace quarrix
