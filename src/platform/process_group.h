#pragma once
// The processes of one job started together on one or many machines (by
// mpirun, or a scheduler's srun): each knows its rank among them, takes its
// own share of the lines, and meets the others to agree on the outcome.
// One process alone is a group of one, so every job runs the same code.
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quarrix {

class ProcessGroup {
 public:
  virtual ~ProcessGroup() = default;
  virtual int Rank() const = 0;
  virtual int Size() const = 0;
  // Each of these is met by every process of the group, in the same order.
  // True on every process when ok is true on every process.
  virtual bool AllOk(bool ok) = 0;
  // The sum of value over the group, on every process.
  virtual long long Sum(long long value) = 0;
  // Rank 0's text, on every process.
  virtual std::string Share(const std::string& text) = 0;
  // Every process's bytes one after the other in rank order, on rank 0
  // (empty elsewhere).
  virtual std::vector<char> GatherOnFirst(const char* data, std::size_t bytes) = 0;
  bool IsFirst() const { return Rank() == 0; }
};

// A group of one.
class SingleProcess final : public ProcessGroup {
 public:
  int Rank() const override { return 0; }
  int Size() const override { return 1; }
  bool AllOk(bool ok) override { return ok; }
  long long Sum(long long value) override { return value; }
  std::string Share(const std::string& text) override { return text; }
  std::vector<char> GatherOnFirst(const char* data, std::size_t bytes) override {
    return {data, data + bytes};
  }
};

// The rank's run of the lines [0, count): consecutive lines in rank order,
// shares differing by at most one line.
struct LineRange {
  int first = 0;
  int end = 0;
  int count() const { return end - first; }
};
LineRange LinesOfRank(int count, int rank, int ranks);

// A check made once for the job: run by the first process (or by this one
// when group is null), its answer given to every process.
bool FirstDecides(ProcessGroup* group, const std::function<bool()>& check);

// The job's group: a program built with MPI installs how to join it; without
// that, nullptr and why.
using ProcessGroupJoiner = std::unique_ptr<ProcessGroup> (*)(std::string& problem);
void SetProcessGroupJoiner(ProcessGroupJoiner joiner);
std::unique_ptr<ProcessGroup> JoinProcessGroup(std::string& problem);

}  // namespace quarrix
