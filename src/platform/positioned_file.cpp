#include "platform/positioned_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace quarrix {

PositionedFile::~PositionedFile() {
  Close();
}

bool PositionedFile::Open(const std::string& path, FileAccessMode mode) {
  Close();
  int flags = O_CLOEXEC;
  switch (mode) {
    case FileAccessMode::Read: flags |= O_RDONLY; break;
    case FileAccessMode::ReadWrite: flags |= O_RDWR; break;
    case FileAccessMode::Create: flags |= O_RDWR | O_CREAT | O_TRUNC; break;
  }
  do {
    handle_ = ::open(path.c_str(), flags, 0666);
  } while (handle_ < 0 && errno == EINTR);
  return handle_ >= 0;
}

bool PositionedFile::Close() {
  if (handle_ < 0) return true;
  const int result = ::close(handle_);
  handle_ = -1;
  return result == 0;
}

std::size_t PositionedFile::ReadAt(std::int64_t offset, void* data, std::size_t count) const {
  if (handle_ < 0 || offset < 0) return 0;
  std::size_t done = 0;
  while (done < count) {
    const ssize_t got = ::pread(handle_, static_cast<char*>(data) + done, count - done,
                                static_cast<off_t>(offset + static_cast<std::int64_t>(done)));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
  }
  return done;
}

std::size_t PositionedFile::WriteAt(std::int64_t offset, const void* data, std::size_t count) {
  if (handle_ < 0 || offset < 0) return 0;
  std::size_t done = 0;
  while (done < count) {
    const ssize_t put = ::pwrite(handle_, static_cast<const char*>(data) + done, count - done,
                                 static_cast<off_t>(offset + static_cast<std::int64_t>(done)));
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) break;
    done += static_cast<std::size_t>(put);
  }
  return done;
}

std::int64_t PositionedFile::Size() const {
  struct stat status {};
  if (handle_ < 0 || ::fstat(handle_, &status) != 0) return -1;
  return static_cast<std::int64_t>(status.st_size);
}

bool PositionedFile::Reserve(std::int64_t bytes) {
  if (handle_ < 0 || bytes < 0) return false;
#if defined(__linux__)
  if (::fallocate(handle_, 0, 0, static_cast<off_t>(bytes)) == 0) return true;
#endif
  return ::ftruncate(handle_, static_cast<off_t>(bytes)) == 0;
}

void PositionedFile::Advise(AccessHint hint) const {
#if defined(POSIX_FADV_SEQUENTIAL)
  if (handle_ < 0) return;
  int advice = POSIX_FADV_NORMAL;
  if (hint == AccessHint::Sequential) advice = POSIX_FADV_SEQUENTIAL;
  if (hint == AccessHint::Random) advice = POSIX_FADV_RANDOM;
  // Only a hint: a system that ignores it reads the same bytes.
  (void)::posix_fadvise(handle_, 0, 0, advice);
#else
  (void)hint;
#endif
}

void PositionedFile::WillNeed(std::int64_t offset, std::size_t count) const {
#if defined(POSIX_FADV_WILLNEED)
  if (handle_ < 0 || offset < 0) return;
  (void)::posix_fadvise(handle_, offset, static_cast<off_t>(count), POSIX_FADV_WILLNEED);
#else
  (void)offset;
  (void)count;
#endif
}

}  // namespace quarrix
