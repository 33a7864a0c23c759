#pragma once
// The 240-byte SEG-Y trace header seen two ways at once: 60 big-endian 32-bit
// words and 120 big-endian 16-bit words, with the line and trace words chosen
// from them.
#include <cstdint>
#include <optional>
#include <string>

namespace quarrix {

constexpr int kWords32 = 60;
constexpr int kWords16 = 120;

// One header word: its 1-based index in the table of its width.
struct HeaderWord {
  int index = 0;  // 1..60 for width 4, 1..120 for width 2
  int width = 4;  // bytes: 4 or 2
  bool operator==(const HeaderWord&) const = default;
};

// The word that starts at a 1-based trace-header byte ("189" with width 4 is
// 32-bit word 48); nothing when the byte is not the start of such a word.
std::optional<HeaderWord> WordAtByte(int byte, int width);
// The 1-based header byte where a word starts.
int FirstByteOf(const HeaderWord& word);

// Word k (1-based) of the 32-bit or 16-bit view.
std::int32_t Word32(const unsigned char* header, int k);
std::int32_t Word16(const unsigned char* header, int k);
std::int32_t WordValue(const unsigned char* header, const HeaderWord& word);

// The words that carry the line and trace number of every trace.
struct HeaderWordChoice {
  HeaderWord line;
  HeaderWord trace;
  bool two_d = false;  // 2-D data: every trace is on line 1
};

struct LineTrace {
  std::int32_t line = 0, trace = 0;
};

// The line and trace number of a record from its header.
LineTrace TraceLineTrace(const unsigned char* header, const HeaderWordChoice& choice);

// "BYTE" or "BYTE:SIZE" as the command line gives a word (size 4 by default).
std::optional<HeaderWord> ParseHeaderWord(const std::string& text);

}  // namespace quarrix
