#pragma once
// The spreadsheet's own file (".ss2"): the whole sheet with its size, column
// types, headings and column roles, as text. Lines end in CR LF:
//   Quarrix Spreadsheet 1
//   Size<TAB>rows<TAB>columns
//   Types<TAB>I|F|T ...            one letter per column
//   Headings<TAB>text ...          one per column
//   Roles<TAB>column ...           one per role, 0 = unassigned
//   Cells<TAB>rows
//   cell<TAB>cell ...              one line per row
// Backslash, tab, CR and LF inside a heading or cell are written \\ \t \r \n.
#include <string>

#include "exchange/sheet_table.h"

namespace quarrix {

std::string EncodeSpreadsheetFile(const SheetTable& table);
// Replaces the sheet with the file's; false (sheet unchanged) when the bytes
// are not a spreadsheet file or ask for a sheet beyond the grid's limits.
bool DecodeSpreadsheetFile(const std::string& bytes, SheetTable& table);

// Written through a temporary file and a rename; false when it fails.
bool SaveSpreadsheetFile(const SheetTable& table, const std::string& path);
bool LoadSpreadsheetFile(SheetTable& table, const std::string& path);

// The largest sheet a file may ask for.
inline constexpr int kSpreadsheetMaxRows = 16'777'216;
inline constexpr int kSpreadsheetMaxColumns = 16'384;

}  // namespace quarrix
