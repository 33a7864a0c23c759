#include "loader/project_output.h"

#include <filesystem>
#include <system_error>

#include "platform/paths.h"
#include "platform/prompter.h"
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
  temporary_amp_ = amp_path_ + ".loading";
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

bool ProjectOutput::PreFill(const SurveyHeader& header) {
  if (!amp_.Flush()) return false;
  std::error_code ec;
  fs::resize_file(temporary_amp_, static_cast<std::uintmax_t>(header.AmpFileBytes()), ec);
  return !ec;
}

bool ProjectOutput::Commit(const SurveyHeader& header, Prompter& prompter) {
  bool flushed = amp_.Flush();
  amp_.Close();
  std::error_code ec;
  if (flushed) fs::rename(temporary_amp_, amp_path_, ec);
  if (!flushed || ec) {
    prompter.Tell("The trace file " + amp_path_ + " could not be written", "", MessageIcon::Error);
    return false;
  }
  if (!SaveHeader(header_path_, header, prompter)) return false;
  committed_ = true;
  return true;
}

void ProjectOutput::Discard() {
  amp_.Close();
  std::error_code ec;
  if (!temporary_amp_.empty()) fs::remove(temporary_amp_, ec);
  if (made_folder_) fs::remove(folder_, ec);  // only when empty
  made_folder_ = false;
}

}  // namespace quarrix
