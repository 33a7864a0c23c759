#include "exchange/horizon_conversion.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "exchange/sheet_rows.h"
#include "exchange/single_float.h"
#include "horizon/horizon_files.h"
#include "map/gridding.h"
#include "platform/atomic_file.h"
#include "platform/numeric.h"
#include "platform/parallel.h"
#include "platform/paths.h"
#include "platform/progress.h"
#include "platform/prompter.h"
#include "platform/safe_write.h"
#include "platform/text_util.h"
#include "project/output_guard.h"

namespace quarrix {
namespace {

bool NeedsRoles(const SheetTable& table, std::initializer_list<ColumnRole> roles,
                const char* message, Prompter& prompter) {
  for (ColumnRole role : roles)
    if (table.RoleColumn(role) == 0) {
      prompter.Tell(message, "Warning");
      return false;
    }
  return true;
}

bool RefuseVirtual(const SheetTable& table, Prompter& prompter) {
  if (!table.virtual_mode()) return false;
  prompter.Tell("This command works on rows held in the sheet; choose New and Import Ascii first.",
                "Warning");
  return true;
}

}  // namespace

std::optional<std::int16_t> ZCell(double z) {
  if (ToSingle(z) == kImportNull) return HORIZON_NULL;
  if (!(z > -32769.0 && z < 32768.0)) return std::nullopt;  // also NaN
  return Trunc16(z);
}

std::int16_t AmpCell(double amp) {
  if (ToSingle(amp) == kImportNull || std::isnan(amp)) return HORIZON_NULL;
  return Trunc16(std::clamp(amp, -32767.0, 32767.0));
}

std::string SkippedRowsText(const ConvertedHorizon& horizon) {
  const std::int64_t skipped = horizon.outside + horizon.without_z + horizon.bad_z;
  if (skipped == 0) return "";
  return FormatText(
      "%lld rows skipped: %lld outside the survey, %lld without a Z value, %lld "
      "with a Z value that is not a number or does not fit the 16-bit grid",
      static_cast<long long>(skipped), static_cast<long long>(horizon.outside),
      static_cast<long long>(horizon.without_z), static_cast<long long>(horizon.bad_z));
}

std::optional<ConvertedHorizon> SheetToHorizon(const SheetTable& table, const SurveyHeader& header,
                                               std::uint8_t registration_value,
                                               Prompter& prompter) {
  if (!NeedsRoles(table, {ColumnRole::Line, ColumnRole::Trace, ColumnRole::Z},
                  "Line, Trace, & Z values must be set", prompter))
    return std::nullopt;
  const int line_column = table.RoleColumn(ColumnRole::Line);
  const int trace_column = table.RoleColumn(ColumnRole::Trace);
  const int z_column = table.RoleColumn(ColumnRole::Z);
  const int amp_column = table.RoleColumn(ColumnRole::Amp);
  ConvertedHorizon out;
  out.time = HorizonGrid(header.num_lines, header.traces_per_line);
  out.amplitude = HorizonGrid(header.num_lines, header.traces_per_line);
  out.registration = PickRegistration(header.num_lines, header.traces_per_line);
  const int rows = table.UsedRows();
  for (int row = 1; row <= rows; ++row) {
    auto cell = SurveyCellOf(header, RowInteger(table, row, line_column),
                             RowInteger(table, row, trace_column));
    if (!cell) {
      ++out.outside;
      continue;
    }
    if (table.IsEmpty(row, z_column)) {
      ++out.without_z;
      continue;
    }
    std::optional<std::int16_t> z = ZCell(table.Number(row, z_column));
    if (!z) {
      ++out.bad_z;
      continue;
    }
    out.time.At(cell->row, cell->column) = *z;
    if (amp_column != 0)
      out.amplitude.At(cell->row, cell->column) = AmpCell(table.Number(row, amp_column));
    out.registration.At(cell->row, cell->column) = registration_value;
    ++out.cells;
  }
  return out;
}

void GridConvertedHorizon(ConvertedHorizon& horizon, Progress& progress, Prompter& prompter) {
  progress.SetLabel("Gridding Data");
  GridRectangle whole{0, 0, horizon.time.columns, horizon.time.rows};
  GriddingOptions options;
  options.threads = MachineThreadCount();
  GridHorizonArea(horizon.time, whole, GridRegion(), options, progress, prompter);
}

namespace {

// The files a converted or computed grid makes: the grid file composed whole
// (an existing file keeps its style word and any grid not given) and, for a
// new horizon, its companions. Nothing when the path is refused or unreadable.
std::optional<std::vector<FileBytes>> GridFileSet(const ProjectState& project,
                                                  const std::string& path, const HorizonGrid& time,
                                                  const HorizonGrid* amplitude) {
  if (IsProjectFile(project, path)) return std::nullopt;
  const bool is_new = !FileExists(path);
  const bool new_horizon = is_new && HasExtension(path, "hor");
  std::string bytes;
  if (new_horizon)
    bytes = NewHorizonBytes(project.header);
  else if (!is_new && !ReadWholeFile(path, bytes))
    return std::nullopt;
  std::vector<FileBytes> files = {{path, OverlayGrids(std::move(bytes), &time, amplitude)}};
  if (new_horizon) {
    // A new horizon lives beside its registration and colour files.
    HorizonLocation location = LocateHorizon(DirectoryOf(project.header_path), path);
    if (!location.InProjectFolder()) return std::nullopt;
    auto companions = NewHorizonCompanions(location, project.header);
    files.insert(files.end(), companions.begin(), companions.end());
  }
  return files;
}

}  // namespace

bool WriteGridFile(const ProjectState& project, const std::string& path, const HorizonGrid& time,
                   const HorizonGrid* amplitude) {
  // All the files are written together, so a failure leaves the old ones.
  auto files = GridFileSet(project, path, time, amplitude);
  return files && WriteFilesTogether(*files);
}

bool WriteConvertedHorizon(const std::string& path, const ProjectState& project,
                           const ConvertedHorizon& horizon) {
  auto files = GridFileSet(project, path, horizon.time, &horizon.amplitude);
  if (!files) return false;
  HorizonLocation location = LocateHorizon(DirectoryOf(project.header_path), path);
  std::erase_if(*files, [&](const FileBytes& f) { return f.path == location.Companion(".hop"); });
  files->push_back({location.Companion(".hop"),
                    std::string(reinterpret_cast<const char*>(horizon.registration.bytes.data()),
                                horizon.registration.bytes.size())});
  return WriteFilesTogether(*files);
}

bool ConvertSheetToHorizonFile(const SheetTable& table, const ProjectState& project, bool grid,
                               Prompter& prompter, Progress& progress) {
  if (!NeedsRoles(table, {ColumnRole::Line, ColumnRole::Trace, ColumnRole::Z},
                  "Line, Trace, & Z values must be set", prompter))
    return false;
  // Converting over an existing file replaces every cell of it: ask first.
  const FileDialogRequest request{
      .title = "Open Output Horizon File",
      .filter_names = {"Horizon (*.hor)", "Isopach (*.isp)", "Depth (*.dth)", "All Files (*.*)"},
      .filter_patterns = {"*.hor", "*.isp", "*.dth", "*.*"},
      .initial_directory = DirectoryOf(project.header_path),
      .default_extension = "hor",
      .must_exist = false,
      .prompt_overwrite = true};
  auto path = prompter.SaveFile(request);
  if (!path) return false;
  bool protect = prompter.Message("Make Values non-editable", "Warning", MessageIcon::Question,
                                  MessageButtons::YesNo) == MessageAnswer::Yes;
  auto horizon =
      SheetToHorizon(table, project.header, protect ? kRegProtected : kRegSeed, prompter);
  if (!horizon) return false;
  if (grid) GridConvertedHorizon(*horizon, progress, prompter);
  if (!WriteConvertedHorizon(*path, project, *horizon)) {
    prompter.Tell("Cannot write the horizon file " + *path, "Error");
    return false;
  }
  if (std::string skipped = SkippedRowsText(*horizon); !skipped.empty())
    prompter.Tell(skipped, "Convert to Horizon", MessageIcon::Information);
  return true;
}

bool FillColumnFromHorizon(SheetTable& table, const SurveyHeader& header,
                           const std::string& horizon_path, int column, Prompter& prompter) {
  if (!NeedsRoles(table, {ColumnRole::Line, ColumnRole::Trace}, "Line and Trace values must be set",
                  prompter) ||
      RefuseVirtual(table, prompter))
    return false;
  HorizonGrid time(header.num_lines, header.traces_per_line);
  std::string problem;
  switch (ReadWholeHorizon(horizon_path, &time, nullptr, problem)) {
    case HorizonReadResult::Ok: break;
    case HorizonReadResult::CannotOpen:
      prompter.Tell("Cannot Open File " + horizon_path, "Error");
      return false;
    case HorizonReadResult::Short: prompter.Tell(problem, "Error"); return false;
  }
  const int line_column = table.RoleColumn(ColumnRole::Line);
  const int trace_column = table.RoleColumn(ColumnRole::Trace);
  const int rows = table.UsedRows();
  for (int row = 1; row <= rows; ++row) {
    auto cell = SurveyCellOf(header, RowInteger(table, row, line_column),
                             RowInteger(table, row, trace_column));
    if (cell) table.SetCell(row, column, FormatText("%d", time.At(cell->row, cell->column)));
  }
  return true;
}

namespace {

// Shared walk of the two fills: rows whose target pair is empty or 0 get it
// from the source pair; a row without the source pair stops the walk.
bool FillPairs(SheetTable& table, const ProjectState& project, Prompter& prompter, bool to_xy) {
  if (!NeedsRoles(table, {ColumnRole::Line, ColumnRole::Trace, ColumnRole::X, ColumnRole::Y},
                  "Line, Trace, X, & Y Must be Labeled", prompter) ||
      RefuseVirtual(table, prompter))
    return false;
  if (!project.placement.HasXy()) {
    prompter.Tell("X/Y File not Found!!", "Warning");
    return false;
  }
  const SurveyHeader& header = project.header;
  const int line_column = table.RoleColumn(ColumnRole::Line);
  const int trace_column = table.RoleColumn(ColumnRole::Trace);
  const int x_column = table.RoleColumn(ColumnRole::X);
  const int y_column = table.RoleColumn(ColumnRole::Y);
  const int from_a = to_xy ? line_column : x_column, from_b = to_xy ? trace_column : y_column;
  const int to_a = to_xy ? x_column : line_column, to_b = to_xy ? y_column : trace_column;
  const int rows = table.UsedRows();
  for (int row = 1; row <= rows; ++row) {
    if (RowInteger(table, row, to_a) != 0 || RowInteger(table, row, to_b) != 0) continue;
    int a = RowInteger(table, row, from_a), b = RowInteger(table, row, from_b);
    if (a == 0 || b == 0) {
      prompter.Tell(FormatText("Data Error Row %d", row), "Warning");
      return false;
    }
    if (to_xy) {
      XyPoint xy =
          LineTraceToXy(header, project.placement, a - header.first_line, b - header.first_trace);
      table.SetCell(row, x_column, FormatText("%d", xy.x));
      table.SetCell(row, y_column, FormatText("%d", xy.y));
    } else if (auto offset = XyToLineTrace(header, project.placement, a, b)) {
      table.SetCell(row, line_column, FormatText("%d", RoundedLine(header, offset->dl)));
      table.SetCell(row, trace_column, FormatText("%d", RoundedTrace(header, offset->dt)));
    }
  }
  return true;
}

}  // namespace

bool FillInXy(SheetTable& table, const ProjectState& project, Prompter& prompter) {
  return FillPairs(table, project, prompter, true);
}

bool FillInLineTrace(SheetTable& table, const ProjectState& project, Prompter& prompter) {
  return FillPairs(table, project, prompter, false);
}

}  // namespace quarrix
