#pragma once
// The write side of every file the programs make or change.
//
// A file made whole (a new horizon, a plot, a trace file) is written to a
// temporary beside it, named uniquely for this process, and renamed over the
// target only when every write and the close succeeded; otherwise the
// temporary is removed and the old file stays as it was. Files changed in
// place (horizon cells, the trace file during processing) check every write.
//
// Tests make any step fail through the write fault hook, which every write,
// close and rename here (and the in-place writers) consult.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quarrix {

enum class WriteStep { Open, Write, Close, Rename };

// Returns true to make the step on the path fail as a full disk would.
using WriteFaultHook = std::function<bool(WriteStep step, const std::string& path)>;
// Installs a hook (an empty one removes it). Only tests install one.
void SetWriteFaultHook(WriteFaultHook hook);
// True when the installed hook fails this step; sets errno to ENOSPC then.
bool WriteFaultInjected(WriteStep step, const std::string& path);

// A temporary name beside path, unique to this process and call:
// "NAME.<pid>-<n>" + ending (".tmp~", ".loading").
std::string UniqueTemporaryPath(const std::string& path, const char* ending);

// The text of the last system error (errno), for messages.
std::string SystemErrorText();

// What to tell the user when writing subject failed with the system error
// number: "Disk Full" for a full disk or quota, else the subject and the
// system's own reason (a busy file, a missing folder, no permission...).
std::string WriteFailureText(const std::string& subject, int error_number);

// A new file written under a temporary name and renamed into place by Commit.
// Destroying it before a successful Commit removes the temporary.
class OutputFile {
 public:
  explicit OutputFile(std::string target);
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  ~OutputFile();

  // Creates the temporary; false with the reason in error().
  bool Open();
  // Appends bytes; false (and stays failed) when the write was short.
  bool Write(std::string_view bytes);
  // Asks the system to start writing what was written to the disk, so that
  // the Finish of many files waits for their writes together rather than
  // one after another; a hint, which may do nothing.
  void StartWriteBack();
  // Flushes to disk and closes, keeping the temporary for a later Commit
  // (files that must be replaced together are all finished first).
  bool Finish();
  // Finishes and renames over the target; false with the reason in error(),
  // the temporary removed and the target untouched.
  bool Commit();
  // Removes the temporary (nothing is renamed).
  void Discard();

  const std::string& target() const { return target_; }
  const std::string& temporary() const { return temporary_; }
  const std::string& error() const { return error_; }
  // The system error number of the failure (0 when none).
  int error_number() const { return error_number_; }
  // The failure as the user is told it: "Disk Full" for a full disk, else
  // error() with the system's reason.
  std::string UserMessage() const;

 private:
  bool Fail(const std::string& what);
  std::string target_, temporary_, error_;
  int error_number_ = 0;
  int fd_ = -1;
  bool finished_ = false, committed_ = false;
};

// Writes a whole file through an OutputFile. On failure the reason goes to
// *error when given.
bool WriteFileSafely(const std::string& path, std::string_view bytes, std::string* error = nullptr);

// Removes the file it names (when the name is not empty) as it goes: the
// temporary of work that did not finish.
class TemporaryRemover {
 public:
  explicit TemporaryRemover(const std::string& path) : path_(path) {}
  TemporaryRemover(const TemporaryRemover&) = delete;
  TemporaryRemover& operator=(const TemporaryRemover&) = delete;
  ~TemporaryRemover();

 private:
  const std::string& path_;
};

// Writes several files that belong together (a horizon and its companions):
// every one is written to its temporary first and only then are they renamed
// into place, so a failed write leaves all the old files as they were.
struct FileBytes {
  std::string path, bytes;
};
bool WriteFilesTogether(const std::vector<FileBytes>& files, std::string* error = nullptr);

// Renames a finished temporary over its target (consulting the hook); false
// with the reason in *error.
bool RenameIntoPlace(const std::string& temporary, const std::string& target, std::string* error);

}  // namespace quarrix
