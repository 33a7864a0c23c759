#pragma once
// The spreadsheet's virtual mode: rows kept in a temporary file instead of the
// sheet, one record of 15 32-bit floats (60 bytes) per row, in the system
// temporary folder under a name that starts "~spd". The name is removed as
// soon as the file is open (where the system allows it; else when the object
// goes), so an interrupted run leaves no temporary behind.
#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace quarrix {

inline constexpr int kVirtualFields = 15;
using VirtualRecord = std::array<float, kVirtualFields>;

class VirtualRecords {
 public:
  // Nothing when the temporary file cannot be made.
  static std::unique_ptr<VirtualRecords> Create();
  ~VirtualRecords();
  VirtualRecords(const VirtualRecords&) = delete;
  VirtualRecords& operator=(const VirtualRecords&) = delete;

  bool Append(const VirtualRecord& record);
  std::int64_t Count() const { return count_; }
  // Record index (from 0); all zero when it cannot be read.
  const VirtualRecord& Read(std::int64_t index);
  const std::string& path() const { return path_; }

 private:
  VirtualRecords(std::FILE* file, std::string path) : file_(file), path_(std::move(path)) {}
  bool FlushPending();

  std::FILE* file_;
  std::string path_;
  std::int64_t count_ = 0;
  std::vector<VirtualRecord> pending_;  // appended, not yet written
  std::vector<VirtualRecord> block_;    // a run of records read at once
  std::int64_t block_first_ = -1;
  VirtualRecord zero_{};
};

}  // namespace quarrix
