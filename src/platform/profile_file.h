#pragma once
// A profile (ini) file with the semantics of the Windows private-profile
// functions: bracketed sections, key=value lines, case-insensitive section and
// key names, the caller's default for a missing file, section or key, and
// writes that replace a key in place while keeping every other line.
#include <string>
#include <vector>

namespace quarrix {

class ProfileFile {
 public:
  // Reads the file if it exists; a missing or unreadable file is empty.
  explicit ProfileFile(std::string path);

  // Builds a profile from text (CRLF or LF), for parsing without a file.
  static ProfileFile FromText(const std::string& text);

  const std::string& path() const { return path_; }

  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& default_value, std::size_t buffer_size = 0) const;
  // A leading signed decimal; text that starts otherwise reads as 0.
  int GetInt(const std::string& section, const std::string& key, int default_value) const;

  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInt(const std::string& section, const std::string& key, int value);

  // The text as it would be written (CRLF line ends, as Windows writes them).
  std::string ToText() const;
  // Writes the file through a temporary and a rename; false on failure.
  bool Save() const;

 private:
  ProfileFile() = default;
  void Parse(const std::string& text);
  // Index of the section line, or npos.
  std::size_t FindSection(const std::string& section) const;
  // Index of the key line inside the section starting at section_line, or npos.
  std::size_t FindKey(std::size_t section_line, const std::string& key) const;

  std::string path_;
  std::vector<std::string> lines_;
};

// Parses a leading signed decimal as GetPrivateProfileInt does.
int ParseLeadingInt(const std::string& text);

}  // namespace quarrix
