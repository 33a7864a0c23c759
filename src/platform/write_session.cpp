#include "platform/write_session.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/paths.h"
#include "platform/safe_write.h"

namespace quarrix {

std::string WriteMarkerPath(const std::string& path) {
  return path + ".writing~";
}

std::string InterruptedWriteWarning(const std::string& path) {
  if (!FileExists(WriteMarkerPath(path))) return "";
  return path + " was being changed by a run that did not finish: its contents may be incomplete";
}

WriteSession::~WriteSession() {
  if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

bool WriteSession::Begin(const std::string& path) {
  path_ = path;
  fd_ = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
  if (fd_ < 0) {
    problem_ = "Cannot open " + path + " for writing: " + SystemErrorText();
    return false;
  }
  if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    problem_ =
        errno == EWOULDBLOCK
            ? path + " is busy: another command is writing it; try again when it has finished"
            : "Cannot lock " + path + ": " + SystemErrorText();
    ::close(fd_);
    fd_ = -1;
    return false;
  }
  // The lock is ours, so a marker left behind belongs to a run that ended
  // without finishing.
  warning_ = InterruptedWriteWarning(path);
  if (!WriteFileSafely(WriteMarkerPath(path), std::to_string(::getpid()) + "\n", &problem_)) {
    ::close(fd_);
    fd_ = -1;
    return false;
  }
  return true;
}

void WriteSession::Finish() {
  if (finished_ || path_.empty()) return;
  finished_ = true;
  ::unlink(WriteMarkerPath(path_).c_str());
}

}  // namespace quarrix
