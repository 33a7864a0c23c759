#include "platform/terminal_prompter.h"

#include <ostream>

namespace quarrix {

MessageAnswer TerminalPrompter::Message(const std::string& text, const std::string& caption,
                                        MessageIcon icon, MessageButtons buttons) {
  if (icon == MessageIcon::Error || icon == MessageIcon::Stop || icon == MessageIcon::Warning)
    ++failures_;
  if (!caption.empty()) err_ << caption << ": ";
  err_ << text << '\n';
  switch (buttons) {
    case MessageButtons::Ok: return MessageAnswer::Ok;
    case MessageButtons::OkCancel: return affirmative_ ? MessageAnswer::Ok : MessageAnswer::Cancel;
    case MessageButtons::RetryCancel: return MessageAnswer::Cancel;
    default: return affirmative_ ? MessageAnswer::Yes : MessageAnswer::No;
  }
}

}  // namespace quarrix
