#include "platform/process_group.h"

#include <algorithm>

namespace quarrix {
namespace {

ProcessGroupJoiner joiner_of_program = nullptr;

}  // namespace

LineRange LinesOfRank(int count, int rank, int ranks) {
  const long long n = std::max(count, 0);
  const long long r = std::max(ranks, 1);
  const long long k = std::clamp<long long>(rank, 0, r);
  return {static_cast<int>(n * k / r), static_cast<int>(n * std::min(k + 1, r) / r)};
}

bool FirstDecides(ProcessGroup* group, const std::function<bool()>& check) {
  if (!group) return check();
  const bool answer = group->IsFirst() ? check() : true;
  return group->AllOk(answer);
}

void SetProcessGroupJoiner(ProcessGroupJoiner joiner) {
  joiner_of_program = joiner;
}

std::unique_ptr<ProcessGroup> JoinProcessGroup(std::string& problem) {
  if (!joiner_of_program) {
    problem = "--mpi needs a build with MPI (this one was built without it)";
    return nullptr;
  }
  return joiner_of_program(problem);
}

}  // namespace quarrix
