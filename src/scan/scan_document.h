#pragma once
// The Scan/Contour window's document: a scanned paper contour map, the
// horizon grid it is digitised into with the grid's registration, the two
// corners that register the scan to the survey, the digitised polylines and
// the window's modes and display choices.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "horizon/colour_files.h"
#include "horizon/horizon_grid.h"
#include "horizon/pick_registration.h"
#include "map/map_display_options.h"
#include "map/map_overlays.h"
#include "platform/canvas.h"
#include "project/survey_header.h"
#include "project/xy_geometry.h"

namespace quarrix {

// What a left click does. Corner selection comes first; the digitising modes
// exclude each other and end with Esc.
enum class ScanMode { Idle, UpperLeftCorner, LowerRightCorner, Contour, Append, Erase };

struct ScanDocument {
  // The survey the grid belongs to.
  SurveyHeader header;
  SurveyPlacement placement;
  std::string project_folder;
  // The project's header, trace and X/Y files: never written over.
  std::vector<std::string> project_files;

  // The target grid (times) and its registration: 1 digitised, 8 and above
  // protected, 0 filled by gridding or empty. Empty until a horizon is open.
  std::string horizon_path;
  HorizonGrid grid;
  PickRegistration registration;

  // The scan as an 8-bit palette image; empty until one is opened.
  std::string bitmap_path;
  IndexedImage image;

  // Bitmap pixels of the data area's upper-left and lower-right corners.
  std::optional<Point> upper_left, lower_right;

  ScanMode mode = ScanMode::Idle;
  std::int16_t contour_value = 0;
  std::vector<std::vector<Point>> polylines;  // finished, in bitmap pixels
  std::vector<Point> current;                 // the polyline being clicked
  bool unsaved = false;

  // Display.
  bool show_in_colour = true;
  bool show_seeds = true;
  double scale = 1.0;  // device pixels per bitmap pixel
  // As a map window's: 0 the horizon's own ".col", 1..8 colour sets; the
  // open horizon's, else set 1 as a new horizon has.
  int colour_scheme = 1;
  ColourSets colour_sets = DefaultColourSets();
  MapOptions options;  // axis label steps, well symbol and text sizes
  std::vector<std::string> well_names;
  std::vector<WellGroupPost> wells;
  bool label_wells = true;

  bool HasHorizon() const { return grid.CellCount() > 0; }
  bool HasBitmap() const { return image.width > 0 && image.height > 0; }
  bool Registered() const { return upper_left && lower_right; }
  bool CanDigitise() const { return HasHorizon() && HasBitmap() && Registered(); }
};

// A new document for the survey of the open project.
ScanDocument NewScanDocument(const SurveyHeader& header, const SurveyPlacement& placement,
                             const std::string& project_folder);

// "Scan/Contour   Horizon %s  --  Bitmap %s".
std::string ScanCaption(const ScanDocument& document);

// What the user is asked to do next in the current mode ("" when idle).
std::string ScanModePrompt(const ScanDocument& document);

// Scans larger than this are refused: the window draws the whole scan.
inline constexpr long long kMaxScanPixels = 64LL * 1024 * 1024;
inline constexpr int kMaxScanSide = 32768;
// "" when a scan of that size can be shown, else the message.
std::string ScanSizeProblem(long long width, long long height);

// An 8-bit image of top-down RGB pixels: the exact palette when the scan has
// at most 256 colours (line drawings, grey scans), else a 6 x 7 x 6 colour
// cube that keeps contour lines readable.
IndexedImage ScanImageFromPixels(int width, int height, const std::vector<Rgb>& pixels);

// Puts a new scan into the document: the corners and digitised polylines of
// the old one go, and corner selection starts.
void SetScanImage(ScanDocument& document, IndexedImage image, const std::string& path);

}  // namespace quarrix
