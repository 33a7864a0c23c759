#pragma once
// The Scan/Contour window's files: the horizon grid it digitises into (read
// with its registration, written back with it) and the scan bitmap; and the
// question asked before unsaved work would be lost.
#include <string>

#include "map/map_colour_scheme.h"
#include "platform/prompter.h"
#include "scan/scan_document.h"

namespace quarrix {

// "Open File" filters of "Open Horizon".
FileDialogRequest OpenScanHorizonRequest(const ScanDocument& document);
// "Create File", "Horizon (*.hor)".
FileDialogRequest SaveScanHorizonRequest(const ScanDocument& document);

// Reads the grid and its registration (asking to build a missing one). On
// failure the reason is told and the document is as it was.
bool OpenScanHorizon(ScanDocument& document, const std::string& path, Prompter& prompter);

// Reads a bitmap file (8- and 24-bit, RLE8...) as the scan; corner selection
// starts. A file that cannot be read or is too large is told and refused.
bool OpenScanBitmap(ScanDocument& document, const std::string& path, Prompter& prompter);
// The same for pixels another reader decoded (PNG, TIFF, JPEG, a scanner).
bool SetScanPixels(ScanDocument& document, int width, int height, const std::vector<Rgb>& pixels,
                   const std::string& name, Prompter& prompter);

// Writes the grid as the time grid of the horizon at path (a new horizon gets
// a null amplitude grid, default colour files and the window's colour scheme
// in its style word; an existing file keeps its style word and amplitudes) and the registration as
// its ".hop", all files together: on failure none changes and the reason is told. The horizon must
// lie in the project folder beside its companions and may not be a project file.
bool SaveScanHorizon(ScanDocument& document, const std::string& path, Prompter& prompter);

// "Sa&ve Horizon": the save dialog, then the save. False when cancelled or failed.
bool SaveScanHorizonWithDialog(ScanDocument& document, Prompter& prompter);

// "Select Color Scheme" by the map windows' rules: the grid shows in the
// chosen scheme, the open horizon keeps it in its style word and its colour
// file is written when missing, or replaced when the choice asks for it. An
// existing colour file is never replaced unasked. False, after saying so,
// when a file cannot be written.
bool ApplyScanColourScheme(ScanDocument& document, const ColourSchemeChoice& choice,
                           Prompter& prompter);

// Before unsaved work would be lost (closing, opening another horizon): "Do
// you wish to save your work?" (caption "Warning"). Yes saves through the save
// dialog; true when the work may go (saved, no unsaved work, or No).
bool MayDiscardScanWork(ScanDocument& document, Prompter& prompter);

}  // namespace quarrix

namespace quarrix {

// "Select Wells": reads the chosen ".wll" files and ".lgv" groups of the
// project folder for posting; files that cannot be read are left out and
// named in the returned message ("" when all were read).
std::string SetScanWells(ScanDocument& document, const std::vector<std::string>& names, bool label);

}  // namespace quarrix
