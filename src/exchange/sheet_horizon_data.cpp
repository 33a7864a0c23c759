#include "exchange/sheet_horizon_data.h"

#include <memory>

#include "exchange/horizon_conversion.h"
#include "exchange/virtual_records.h"
#include "horizon/horizon_grid.h"
#include "horizon/pick_registration.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

void LabelHorizonColumns(SheetTable& table) {
  const ColumnRole roles[] = {ColumnRole::Line, ColumnRole::Trace, ColumnRole::Z, ColumnRole::Amp};
  for (int c = 1; c <= 4; ++c) {
    table.AssignRole(roles[c - 1], c);
    table.SetColumnType(c, CellType::Integer);
  }
}

bool ReadHorizonGrids(const std::string& path, HorizonGrid& time, HorizonGrid& amplitude,
                      Prompter& prompter) {
  std::string problem;
  if (ReadWholeHorizon(path, &time, &amplitude, problem) == HorizonReadResult::Ok) return true;
  prompter.Tell(problem, "Error");
  return false;
}

}  // namespace

bool LoadHorizonDataIntoSheet(SheetTable& table, const SurveyHeader& header,
                              const std::string& path, Prompter& prompter) {
  HorizonGrid time(header.num_lines, header.traces_per_line);
  HorizonGrid amplitude(header.num_lines, header.traces_per_line);
  if (!ReadHorizonGrids(path, time, amplitude, prompter)) return false;
  std::int64_t picked = 0;
  for (std::int16_t t : time.cells) picked += t != HORIZON_NULL;
  if (picked > kHorizonDataCellRows) {
    std::unique_ptr<VirtualRecords> records = VirtualRecords::Create();
    if (!records) {
      prompter.Tell("CreateFile Failed (Create Temp)", "Error");
      return false;
    }
    for (int i = 0; i < time.rows; ++i)
      for (int j = 0; j < time.columns; ++j) {
        if (time.At(i, j) == HORIZON_NULL) continue;
        VirtualRecord record{};
        record[0] = static_cast<float>(header.LineNumber(i));
        record[1] = static_cast<float>(header.TraceNumber(j));
        record[2] = time.At(i, j);
        record[3] = amplitude.At(i, j);
        if (!records->Append(record)) {
          prompter.Tell("Cannot write the temporary file of the sheet", "Error");
          return false;
        }
      }
    table.Clear();
    table.EnterVirtualMode(std::move(records), 4);
    LabelHorizonColumns(table);
    return true;
  }
  table.Clear();
  LabelHorizonColumns(table);
  int row = 1;
  for (int i = 0; i < time.rows; ++i)
    for (int j = 0; j < time.columns; ++j) {
      if (time.At(i, j) == HORIZON_NULL) continue;
      table.SetCell(row, 1, std::to_string(header.LineNumber(i)));
      table.SetCell(row, 2, std::to_string(header.TraceNumber(j)));
      table.SetCell(row, 3, std::to_string(time.At(i, j)));
      table.SetCell(row, 4, std::to_string(amplitude.At(i, j)));
      ++row;
    }
  return true;
}

std::int64_t SaveSheetIntoHorizon(const SheetTable& table, const ProjectState& project,
                                  const std::string& path, Prompter& prompter) {
  // The rows as grids; a registration byte marks the cells they name.
  auto rows = SheetToHorizon(table, project.header, kRegSeed, prompter);
  if (!rows) return -1;
  const SurveyHeader& header = project.header;
  HorizonGrid time(header.num_lines, header.traces_per_line);
  HorizonGrid amplitude(header.num_lines, header.traces_per_line);
  if (FileExists(path) && !ReadHorizonGrids(path, time, amplitude, prompter)) return -1;
  const bool with_amplitude = table.RoleColumn(ColumnRole::Amp) != 0;
  for (std::size_t k = 0; k < time.cells.size(); ++k) {
    if (rows->registration.bytes[k] == 0) continue;
    time.cells[k] = rows->time.cells[k];
    if (with_amplitude) amplitude.cells[k] = rows->amplitude.cells[k];
  }
  if (!WriteGridFile(project, path, time, with_amplitude ? &amplitude : nullptr)) {
    prompter.Tell("Cannot write the horizon file " + path, "Error");
    return -1;
  }
  if (std::string skipped = SkippedRowsText(*rows); !skipped.empty())
    prompter.Tell(skipped, "Save Horizon Data", MessageIcon::Information);
  return rows->cells;
}

}  // namespace quarrix
