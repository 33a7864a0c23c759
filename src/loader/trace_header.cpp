#include "loader/trace_header.h"

#include "platform/byte_order.h"
#include "platform/command_line.h"

namespace quarrix {

std::optional<HeaderWord> WordAtByte(int byte, int width) {
  if (width != 2 && width != 4) return std::nullopt;
  if (byte < 1 || byte + width - 1 > 240 || (byte - 1) % width != 0) return std::nullopt;
  return HeaderWord{(byte - 1) / width + 1, width};
}

int FirstByteOf(const HeaderWord& word) {
  return (word.index - 1) * word.width + 1;
}

std::int32_t Word32(const unsigned char* header, int k) {
  return ReadBig32(header + 4 * (k - 1));
}

std::int32_t Word16(const unsigned char* header, int k) {
  return ReadBig16(header + 2 * (k - 1));
}

std::int32_t WordValue(const unsigned char* header, const HeaderWord& word) {
  return word.width == 2 ? Word16(header, word.index) : Word32(header, word.index);
}

LineTrace TraceLineTrace(const unsigned char* header, const HeaderWordChoice& choice) {
  LineTrace result;
  result.line = choice.two_d ? 1 : WordValue(header, choice.line);
  result.trace = WordValue(header, choice.trace);
  return result;
}

std::optional<HeaderWord> ParseHeaderWord(const std::string& text) {
  std::size_t colon = text.find(':');
  auto byte = ParseWholeInt(text.substr(0, colon));
  long long width = 4;
  if (colon != std::string::npos) {
    auto parsed = ParseWholeInt(text.substr(colon + 1));
    if (!parsed) return std::nullopt;
    width = *parsed;
  }
  if (!byte || *byte < 1 || *byte > 240) return std::nullopt;
  return WordAtByte(static_cast<int>(*byte), static_cast<int>(width));
}

}  // namespace quarrix
