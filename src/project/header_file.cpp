#include "project/header_file.h"

#include <cstring>

#include "platform/atomic_file.h"
#include "platform/file_message.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

// A number record: the formatted text left-aligned and padded with spaces.
void PutNumber(char* record, const std::string& text) {
  std::memset(record, ' ', kHeaderRecordBytes);
  std::memcpy(record, text.data(), std::min(text.size(), kHeaderRecordBytes));
}

// A text record: the buffer as held, with byte 40 a space.
void PutText(char* record, const LabelBuffer& label) {
  std::memcpy(record, label.data(), kHeaderRecordBytes);
  record[kHeaderRecordBytes - 1] = ' ';
}

void GetText(const char* record, LabelBuffer& label) {
  std::memcpy(label.data(), record, kHeaderRecordBytes);
  label[kHeaderRecordBytes - 1] = '\0';
}

std::string_view Record(std::string_view bytes, int index) {
  return bytes.substr(static_cast<std::size_t>(index) * kHeaderRecordBytes, kHeaderRecordBytes);
}

}  // namespace

std::array<char, kHeaderFileBytes> EncodeHeader(const SurveyHeader& h) {
  std::array<char, kHeaderFileBytes> bytes{};
  char* r = bytes.data();
  auto record = [&](int index) { return r + index * kHeaderRecordBytes; };
  PutText(record(0), h.owner);
  PutText(record(1), h.line_name);
  PutText(record(2), h.collector);
  PutNumber(record(3), FormatText("%f", h.trace_spacing));
  PutNumber(record(4), FormatText("%f", h.line_spacing));
  PutNumber(record(5), FormatText("%d", 2 * h.num_samples));
  PutNumber(record(6), FormatText("%f", h.sample_rate));
  PutNumber(record(7), FormatText("%d", h.first_line));
  PutNumber(record(8), FormatText("%d", h.last_line));
  PutNumber(record(9), FormatText("%d", h.first_trace));
  PutNumber(record(10), FormatText("%d", h.last_trace));
  PutNumber(record(11), FormatText("%d", h.corner_index));
  PutNumber(record(12), FormatText("%f", h.line_increment));
  PutNumber(record(13), FormatText("%f", h.trace_increment));
  PutNumber(record(14), FormatText("%d", h.start_time));
  return bytes;
}

std::string DecodeHeader(std::string_view bytes, HeaderReader reader, SurveyHeader& header) {
  std::size_t needed = reader == HeaderReader::Loader ? kHeaderFileBytes : kShortHeaderFileBytes;
  if (bytes.size() < needed)
    return FormatText("the file holds %zu bytes, a header needs %zu", bytes.size(), needed);
  SurveyHeader h = header;
  GetText(bytes.data(), h.owner);
  GetText(bytes.data() + kHeaderRecordBytes, h.line_name);
  GetText(bytes.data() + 2 * kHeaderRecordBytes, h.collector);
  h.trace_spacing = static_cast<float>(ParseCDouble(Record(bytes, 3)));
  h.line_spacing = static_cast<float>(ParseCDouble(Record(bytes, 4)));
  h.trace_bytes = ParseCInt(Record(bytes, 5));
  h.sample_rate = ParseCDouble(Record(bytes, 6));
  if (reader == HeaderReader::Loader) h.sample_rate = static_cast<float>(h.sample_rate);
  h.first_line = ParseCInt(Record(bytes, 7));
  h.last_line = ParseCInt(Record(bytes, 8));
  h.first_trace = ParseCInt(Record(bytes, 9));
  h.last_trace = ParseCInt(Record(bytes, 10));
  h.corner_index = ParseCInt(Record(bytes, 11));
  // Records 13 to 15 are optional for the interpretation program: a header
  // written before they existed takes their defaults.
  auto optional_record = [&](int index) {
    return bytes.size() >= (index + 1) * kHeaderRecordBytes;
  };
  h.line_increment =
      optional_record(12) ? static_cast<float>(ParseCDouble(Record(bytes, 12))) : 1.0f;
  h.trace_increment =
      optional_record(13) ? static_cast<float>(ParseCDouble(Record(bytes, 13))) : 1.0f;
  h.start_time = optional_record(14) ? ParseCInt(Record(bytes, 14)) : 0;
  if (reader == HeaderReader::Interpretation && h.sample_rate == 0.0) h.sample_rate = 2.0;
  std::string problem = HeaderProblem(h);
  if (!problem.empty()) return problem;
  h.ComputeDerived();
  header = h;
  return "";
}

bool LoadHeader(const std::string& path, SurveyHeader& header, Prompter& prompter,
                HeaderReader reader) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) {
    prompter.Tell(NamingFile("Header File Not Found", path), "", MessageIcon::Warning);
    return false;
  }
  if (bytes.size() > kHeaderFileBytes) bytes.resize(kHeaderFileBytes);
  std::string problem = DecodeHeader(bytes, reader, header);
  if (!problem.empty()) {
    prompter.Tell("Header file " + path + " cannot be used: " + problem, "Error",
                  MessageIcon::Error);
    return false;
  }
  return true;
}

bool SaveHeader(const std::string& path, const SurveyHeader& header, Prompter& prompter) {
  std::array<char, kHeaderFileBytes> bytes = EncodeHeader(header);
  if (!WriteFileAtomically(path, std::string_view(bytes.data(), bytes.size()))) {
    prompter.Tell("Cannot Create Header File!", "", MessageIcon::Warning);
    return false;
  }
  return true;
}

FileDialogRequest OpenHeaderRequest(const std::string& initial_header) {
  return {.title = "OPEN HEADER FILE",
          .filter_names = {"Header Files (*.hdr)", "All Files (*.*)"},
          .filter_patterns = {"*.hdr", "*"},
          .initial_directory = DirectoryOf(initial_header),
          .initial_file = FileNameOf(initial_header)};
}

}  // namespace quarrix
