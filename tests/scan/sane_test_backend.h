#pragma once
// SANE's own test backend, which scans a generated picture without a
// scanner. Tests point SANE_CONFIG_DIR at a folder whose dll.conf names only
// that backend, so no real device is probed.
#include <filesystem>
#include <string>

namespace quarrix::testing {

inline bool SaneTestBackendInstalled() {
  for (const char* folder : {"/usr/lib/x86_64-linux-gnu/sane", "/usr/lib/aarch64-linux-gnu/sane",
                             "/usr/lib/sane", "/usr/lib64/sane"})
    if (std::filesystem::exists(std::string(folder) + "/libsane-test.so.1")) return true;
  return false;
}

// The test backend's whole configuration: one device, an 80 x 100 mm page
// at 50 dpi, with the mode and picture given.
inline std::string TestBackendConfig(const std::string& options) {
  return "number_of_devices 1\nresolution 50.0\ndepth 8\ngeometry_min 0.0\n"
         "geometry_max 200.0\ngeometry_quant 1.0\ntl_x 0.0\ntl_y 0.0\nbr_x 80.0\n"
         "br_y 100.0\nresolution_min 1.0\nresolution_max 1200.0\nresolution_quant 1.0\n" +
         options;
}

}  // namespace quarrix::testing
