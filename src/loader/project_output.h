#pragma once
// The files a load makes. The trace file and the header are written under
// temporary names and put in place together only when the load succeeds, so a failed or abandoned
// load leaves no half-made project (and an existing project of the same name
// as it was).
#include <string>

#include "project/amp_file.h"

namespace quarrix {

class Prompter;
struct SurveyHeader;

class ProjectOutput {
 public:
  ProjectOutput() = default;
  ProjectOutput(const ProjectOutput&) = delete;
  ProjectOutput& operator=(const ProjectOutput&) = delete;
  // Removes what was made unless Commit succeeded.
  ~ProjectOutput();

  // Creates the project folder (an existing one is kept); false with the
  // reason in error() when it cannot be made.
  bool Prepare(const std::string& header_path);
  // Creates the trace file (replacing a previous unfinished one).
  bool CreateAmp();
  // In a load shared among processes, the others' view of the trace file the
  // first one created (under temporary_amp_path): opened for writing their
  // own traces, never pre-filled, committed or removed by them.
  bool Join(const std::string& header_path, const std::string& temporary_amp);
  const std::string& temporary_amp_path() const { return temporary_amp_; }
  AmpFile& amp() { return amp_; }
  const std::string& header_path() const { return header_path_; }
  const std::string& amp_path() const { return amp_path_; }
  // Sets the file's length to the whole grid of zero records, its disk space
  // set aside where the system can; false on a failure.
  bool PreFill(const SurveyHeader& header);
  // What to tell the user when PreFill failed ("Disk Full" only for a full disk).
  std::string FailureText() const;
  // Writes the header under a temporary name, then moves the trace file and
  // the header into place; on any failure the old pair stays as it was.
  bool Commit(const SurveyHeader& header, Prompter& prompter);
  // Removes the unfinished files (and the folder when this load made it).
  void Discard();

 private:
  bool ReplacePair(const std::string& new_header, std::string& error);

  std::string header_path_, amp_path_, temporary_amp_, folder_;
  int error_number_ = 0;
  bool made_folder_ = false, committed_ = false, joined_ = false;
  AmpFile amp_;
};

}  // namespace quarrix
