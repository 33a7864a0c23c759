#pragma once
// A Linux SCSI tape drive (/dev/nstN, the no-rewind device) driven through
// the mtio ioctls in variable-block mode; vendor and product come from sysfs.
#include <string>

#include "platform/tape_device.h"

namespace quarrix {

#ifdef __linux__
class ScsiTape : public TapeDevice {
 public:
  ScsiTape() = default;
  ScsiTape(const ScsiTape&) = delete;
  ScsiTape& operator=(const ScsiTape&) = delete;
  ~ScsiTape() override;
  bool Open(const std::string& device, bool writable);

  int DeviceType() override;
  bool VendorId(std::string& vendor) override;
  bool ProductId(std::string& product) override;
  std::uint32_t TestUnitReady() override;
  std::uint32_t Rewind() override;
  std::uint32_t SpaceFileMarks(int count) override;
  std::uint32_t ReadVariableBlock(void* buffer, std::size_t length, std::size_t& got) override;
  std::uint32_t WriteVariableBlock(const void* buffer, std::size_t length) override;
  std::uint32_t WriteFilemarks(int count) override;

 private:
  std::uint32_t Operation(short op, int count);
  bool AtEndOfData();

  std::string device_;
  int fd_ = -1;
};
#endif

}  // namespace quarrix
