#pragma once
// Reading survey positions out of spreadsheet rows.
#include <optional>

#include "exchange/sheet_table.h"
#include "project/survey_header.h"

namespace quarrix {

// A cell's whole-number value (truncated; 0 for column 0, empty or no number).
int RowInteger(const SheetTable& table, int row, int column);

struct SurveyCell {
  int row = 0;     // line index
  int column = 0;  // trace index
};

// The grid cell of a line and trace number, or nothing when either is not a
// number of the survey's grid (outside its range or between its increments).
std::optional<SurveyCell> SurveyCellOf(const SurveyHeader& header, int line, int trace);

}  // namespace quarrix
