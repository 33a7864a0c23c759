#pragma once
// Reads a text file line by line with a bound on the line length, as the
// importers do with their fixed-size pieces.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace quarrix {

class TextLineReader {
 public:
  enum class Status { Line, TooLong, End };

  // piece_bytes: a line and its line end must fit in one piece. With
  // carriage_returns, a line also ends at a CR when the piece holds no LF.
  TextLineReader(std::FILE* file, std::size_t piece_bytes, bool carriage_returns)
      : file_(file), piece_(piece_bytes), carriage_returns_(carriage_returns) {}

  Status Next(std::string_view& line);
  // Bytes consumed so far.
  std::int64_t position() const { return consumed_; }

 private:
  // Makes at least n bytes available from start_ (fewer at the end of the file).
  void Fill(std::size_t n);

  std::FILE* file_;
  std::size_t piece_;
  bool carriage_returns_;
  std::string buffer_;
  std::size_t start_ = 0;
  bool at_end_ = false;
  std::int64_t consumed_ = 0;
};

// Splits at runs of any of the separators; empty tokens are not returned.
template <typename Visit>
void ForEachToken(std::string_view line, std::string_view separators, Visit visit) {
  std::size_t at = line.find_first_not_of(separators);
  while (at != std::string_view::npos) {
    std::size_t end = line.find_first_of(separators, at);
    visit(line.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
    if (end == std::string_view::npos) break;
    at = line.find_first_not_of(separators, end);
  }
}

}  // namespace quarrix
