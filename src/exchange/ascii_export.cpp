#include "exchange/ascii_export.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <sstream>

#include "exchange/sheet_rows.h"
#include "platform/atomic_file.h"
#include "platform/byte_order.h"
#include "platform/prompter.h"
#include "platform/safe_write.h"

namespace quarrix {
namespace {

constexpr std::size_t kColumnLineChars = 256;

// The X/Y record of a line and trace number: one per number from first to
// last, all traces of the first line first.
XyPoint XyRecord(const SurveyHeader& header, const std::string& xy_bytes, int line, int trace) {
  std::int64_t traces = static_cast<std::int64_t>(header.last_trace) - header.first_trace + 1;
  std::int64_t index =
      (static_cast<std::int64_t>(line) - header.first_line) * traces + (trace - header.first_trace);
  auto offset = static_cast<std::size_t>(index) * 8;
  if (index < 0 || offset + 8 > xy_bytes.size()) return {};
  return {le::Get<std::int32_t>(xy_bytes, offset), le::Get<std::int32_t>(xy_bytes, offset + 4)};
}

char Delimiter(ExportLayout layout) {
  switch (layout) {
    case ExportLayout::CommaDelimited: return ',';
    case ExportLayout::SpaceDelimited: return ' ';
    default: return '\t';
  }
}

}  // namespace

std::string SheetAsciiText(const SheetTable& table, int first_row, int first_column, int last_row,
                           int last_column, char delimiter) {
  std::string text;
  for (int row = first_row; row <= last_row; ++row) {
    for (int column = first_column; column <= last_column; ++column) {
      if (column > first_column) text += delimiter;
      text += table.Cell(row, column);
    }
    text += "\r\n";
  }
  return text;
}

bool ExportSheetAscii(const SheetTable& table, const std::string& path, char delimiter,
                      Prompter& prompter) {
  return ExportSheetAscii(table, {1, 1, table.UsedRows(), table.UsedColumns()}, path, delimiter,
                          prompter);
}

bool ExportSheetAscii(const SheetTable& table, const SheetBlock& block, const std::string& path,
                      char delimiter, Prompter& prompter) {
  std::string text = SheetAsciiText(table, block.first_row, block.first_column, block.last_row,
                                    block.last_column, delimiter);
  if (WriteFileAtomically(path, text)) return true;
  prompter.Tell("Cannot Create Export Ascii File", "Error");
  return false;
}

HorizonExportOptions VendorExportOptions(ExportVendor vendor, const SurveyHeader& header) {
  using K = ExportFieldKind;
  HorizonExportOptions o;
  o.start_line = header.first_line;
  o.end_line = header.last_line;
  o.line_increment = std::max(1, static_cast<int>(header.line_increment));
  o.start_trace = header.first_trace;
  o.end_trace = header.last_trace;
  o.trace_increment = std::max(1, static_cast<int>(header.trace_increment));
  o.layout = ExportLayout::ColumnData;
  switch (vendor) {
    case ExportVendor::Landmark:
      o.null_text = "1.0E37";
      o.fields = {{{K::Line, 21, 30},
                   {K::Trace, 31, 40},
                   {K::X, 41, 52},
                   {K::Y, 53, 64},
                   {K::ZValue, 65, 76},
                   {}}};
      break;
    case ExportVendor::Geoquest:
      o.null_text.clear();
      o.fields = {{{K::ZValue, 39, 47}, {K::Trace, 68, 72}, {K::Line, 90, 96}, {}, {}, {}}};
      break;
    case ExportVendor::HampsonRussell:
      o.null_text.clear();
      o.fields = {
          {{K::Trace, 0, 10}, {K::Line, 11, 22}, {K::Amp, 22, 33}, {K::ZValue, 33, 44}, {}, {}}};
      break;
    case ExportVendor::Custom:
      o.null_text = "32700";
      o.layout = ExportLayout::CommaDelimited;
      o.fields = {{{K::Line}, {K::Trace}, {K::X}, {K::Y}, {K::ZValue}, {K::Amp}}};
      break;
  }
  return o;
}

void WriteHorizonExport(std::ostream& out, const HorizonExportOptions& options,
                        const SurveyHeader& header, const HorizonGrid& time,
                        const HorizonGrid& amplitude, const std::string& xy_bytes) {
  const int line_step = std::max(1, options.line_increment);
  const int trace_step = std::max(1, options.trace_increment);
  // A null amplitude at a picked cell stays a number when nulls are not written,
  // so that every line keeps all its fields.
  const std::string null_text = options.null_text.empty() ? "32700" : options.null_text;
  std::string text;
  for (long long line = options.start_line; line <= options.end_line; line += line_step) {
    for (long long trace = options.start_trace; trace <= options.end_trace; trace += trace_step) {
      auto cell = SurveyCellOf(header, static_cast<int>(line), static_cast<int>(trace));
      if (!cell) continue;
      const std::int16_t z = time.At(cell->row, cell->column);
      if (z == HORIZON_NULL && options.null_text.empty()) continue;
      const std::int16_t amp = amplitude.At(cell->row, cell->column);
      XyPoint xy = XyRecord(header, xy_bytes, static_cast<int>(line), static_cast<int>(trace));
      if (options.layout == ExportLayout::ColumnData)
        text.assign(kColumnLineChars, ' ');
      else
        text.clear();
      for (const ExportField& field : options.fields) {
        std::string value;
        switch (field.kind) {
          case ExportFieldKind::Line: value = std::to_string(line); break;
          case ExportFieldKind::Trace: value = std::to_string(trace); break;
          case ExportFieldKind::X: value = std::to_string(xy.x); break;
          case ExportFieldKind::Y: value = std::to_string(xy.y); break;
          case ExportFieldKind::ZValue:
            value = z == HORIZON_NULL ? null_text : std::to_string(z);
            break;
          case ExportFieldKind::Amp:
            value = amp == HORIZON_NULL ? null_text : std::to_string(amp);
            break;
          case ExportFieldKind::Unused: break;
        }
        if (field.kind == ExportFieldKind::Unused) break;
        if (options.layout != ExportLayout::ColumnData) {
          text += value;
          text += Delimiter(options.layout);
          continue;
        }
        // Right-aligned so that the last character is in the end column.
        int end = std::min(field.end_column, static_cast<int>(kColumnLineChars));
        int start = std::max(0, end - static_cast<int>(value.size()));
        if (end > 0)
          text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start),
                       value.substr(value.size() - static_cast<std::size_t>(end - start)));
      }
      if (options.layout == ExportLayout::ColumnData) text.erase(text.find_last_not_of(' ') + 1);
      out << text << "\r\n";
    }
  }
}

