#include "platform/scsi_tape.h"

#include <fstream>

#include "platform/tape_image.h"

#ifdef __linux__
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/mtio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace quarrix {

#ifdef __linux__

namespace {

std::string Sysfs(const std::string& device, const char* field) {
  std::string name = device.substr(device.find_last_of('/') + 1);
  std::ifstream file("/sys/class/scsi_tape/" + name + "/device/" + field);
  std::string text;
  std::getline(file, text);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\n')) text.pop_back();
  return text;
}

}  // namespace

ScsiTape::~ScsiTape() {
  if (fd_ >= 0) ::close(fd_);
}

bool ScsiTape::Open(const std::string& device, bool writable) {
  device_ = device;
  fd_ = ::open(device.c_str(), writable ? O_RDWR : O_RDONLY);
  if (fd_ < 0) return false;
  // Variable-block mode: one read returns one tape block of any length.
  struct mtop op = {MTSETBLK, 0};
  ::ioctl(fd_, MTIOCTOP, &op);
  return true;
}

std::uint32_t ScsiTape::Operation(short op, int count) {
  struct mtop request = {op, count};
  return ::ioctl(fd_, MTIOCTOP, &request) == 0 ? kTapeOk : kTapeIoError;
}

int ScsiTape::DeviceType() {
  struct stat st;
  return fd_ >= 0 && ::fstat(fd_, &st) == 0 && S_ISCHR(st.st_mode) ? kSequentialAccessDevice : 0;
}

bool ScsiTape::VendorId(std::string& vendor) {
  vendor = Sysfs(device_, "vendor");
  return !vendor.empty();
}

bool ScsiTape::ProductId(std::string& product) {
  product = Sysfs(device_, "model");
  return !product.empty();
}

std::uint32_t ScsiTape::TestUnitReady() {
  struct mtget status;
  if (::ioctl(fd_, MTIOCGET, &status) != 0) return kTapeNotReady;
  return GMT_ONLINE(status.mt_gstat) ? kTapeOk : kTapeNotReady;
}

std::uint32_t ScsiTape::Rewind() {
  return Operation(MTREW, 1);
}

std::uint32_t ScsiTape::SpaceFileMarks(int count) {
  if (Operation(MTFSF, count) == kTapeOk) return kTapeOk;
  return AtEndOfData() ? kTapeEndOfData : kTapeIoError;
}

bool ScsiTape::AtEndOfData() {
  struct mtget status;
  return ::ioctl(fd_, MTIOCGET, &status) == 0 && GMT_EOD(status.mt_gstat);
}

std::uint32_t ScsiTape::ReadVariableBlock(void* buffer, std::size_t length, std::size_t& got) {
  got = 0;
  ssize_t n = ::read(fd_, buffer, length);
  if (n == 0) return AtEndOfData() ? kTapeEndOfData : kTapeFileMark;
  if (n < 0) {
    if (errno == ENOMEM) return kTapeInvalidBlock;  // the block is longer than asked
    if (AtEndOfData() || errno == ENOSPC) return kTapeEndOfData;
    return kTapeMediumError;
  }
  got = static_cast<std::size_t>(n);
  return got == length ? kTapeOk : kTapeInvalidBlock;
}

std::uint32_t ScsiTape::WriteVariableBlock(const void* buffer, std::size_t length) {
  ssize_t n = ::write(fd_, buffer, length);
  return n == static_cast<ssize_t>(length) ? kTapeOk : kTapeIoError;
}

std::uint32_t ScsiTape::WriteFilemarks(int count) {
  return Operation(MTWEOF, count);
}

#endif

bool NamesTapeDrive(const std::string& name) {
#ifdef __linux__
  bool unit = !name.empty() && name.find_first_not_of("0123456789") == std::string::npos;
  return unit || name.rfind("/dev/", 0) == 0;
#else
  return false;
#endif
}

std::unique_ptr<TapeDevice> OpenTape(const std::string& name, bool writable, std::string& error) {
  bool unit = !name.empty() && name.find_first_not_of("0123456789") == std::string::npos;
  std::string device = unit ? "/dev/nst" + name : name;
#ifdef __linux__
  if (NamesTapeDrive(name)) {
    auto tape = std::make_unique<ScsiTape>();
    if (tape->Open(device, writable)) return tape;
    error = "Cannot open the tape drive " + device;
    return nullptr;
  }
#endif
  auto image = std::make_unique<TapeImage>();
  if (image->Open(device, writable)) return image;
  error = "Cannot open the tape image " + device;
  return nullptr;
}

std::string DescribeTapeUnit(int unit) {
  std::string error;
  std::unique_ptr<TapeDevice> tape = OpenTape(std::to_string(unit), false, error);
  if (!tape || tape->DeviceType() != kSequentialAccessDevice) return "No Device";
  std::string vendor, product;
  if (!tape->VendorId(vendor)) vendor = "????????";
  if (!tape->ProductId(product)) product = "????????????????";
  return vendor + " " + product;
}

}  // namespace quarrix
