#pragma once
// A tape image in the SIMH .tap layout: every record is framed by its 32-bit
// little-endian length before and after (odd lengths padded to even), a 0
// length word is a file mark and 0xFFFFFFFF the end of the medium. A length
// with the top bit set marks a record that was read with errors.
#include <fstream>
#include <sstream>
#include <string>

#include "platform/tape_device.h"

namespace quarrix {

class TapeImage : public TapeDevice {
 public:
  // Opens an existing image; with writable it may also be created.
  bool Open(const std::string& path, bool writable);
  // Reads an image held in memory (read-only).
  void OpenBytes(std::string bytes);

  int DeviceType() override { return kSequentialAccessDevice; }
  bool VendorId(std::string& vendor) override;
  bool ProductId(std::string& product) override;
  std::uint32_t TestUnitReady() override;
  std::uint32_t Rewind() override;
  std::uint32_t SpaceFileMarks(int count) override;
  std::uint32_t ReadVariableBlock(void* buffer, std::size_t length, std::size_t& got) override;
  std::uint32_t WriteVariableBlock(const void* buffer, std::size_t length) override;
  std::uint32_t WriteFilemarks(int count) override;

  // Appends a record flagged as read with errors (for tests of bad blocks).
  std::uint32_t WriteBadBlock(const void* buffer, std::size_t length);

 private:
  std::uint32_t WriteRecord(std::uint32_t length_word, const void* buffer, std::size_t length);
  bool ReadWord(std::uint32_t& word);

  std::fstream file_;
  std::stringstream memory_;
  std::iostream* stream_ = nullptr;  // the file or the memory image
  std::string path_;
  std::int64_t position_ = 0;
  bool writable_ = false;
  bool appending_ = false;  // the data beyond position_ is already cut off
};

}  // namespace quarrix
