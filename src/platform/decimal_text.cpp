#include "platform/decimal_text.h"

#include <charconv>

namespace quarrix {
namespace {

template <typename T>
std::string Shortest(T value) {
  char text[64];
  auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

}  // namespace

std::string ShortestDecimal(double value) {
  return Shortest(value);
}
std::string ShortestDecimal(float value) {
  return Shortest(value);
}

}  // namespace quarrix
