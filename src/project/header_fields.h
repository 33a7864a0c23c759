#pragma once
// The fields of SurveyHeader by name, as text: what "header show" prints and
// "header set" edits.
#include <string>
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

}  // namespace quarrix
