#pragma once
// How the core asks the user something or tells them something: the stand-in
// for message boxes and the common file dialogs.
#include <optional>
#include <string>

namespace quarrix {

enum class MessageIcon { None, Information, Warning, Error, Question, Stop };
// YesNoDefaultNo: a question whose Yes destroys something; No is the default.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, YesNoDefaultNo };
enum class MessageAnswer { Ok, Cancel, Yes, No, Retry };

// The most filters a file dialog offers (the horizon kinds need eight).
inline constexpr int kMaxFileFilters = 8;

struct FileDialogRequest {
  std::string title;
  // Filter pairs in the Windows manner: "Header Files (*.hdr)" and "*.hdr", ...
  std::string filter_names[kMaxFileFilters];
  std::string filter_patterns[kMaxFileFilters];
  std::string initial_directory;
  std::string initial_file;
  std::string default_extension;
  bool must_exist = true;
  bool prompt_overwrite = false;
};

class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual MessageAnswer Message(const std::string& text, const std::string& caption,
                                MessageIcon icon, MessageButtons buttons) = 0;
  // Returns the chosen path, or nothing when the user cancels.
  virtual std::optional<std::string> OpenFile(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> SaveFile(const FileDialogRequest& request) = 0;

  // A message with only an OK button.
  void Tell(const std::string& text, const std::string& caption = "",
            MessageIcon icon = MessageIcon::Warning) {
    Message(text, caption, icon, MessageButtons::Ok);
  }
};

}  // namespace quarrix
