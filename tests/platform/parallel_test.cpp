#include "platform/parallel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

#include "platform/command_line.h"

namespace quarrix {
namespace {

TEST(RunParallel, EveryTaskRunsOnceOnAValidWorkerAndOneThreadKeepsTheOrder) {
  for (int threads : {1, 2, 5, 40}) {
    std::vector<std::atomic<int>> runs(37);
    std::atomic<bool> bad_worker{false};
    RunParallel(37, threads, [&](int worker, int task) {
      if (worker < 0 || worker >= threads) bad_worker = true;
      ++runs[static_cast<std::size_t>(task)];
    });
    for (const auto& count : runs) EXPECT_EQ(count.load(), 1) << threads;
    EXPECT_FALSE(bad_worker) << threads;
  }
  std::vector<int> order;
  RunParallel(4, 1, [&](int, int task) { order.push_back(task); });
  EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3}));
}

TEST(RunParallel, RunsStartedFromInsideARunFinish) {
  // The helper threads are kept between runs; a run started by a task of
  // another must not wait for helpers busy with the outer run.
  for (int round = 0; round < 20; ++round) {
    std::atomic<int> inner{0};
    RunParallel(4, 4, [&](int, int) { RunParallel(3, 3, [&](int, int) { ++inner; }); });
    EXPECT_EQ(inner.load(), 12);
  }
}

TEST(RunParallel, AFailingTaskIsRethrownAfterTheOthersStop) {
  EXPECT_THROW(RunParallel(50, 3,
                           [](int, int task) {
                             if (task == 7) throw std::runtime_error("task 7");
                           }),
               std::runtime_error);
}

TEST(RunParallel, TheCallersOwnWorkRunsOnceOnItWhileHelpersTakeTasks) {
  const std::thread::id caller = std::this_thread::get_id();
  for (int threads : {1, 2, 3}) {
    std::atomic<int> tasks{0}, tasks_by_caller{0}, tasks_before_own{0};
    std::atomic<bool> own_done{false};
    int own_runs = 0;
    bool own_on_caller = false;
    RunParallel(
        64, threads,
        [&](int worker, int) {
          ++tasks;
          if (std::this_thread::get_id() == caller) {
            ++tasks_by_caller;
            EXPECT_EQ(worker, 0);
            EXPECT_TRUE(own_done);  // the caller takes tasks only after its own work
          } else if (!own_done) {
            ++tasks_before_own;
          }
        },
        [&] {
          ++own_runs;
          own_on_caller = std::this_thread::get_id() == caller;
          // Long enough for the helpers to start on the tasks meanwhile.
          for (int wait = 0; wait < 2000 && tasks < 8; ++wait)
            std::this_thread::sleep_for(std::chrono::microseconds(100));
          own_done = true;
        });
    EXPECT_EQ(tasks.load(), 64) << threads;
    EXPECT_EQ(own_runs, 1) << threads;
    EXPECT_TRUE(own_on_caller) << threads;
    if (threads > 1) EXPECT_GT(tasks_before_own.load(), 0) << threads;
  }
  // A failure of the caller's own work is passed on once the helpers stop.
  EXPECT_THROW(RunParallel(
                   100, 2, [](int, int) {}, [] { throw std::runtime_error("placing failed"); }),
               std::runtime_error);
}

TEST(RunParallel, WithoutHelperThreadsTheCallerDoesEverything) {
  // The system may give no more threads; the work is then done on the
  // calling thread rather than ending the program.
  RefuseHelperThreadsForTesting(true);
  const std::thread::id caller = std::this_thread::get_id();
  std::vector<int> order;
  bool own = false, elsewhere = false;
  RunParallel(
      6, 4,
      [&](int worker, int task) {
        elsewhere = elsewhere || worker != 0 || std::this_thread::get_id() != caller;
        order.push_back(task);
      },
      [&] { own = order.empty(); });
  EXPECT_TRUE(own);
  EXPECT_FALSE(elsewhere);
  EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4, 5}));
  RefuseHelperThreadsForTesting(false);
}

TEST(ForEachLineBatch, CoversEveryLineOnceAndStopsWhenTold) {
  // Runs a pass over lines; true when every line was seen once. between
  // gets the lines done after each batch.
  std::vector<int> between;
  auto pass = [&](int lines, int threads, int per_task, int tasks_per_worker) {
    std::vector<std::atomic<int>> seen(static_cast<std::size_t>(lines));
    between.clear();
    const bool finished = ForEachLineBatch(
        lines, threads, per_task,
        [&](int, int first, int end) {
          for (int i = first; i < end; ++i) ++seen[static_cast<std::size_t>(i)];
        },
        [&](int done) {
          between.push_back(done);
          return true;
        },
        tasks_per_worker);
    return finished && std::all_of(seen.begin(), seen.end(), [](auto& n) { return n == 1; });
  };
  EXPECT_TRUE(pass(23, 3, 4, 1));
  EXPECT_EQ(between, (std::vector<int>{12, 23}));
  // Several runs per worker make longer batches on more than one thread only.
  EXPECT_TRUE(pass(23, 2, 3, 2));
  EXPECT_EQ(between, (std::vector<int>{12, 23}));
  EXPECT_TRUE(pass(5, 1, 1, 4));
  EXPECT_EQ(between, (std::vector<int>{1, 2, 3, 4, 5}));

  int batches = 0;
  EXPECT_FALSE(ForEachLineBatch(
      23, 1, 1, [](int, int, int) {}, [&](int) { return ++batches < 2; }));
  EXPECT_EQ(batches, 2);
}

TEST(ThreadsOption, DefaultsToEveryCoreAndRefusesNonsense) {
  int threads = 0;
  EXPECT_EQ(ReadThreadsOption(CommandLine({}, {"--threads"}, {}), threads), "");
  EXPECT_EQ(threads, MachineThreadCount());
  EXPECT_EQ(ReadThreadsOption(CommandLine({"--threads", "3"}, {"--threads"}, {}), threads), "");
  EXPECT_EQ(threads, 3);
  EXPECT_EQ(ReadThreadsOption(CommandLine({"--threads", "0"}, {"--threads"}, {}), threads), "");
  EXPECT_EQ(threads, MachineThreadCount());
  for (const char* bad : {"-1", "x", "2000"})
    EXPECT_NE(ReadThreadsOption(CommandLine({"--threads", bad}, {"--threads"}, {}), threads), "");
}

}  // namespace
}  // namespace quarrix
