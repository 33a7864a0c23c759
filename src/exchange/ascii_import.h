#pragma once
// Loading text files into the spreadsheet: "Import Ascii" keeps every token as
// text in the sheet; "Import Ascii Horizon" reads numbers into virtual mode
// (one 15-float record per line). Fixed-column vendor files read the same way,
// as numbers separated by blanks.
#include <cstdint>
#include <string>

#include "exchange/sheet_table.h"

namespace quarrix {

class Progress;
class Prompter;

// Tokens are separated by runs of these characters.
inline constexpr const char* kImportSeparators = "\n\r\t\v ,";
// Longest lines (with their line end) of the two imports.
inline constexpr std::size_t kTextImportLineBytes = 512;
inline constexpr std::size_t kHorizonImportLineBytes = 500;

struct ImportOutcome {
  bool opened = false;
  std::int64_t rows = 0;       // rows added
  std::int64_t long_line = 0;  // number of the line that stopped the import, or 0
  bool cancelled = false;
};

// "Import Ascii": appends the file's lines below the used rows of the sheet,
// one token per cell (leaves virtual mode). A line too long ends the import
// with a message saying which; an unreadable file says "CreateFile Failed (Open)".
ImportOutcome ImportAsciiText(SheetTable& table, const std::string& path, Prompter& prompter);

// "Import Ascii Horizon": the file's lines become 15-float records of a new
// temporary file and the sheet switches to virtual mode. Each token is read as
// a decimal number (0 when it is none); blank lines are skipped. Progress
// "Loading Data" runs 0..100 by file position, stepped every 100 lines.
ImportOutcome ImportAsciiHorizon(SheetTable& table, const std::string& path, Progress& progress,
                                 Prompter& prompter);

// The window title after an import: old title + " -- " + file name, with
// " (Virtual Mode)" in virtual mode.
std::string ImportTitle(const std::string& old_title, const std::string& path, bool virtual_mode);

}  // namespace quarrix
