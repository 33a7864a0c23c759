#pragma once
// The decisions of a load taken from the command line: the answers the
// windowed loader gets from its dialogs are given as options up front.
#include <deque>
#include <functional>
#include <iosfwd>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "loader/load_decisions.h"
#include "loader/load_geometry.h"

namespace quarrix {

class CommandLine;

struct BatchLoadOptions {
  std::string project;  // DIR/NAME: the project becomes DIR/NAME/NAME.hdr
  std::optional<HeaderWord> line_word, trace_word;
  bool two_d = false;
  std::optional<int> corner;
  LoadWindow window;
  std::optional<double> scale;     // without it the calculated value is used
  SurveyHeader values;             // labels, spacings and increments to store
  std::deque<std::string> append;  // files appended at the end of the input
  // Ranges typed by hand (as in "Header Values"); otherwise the scan's.
  std::optional<std::pair<int, int>> lines, traces;
  // Loads the next reel of a tape set; false when there is none.
  std::function<bool()> next_reel;
};

// The option names shared by the load commands.
extern const char* const kLoadValueOptions[];
extern const char* const kLoadFlagOptions[];
// The set of a nullptr-terminated list of option names.
std::set<std::string> OptionSet(const char* const* names);
// Reads the load options; "" or what is wrong with them.
// words_required: the line and trace words must be given (not for a copy).
std::string ParseLoadOptions(const CommandLine& line, BatchLoadOptions& options,
                             bool words_required = true);
// The help text of the load options.
extern const char kLoadOptionsHelp[];

class BatchDecisions : public LoadDecisions {
 public:
  BatchDecisions(BatchLoadOptions options, std::ostream& messages)
      : options_(std::move(options)), messages_(messages) {}

  void AddMessage(const std::string& line) override;
  std::optional<std::string> ProjectHeaderPath() override;
  std::optional<HeaderWordChoice> ChooseHeaderWords(const HeaderScanTables& tables,
                                                    bool two_d) override;
  int ChooseCorner(const CoverageGrid& grid, int candidate) override;
  bool LooksAtCoverage() const override { return false; }  // the corner comes from --corner
  bool EditHeaderValues(SurveyHeader& header) override;
  std::optional<std::string> AppendFile() override;
  std::optional<double> ScaleValue(const ScaleSummary& summary) override;
  std::optional<double> ScaleValueGivenBeforehand() const override { return options_.scale; }
  bool ScaleValueKnownBeforeConversion() const override { return true; }
  std::vector<std::string> FilesToAppend() const override {
    return {options_.append.begin(), options_.append.end()};
  }
  // A tape image or drive has no one to change reels: the data end there.
  // A reel change loads the next tape image given, if any.
  bool ContinueWithNewReel(const std::string&) override {
    return options_.next_reel && options_.next_reel();
  }
  bool RetryTapeNotReady() override { return false; }
  bool RetryAfterBadBlocks(const std::string&) override { return false; }

 private:
  BatchLoadOptions options_;
  std::ostream& messages_;
};

// DIR/NAME -> DIR/NAME/NAME.hdr
std::string ProjectHeaderPathFor(const std::string& dir_and_name);

}  // namespace quarrix
