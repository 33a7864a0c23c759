#pragma once
// Reading AutoCAD DXF drawings (the text form) into overlay slots.
#include <functional>
#include <string>
#include <string_view>

#include "dxf/dxf_overlay.h"

namespace quarrix {

// Receives the short state texts of the reader ("Start Read DXF", "DXF %d", ...).
using DxfStatusLine = std::function<void(const std::string&)>;

// Parses DXF text into slot (replacing what it held) and widens the bounds by
// what was read. False for a binary DXF, a negative group code or a file that
// ends before its EOF marker; slot and bounds are then left as they were.
bool ParseDxf(std::string_view bytes, DxfSlot& slot, DxfBounds& all_points, DxfBounds& line_points,
              const DxfStatusLine& status = {});

// Reads one file into the current slot of overlays. A file that cannot be read
// or parsed leaves that slot empty and returns false; other slots are untouched.
bool ReadDxfFile(const std::string& path, DxfOverlays& overlays, const DxfStatusLine& status = {});

// Reads every selected file into its slot; returns how many were read.
int ReadDxfSelection(DxfOverlays& overlays, const DxfStatusLine& status = {});

}  // namespace quarrix
