#pragma once
// Writing text for other packages: "Export Ascii" (the sheet's cells) and
// "Export Ascii Horizon" (a horizon in the Landmark, Geoquest, Hampson-Russell
// or a custom layout, delimited or in fixed columns).
#include <array>
#include <ostream>
#include <string>

#include "exchange/sheet_editing.h"
#include "exchange/sheet_table.h"
#include "horizon/horizon_grid.h"
#include "project/project_state.h"

namespace quarrix {

class Prompter;

// "Export Ascii": rows first_row..last_row, columns first_column..last_column,
// cells joined by the delimiter, each row ending in CR LF.
std::string SheetAsciiText(const SheetTable& table, int first_row, int first_column, int last_row,
                           int last_column, char delimiter);
// Writes the used range; "Cannot Create Export Ascii File" when it cannot.
bool ExportSheetAscii(const SheetTable& table, const std::string& path, char delimiter,
                      Prompter& prompter);
// "Output Selected": the rows and columns of a block only.
bool ExportSheetAscii(const SheetTable& table, const SheetBlock& block, const std::string& path,
                      char delimiter, Prompter& prompter);

enum class ExportFieldKind { Line, Trace, X, Y, ZValue, Amp, Unused };
enum class ExportLayout { CommaDelimited, SpaceDelimited, TabDelimited, ColumnData };
enum class ExportVendor { Landmark, Geoquest, HampsonRussell, Custom };

struct ExportField {
  ExportFieldKind kind = ExportFieldKind::Unused;
  int start_column = 0;  // shown in the dialog; placement uses the end column
  int end_column = 0;    // 1-based column of the field's last character
};

struct HorizonExportOptions {
  ExportLayout layout = ExportLayout::CommaDelimited;
  std::array<ExportField, 6> fields{};
  int start_line = 0, end_line = 0, line_increment = 1;
  int start_trace = 0, end_trace = 0, trace_increment = 1;
  // Written for a null Z or Amp; empty = "Don't Output Null Locations".
  std::string null_text = "32700";
};

// The options a format choice fills in, over the whole survey.
HorizonExportOptions VendorExportOptions(ExportVendor vendor, const SurveyHeader& header);

// Writes the horizon's lines (CR LF ends). xy_bytes is the project's X/Y file
// (empty when it has none: X and Y are then 0). Lines or traces outside the
// survey, or between its increments, are skipped.
void WriteHorizonExport(std::ostream& out, const HorizonExportOptions& options,
                        const SurveyHeader& header, const HorizonGrid& time,
                        const HorizonGrid& amplitude, const std::string& xy_bytes);

// "Export Ascii Horizon" of a horizon file to a stream ("Select Horizon File"
// when the horizon cannot be read).
bool ExportAsciiHorizon(const ProjectState& project, const std::string& horizon_path,
                        std::ostream& out, const HorizonExportOptions& options, Prompter& prompter);
// "Export Ascii Horizon" from files: "Select Horizon File" when the horizon
// cannot be read, "Select Output File" when the output cannot be made.
bool ExportAsciiHorizon(const ProjectState& project, const std::string& horizon_path,
                        const std::string& output_path, const HorizonExportOptions& options,
                        Prompter& prompter);

}  // namespace quarrix
