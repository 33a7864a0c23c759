#include "scan/scan_files.h"

#include <algorithm>

#include "exchange/well_posting.h"
#include "horizon/horizon_files.h"
#include "horizon/horizon_location.h"
#include "horizon/horizon_style.h"
#include "map/map_colour_scheme.h"
#include "platform/atomic_file.h"
#include "platform/bmp_file.h"
#include "platform/file_message.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "platform/safe_write.h"
#include "project/output_guard.h"

namespace quarrix {
namespace {

HorizonLocation Locate(const ScanDocument& document, const std::string& path) {
  return LocateHorizon(document.project_folder, path);
}

// "" when the horizon may be written at path.
std::string SaveProblem(const ScanDocument& document, const HorizonLocation& horizon) {
  for (const std::string& file : document.project_files)
    if (IsSameFile(file, horizon.path))
      return NamingFile("A project file cannot be saved over as a horizon:", horizon.path);
  return horizon.OutsideProjectProblem();
}

// A new horizon takes the window's colour scheme into the time scheme's four
// bits of its style word (bits 24-27), where the map windows look for it.
void KeepColourScheme(std::string& bytes, int scheme) {
  if (bytes.size() < kHorizonStyleBytes) return;
  bytes[3] = static_cast<char>((static_cast<unsigned char>(bytes[3]) & 0xF0) | (scheme & 0x0F));
}

}  // namespace

FileDialogRequest OpenScanHorizonRequest(const ScanDocument& document) {
  return {
      .title = "Open File",
      .filter_names = {"Horizon (*.hor)", "Isopach (*.isp)", "Isochron (*.isc)", "Velocity (*.vel)",
                       "Depth (*.dth)", "Geo  (*.geo)", "Misc (*.msc)", "All Files (*.*)"},
      .filter_patterns = {"*.hor", "*.isp", "*.isc", "*.vel", "*.dth", "*.geo", "*.msc", "*.*"},
      .initial_directory = document.project_folder};
}

FileDialogRequest SaveScanHorizonRequest(const ScanDocument& document) {
  return {.title = "Create File",
          .filter_names = {"Horizon (*.hor)"},
          .filter_patterns = {"*.hor"},
          .initial_directory = document.project_folder,
          .initial_file = FileNameOf(document.horizon_path),
          .default_extension = "hor",
          .must_exist = false,
          .prompt_overwrite = true};
}

bool OpenScanHorizon(ScanDocument& document, const std::string& path, Prompter& prompter) {
  const HorizonLocation horizon = Locate(document, path);
  HorizonGrid grid(document.header.num_lines, document.header.traces_per_line);
  std::string problem;
  if (ReadWholeHorizon(horizon.path, &grid, nullptr, problem) != HorizonReadResult::Ok) {
    prompter.Tell(problem, "Error", MessageIcon::Error);
    return false;
  }
  std::optional<PickRegistration> registration =
      LoadPickRegistration(horizon, document.header, prompter);
  if (!registration) {
    prompter.Tell(kPickRegistrationFailed, "Error", MessageIcon::Error);
    return false;
  }
  document.horizon_path = horizon.path;
  document.grid = std::move(grid);
  document.registration = std::move(*registration);
  document.unsaved = false;
  // A horizon names its colours in its style word; other grids use their own file.
  document.colour_scheme = std::clamp(MapColourScheme(horizon.path, false, kOwnColourFileScheme), 0,
                                      kColourSchemeCount - 1);
  return true;
}

bool OpenScanBitmap(ScanDocument& document, const std::string& path, Prompter& prompter) {
  Bitmap bitmap;
  std::string error;
  if (!ReadBitmapFile(path, bitmap, error)) {
    prompter.Tell(NamingFile("Cannot read the bitmap (" + error + "):", path), "Error",
                  MessageIcon::Error);
    return false;
  }
  if (const std::string problem = ScanSizeProblem(bitmap.width, bitmap.height); !problem.empty()) {
    prompter.Tell(problem, "Error", MessageIcon::Error);
    return false;
  }
  IndexedImage image = bitmap.indexed.width > 0
                           ? std::move(bitmap.indexed)
                           : ScanImageFromPixels(bitmap.width, bitmap.height, bitmap.pixels);
  SetScanImage(document, std::move(image), path);
  return true;
}

bool SetScanPixels(ScanDocument& document, int width, int height, const std::vector<Rgb>& pixels,
                   const std::string& name, Prompter& prompter) {
  if (const std::string problem = ScanSizeProblem(width, height); !problem.empty()) {
    prompter.Tell(problem, "Error", MessageIcon::Error);
    return false;
  }
  if (pixels.size() != static_cast<std::size_t>(width) * height) return false;
  SetScanImage(document, ScanImageFromPixels(width, height, pixels), name);
  return true;
}

bool SaveScanHorizon(ScanDocument& document, const std::string& path, Prompter& prompter) {
  const HorizonLocation horizon = Locate(document, path);
  if (const std::string problem = SaveProblem(document, horizon); !problem.empty()) {
    prompter.Tell(problem, "Error", MessageIcon::Error);
    return false;
  }
  std::string bytes;
  const bool existed = ReadWholeFile(horizon.path, bytes);
  if (!existed) {
    bytes = NewHorizonBytes(document.header);
    if (HasExtension(horizon.path, "hor")) KeepColourScheme(bytes, document.colour_scheme);
  }
  std::vector<FileBytes> files{
      {horizon.path, OverlayGrids(std::move(bytes), &document.grid, nullptr)},
      {horizon.Companion(".hop"),
       std::string(document.registration.bytes.begin(), document.registration.bytes.end())}};
  // A new horizon gets the colour files every horizon has; existing ones stay.
  for (FileBytes& companion : NewHorizonCompanions(horizon, document.header))
    if (companion.path != files[1].path && !FileExists(companion.path))
      files.push_back(std::move(companion));
  std::string error;
  if (!WriteFilesTogether(files, &error)) {
    prompter.Tell(NamingFile("The horizon was not saved: " + error, horizon.path), "Error",
                  MessageIcon::Error);
    return false;
  }
  document.horizon_path = horizon.path;
  document.unsaved = false;
  return true;
}

bool SaveScanHorizonWithDialog(ScanDocument& document, Prompter& prompter) {
  if (!document.HasHorizon()) {
    prompter.Tell("Open a horizon first.", "Warning");
    return false;
  }
  std::optional<std::string> path = prompter.SaveFile(SaveScanHorizonRequest(document));
  return path && SaveScanHorizon(document, *path, prompter);
}

bool ApplyScanColourScheme(ScanDocument& document, const ColourSchemeChoice& choice,
                           Prompter& prompter) {
  document.colour_scheme = std::clamp(choice.scheme, 0, kColourSchemeCount - 1);
  if (document.horizon_path.empty() || !FileExists(document.horizon_path)) return true;
  if (!StoreMapColourScheme(document.horizon_path, false, document.colour_scheme)) {
    prompter.Tell("Cannot write the color scheme to " + document.horizon_path,
                  "Select Color Scheme");
    return false;
  }
  const MapColours colours =
      BuildMapColours(document.horizon_path, document.grid, false,
                      {document.colour_scheme, choice.replace_colour_file}, document.colour_sets);
  if (colours.write_failed) {
    prompter.Tell("Cannot Create Color File!", "", MessageIcon::Warning);
    return false;
  }
  return true;
}

bool MayDiscardScanWork(ScanDocument& document, Prompter& prompter) {
  if (!document.unsaved) return true;
  const MessageAnswer answer = prompter.Message("Do you wish to save your work?", "Warning",
                                                MessageIcon::Warning, MessageButtons::YesNo);
  if (answer != MessageAnswer::Yes) return true;
  return SaveScanHorizonWithDialog(document, prompter);
}

}  // namespace quarrix

namespace quarrix {

std::string SetScanWells(ScanDocument& document, const std::vector<std::string>& names,
                         bool label) {
  document.well_names = names;
  document.label_wells = label;
  document.wells.clear();
  std::string unread;
  for (const std::string& name : names) {
    WellGroupPost group;
    std::string problem;
    if (ReadWellGroupPost(JoinPath(document.project_folder, name), document.header, group, problem))
      document.wells.push_back(std::move(group));
    else
      unread += (unread.empty() ? "" : "\n") + problem;
  }
  return unread;
}

}  // namespace quarrix
