#pragma once
// A file changed in place (a horizon, a fault, a grid file, the trace file)
// is written inside a write session: an advisory lock on the file, so that a
// second writer is told the file is busy instead of racing the first, and a
// marker file "NAME.writing~" beside it that stays when the run does not
// finish, so the next run or open can say the file may be incomplete.
#include <string>

namespace quarrix {

class WriteSession {
 public:
  WriteSession() = default;
  WriteSession(const WriteSession&) = delete;
  WriteSession& operator=(const WriteSession&) = delete;
  // Releases the lock; the marker stays unless Finish was called.
  ~WriteSession();

  // Locks the file and leaves the marker. False, with the reason in
  // problem(), when the file cannot be opened or another process is writing
  // it. warning() says when an earlier run on the file was interrupted.
  bool Begin(const std::string& path);
  // The writing is complete: removes the marker.
  void Finish();

  const std::string& problem() const { return problem_; }
  const std::string& warning() const { return warning_; }

 private:
  std::string path_, problem_, warning_;
  int fd_ = -1;
  bool finished_ = false;
};

// The marker of an unfinished in-place write of path.
std::string WriteMarkerPath(const std::string& path);
// The sentence telling the user that path was left by an interrupted run,
// or "" when there is no marker.
std::string InterruptedWriteWarning(const std::string& path);

}  // namespace quarrix
