#pragma once
// Progress of batch mode: a bar on stderr when it is a terminal, silence
// otherwise. Batch work is never cancelled from here (Ctrl+C ends the process).
#include <iosfwd>

#include "platform/progress.h"

namespace quarrix {

class TerminalProgress : public Progress {
 public:
  TerminalProgress(std::ostream& err, bool is_terminal) : err_(err), enabled_(is_terminal) {}
  ~TerminalProgress() override;

  void SetRange(int minimum, int maximum) override;
  void SetPosition(int position) override;
  void SetLabel(const std::string& text) override;
  bool Cancelled() override { return false; }

 private:
  void Draw();

  std::ostream& err_;
  bool enabled_;
  bool drawn_ = false;
  int minimum_ = 0, maximum_ = 100, position_ = 0, last_percent_ = -1;
  std::string label_;
};

// True when standard error is an interactive terminal.
bool StderrIsTerminal();

}  // namespace quarrix
