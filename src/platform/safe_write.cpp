#include "platform/safe_write.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>

namespace quarrix {
namespace {

// The hook is process-wide on purpose: it reaches writes deep inside every
// command without threading a parameter through each of them.
std::mutex hook_mutex;
WriteFaultHook& Hook() {
  static WriteFaultHook hook;
  return hook;
}

}  // namespace

void SetWriteFaultHook(WriteFaultHook hook) {
  std::lock_guard lock(hook_mutex);
  Hook() = std::move(hook);
}

bool WriteFaultInjected(WriteStep step, const std::string& path) {
  std::lock_guard lock(hook_mutex);
  if (!Hook() || !Hook()(step, path)) return false;
  errno = ENOSPC;
  return true;
}

std::string UniqueTemporaryPath(const std::string& path, const char* ending) {
  static std::atomic<unsigned> counter{0};
  char suffix[48];
  std::snprintf(suffix, sizeof suffix, ".%ld-%u", static_cast<long>(::getpid()),
                counter.fetch_add(1));
  return path + suffix + ending;
}

std::string SystemErrorText() {
  return std::strerror(errno);
}

OutputFile::OutputFile(std::string target) : target_(std::move(target)) {}

OutputFile::~OutputFile() {
  if (!committed_) Discard();
}

std::string WriteFailureText(const std::string& subject, int error_number) {
  if (error_number == ENOSPC || error_number == EDQUOT) return "Disk Full";
  return subject + ": " + std::strerror(error_number);
}

bool OutputFile::Fail(const std::string& what) {
  if (error_.empty()) {
    error_number_ = errno;
    error_ = what + " " + target_ + ": " + SystemErrorText();
  }
  Discard();
  return false;
}

bool OutputFile::Open() {
  temporary_ = UniqueTemporaryPath(target_, ".tmp~");
  if (WriteFaultInjected(WriteStep::Open, target_)) return Fail("Cannot create");
  fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd_ < 0) return Fail("Cannot create");
  return true;
}

bool OutputFile::Write(std::string_view bytes) {
  if (fd_ < 0) return false;
  while (!bytes.empty()) {
    if (WriteFaultInjected(WriteStep::Write, target_)) return Fail("Cannot write");
    ssize_t put = ::write(fd_, bytes.data(), bytes.size());
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      if (put == 0) errno = ENOSPC;
      return Fail("Cannot write");
    }
    bytes.remove_prefix(static_cast<std::size_t>(put));
  }
  return true;
}

void OutputFile::StartWriteBack() {
#if defined(__linux__)
  if (fd_ >= 0) ::sync_file_range(fd_, 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
}

bool OutputFile::Finish() {
  if (fd_ < 0) return finished_;
  bool closed = !WriteFaultInjected(WriteStep::Close, target_) && ::fsync(fd_) == 0;
  int saved = errno;
  closed = ::close(fd_) == 0 && closed;
  fd_ = -1;
  if (!closed) {
    if (saved) errno = saved;
    return Fail("Cannot write");
  }
  finished_ = true;
  return true;
}

bool OutputFile::Commit() {
  if (!Finish()) return false;
  if (!RenameIntoPlace(temporary_, target_, nullptr)) return Fail("Cannot replace");
  committed_ = true;
  return true;
}

std::string OutputFile::UserMessage() const {
  return error_number_ == ENOSPC || error_number_ == EDQUOT ? "Disk Full" : error_;
}

void OutputFile::Discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  finished_ = false;
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

bool WriteFileSafely(const std::string& path, std::string_view bytes, std::string* error) {
  OutputFile file(path);
  bool ok = file.Open() && file.Write(bytes) && file.Commit();
  if (!ok && error) *error = file.error();
  return ok;
}

bool WriteFilesTogether(const std::vector<FileBytes>& files, std::string* error) {
  std::vector<std::unique_ptr<OutputFile>> outputs;
  for (const FileBytes& file : files) {
    outputs.push_back(std::make_unique<OutputFile>(file.path));
    OutputFile& output = *outputs.back();
    if (!output.Open() || !output.Write(file.bytes) || !output.Finish()) {
      if (error) *error = output.error();
      return false;  // the finished temporaries go with their OutputFiles
    }
  }
  for (auto& output : outputs)
    if (!output->Commit()) {
      if (error) *error = output->error();
      return false;
    }
  return true;
}

TemporaryRemover::~TemporaryRemover() {
  if (!path_.empty()) ::unlink(path_.c_str());
}

bool RenameIntoPlace(const std::string& temporary, const std::string& target, std::string* error) {
  if (!WriteFaultInjected(WriteStep::Rename, target) &&
      std::rename(temporary.c_str(), target.c_str()) == 0)
    return true;
  if (error && error->empty()) *error = "Cannot replace " + target + ": " + SystemErrorText();
  return false;
}

}  // namespace quarrix
