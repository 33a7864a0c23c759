#pragma once
// The Prompter of batch mode: messages go to stderr, questions take the answer
// chosen on the command line (by default the affirmative one), and file
// dialogs are never shown (a batch command names its files itself).
#include <iosfwd>

#include "platform/prompter.h"

namespace quarrix {

class TerminalPrompter : public Prompter {
 public:
  explicit TerminalPrompter(std::ostream& err, bool affirmative = true)
      : err_(err), affirmative_(affirmative) {}

  MessageAnswer Message(const std::string& text, const std::string& caption, MessageIcon icon,
                        MessageButtons buttons) override;
  std::optional<std::string> OpenFile(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> SaveFile(const FileDialogRequest&) override { return std::nullopt; }

  // The number of messages shown with the Error, Stop or Warning icon.
  int failures() const { return failures_; }

 private:
  std::ostream& err_;
  bool affirmative_;
  int failures_ = 0;
};

}  // namespace quarrix
