#include "platform/terminal_progress.h"

#include <ostream>
#if defined(_WIN32)
#include <io.h>
#define QUARRIX_ISATTY _isatty
#else
#include <unistd.h>
#define QUARRIX_ISATTY isatty
#endif

namespace quarrix {

bool StderrIsTerminal() {
  return QUARRIX_ISATTY(2) != 0;
}

TerminalProgress::~TerminalProgress() {
  if (drawn_) err_ << '\n';
}

void TerminalProgress::SetRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = maximum > minimum ? maximum : minimum + 1;
  last_percent_ = -1;
}

void TerminalProgress::SetPosition(int position) {
  position_ = position;
  Draw();
}

void TerminalProgress::SetLabel(const std::string& text) {
  label_ = text;
  last_percent_ = -1;
  Draw();
}

void TerminalProgress::Draw() {
  if (!enabled_) return;
  long long span = static_cast<long long>(maximum_) - minimum_;
  int percent = static_cast<int>((static_cast<long long>(position_) - minimum_) * 100 / span);
  if (percent < 0) percent = 0;
  if (percent > 100) percent = 100;
  if (percent == last_percent_) return;
  last_percent_ = percent;
  const int width = 40;
  int filled = percent * width / 100;
  err_ << '\r' << label_ << " [" << std::string(filled, '#') << std::string(width - filled, ' ')
       << "] " << percent << '%' << std::flush;
  drawn_ = true;
}

}  // namespace quarrix
