#pragma once
// Scanner acquisition through SANE: the list "Select Source" offers and one
// page scanned into top-down RGB pixels for "Acquire". Without SANE support
// built in, both say so.
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace quarrix {

class Progress;

struct ScannerDevice {
  std::string name;         // what SANE opens ("test:0", "epson2:libusb:001:004")
  std::string description;  // vendor, model and type for the list
};

struct ScannedPage {
  int width = 0, height = 0;
  std::vector<Rgb> pixels;
};

// False when this build has no scanner support.
bool ScannerSupportBuilt();

// The scanners SANE finds; empty with the reason in problem when there are
// none or SANE cannot start.
std::vector<ScannerDevice> ListScanners(std::string& problem);

// Scans one page from the device. Grey, colour (in one frame or three) and
// line-art scans of 1, 8 or 16 bits per sample are taken; a page larger than
// the window can show is refused. Progress steps in percent of the bytes
// expected and Cancel stops the scan. False with the reason on failure.
bool AcquirePage(const std::string& device, ScannedPage& page, std::string& problem,
                 Progress& progress);

}  // namespace quarrix
