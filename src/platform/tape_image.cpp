#include "platform/tape_image.h"

#include <filesystem>

#include "platform/byte_order.h"
#include "platform/safe_write.h"

namespace quarrix {
namespace {

constexpr std::uint32_t kEndOfMedium = 0xFFFFFFFFu;
constexpr std::uint32_t kErrorFlag = 0x80000000u;
constexpr std::uint32_t kLengthMask = 0x00FFFFFFu;

}  // namespace

bool TapeImage::Open(const std::string& path, bool writable) {
  if (file_.is_open()) file_.close();
  stream_ = nullptr;
  path_ = path;
  writable_ = writable;
  appending_ = false;
  std::ios::openmode mode = std::ios::binary | std::ios::in;
  if (writable) {
    mode |= std::ios::out;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) std::ofstream(path, std::ios::binary).flush();
  }
  file_.open(path, mode);
  position_ = 0;
  stream_ = file_.is_open() ? &file_ : nullptr;
  return stream_ != nullptr;
}

void TapeImage::OpenBytes(std::string bytes) {
  if (file_.is_open()) file_.close();
  memory_.str(std::move(bytes));
  stream_ = &memory_;
  writable_ = appending_ = false;
  position_ = 0;
}

bool TapeImage::VendorId(std::string& vendor) {
  vendor = "SIMH";
  return true;
}

bool TapeImage::ProductId(std::string& product) {
  product = "TAPE IMAGE";
  return true;
}

std::uint32_t TapeImage::TestUnitReady() {
  return stream_ ? kTapeOk : kTapeNotReady;
}

std::uint32_t TapeImage::Rewind() {
  position_ = 0;
  appending_ = false;
  return kTapeOk;
}

bool TapeImage::ReadWord(std::uint32_t& word) {
  appending_ = false;
  unsigned char b[4];
  stream_->clear();
  stream_->seekg(position_);
  if (!stream_->read(reinterpret_cast<char*>(b), 4)) return false;
  word = LoadLittle<std::uint32_t>(b);
  position_ += 4;
  return true;
}

std::uint32_t TapeImage::ReadVariableBlock(void* buffer, std::size_t length, std::size_t& got) {
  got = 0;
  if (!stream_) return kTapeNotReady;
  std::uint32_t word;
  if (!ReadWord(word)) return kTapeEndOfData;
  if (word == kEndOfMedium) {
    position_ -= 4;  // stays at the end
    return kTapeEndOfData;
  }
  if (word == 0) return kTapeFileMark;
  std::uint32_t record = word & kLengthMask;
  std::int64_t start = position_;
  std::size_t take = std::min<std::size_t>(record, length);
  stream_->clear();
  stream_->seekg(start);
  if (!stream_->read(static_cast<char*>(buffer), static_cast<std::streamsize>(take)))
    return kTapeEndOfData;  // a record cut off by the end of the image
  got = take;
  position_ = start + record + (record & 1) + 4;
  if (word & kErrorFlag) return kTapeMediumError;
  return record == length ? kTapeOk : kTapeInvalidBlock;
}

std::uint32_t TapeImage::SpaceFileMarks(int count) {
  for (int marks = 0; marks < count;) {
    std::uint32_t word;
    std::int64_t at = position_;
    if (!ReadWord(word) || word == kEndOfMedium) {
      position_ = at;
      return kTapeEndOfData;
    }
    if (word == 0) {
      ++marks;
      continue;
    }
    // Step over the record and its trailing length word without reading it.
    std::uint32_t record = word & kLengthMask;
    position_ += record + (record & 1) + 4;
  }
  return kTapeOk;
}

std::uint32_t TapeImage::WriteRecord(std::uint32_t length_word, const void* buffer,
                                     std::size_t length) {
  if (!file_.is_open() || !writable_ || WriteFaultInjected(WriteStep::Write, path_))
    return kTapeIoError;
  if (!appending_) {
    // Writing ends the recorded data: what lay beyond is gone, as on a tape.
    file_.close();
    std::error_code ec;
    std::filesystem::resize_file(path_, static_cast<std::uintmax_t>(position_), ec);
    file_.open(path_, std::ios::binary | std::ios::in | std::ios::out);
    stream_ = file_.is_open() ? &file_ : nullptr;
    if (ec || !stream_) return kTapeIoError;
    appending_ = true;
  }
  unsigned char word[4];
  StoreLittle(word, length_word);
  file_.clear();
  file_.seekp(position_);
  file_.write(reinterpret_cast<const char*>(word), 4);
  if (length > 0) {
    file_.write(static_cast<const char*>(buffer), static_cast<std::streamsize>(length));
    if (length & 1) file_.put('\0');
    file_.write(reinterpret_cast<const char*>(word), 4);
  }
  if (!file_.flush()) return kTapeIoError;
  position_ = file_.tellp();
  return kTapeOk;
}

std::uint32_t TapeImage::WriteVariableBlock(const void* buffer, std::size_t length) {
  if (length == 0 || length > kLengthMask) return kTapeInvalidBlock;
  return WriteRecord(static_cast<std::uint32_t>(length), buffer, length);
}

std::uint32_t TapeImage::WriteBadBlock(const void* buffer, std::size_t length) {
  if (length == 0 || length > kLengthMask) return kTapeInvalidBlock;
  return WriteRecord(static_cast<std::uint32_t>(length) | kErrorFlag, buffer, length);
}

std::uint32_t TapeImage::WriteFilemarks(int count) {
  for (int k = 0; k < count; ++k)
    if (std::uint32_t status = WriteRecord(0, nullptr, 0); status != kTapeOk) return status;
  return kTapeOk;
}

}  // namespace quarrix
