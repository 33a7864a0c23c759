#include "platform/scripted_prompter.h"

namespace quarrix {

MessageAnswer DefaultAnswer(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel: return MessageAnswer::Yes;
    case MessageButtons::RetryCancel: return MessageAnswer::Retry;
    case MessageButtons::YesNoDefaultNo: return MessageAnswer::No;
    default: return MessageAnswer::Ok;
  }
}

MessageAnswer ScriptedPrompter::Message(const std::string& text, const std::string& caption,
                                        MessageIcon icon, MessageButtons buttons) {
  messages_.push_back({text, caption, icon, buttons});
  if (answers_.empty()) return DefaultAnswer(buttons);
  MessageAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

std::optional<std::string> ScriptedPrompter::OpenFile(const FileDialogRequest& request) {
  file_requests_.push_back(request);
  if (files_.empty()) return std::nullopt;
  std::optional<std::string> path = files_.front();
  files_.pop_front();
  return path;
}

std::optional<std::string> ScriptedPrompter::SaveFile(const FileDialogRequest& request) {
  return OpenFile(request);
}

}  // namespace quarrix
