// The spreadsheet's text imports, its own file and pasted clipboard text over
// arbitrary bytes, then the conversion of the rows into a horizon: whatever
// the bytes hold, nothing misbehaves.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "exchange/ascii_import.h"
#include "exchange/horizon_conversion.h"
#include "exchange/sheet_editing.h"
#include "exchange/spreadsheet_file.h"
#include "platform/progress.h"
#include "platform/scripted_prompter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quarrix;
  static const std::string path = "/tmp/quarrix_import_fuzz_" + std::to_string(getpid()) + ".txt";
  static const bool cleaned_at_exit = std::atexit([] { std::remove(path.c_str()); }) == 0;
  (void)cleaned_at_exit;
  {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  SurveyHeader header;
  header.first_line = 1;
  header.last_line = 8;
  header.first_trace = 1;
  header.last_trace = 9;
  header.trace_bytes = 20;
  header.sample_rate = 4.0;
  header.ComputeDerived();
  ScriptedPrompter prompter;
  NullProgress progress;

  SheetTable text;
  ImportAsciiText(text, path, prompter);
  text.AssignRole(ColumnRole::Line, 1);
  text.AssignRole(ColumnRole::Trace, 2);
  text.AssignRole(ColumnRole::Z, 3);
  text.AssignRole(ColumnRole::Amp, 4);
  SheetToHorizon(text, header, 1, prompter);
  text.SortRows(3, true, 1, text.UsedRows());

  SheetTable numbers;
  ImportAsciiHorizon(numbers, path, progress, prompter);
  numbers.AssignRole(ColumnRole::Line, 2);
  numbers.AssignRole(ColumnRole::Trace, 1);
  numbers.AssignRole(ColumnRole::Z, 15);
  SheetToHorizon(numbers, header, 8, prompter);

  const std::string bytes(reinterpret_cast<const char*>(data), size);
  SheetTable loaded;
  if (DecodeSpreadsheetFile(bytes, loaded)) SheetToHorizon(loaded, header, 1, prompter);
  SheetEditHistory history;
  history.Paste(text, 3, 2, bytes);
  history.Undo(text);
  return 0;
}
