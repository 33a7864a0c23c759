#pragma once
// What the windowed loader keeps between loads for as long as it runs: the
// tape settings, the project last assigned with its header values, and the
// choices of the last "Select Data Source and Type" and "Scale Parameters".
#include <string>

#include "loader/load_geometry.h"
#include "loader/tape_reading.h"
#include "project/survey_header.h"

namespace quarrix {

// Data source codes of "Select Data Source and Type".
enum DataSource : int { kSourceTape = 22, kSourceDisk = 33, kSourceExport = 44 };
// Conversion codes of "Conversion Type" (6 is the disk conversion).
enum ConversionCode : int {
  kConvertCopy = 2,
  kConvertPcSegy = 3,
  kConvertAuto = 4,
  kConvertManual = 5,
  kConvertDisk = 6,
};

struct LoaderState {
  int tape_unit = -1;
  TapeSettings tape;
  std::string header_path;  // the project last assigned; "" before the first
  SurveyHeader header;      // its values as last confirmed (increments 1 at start)
  bool two_d = false;
  int source = kSourceTape;
  int conversion = kConvertAuto;
  LoadWindow window;
};

}  // namespace quarrix
