#pragma once
// A small survey and a registered scan document for the Scan/Contour tests.
#include "scan/scan_document.h"
#include "scan/scan_registration.h"

namespace quarrix::testing {

// Lines 100..104 by 1, traces 200..209 by 1: 5 rows, 10 columns.
inline SurveyHeader ScanSurvey(int corner = 1) {
  SurveyHeader h;
  h.first_line = 100, h.last_line = 104, h.first_trace = 200, h.last_trace = 209;
  h.line_increment = h.trace_increment = 1;
  h.trace_spacing = h.line_spacing = 25, h.trace_bytes = 200, h.sample_rate = 4;
  h.corner_index = corner;
  h.ComputeDerived();
  return h;
}

// A 210 x 110 pixel scan whose corners (10, 10) and (190, 90) register the
// grid: for corner 1 each trace is 20 pixels across, each line 20 pixels down.
inline ScanDocument RegisteredScan(const std::string& folder = "", int corner = 1) {
  ScanDocument d = NewScanDocument(ScanSurvey(corner), SurveyPlacement{}, folder);
  d.grid = HorizonGrid(d.header.num_lines, d.header.traces_per_line);
  d.registration = PickRegistration(d.header.num_lines, d.header.traces_per_line);
  d.horizon_path = folder.empty() ? "" : folder + "/scan.hor";
  IndexedImage image(210, 110);
  image.palette = {{255, 255, 255}, {0, 0, 0}};
  SetScanImage(d, image, "map.bmp");
  SelectCorner(d, {10, 10});
  SelectCorner(d, {190, 90});
  return d;
}

}  // namespace quarrix::testing
