// "ingestor scan": the decoded headers of a SEG-Y file and the range of every
// trace-header word, for choosing the line and trace words of a load.
#include <ostream>

#include "loader/disk_conversion.h"
#include "loader/header_scan.h"
#include "loader/loader_commands.h"
#include "loader/segy_format.h"
#include "platform/command_line.h"
#include "platform/json_writer.h"
#include "platform/progress.h"
#include "platform/scripted_prompter.h"
#include "platform/terminal_prompter.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

const char kScanHelp[] =
    "usage: ingestor scan FILE.sgy [--json]\n"
    "\n"
    "Prints the decoded textual header, the Number Samples, Sample Rate and\n"
    "Format lines (and Byte Order for a little-endian file; --json gives\n"
    "\"byte_order\" always), the trace count and the minimum and maximum of the 60\n"
    "32-bit and 120 16-bit trace-header words (with the 1-based byte where\n"
    "each starts, as --line-word and --trace-word of \"ingestor load\" take it).\n";

// Collects the "Messages" lines of the header reading.
class MessageCollector : public LoadDecisions {
 public:
  void AddMessage(const std::string& line) override { lines.push_back(line); }
  std::optional<std::string> ProjectHeaderPath() override { return std::nullopt; }
  std::optional<HeaderWordChoice> ChooseHeaderWords(const HeaderScanTables&, bool) override {
    return std::nullopt;
  }
  int ChooseCorner(const CoverageGrid&, int candidate) override { return candidate; }
  bool EditHeaderValues(SurveyHeader&) override { return false; }
  std::optional<std::string> AppendFile() override { return std::nullopt; }
  std::optional<double> ScaleValue(const ScaleSummary&) override { return std::nullopt; }
  bool ContinueWithNewReel(const std::string&) override { return false; }
  bool RetryTapeNotReady() override { return false; }
  bool RetryAfterBadBlocks(const std::string&) override { return false; }

  std::vector<std::string> lines;
};

void PrintJson(const SegyFileHeaders& headers, const HeaderScanTables& t, std::ostream& out) {
  JsonWriter w(out);
  w.BeginObject();
  w.Key("cards").BeginArray();
  for (int card = 0; card < 40; ++card) {
    std::string text =
        headers.text.substr(std::min<std::size_t>(headers.text.size(), card * 80), 80);
    w.String(text);
  }
  w.EndArray();
  w.Key("samples").Int(headers.info.samples);
  w.Key("interval_us").Int(headers.info.interval_us);
  w.Key("format").Int(headers.info.format);
  w.Key("byte_order").String(headers.info.byte_order == SegyByteOrder::Little ? "little" : "big");
  w.Key("traces").Int(t.traces);
  auto words = [&](const char* key, int count, int width) {
    w.Key(key).BeginArray();
    for (int k = 1; k <= count; ++k) {
      HeaderWord word{k, width};
      w.BeginObject().Key("word").Int(k).Key("byte").Int(FirstByteOf(word));
      if (t.traces > 0) w.Key("min").Int(t.Minimum(word)).Key("max").Int(t.Maximum(word));
      w.EndObject();
    }
    w.EndArray();
  };
  words("words32", kWords32, 4);
  words("words16", kWords16, 2);
  w.EndObject();
  out << '\n';
}

void PrintText(const std::vector<std::string>& lines, const HeaderScanTables& t,
               std::ostream& out) {
  for (const std::string& line : lines) out << line << '\n';
  out << "Traces " << t.traces << '\n';
  if (t.traces == 0) return;
  out << "word  byte       32-bit min   32-bit max | word  byte   16-bit min 16-bit max\n";
  for (int row = 1; row <= kWords16; ++row) {
    std::string left(41, ' ');
    if (row <= kWords32) {
      HeaderWord w{row, 4};
      left = FormatText("%4d  %4d  %11d  %11d", row, FirstByteOf(w), t.Minimum(w), t.Maximum(w));
    }
    HeaderWord h{row, 2};
    out << left << " | "
        << FormatText("%4d  %4d  %11d %10d", row, FirstByteOf(h), t.Minimum(h), t.Maximum(h))
        << '\n';
  }
}

}  // namespace

int RunScanCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (WantsHelp(args)) {
    out << kScanHelp;
    return 0;
  }
  CommandLine line(args, {}, {"--json"});
  if (!line.error().empty() || line.positionals().size() != 1) {
    err << (line.error().empty() ? "scan: give one FILE.sgy" : line.error()) << '\n' << kScanHelp;
    return 2;
  }
  const std::string& path = line.positionals()[0];
  TerminalPrompter prompter(err);
  MessageCollector collector;
  SegyFileHeaders headers;
  if (!ReadDiskHeaders(path, headers, collector, prompter)) return 1;
  std::int64_t record_bytes = SegyRecordBytes(headers.info);
  if (SampleWidth(headers.info.format) == 0 || headers.info.samples <= 0) {
    err << SegyLoadProblem(headers.info) << "; the trace headers cannot be located\n";
    return 1;
  }
  NullProgress progress;
  std::optional<HeaderScanTables> tables =
      ScanHeaders(path, record_bytes, progress, headers.info.byte_order);
  if (!tables) {
    err << "Cannot open input file!!\n";
    return 1;
  }
  if (line.Has("--json"))
    PrintJson(headers, *tables, out);
  else
    PrintText(collector.lines, *tables, out);
  return 0;
}

}  // namespace quarrix
