#include "platform/mpi/mpi_group.h"

#include <mpi.h>

#include <algorithm>
#include <cstdint>

namespace quarrix {
namespace {

// MPI counts are ints: larger transfers go in pieces of this size.
constexpr std::size_t kPieceBytes = std::size_t{1} << 30;

class MpiGroup final : public ProcessGroup {
 public:
  MpiGroup() {
    MPI_Comm_rank(MPI_COMM_WORLD, &rank_);
    MPI_Comm_size(MPI_COMM_WORLD, &size_);
  }
  ~MpiGroup() override { MPI_Finalize(); }
  MpiGroup(const MpiGroup&) = delete;
  MpiGroup& operator=(const MpiGroup&) = delete;

  int Rank() const override { return rank_; }
  int Size() const override { return size_; }

  bool AllOk(bool ok) override {
    int mine = ok ? 1 : 0, all = 0;
    MPI_Allreduce(&mine, &all, 1, MPI_INT, MPI_LAND, MPI_COMM_WORLD);
    return all != 0;
  }

  long long Sum(long long value) override {
    long long total = 0;
    MPI_Allreduce(&value, &total, 1, MPI_LONG_LONG, MPI_SUM, MPI_COMM_WORLD);
    return total;
  }

  std::string Share(const std::string& text) override {
    unsigned long long length = text.size();
    MPI_Bcast(&length, 1, MPI_UNSIGNED_LONG_LONG, 0, MPI_COMM_WORLD);
    std::string shared = rank_ == 0 ? text : std::string(length, '\0');
    MoveBytes(shared.data(), shared.size(),
              [](char* piece, int count) { MPI_Bcast(piece, count, MPI_CHAR, 0, MPI_COMM_WORLD); });
    return shared;
  }

  std::vector<char> GatherOnFirst(const char* data, std::size_t bytes) override {
    unsigned long long mine = bytes;
    std::vector<unsigned long long> sizes(static_cast<std::size_t>(size_));
    MPI_Gather(&mine, 1, MPI_UNSIGNED_LONG_LONG, sizes.data(), 1, MPI_UNSIGNED_LONG_LONG, 0,
               MPI_COMM_WORLD);
    if (rank_ != 0) {
      MoveBytes(const_cast<char*>(data), bytes, [](char* piece, int count) {
        MPI_Send(piece, count, MPI_CHAR, 0, 0, MPI_COMM_WORLD);
      });
      return {};
    }
    std::size_t total = 0;
    for (unsigned long long size : sizes) total += static_cast<std::size_t>(size);
    std::vector<char> all(total);
    std::copy(data, data + bytes, all.begin());
    std::size_t at = bytes;
    for (int from = 1; from < size_; ++from) {
      const std::size_t count = static_cast<std::size_t>(sizes[static_cast<std::size_t>(from)]);
      MoveBytes(all.data() + at, count, [from](char* piece, int n) {
        MPI_Recv(piece, n, MPI_CHAR, from, 0, MPI_COMM_WORLD, MPI_STATUS_IGNORE);
      });
      at += count;
    }
    return all;
  }

 private:
  template <typename Step>
  static void MoveBytes(char* data, std::size_t bytes, Step step) {
    for (std::size_t done = 0; done < bytes; done += kPieceBytes)
      step(data + done, static_cast<int>(std::min(kPieceBytes, bytes - done)));
  }

  int rank_ = 0;
  int size_ = 1;
};

}  // namespace

std::unique_ptr<ProcessGroup> JoinMpiGroup(std::string& problem) {
  int started = 0;
  MPI_Initialized(&started);
  if (started) {
    problem = "MPI was started twice in one process";
    return nullptr;
  }
  // Only the calling thread talks to the other processes; worker threads
  // read and write files.
  int provided = 0;
  if (MPI_Init_thread(nullptr, nullptr, MPI_THREAD_FUNNELED, &provided) != MPI_SUCCESS) {
    problem = "MPI could not be started";
    return nullptr;
  }
  return std::make_unique<MpiGroup>();
}

}  // namespace quarrix
