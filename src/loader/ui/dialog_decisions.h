#pragma once
// The decisions of a load answered by the loader's dialogs and message boxes.
#include <functional>

#include "loader/load_decisions.h"
#include "loader/ui/loader_state.h"
#include "platform/prompter.h"

class QDialog;
class QWidget;

namespace quarrix {

class MessagesWindow;
class TapeImage;

// Runs a modal dialog; true when it was accepted.
using DialogRunner = std::function<bool(QDialog&)>;

// The open-file request of "Select SEGY Input File Name".
FileDialogRequest SegyInputRequest(const std::string& initial_directory);

class DialogDecisions : public LoadDecisions {
 public:
  DialogDecisions(QWidget* parent, const DialogRunner& run_dialog, Prompter& prompter,
                  MessagesWindow& messages, LoaderState& state)
      : parent_(parent),
        run_dialog_(run_dialog),
        prompter_(prompter),
        messages_(messages),
        state_(state) {}

  // A tape operation: Cancel in "Assign Project Name" goes on with the
  // project last assigned (when there is one).
  void SetTapeOperation(bool tape) { tape_operation_ = tape; }
  // Reading a tape image: a new reel is the next image file the user picks.
  void SetTapeImage(TapeImage* image) { tape_image_ = image; }

  void AddMessage(const std::string& line) override;
  std::optional<std::string> ProjectHeaderPath() override;
  std::optional<HeaderWordChoice> ChooseHeaderWords(const HeaderScanTables& tables,
                                                    bool two_d) override;
  int ChooseCorner(const CoverageGrid& grid, int candidate) override;
  bool EditHeaderValues(SurveyHeader& header) override;
  std::optional<std::string> AppendFile() override;
  std::optional<double> ScaleValue(const ScaleSummary& summary) override;
  bool ContinueWithNewReel(const std::string& question) override;
  bool RetryTapeNotReady() override;
  bool RetryAfterBadBlocks(const std::string& text) override;

 private:
  QWidget* parent_;
  const DialogRunner& run_dialog_;
  Prompter& prompter_;
  MessagesWindow& messages_;
  LoaderState& state_;
  bool tape_operation_ = false;
  TapeImage* tape_image_ = nullptr;
};

}  // namespace quarrix
