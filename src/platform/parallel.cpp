#include "platform/parallel.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace quarrix {

int MachineThreadCount() {
  return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

int ResolveThreadCount(int requested) {
  return requested <= 0 ? MachineThreadCount() : requested;
}

namespace {

std::atomic<bool> refuse_helpers{false};

// Counts the helpers of one RunParallel call down to zero.
class Latch {
 public:
  explicit Latch(int count) : count_(count) {}
  void CountDown() {
    // Notified under the lock: the waiter cannot return, and destroy this,
    // before the helper is done with it.
    std::lock_guard lock(lock_);
    if (--count_ == 0) zero_.notify_all();
  }
  void Wait() {
    std::unique_lock lock(lock_);
    zero_.wait(lock, [&] { return count_ == 0; });
  }

 private:
  std::mutex lock_;
  std::condition_variable zero_;
  int count_;
};

// Threads kept from one parallel run to the next: starting a thread costs
// more than a block of work takes. A run takes idle helpers and starts new
// ones when none is idle, so a run started from inside another never waits
// for a helper that is busy with the outer one.
class HelperPool {
 public:
  static HelperPool& Instance() {
    static HelperPool pool;
    return pool;
  }

  ~HelperPool() {
    for (const auto& helper : helpers_) {
      {
        std::lock_guard lock(helper->lock);
        helper->quit = true;
      }
      helper->wake.notify_one();
    }
    for (const auto& helper : helpers_) helper->thread.join();
  }

  void Start(std::function<void()> job, Latch& done) {
    Helper& helper = TakeIdle();
    {
      std::lock_guard lock(helper.lock);
      helper.job = std::move(job);
      helper.done = &done;
    }
    helper.wake.notify_one();
  }

 private:
  struct Helper {
    std::mutex lock;
    std::condition_variable wake;
    std::function<void()> job;
    Latch* done = nullptr;
    bool quit = false;
    std::thread thread;
  };

  Helper& TakeIdle() {
    if (refuse_helpers)
      throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
    std::lock_guard lock(lock_);
    if (!idle_.empty()) {
      Helper* helper = idle_.back();
      idle_.pop_back();
      return *helper;
    }
    helpers_.push_back(std::make_unique<Helper>());
    Helper* helper = helpers_.back().get();
    try {
      helper->thread = std::thread([this, helper] { Serve(*helper); });
    } catch (...) {
      helpers_.pop_back();  // no thread could be had: the caller does without
      throw;
    }
    return *helper;
  }

  void Serve(Helper& helper) {
    for (;;) {
      std::function<void()> job;
      Latch* done = nullptr;
      {
        std::unique_lock lock(helper.lock);
        helper.wake.wait(lock, [&] { return helper.job || helper.quit; });
        if (!helper.job) return;
        job = std::move(helper.job);
        helper.job = nullptr;
        done = helper.done;
      }
      job();
      job = nullptr;
      // Idle again before the run hears of it, so that the run's next call
      // finds this helper rather than starting another.
      {
        std::lock_guard lock(lock_);
        idle_.push_back(&helper);
      }
      done->CountDown();
    }
  }

  std::mutex lock_;
  std::vector<Helper*> idle_;
  std::vector<std::unique_ptr<Helper>> helpers_;
};

}  // namespace

void RefuseHelperThreadsForTesting(bool refuse) {
  refuse_helpers = refuse;
}

void RunParallel(int task_count, int threads, const std::function<void(int worker, int task)>& run,
                 const std::function<void()>& first_on_caller) {
  const int workers = std::clamp(threads, 1, std::max(task_count, 1));
  if (workers == 1) {
    if (first_on_caller) first_on_caller();
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
  Latch helpers_done(workers - 1);
  int started = 1;
  for (; started < workers; ++started) {
    try {
      HelperPool::Instance().Start([&work, worker = started] { work(worker); }, helpers_done);
    } catch (const std::system_error&) {
      break;  // the system gives no more threads: fewer workers share the tasks
    }
  }
  for (int missing = started; missing < workers; ++missing) helpers_done.CountDown();
  if (first_on_caller) {
    try {
      first_on_caller();
    } catch (...) {
      std::lock_guard lock(failure_lock);
      if (!failure) failure = std::current_exception();
      next = task_count;
    }
  }
  work(0);
  helpers_done.Wait();
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
