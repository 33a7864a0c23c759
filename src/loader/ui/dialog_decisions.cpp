#include "loader/ui/dialog_decisions.h"

#include "loader/ui/direction_dialog.h"
#include "loader/ui/header_scan_dialog.h"
#include "loader/ui/header_values_dialog.h"
#include "loader/ui/project_name_dialog.h"
#include "loader/ui/scale_dialogs.h"
#include "loader/ui/status_windows.h"
#include "platform/paths.h"
#include "platform/tape_image.h"

namespace quarrix {

FileDialogRequest SegyInputRequest(const std::string& initial_directory) {
  return {.title = "Select SEGY Input File Name",
          .filter_names = {"Segy File (*.sgy)", "All Files (*.*)"},
          .filter_patterns = {"*.sgy", "*"},
          .initial_directory = initial_directory};
}

void DialogDecisions::AddMessage(const std::string& line) {
  messages_.AddLine(line);
}

std::optional<std::string> DialogDecisions::ProjectHeaderPath() {
  ProjectNameDialog dialog(state_.header_path, prompter_, parent_);
  if (run_dialog_(dialog)) {
    state_.header_path = dialog.header_path();
    return state_.header_path;
  }
  if (tape_operation_ && !state_.header_path.empty()) return state_.header_path;
  return std::nullopt;
}

std::optional<HeaderWordChoice> DialogDecisions::ChooseHeaderWords(const HeaderScanTables& tables,
                                                                   bool two_d) {
  HeaderScanDialog dialog(tables, two_d, prompter_, parent_);
  if (!run_dialog_(dialog)) return std::nullopt;
  return dialog.choice();
}

int DialogDecisions::ChooseCorner(const CoverageGrid& grid, int candidate) {
  DirectionDialog dialog(grid, candidate, parent_);
  run_dialog_(dialog);  // closing the window keeps the candidate shown
  return dialog.corner();
}

bool DialogDecisions::EditHeaderValues(SurveyHeader& header) {
  HeaderValuesDialog dialog(header, true, prompter_, parent_);
  if (!run_dialog_(dialog)) return false;
  header = dialog.header();
  state_.header = header;
  return true;
}

std::optional<std::string> DialogDecisions::AppendFile() {
  if (prompter_.Message("End of File Detected!!\nYES to to Append New File.\n NO to End Input Data",
                        "", MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes)
    return std::nullopt;
  return prompter_.OpenFile(SegyInputRequest(DirectoryOf(state_.header_path)));
}

std::optional<double> DialogDecisions::ScaleValue(const ScaleSummary& summary) {
  ScaleValueDialog dialog(summary, prompter_, parent_);
  if (!run_dialog_(dialog)) return std::nullopt;
  return dialog.value();
}

bool DialogDecisions::ContinueWithNewReel(const std::string& question) {
  if (prompter_.Message(question, "", MessageIcon::Question, MessageButtons::YesNo) !=
      MessageAnswer::Yes)
    return false;
  if (!tape_image_) return true;  // a drive: the user has loaded the next reel
  std::optional<std::string> next = prompter_.OpenFile({.title = "Next Tape Image",
                                                        .filter_names = {"Tape Images (*.tap)"},
                                                        .filter_patterns = {"*.tap"}});
  if (!next) return false;
  if (tape_image_->Open(*next, false)) return true;
  prompter_.Tell("Cannot open tape image " + *next, "", MessageIcon::Warning);
  return false;
}

bool DialogDecisions::RetryTapeNotReady() {
  return prompter_.Message("Tape Not Ready!!", "", MessageIcon::Warning,
                           MessageButtons::RetryCancel) == MessageAnswer::Retry;
}

bool DialogDecisions::RetryAfterBadBlocks(const std::string& text) {
  return prompter_.Message(text, "", MessageIcon::Warning, MessageButtons::RetryCancel) ==
         MessageAnswer::Retry;
}

}  // namespace quarrix
