#pragma once
// Everything a load asks the user: the windowed loader answers with dialogs,
// batch mode from its command line and tests from a script. Messages that
// only inform go to the "Messages" list through AddMessage.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "loader/header_scan.h"
#include "project/survey_header.h"

namespace quarrix {

// The coverage grid of the "Determine Direction" picture: one 16-bit cell per
// line (row) and trace number, 32700 where no trace is known.
struct CoverageGrid {
  static constexpr std::int16_t kNoTrace = 32700;
  int first_line = 0, first_trace = 0;
  int rows = 0, columns = 0;
  std::vector<std::int16_t> cells;
};

// The figures of the "Set Scale Value" dialog.
struct ScaleSummary {
  double largest = 0.0;         // MAX
  long long largest_trace = 0;  // input traces read before the largest one
  double calculated = 0.0;      // the scale value calculated
  double mean = 0.0;            // MEAN of the per-trace maxima
};

class LoadDecisions {
 public:
  virtual ~LoadDecisions() = default;
  // A line of the "Messages" list.
  virtual void AddMessage(const std::string& line) = 0;
  // "Assign Project Name": the project header path DIR/NAME/NAME.hdr, or
  // nothing on Cancel. The folder need not exist yet.
  virtual std::optional<std::string> ProjectHeaderPath() = 0;
  // "Header Information": the line and trace words, or nothing on Cancel.
  virtual std::optional<HeaderWordChoice> ChooseHeaderWords(const HeaderScanTables& tables,
                                                            bool two_d) = 0;
  // "Determine Direction": the corner index (1..8) for the candidate shown.
  virtual int ChooseCorner(const CoverageGrid& grid, int candidate) = 0;
  // Whether ChooseCorner looks at the coverage; when it does not, the grid
  // is left empty and the pass over the input that marks it is saved.
  virtual bool LooksAtCoverage() const { return true; }
  // "Header Values": edits the header in place; false on Cancel.
  virtual bool EditHeaderValues(SurveyHeader& header) = 0;
  // The end-of-file question of a disk load: the next file to append, or
  // nothing to end the input.
  virtual std::optional<std::string> AppendFile() = 0;
  // "Set Scale Value": the value that maps to 32767, or nothing to skip scaling.
  virtual std::optional<double> ScaleValue(const ScaleSummary& summary) = 0;
  // The scale value when it is known before any trace is read (ScaleValue
  // will then give it whatever the summary): a load can scale every trace as
  // it places it instead of in a pass over the finished file.
  virtual std::optional<double> ScaleValueGivenBeforehand() const { return std::nullopt; }
  // Whether the answers the load gets after its header scan are fixed
  // before the conversion starts: the end-of-file questions name the files
  // of FilesToAppend in order, and ScaleValue gives the value given
  // beforehand or else the calculated one. A load can then calculate the
  // value from the input before the conversion and write every trace at its
  // final scale as it places it.
  virtual bool ScaleValueKnownBeforeConversion() const { return false; }
  // The files the end-of-file questions will name, in order (when the
  // answers are known before the conversion).
  virtual std::vector<std::string> FilesToAppend() const { return {}; }
  // Tape: the end-of-reel question (text as shown); true to go on with a new reel.
  virtual bool ContinueWithNewReel(const std::string& question) = 0;
  // Tape: "Tape Not Ready!!" (Retry/Cancel); true to retry.
  virtual bool RetryTapeNotReady() = 0;
  // Tape: the Retry/Cancel box after too many bad blocks; true to read on.
  virtual bool RetryAfterBadBlocks(const std::string& text) = 0;
};

}  // namespace quarrix