namespace {

struct ExportInputs {
  HorizonGrid time, amplitude;
  std::string xy_bytes;
};

std::optional<ExportInputs> ReadExportInputs(const ProjectState& project,
                                             const std::string& horizon_path, Prompter& prompter) {
  const SurveyHeader& header = project.header;
  ExportInputs inputs{HorizonGrid(header.num_lines, header.traces_per_line),
                      HorizonGrid(header.num_lines, header.traces_per_line),
                      {}};
  std::string problem;
  switch (ReadWholeHorizon(horizon_path, &inputs.time, &inputs.amplitude, problem)) {
    case HorizonReadResult::Ok: break;
    case HorizonReadResult::CannotOpen: prompter.Tell("Select Horizon File", "Warning"); return {};
    case HorizonReadResult::Short: prompter.Tell(problem, "Error"); return {};
  }
  if (!ReadWholeFile(project.XyPath(), inputs.xy_bytes)) inputs.xy_bytes.clear();
  return inputs;
}

}  // namespace

bool ExportAsciiHorizon(const ProjectState& project, const std::string& horizon_path,
                        std::ostream& out, const HorizonExportOptions& options,
                        Prompter& prompter) {
  auto inputs = ReadExportInputs(project, horizon_path, prompter);
  if (!inputs) return false;
  WriteHorizonExport(out, options, project.header, inputs->time, inputs->amplitude,
                     inputs->xy_bytes);
  return static_cast<bool>(out);
}

bool ExportAsciiHorizon(const ProjectState& project, const std::string& horizon_path,
                        const std::string& output_path, const HorizonExportOptions& options,
                        Prompter& prompter) {
  auto inputs = ReadExportInputs(project, horizon_path, prompter);
  if (!inputs) return false;
  // Written whole through a temporary, so an old export stays as it was
  // until the new one is complete.
  std::ostringstream text;
  WriteHorizonExport(text, options, project.header, inputs->time, inputs->amplitude,
                     inputs->xy_bytes);
  OutputFile file(output_path);
  if (!file.Open()) {
    prompter.Tell("Select Output File", "Warning");
    return false;
  }
  if (file.Write(text.str()) && file.Commit()) return true;
  prompter.Tell(file.UserMessage(), "Error");
  return false;
}

}  // namespace quarrix
