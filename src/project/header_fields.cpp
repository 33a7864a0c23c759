#include "project/header_fields.h"

#include <cstdint>
#include <map>

#include "platform/command_line.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

struct FieldAccess {
  LabelBuffer SurveyHeader::*label = nullptr;
  std::int32_t SurveyHeader::*integer = nullptr;
  float SurveyHeader::*real = nullptr;
  double SurveyHeader::*real64 = nullptr;
};

const std::map<std::string, FieldAccess>& Access() {
  static const std::map<std::string, FieldAccess> access = {
      {"owner", {&SurveyHeader::owner}},
      {"line_name", {&SurveyHeader::line_name}},
      {"collector", {&SurveyHeader::collector}},
      {"trace_spacing", {nullptr, nullptr, &SurveyHeader::trace_spacing}},
      {"line_spacing", {nullptr, nullptr, &SurveyHeader::line_spacing}},
      {"trace_bytes", {nullptr, &SurveyHeader::trace_bytes}},
      {"sample_rate", {nullptr, nullptr, nullptr, &SurveyHeader::sample_rate}},
      {"first_line", {nullptr, &SurveyHeader::first_line}},
      {"last_line", {nullptr, &SurveyHeader::last_line}},
      {"first_trace", {nullptr, &SurveyHeader::first_trace}},
      {"last_trace", {nullptr, &SurveyHeader::last_trace}},
      {"corner_index", {nullptr, &SurveyHeader::corner_index}},
      {"line_increment", {nullptr, nullptr, &SurveyHeader::line_increment}},
      {"trace_increment", {nullptr, nullptr, &SurveyHeader::trace_increment}},
      {"start_time", {nullptr, &SurveyHeader::start_time}},
      {"num_samples", {nullptr, &SurveyHeader::num_samples}},
      {"end_time", {nullptr, &SurveyHeader::end_time}},
      {"num_lines", {nullptr, &SurveyHeader::num_lines}},
      {"traces_per_line", {nullptr, &SurveyHeader::traces_per_line}},
  };
  return access;
}

}  // namespace

const std::vector<HeaderFieldView>& HeaderFields() {
  using K = HeaderFieldKind;
  static const std::vector<HeaderFieldView> fields = {
      {"owner", K::Text, false},
      {"line_name", K::Text, false},
      {"collector", K::Text, false},
      {"trace_spacing", K::Real, false},
      {"line_spacing", K::Real, false},
      {"trace_bytes", K::Integer, false},
      {"sample_rate", K::Real, false},
      {"first_line", K::Integer, false},
      {"last_line", K::Integer, false},
      {"first_trace", K::Integer, false},
      {"last_trace", K::Integer, false},
      {"corner_index", K::Integer, false},
      {"line_increment", K::Real, false},
      {"trace_increment", K::Real, false},
      {"start_time", K::Integer, false},
      {"num_samples", K::Integer, true},
      {"end_time", K::Integer, true},
      {"num_lines", K::Integer, true},
      {"traces_per_line", K::Integer, true},
  };
  return fields;
}

double HeaderFieldNumber(const SurveyHeader& h, const std::string& name) {
  auto it = Access().find(name);
  if (it == Access().end()) return 0.0;
  const FieldAccess& a = it->second;
  if (a.integer) return h.*a.integer;
  if (a.real) return h.*a.real;
  if (a.real64) return h.*a.real64;
  return 0.0;
}

std::string HeaderFieldText(const SurveyHeader& h, const std::string& name) {
  auto it = Access().find(name);
  if (it == Access().end()) return "";
  const FieldAccess& a = it->second;
  if (a.label) return LabelText(h.*a.label);
  if (a.integer) return std::to_string(h.*a.integer);
  return FormatText("%f", HeaderFieldNumber(h, name));
}

std::string SetHeaderField(SurveyHeader& h, const std::string& name, const std::string& value) {
  if (name == "trace_length") {
    auto ms = ParseWholeDouble(value);
    if (!ms || *ms < 0) return "trace_length needs a length in ms, not '" + value + "'";
    SetTraceLengthMs(h, *ms);
    return "";
  }
  auto it = Access().find(name);
  bool derived = false;
  for (const HeaderFieldView& f : HeaderFields())
    if (f.name == name) derived = f.derived;
  if (it == Access().end() || derived) return "Unknown header field '" + name + "'";
  const FieldAccess& a = it->second;
  if (a.label) {
    if (value.size() > 39) return name + " holds at most 39 characters";
    SetLabelText(h.*a.label, value);
    return "";
  }
  if (a.integer) {
    auto number = ParseWholeInt(value);
    if (!number || *number < INT32_MIN || *number > INT32_MAX)
      return name + " needs a whole number, not '" + value + "'";
    h.*a.integer = static_cast<std::int32_t>(*number);
    if (a.integer == &SurveyHeader::trace_bytes) h.num_samples = h.trace_bytes / 2;
    return "";
  }
  auto number = ParseWholeDouble(value);
  if (!number) return name + " needs a number, not '" + value + "'";
  if (a.real) h.*a.real = static_cast<float>(*number);
  if (a.real64) h.*a.real64 = *number;
  return "";
}

HeaderEditResult ApplyHeaderEdits(SurveyHeader& header, const HeaderEdits& edits) {
  SurveyHeader edited = header;
  const std::string* trace_length = nullptr;
  for (const auto& [name, value] : edits) {
    if (name == "trace_length") {
      trace_length = &value;
      continue;
    }
    if (std::string problem = SetHeaderField(edited, name, value); !problem.empty())
      return {problem, false};
  }
  if (edited.sample_rate == 0.0) edited.sample_rate = 2.0;
  if (trace_length) {
    if (std::string problem = SetHeaderField(edited, "trace_length", *trace_length);
        !problem.empty())
      return {problem, false};
  }
  edited.ComputeDerived();
  if (std::string problem = HeaderProblem(edited); !problem.empty()) return {problem, true};
  header = edited;
  return {};
}

}  // namespace quarrix
