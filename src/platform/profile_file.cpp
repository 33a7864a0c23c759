#include "platform/profile_file.h"

#include <cctype>
#include <climits>
#include <fstream>
#include <sstream>

#include "platform/atomic_file.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

bool IsSectionLine(const std::string& trimmed) {
  return !trimmed.empty() && trimmed.front() == '[';
}

// The section name of a "[name]" line (text up to the closing bracket).
std::string SectionName(const std::string& trimmed) {
  std::size_t close = trimmed.find(']');
  std::string name = trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1);
  return Trim(name);
}

// Splits "key=value"; false for lines without an equals sign and comments.
bool SplitKeyLine(const std::string& line, std::string& key, std::string& value) {
  std::string trimmed = Trim(line);
  if (trimmed.empty() || trimmed.front() == ';') return false;
  std::size_t eq = trimmed.find('=');
  if (eq == std::string::npos) return false;
  key = Trim(trimmed.substr(0, eq));
  value = Trim(trimmed.substr(eq + 1));
  return true;
}

std::string Unquote(const std::string& value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

}  // namespace

int ParseLeadingInt(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  long long value = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    ++i;
  }
  if (negative) value = -value;
  if (value > INT_MAX) value = INT_MAX;
  return static_cast<int>(value);
}

ProfileFile::ProfileFile(std::string path) : path_(std::move(path)) {
  std::ifstream in(path_, std::ios::binary);
  if (!in) return;
  std::ostringstream text;
  text << in.rdbuf();
  Parse(text.str());
}

ProfileFile ProfileFile::FromText(const std::string& text) {
  ProfileFile profile;
  profile.Parse(text);
  return profile;
}

void ProfileFile::Parse(const std::string& text) {
  lines_.clear();
  std::string line;
  for (char c : text) {
    if (c == '\n') {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines_.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  if (!line.empty()) {
    if (line.back() == '\r') line.pop_back();
    lines_.push_back(line);
  }
}

std::size_t ProfileFile::FindSection(const std::string& section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    std::string trimmed = Trim(lines_[i]);
    if (IsSectionLine(trimmed) && EqualsIgnoreCase(SectionName(trimmed), Trim(section))) return i;
  }
  return kNone;
}

std::size_t ProfileFile::FindKey(std::size_t section_line, const std::string& key) const {
  for (std::size_t i = section_line + 1; i < lines_.size(); ++i) {
    if (IsSectionLine(Trim(lines_[i]))) break;
    std::string k, v;
    if (SplitKeyLine(lines_[i], k, v) && EqualsIgnoreCase(k, Trim(key))) return i;
  }
  return kNone;
}

std::string ProfileFile::GetString(const std::string& section, const std::string& key,
                                   const std::string& default_value,
                                   std::size_t buffer_size) const {
  std::string result = default_value;
  std::size_t s = FindSection(section);
  if (s != kNone) {
    std::size_t k = FindKey(s, key);
    if (k != kNone) {
      std::string name, value;
      SplitKeyLine(lines_[k], name, value);
      result = Unquote(value);
    }
  }
  // The caller's buffer holds buffer_size - 1 characters and the terminator.
  if (buffer_size > 0 && result.size() > buffer_size - 1) result.resize(buffer_size - 1);
  return result;
}

int ProfileFile::GetInt(const std::string& section, const std::string& key,
                        int default_value) const {
  std::size_t s = FindSection(section);
  if (s == kNone) return default_value;
  std::size_t k = FindKey(s, key);
  if (k == kNone) return default_value;
  std::string name, value;
  SplitKeyLine(lines_[k], name, value);
  return ParseLeadingInt(Unquote(value));
}

void ProfileFile::WriteString(const std::string& section, const std::string& key,
                              const std::string& value) {
  std::string line = key + "=" + value;
  std::size_t s = FindSection(section);
  if (s == kNone) {
    if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.push_back("");
    lines_.push_back("[" + section + "]");
    lines_.push_back(line);
    return;
  }
  std::size_t k = FindKey(s, key);
  if (k != kNone) {
    lines_[k] = line;
    return;
  }
  // A new key goes after the last non-blank line of its section.
  std::size_t insert = s + 1;
  for (std::size_t i = s + 1; i < lines_.size() && !IsSectionLine(Trim(lines_[i])); ++i)
    if (!Trim(lines_[i]).empty()) insert = i + 1;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert), line);
}

void ProfileFile::WriteInt(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, std::to_string(value));
}

std::string ProfileFile::ToText() const {
  std::string text;
  for (const std::string& line : lines_) text += line + "\r\n";
  return text;
}

bool ProfileFile::Save() const {
  return WriteFileAtomically(path_, ToText());
}

}  // namespace quarrix
