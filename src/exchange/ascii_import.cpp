#include "exchange/ascii_import.h"

#include <memory>

#include "exchange/single_float.h"
#include "exchange/text_lines.h"
#include "platform/paths.h"
#include "platform/progress.h"
#include "platform/prompter.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

constexpr const char* kOpenFailed = "CreateFile Failed (Open)";
constexpr int kLinesPerBatch = 100;

void TellLongLine(Prompter& prompter, std::int64_t line, std::size_t limit) {
  prompter.Tell(FormatText("Line %lld is longer than %zu characters; the import stopped there.",
                           static_cast<long long>(line), limit - 1),
                "Warning");
}

File OpenImportFile(const std::string& path, Prompter& prompter, ImportOutcome& outcome) {
  File file(std::fopen(path.c_str(), "rb"));
  if (file)
    outcome.opened = true;
  else
    prompter.Tell(kOpenFailed, "Error");
  return file;
}

}  // namespace

ImportOutcome ImportAsciiText(SheetTable& table, const std::string& path, Prompter& prompter) {
  ImportOutcome outcome;
  File file = OpenImportFile(path, prompter, outcome);
  if (!file) return outcome;
  table.LeaveVirtualMode();
  TextLineReader reader(file.get(), kTextImportLineBytes, false);
  std::string batch;
  int batch_lines = 0;
  auto place = [&] {
    if (batch_lines == 0) return;
    table.SetBlockText(table.UsedRows() + 1, 1, batch);
    batch.clear();
    batch_lines = 0;
  };
  std::string_view line;
  std::int64_t line_number = 0;
  TextLineReader::Status status;
  while ((status = reader.Next(line)) == TextLineReader::Status::Line) {
    ++line_number;
    std::string row;
    ForEachToken(line, kImportSeparators, [&](std::string_view token) {
      if (!row.empty()) row += '\t';
      row += token;
    });
    if (row.empty()) continue;
    batch += row + "\r\n";
    ++outcome.rows;
    if (++batch_lines == kLinesPerBatch) place();
  }
  place();
  if (status == TextLineReader::Status::TooLong) {
    outcome.long_line = line_number + 1;
    TellLongLine(prompter, outcome.long_line, kTextImportLineBytes);
  }
  return outcome;
}

ImportOutcome ImportAsciiHorizon(SheetTable& table, const std::string& path, Progress& progress,
                                 Prompter& prompter) {
  ImportOutcome outcome;
  File file = OpenImportFile(path, prompter, outcome);
  if (!file) return outcome;
  std::unique_ptr<VirtualRecords> records = VirtualRecords::Create();
  if (!records) {
    prompter.Tell("CreateFile Failed (Create Temp)", "Error");
    return outcome;
  }
  const long long size = FileSize(path);
  progress.SetLabel("Loading Data");
  progress.SetRange(0, 100);
  TextLineReader reader(file.get(), kHorizonImportLineBytes, true);
  std::string_view line;
  std::int64_t line_number = 0;
  int fields_seen = 0;
  TextLineReader::Status status;
  while ((status = reader.Next(line)) == TextLineReader::Status::Line) {
    ++line_number;
    VirtualRecord record{};
    int fields = 0;
    ForEachToken(line, kImportSeparators, [&](std::string_view token) {
      if (fields < kVirtualFields)
        record[static_cast<std::size_t>(fields)] = ToSingle(ParseCDouble(token));
      ++fields;
    });
    if (fields == 0) continue;
    fields_seen = std::max(fields_seen, std::min(fields, kVirtualFields));
    if (!records->Append(record)) {
      prompter.Tell("Cannot write the temporary file of the import (disk full?)", "Error");
      break;
    }
    ++outcome.rows;
    if (line_number % kLinesPerBatch == 0) {
      if (size > 0) progress.SetPosition(static_cast<int>(reader.position() * 100 / size));
      if (progress.Cancelled()) {
        outcome.cancelled = true;
        break;
      }
    }
  }
  if (status == TextLineReader::Status::TooLong) {
    outcome.long_line = line_number + 1;
    TellLongLine(prompter, outcome.long_line, kHorizonImportLineBytes);
  }
  progress.SetPosition(100);
  table.EnterVirtualMode(std::move(records), fields_seen);
  return outcome;
}

std::string ImportTitle(const std::string& old_title, const std::string& path, bool virtual_mode) {
  return old_title + " -- " + FileNameOf(path) + (virtual_mode ? " (Virtual Mode)" : "");
}

}  // namespace quarrix
