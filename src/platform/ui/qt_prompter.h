#pragma once
// The Prompter of the windowed programs: Qt message boxes and file dialogs.
#include <QWidget>

#include "platform/prompter.h"

namespace quarrix {

class QtPrompter : public Prompter {
 public:
  explicit QtPrompter(QWidget* parent) : parent_(parent) {}

  MessageAnswer Message(const std::string& text, const std::string& caption, MessageIcon icon,
                        MessageButtons buttons) override;
  std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFile(const FileDialogRequest& request) override;

 private:
  QWidget* parent_;
};

// "Header Files (*.hdr)" + "*.hdr" pairs as one Qt filter string.
QString QtFilterString(const FileDialogRequest& request);

}  // namespace quarrix
