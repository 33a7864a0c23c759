#include "platform/parallel.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace quarrix {

int MachineThreadCount() {
  return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

int ResolveThreadCount(int requested) {
  return requested <= 0 ? MachineThreadCount() : requested;
}

void RunParallel(int task_count, int threads,
                 const std::function<void(int worker, int task)>& run) {
  const int workers = std::clamp(threads, 1, std::max(task_count, 1));
  if (workers == 1) {
    for (int task = 0; task < task_count; ++task) run(0, task);
    return;
  }
  std::atomic<int> next{0};
  std::exception_ptr failure;
  std::mutex failure_lock;
  auto work = [&](int worker) {
    for (int task = next++; task < task_count; task = next++) {
      try {
        run(worker, task);
      } catch (...) {
        std::lock_guard lock(failure_lock);
        if (!failure) failure = std::current_exception();
        next = task_count;  // the others stop after their current task
      }
    }
  };
  std::vector<std::thread> helpers;
  helpers.reserve(static_cast<std::size_t>(workers - 1));
  for (int worker = 1; worker < workers; ++worker) helpers.emplace_back(work, worker);
  work(0);
  for (std::thread& helper : helpers) helper.join();
  if (failure) std::rethrow_exception(failure);
}

bool ForEachLineBatch(int line_count, int threads, int lines_per_task,
                      const std::function<void(int worker, int first_line, int end_line)>& work,
                      const std::function<bool(int lines_done)>& between, int tasks_per_worker) {
  const int per_task = std::max(lines_per_task, 1);
  const int workers = std::max(threads, 1);
  const int batch = per_task * workers * (workers > 1 ? std::max(tasks_per_worker, 1) : 1);
  for (int first = 0; first < line_count; first += batch) {
    const int end = std::min(line_count, first + batch);
    const int tasks = (end - first + per_task - 1) / per_task;
    RunParallel(tasks, workers, [&](int worker, int task) {
      const int from = first + task * per_task;
      work(worker, from, std::min(end, from + per_task));
    });
    if (!between(end)) return false;
  }
  return true;
}

}  // namespace quarrix
