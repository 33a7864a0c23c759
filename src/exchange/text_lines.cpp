#include "exchange/text_lines.h"

namespace quarrix {

void TextLineReader::Fill(std::size_t n) {
  if (start_ > 0 && start_ >= buffer_.size() / 2) {
    buffer_.erase(0, start_);
    start_ = 0;
  }
  char chunk[65536];
  while (!at_end_ && buffer_.size() - start_ < n) {
    std::size_t got = std::fread(chunk, 1, sizeof chunk, file_);
    if (got == 0) at_end_ = true;
    buffer_.append(chunk, got);
  }
}

TextLineReader::Status TextLineReader::Next(std::string_view& line) {
  Fill(piece_);
  std::string_view window(buffer_.data() + start_, std::min(buffer_.size() - start_, piece_));
  if (window.empty()) return Status::End;
  std::size_t end = window.find('\n');
  if (end == std::string_view::npos && carriage_returns_) end = window.find('\r');
  std::size_t next = end + 1;
  if (end == std::string_view::npos) {
    // The last line of a file need not end in a line end.
    if (!at_end_ || buffer_.size() - start_ >= piece_) return Status::TooLong;
    end = next = window.size();
  }
  line = window.substr(0, end);
  start_ += next;
  consumed_ += static_cast<std::int64_t>(next);
  return Status::Line;
}

}  // namespace quarrix
