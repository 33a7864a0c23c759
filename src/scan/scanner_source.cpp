#include "scan/scanner_source.h"

#include <algorithm>

#include "platform/progress.h"
#include "scan/scan_document.h"
#include "scan/scanned_frame.h"

#if QUARRIX_HAVE_SANE
#include <sane/sane.h>
#endif

namespace quarrix {

#if !QUARRIX_HAVE_SANE

bool ScannerSupportBuilt() {
  return false;
}

std::vector<ScannerDevice> ListScanners(std::string& problem) {
  problem = "This build of Quarrix has no scanner support (SANE was not found when it was built).";
  return {};
}

bool AcquirePage(const std::string&, ScannedPage&, std::string& problem, Progress&) {
  ListScanners(problem);
  return false;
}

#else

namespace {

// SANE is started once, at the first use, and stays loaded until the program
// ends (the system then releases the devices): backends keep their state
// between calls, as they expect from a front end, and the test backend does
// not read its configuration again after a restart.
SANE_Status SaneStarted() {
  static const SANE_Status status = sane_init(nullptr, nullptr);
  return status;
}

class SaneDevice {
 public:
  explicit SaneDevice(const std::string& name) { status_ = sane_open(name.c_str(), &handle_); }
  ~SaneDevice() {
    if (status_ == SANE_STATUS_GOOD) {
      sane_cancel(handle_);
      sane_close(handle_);
    }
  }
  SaneDevice(const SaneDevice&) = delete;
  SaneDevice& operator=(const SaneDevice&) = delete;
  bool ok() const { return status_ == SANE_STATUS_GOOD; }
  SANE_Status status() const { return status_; }
  SANE_Handle handle() const { return handle_; }

 private:
  SANE_Handle handle_ = nullptr;
  SANE_Status status_;
};

std::string Reason(const char* what, SANE_Status status) {
  return std::string(what) + ": " + sane_strstatus(status);
}

// Reads one frame's bytes until the end of the frame.
bool ReadFrame(SANE_Handle handle, const SANE_Parameters& p, std::string& bytes,
               std::string& problem, Progress& progress) {
  const long long expected = p.lines > 0 ? static_cast<long long>(p.lines) * p.bytes_per_line : 0;
  const long long limit = kMaxScanPixels * 6;  // 16-bit colour at the largest size
  SANE_Byte buffer[32768];
  for (;;) {
    SANE_Int length = 0;
    const SANE_Status status = sane_read(handle, buffer, sizeof buffer, &length);
    if (status == SANE_STATUS_EOF) return true;
    if (status != SANE_STATUS_GOOD) {
      problem = Reason("The scan stopped", status);
      return false;
    }
    bytes.append(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(length));
    if (static_cast<long long>(bytes.size()) > limit) {
      problem = "The scan is too large to show; scan at a lower resolution.";
      return false;
    }
    if (expected > 0) progress.SetPosition(static_cast<int>(bytes.size() * 100 / expected));
    if (progress.Cancelled()) {
      problem = "The scan was cancelled.";
      return false;
    }
  }
}

// The frame layout SANE describes, in the page decoder's terms.
FrameLayout LayoutOf(const SANE_Parameters& p) {
  FrameLayout layout;
  switch (p.format) {
    case SANE_FRAME_RGB: layout.format = FrameFormat::Rgb; break;
    case SANE_FRAME_RED: layout.format = FrameFormat::Red; break;
    case SANE_FRAME_GREEN: layout.format = FrameFormat::Green; break;
    case SANE_FRAME_BLUE: layout.format = FrameFormat::Blue; break;
    default: layout.format = FrameFormat::Grey;
  }
  layout.depth = p.depth;
  layout.pixels_per_line = p.pixels_per_line;
  layout.bytes_per_line = p.bytes_per_line;
  return layout;
}

}  // namespace

bool ScannerSupportBuilt() {
  return true;
}

std::vector<ScannerDevice> ListScanners(std::string& problem) {
  if (const SANE_Status status = SaneStarted(); status != SANE_STATUS_GOOD) {
    problem = Reason("The scanner library could not start", status);
    return {};
  }
  const SANE_Device** devices = nullptr;
  if (sane_get_devices(&devices, SANE_FALSE) != SANE_STATUS_GOOD || !devices || !devices[0]) {
    problem =
        "No scanner was found. Check that it is connected and switched on, and that "
        "\"scanimage -L\" lists it.";
    return {};
  }
  std::vector<ScannerDevice> list;
  for (int k = 0; devices[k]; ++k) {
    const SANE_Device& d = *devices[k];
    list.push_back({d.name, std::string(d.vendor ? d.vendor : "") + " " + (d.model ? d.model : "") +
                                " (" + (d.type ? d.type : "") + ")"});
  }
  return list;
}

bool AcquirePage(const std::string& name, ScannedPage& page, std::string& problem,
                 Progress& progress) {
  page = {};
  if (const SANE_Status status = SaneStarted(); status != SANE_STATUS_GOOD) {
    problem = Reason("The scanner library could not start", status);
    return false;
  }
  SaneDevice device(name);
  if (!device.ok()) {
    problem = Reason(("The scanner " + name + " could not be opened").c_str(), device.status());
    return false;
  }
  progress.SetLabel("Scanning");
  progress.SetRange(0, 100);
  for (;;) {
    if (const SANE_Status status = sane_start(device.handle()); status != SANE_STATUS_GOOD) {
      problem = Reason("The scan could not start", status);
      return false;
    }
    SANE_Parameters p{};
    if (const SANE_Status status = sane_get_parameters(device.handle(), &p);
        status != SANE_STATUS_GOOD) {
      problem = Reason("The scanner did not describe its image", status);
      return false;
    }
    std::string bytes;
    if (!ReadFrame(device.handle(), p, bytes, problem, progress)) return false;
    if (!PlaceScannedFrame(bytes, LayoutOf(p), page, problem)) return false;
    if (p.last_frame) break;
  }
  if (page.pixels.empty()) {
    problem = "The scanner sent no image.";
    return false;
  }
  return true;
}

#endif

}  // namespace quarrix
