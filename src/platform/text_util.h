#pragma once
// Small text helpers shared by the parsers and writers.
#include <string>
#include <string_view>
#include <vector>

namespace quarrix {

std::string Trim(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
std::string ToLower(std::string_view text);
// printf-style formatting into a std::string.
#if defined(__GNUC__) || defined(__clang__)
#define QUARRIX_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define QUARRIX_PRINTF(fmt, args)
#endif
std::string FormatText(const char* format, ...) QUARRIX_PRINTF(1, 2);
// Splits on a single separator character; empty fields are kept.
std::vector<std::string> SplitText(std::string_view text, char separator);
// Column letters as table headings show them: "A" for column 1, ..., "Z", "AA", ...
std::string ColumnLetters(int column);
// The local date or time now, formatted with strftime.
std::string LocalTimeText(const char* format);
// atoi / atof over text that need not be NUL-terminated.
int ParseCInt(std::string_view text);
double ParseCDouble(std::string_view text);

}  // namespace quarrix
