#pragma once
// A job of several processes played by threads of one test: each rank runs
// on its own thread, and every collective step meets the others at a barrier.
// Bodies must reach the same collective steps on every rank (no ASSERT that
// returns early), as processes of a real job must.
#include <barrier>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/process_group.h"

namespace quarrix::testing {

class ThreadJob {
 public:
  explicit ThreadJob(int size) : slots_(static_cast<std::size_t>(size)), meet_(size) {}

  // Runs body(group) once per rank, each on its own thread.
  static void Run(int size, const std::function<void(ProcessGroup& group)>& body) {
    ThreadJob job(size);
    std::vector<std::thread> ranks;
    for (int rank = 0; rank < size; ++rank)
      ranks.emplace_back([&job, &body, rank] {
        Member group(job, rank);
        body(group);
      });
    for (std::thread& rank : ranks) rank.join();
  }

 private:
  class Member final : public ProcessGroup {
   public:
    Member(ThreadJob& job, int rank) : job_(job), rank_(rank) {}
    int Rank() const override { return rank_; }
    int Size() const override { return static_cast<int>(job_.slots_.size()); }
    bool AllOk(bool ok) override {
      bool all = true;
      Meet(ok ? "1" : "0", [&] {
        for (const std::string& slot : job_.slots_) all = all && slot == "1";
      });
      return all;
    }
    long long Sum(long long value) override {
      long long total = 0;
      Meet(std::to_string(value), [&] {
        for (const std::string& slot : job_.slots_) total += std::stoll(slot);
      });
      return total;
    }
    std::string Share(const std::string& text) override {
      std::string first;
      Meet(text, [&] { first = job_.slots_[0]; });
      return first;
    }
    std::vector<char> GatherOnFirst(const char* data, std::size_t bytes) override {
      std::vector<char> all;
      Meet(std::string(data, bytes), [&] {
        if (rank_ == 0)
          for (const std::string& slot : job_.slots_)
            all.insert(all.end(), slot.begin(), slot.end());
      });
      return all;
    }

   private:
    // Puts this rank's part in its slot, waits for every rank, reads, and
    // waits again so that no slot is reused before everyone has read.
    template <typename Read>
    void Meet(std::string part, Read read) {
      job_.slots_[static_cast<std::size_t>(rank_)] = std::move(part);
      job_.meet_.arrive_and_wait();
      read();
      job_.meet_.arrive_and_wait();
    }
    ThreadJob& job_;
    int rank_;
  };

  std::vector<std::string> slots_;
  std::barrier<> meet_;
};

}  // namespace quarrix::testing
