#pragma once
// A sequential-access tape: the operations and status codes the loader relies
// on. Implemented for Linux SCSI tape drives and for tape image files in the
// SIMH .tap layout, so every tape path also runs without a drive.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace quarrix {

// Status codes of the tape operations.
enum TapeStatus : std::uint32_t {
  kTapeOk = 0,
  kTapeFileMark = 1,  // a file mark was read
  kTapeNotReady = 2,
  kTapeMediumError = 3,        // a block that could not be read cleanly
  kTapeEndOfData = 0xAD08,     // 44296: end of the recorded data
  kTapeInvalidBlock = 0xA982,  // 43394: a block of another length than asked
  kTapeIoError = 0xA000,
};

constexpr int kSequentialAccessDevice = 1;

class TapeDevice {
 public:
  virtual ~TapeDevice() = default;
  // 1 for a sequential-access (tape) device.
  virtual int DeviceType() = 0;
  // Identification; false when it cannot be read.
  virtual bool VendorId(std::string& vendor) = 0;
  virtual bool ProductId(std::string& product) = 0;
  virtual std::uint32_t TestUnitReady() = 0;
  virtual std::uint32_t Rewind() = 0;
  // Spaces forward over count file marks: 0, kTapeEndOfData or an error.
  virtual std::uint32_t SpaceFileMarks(int count) = 0;
  // Reads the next block into buffer (at most length bytes; got tells how
  // many). A block of another length than asked gives kTapeInvalidBlock.
  virtual std::uint32_t ReadVariableBlock(void* buffer, std::size_t length, std::size_t& got) = 0;
  virtual std::uint32_t WriteVariableBlock(const void* buffer, std::size_t length) = 0;
  virtual std::uint32_t WriteFilemarks(int count) = 0;
};

// Opens a tape by name: a unit number N (the Linux SCSI tape /dev/nstN), a
// device path, or a tape image file (".tap"; created when writable is set and
// it does not exist). Nothing when it cannot be opened; error says why.
std::unique_ptr<TapeDevice> OpenTape(const std::string& name, bool writable, std::string& error);
// True when the name stands for a tape drive rather than an image file.
bool NamesTapeDrive(const std::string& name);

// The line of a unit in the "Select Tape Unit" list: "VENDOR PRODUCT" (with
// "????????" / "????????????????" for what cannot be read), or "No Device"
// when the unit is not a tape.
std::string DescribeTapeUnit(int unit);

}  // namespace quarrix
