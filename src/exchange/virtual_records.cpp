#include "exchange/virtual_records.h"

#include <cstring>
#include <filesystem>
#include <random>

#include "platform/text_util.h"

namespace quarrix {
namespace {

constexpr std::size_t kRecordBytes = sizeof(float) * kVirtualFields;
constexpr std::size_t kBlockRecords = 4096;

void EncodeRecord(const VirtualRecord& record, unsigned char* out) {
  for (int i = 0; i < kVirtualFields; ++i) {
    std::uint32_t bits;
    std::memcpy(&bits, &record[static_cast<std::size_t>(i)], 4);
    for (int b = 0; b < 4; ++b) out[i * 4 + b] = static_cast<unsigned char>(bits >> (8 * b));
  }
}

void DecodeRecord(const unsigned char* in, VirtualRecord& record) {
  for (int i = 0; i < kVirtualFields; ++i) {
    std::uint32_t bits = 0;
    for (int b = 0; b < 4; ++b) bits |= static_cast<std::uint32_t>(in[i * 4 + b]) << (8 * b);
    std::memcpy(&record[static_cast<std::size_t>(i)], &bits, 4);
  }
}

}  // namespace

std::unique_ptr<VirtualRecords> VirtualRecords::Create() {
  std::error_code ec;
  std::filesystem::path folder = std::filesystem::temp_directory_path(ec);
  if (ec) return nullptr;
  std::random_device entropy;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string path = (folder / FormatText("~spd%08x.tmp", entropy())).string();
    if (std::FILE* file = std::fopen(path.c_str(), "w+bx")) {
      // The open file keeps its data; its name goes at once where the system
      // allows it, so no run, however it ends, leaves one behind.
      std::remove(path.c_str());
      return std::unique_ptr<VirtualRecords>(new VirtualRecords(file, path));
    }
  }
  return nullptr;
}

VirtualRecords::~VirtualRecords() {
  std::fclose(file_);
  std::remove(path_.c_str());
}

bool VirtualRecords::Append(const VirtualRecord& record) {
  pending_.push_back(record);
  ++count_;
  return pending_.size() < kBlockRecords || FlushPending();
}

bool VirtualRecords::FlushPending() {
  if (pending_.empty()) return true;
  std::vector<unsigned char> bytes(pending_.size() * kRecordBytes);
  for (std::size_t i = 0; i < pending_.size(); ++i)
    EncodeRecord(pending_[i], &bytes[i * kRecordBytes]);
  pending_.clear();
  block_first_ = -1;
  return std::fseek(file_, 0, SEEK_END) == 0 &&
         std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size();
}

const VirtualRecord& VirtualRecords::Read(std::int64_t index) {
  if (index < 0 || index >= count_) return zero_;
  if (block_first_ >= 0 && index >= block_first_ &&
      index < block_first_ + static_cast<std::int64_t>(block_.size()))
    return block_[static_cast<std::size_t>(index - block_first_)];
  if (!FlushPending()) return zero_;
  std::int64_t first = index - index % static_cast<std::int64_t>(kBlockRecords);
  std::vector<unsigned char> bytes(kBlockRecords * kRecordBytes);
  std::size_t got = 0;
  if (std::fseek(file_, static_cast<long>(first * static_cast<std::int64_t>(kRecordBytes)),
                 SEEK_SET) == 0)
    got = std::fread(bytes.data(), 1, bytes.size(), file_) / kRecordBytes;
  block_.assign(got, VirtualRecord{});
  for (std::size_t i = 0; i < got; ++i) DecodeRecord(&bytes[i * kRecordBytes], block_[i]);
  block_first_ = first;
  if (index - first >= static_cast<std::int64_t>(got)) return zero_;
  return block_[static_cast<std::size_t>(index - first)];
}

}  // namespace quarrix
