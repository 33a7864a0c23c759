#pragma once
// The fields of SurveyHeader by name, as text: what "header show" prints and
// "header set" edits.
#include <string>
#include <utility>
#include <vector>

#include "project/survey_header.h"

namespace quarrix {

enum class HeaderFieldKind { Text, Integer, Real };

struct HeaderFieldView {
  std::string name;
  HeaderFieldKind kind;
  bool derived;  // computed, never stored
};

// Every stored field in file order, then the derived values.
const std::vector<HeaderFieldView>& HeaderFields();

std::string HeaderFieldText(const SurveyHeader& header, const std::string& name);
double HeaderFieldNumber(const SurveyHeader& header, const std::string& name);

// Sets a stored field from text as the "Header Information" dialog does;
// "trace_length" (ms) sets the sample count through the sample rate. Returns
// "" or what is wrong with the name or the value. Derived values are not
// recomputed here.
std::string SetHeaderField(SurveyHeader& header, const std::string& name, const std::string& value);

using HeaderEdits = std::vector<std::pair<std::string, std::string>>;

struct HeaderEditResult {
  std::string problem;        // "" on success
  bool bad_geometry = false;  // the values parse but give an unusable survey
};

// Applies edits as the "Header Information" dialog does on OK: every field,
// then a zero sample rate taken as 2.0, then "trace_length" through the final
// sample rate, then the derived values. On failure header is unchanged.
HeaderEditResult ApplyHeaderEdits(SurveyHeader& header, const HeaderEdits& edits);

}  // namespace quarrix
