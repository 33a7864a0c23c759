#pragma once
// Work split across the machine's cores. The calling thread takes part as
// worker 0, so anything that may only be done on it (telling the user,
// progress) stays with worker 0 or between the batches. With one thread the
// work runs on the calling thread in its plain order.
#include <functional>

namespace quarrix {

// The cores of the machine (at least 1).
int MachineThreadCount();

// A requested thread count: 0 means every core; otherwise at least 1.
int ResolveThreadCount(int requested);

// Runs run(worker, task) for every task in [0, task_count) on up to threads
// threads, worker in [0, threads); returns when all are done. Tasks are taken
// in order, each by the first free worker. The first exception a task throws
// is rethrown once every worker has stopped. With first_on_caller, the
// calling thread runs it before it takes tasks, while the helpers start on
// them: work of its own overlaps the run without a thread more.
void RunParallel(int task_count, int threads, const std::function<void(int worker, int task)>& run,
                 const std::function<void()>& first_on_caller = {});

// Makes every start of a helper thread fail as it does when the system has
// no more threads to give, so that tests can see the work done without
// them. Only tests call it.
void RefuseHelperThreadsForTesting(bool refuse);

// Lines [0, line_count) in batches: each batch holds runs of lines_per_task
// consecutive lines, tasks_per_worker of them per worker when there is more
// than one (one otherwise); work(worker, first_line, end_line) runs a run on
// whichever worker is free, and between(lines_done) is then called on the
// calling thread; a false from it stops the pass. False when stopped. More
// runs per batch let runs of uneven cost even out before the workers meet.
bool ForEachLineBatch(int line_count, int threads, int lines_per_task,
                      const std::function<void(int worker, int first_line, int end_line)>& work,
                      const std::function<bool(int lines_done)>& between, int tasks_per_worker = 1);

}  // namespace quarrix
