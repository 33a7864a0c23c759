#pragma once
// A Prompter that answers from a script and records every message: used by the
// tests and, with fixed answers, by batch commands.
#include <deque>
#include <vector>

#include "platform/prompter.h"

namespace quarrix {

struct RecordedMessage {
  std::string text;
  std::string caption;
  MessageIcon icon;
  MessageButtons buttons;
};

class ScriptedPrompter : public Prompter {
 public:
  // Answers are taken in order; when they run out the default answer is given
  // (OK, or Yes for Yes/No questions).
  void QueueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
  void QueueFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }

  MessageAnswer Message(const std::string& text, const std::string& caption, MessageIcon icon,
                        MessageButtons buttons) override;
  std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFile(const FileDialogRequest& request) override;

  const std::vector<RecordedMessage>& messages() const { return messages_; }
  const std::vector<FileDialogRequest>& file_requests() const { return file_requests_; }
  // The text of the last message, or "" when there was none.
  std::string last_text() const { return messages_.empty() ? "" : messages_.back().text; }

 private:
  std::deque<MessageAnswer> answers_;
  std::deque<std::optional<std::string>> files_;
  std::vector<RecordedMessage> messages_;
  std::vector<FileDialogRequest> file_requests_;
};

}  // namespace quarrix
