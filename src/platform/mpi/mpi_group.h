#pragma once
// The job's processes as started by mpirun or srun, over MPI.
#include <memory>
#include <string>

#include "platform/process_group.h"

namespace quarrix {

// Joins the MPI job (once per process; the group ends MPI when destroyed);
// nullptr and why when MPI cannot be started.
std::unique_ptr<ProcessGroup> JoinMpiGroup(std::string& problem);

}  // namespace quarrix
