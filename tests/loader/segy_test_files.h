#pragma once
// SEG-Y files and load decisions built by hand for the loader tests.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "loader/load_decisions.h"
#include "loader/segy_format.h"

namespace quarrix::testing {

struct TestTrace {
  int line = 0, trace = 0;
  std::vector<float> samples;
};

// A whole SEG-Y file: text header of EBCDIC spaces, the binary header, and
// one record per trace with the line number at byte 189 and the trace
// number at byte 193 (32-bit words).
// Little-endian: every header field and sample written least significant byte
// first, as segyio's endian='little' writes them.
std::string BuildSegy(const std::vector<TestTrace>& traces, int samples, int interval_us,
                      int format, SegyByteOrder order = SegyByteOrder::Big);

// A grid of traces: lines x traces, sample n of (line, trace) = f(line, trace, n).
std::vector<TestTrace> GridTraces(int first_line, int lines, int first_trace, int traces,
                                  int samples, float (*f)(int, int, int));

// Decisions answered from fields set by the test, recording every message.
class TestDecisions : public LoadDecisions {
 public:
  void AddMessage(const std::string& line) override { messages.push_back(line); }
  std::optional<std::string> ProjectHeaderPath() override { return header_path; }
  std::optional<HeaderWordChoice> ChooseHeaderWords(const HeaderScanTables& tables,
                                                    bool two_d) override {
    scanned_traces = tables.traces;
    return words;
  }
  int ChooseCorner(const CoverageGrid& grid, int) override {
    coverage = grid;
    return corner;
  }
  bool EditHeaderValues(SurveyHeader& header) override {
    header.line_increment = line_increment;
    header.trace_increment = trace_increment;
    return accept_header;
  }
  std::optional<std::string> AppendFile() override {
    ++append_questions;
    if (append.empty()) return std::nullopt;
    std::string next = append.front();
    append.pop_front();
    return next;
  }
  std::optional<double> ScaleValue(const ScaleSummary& s) override {
    summary = s;
    if (skip_scaling) return std::nullopt;
    return scale ? *scale : s.calculated;
  }
  std::optional<double> ScaleValueGivenBeforehand() const override {
    return scale_given_beforehand ? scale : std::nullopt;
  }
  bool ScaleValueKnownBeforeConversion() const override { return scale_known_before; }
  std::vector<std::string> FilesToAppend() const override { return {append.begin(), append.end()}; }
  bool ContinueWithNewReel(const std::string& question) override {
    questions.push_back(question);
    if (new_reels <= 0) return false;
    --new_reels;
    return true;
  }
  bool RetryTapeNotReady() override { return false; }
  bool RetryAfterBadBlocks(const std::string& text) override {
    questions.push_back(text);
    return retry_bad_blocks;
  }

  bool HasMessage(const std::string& text) const;

  std::optional<std::string> header_path;
  std::optional<HeaderWordChoice> words = HeaderWordChoice{{48, 4}, {49, 4}, false};
  int corner = 4;
  float line_increment = 1.0f, trace_increment = 1.0f;
  bool accept_header = true;
  std::deque<std::string> append;
  std::optional<double> scale;  // the calculated value when unset
  bool scale_given_beforehand = false;
  // As in batch: the scale value and the appended files are known before
  // the conversion, so that the maxima can be found in the header scan.
  bool scale_known_before = false;
  int append_questions = 0;
  bool skip_scaling = false;
  int new_reels = 0;
  bool retry_bad_blocks = false;

  std::vector<std::string> messages, questions;
  long long scanned_traces = -1;
  CoverageGrid coverage;
  ScaleSummary summary;
};

}  // namespace quarrix::testing
