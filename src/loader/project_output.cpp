#include "loader/project_output.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/paths.h"
#include "platform/prompter.h"
#include "platform/safe_write.h"
#include "project/header_file.h"
#include "project/survey_header.h"

namespace quarrix {

namespace fs = std::filesystem;

ProjectOutput::~ProjectOutput() {
  if (!committed_) Discard();
}

bool ProjectOutput::Prepare(const std::string& header_path) {
  header_path_ = header_path;
  amp_path_ = BaseWithDot(header_path) + "amp";
  temporary_amp_ = UniqueTemporaryPath(amp_path_, ".loading");
  folder_ = DirectoryOf(header_path);
  std::error_code ec;
  if (!folder_.empty() && !fs::is_directory(folder_, ec)) {
    made_folder_ = fs::create_directories(folder_, ec);
    if (!made_folder_) return false;
  }
  return true;
}

bool ProjectOutput::CreateAmp() {
  return amp_.Open(temporary_amp_, AmpOpenMode::Create);
}

bool ProjectOutput::Join(const std::string& header_path, const std::string& temporary_amp) {
  joined_ = true;
  header_path_ = header_path;
  amp_path_ = BaseWithDot(header_path) + "amp";
  temporary_amp_ = temporary_amp;
  return amp_.Open(temporary_amp_, AmpOpenMode::ReadWrite);
}

bool ProjectOutput::PreFill(const SurveyHeader& header) {
  if (!amp_.Flush()) {
    error_number_ = errno;
    return false;
  }
  if (joined_) return true;
  // Cells no trace reaches read as zeros.
  if (amp_.Reserve(header.AmpFileBytes())) return true;
  error_number_ = errno;
  return false;
}

std::string ProjectOutput::FailureText() const {
  return WriteFailureText("The trace file " + amp_path_ + " could not be written", error_number_);
}

bool ProjectOutput::Commit(const SurveyHeader& header, Prompter& prompter) {
  if (joined_) return false;
  bool flushed = amp_.Flush();
  flushed = amp_.Close() && flushed;
  if (!flushed) {
    prompter.Tell("The trace file " + amp_path_ + " could not be written", "", MessageIcon::Error);
    return false;
  }
  // Both new files are complete before either replaces an old one.
  const std::array<char, kHeaderFileBytes> bytes = EncodeHeader(header);
  OutputFile header_file(header_path_);
  if (!header_file.Open() || !header_file.Write({bytes.data(), bytes.size()}) ||
      !header_file.Finish()) {
    prompter.Tell("Cannot Create Header File!", "", MessageIcon::Warning);
    return false;
  }
  std::string error;
  if (!ReplacePair(header_file.temporary(), error)) {
    prompter.Tell(error, "", MessageIcon::Error);
    return false;
  }
  committed_ = true;
  return true;
}

bool ProjectOutput::ReplacePair(const std::string& new_header, std::string& error) {
  // The old trace file stays reachable under a second name until the new
  // header is in place, so a failure between the two renames puts it back
  // and the project keeps the header and the traces that belong together.
  const std::string old_amp = UniqueTemporaryPath(amp_path_, ".old~");
  std::error_code ec;
  const bool had_old = fs::exists(amp_path_, ec);
  // A file system without hard links gets the two renames without the way back.
  const bool kept = had_old && (fs::create_hard_link(amp_path_, old_amp, ec), !ec);
  bool ok = RenameIntoPlace(temporary_amp_, amp_path_, &error);
  if (ok && !RenameIntoPlace(new_header, header_path_, &error)) {
    ok = false;
    if (kept)
      fs::rename(old_amp, amp_path_, ec);
    else if (!had_old)
      fs::remove(amp_path_, ec);
  }
  if (!ok) std::remove(new_header.c_str());
  fs::remove(old_amp, ec);
  return ok;
}

void ProjectOutput::Discard() {
  amp_.Close();
  if (joined_) return;
  std::error_code ec;
  if (!temporary_amp_.empty()) fs::remove(temporary_amp_, ec);
  if (made_folder_) fs::remove(folder_, ec);  // only when empty
  made_folder_ = false;
}

}  // namespace quarrix
