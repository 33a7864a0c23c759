// "ingestor tape-load": a tape (drive or SIMH image) loaded in the automatic
// or manual conversion, or copied to a SEG-Y disk file.
#include <ostream>

#include "loader/batch_decisions.h"
#include "loader/loader_commands.h"
#include "loader/tape_conversion.h"
#include "platform/command_line.h"
#include "platform/tape_device.h"
#include "platform/tape_image.h"
#include "platform/terminal_progress.h"
#include "platform/terminal_prompter.h"

namespace quarrix {
namespace {

const char kTapeLoadHelp[] =
    "usage: ingestor tape-load DEVICE_OR_IMAGE.tap [NEXT_REEL.tap ...]\n"
    "                          --mode auto|manual|copy --project DIR/NAME [options]\n"
    "\n"
    "auto    reads every trace, scans the headers, then builds the project\n"
    "manual  takes the ranges from --lines/--traces and places traces while reading\n"
    "copy    writes the tape as the SEG-Y disk file DIR/NAME/NAME.sgy\n"
    "The tape is a unit number N (/dev/nstN), a device path or a SIMH .tap\n"
    "image; further images are the next reels of the set.\n"
    "\n"
    "  --skip-eof N           space over N file marks before the headers\n"
    "  --ignore-single-eof    read on over one file mark inside the data\n";

}  // namespace

int RunTapeLoadCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (WantsHelp(args)) {
    out << kTapeLoadHelp << kLoadOptionsHelp;
    return 0;
  }
  std::set<std::string> values = OptionSet(kLoadValueOptions);
  values.insert({"--mode", "--skip-eof"});
  std::set<std::string> flags = OptionSet(kLoadFlagOptions);
  flags.insert("--ignore-single-eof");
  CommandLine line(args, values, flags);
  std::string mode = line.Value("--mode").value_or("");
  BatchLoadOptions options;
  TapeLoadRequest request;
  std::string problem = line.error();
  if (problem.empty() && line.positionals().empty()) problem = "give the tape or tape image";
  if (problem.empty() && mode != "auto" && mode != "manual" && mode != "copy")
    problem = "--mode must be auto, manual or copy";
  if (problem.empty()) problem = ParseLoadOptions(line, options, mode != "copy");
  if (problem.empty()) {
    if (auto skip = line.Value("--skip-eof")) {
      auto n = ParseWholeInt(*skip);
      if (!n || *n < 0 || *n > 100000)
        problem = "--skip-eof takes a count of file marks";
      else
        request.settings.skip_eof_count = static_cast<int>(*n);
    }
  }
  if (!problem.empty()) {
    err << "tape-load: " << problem << '\n';
    return 2;
  }
  request.settings.ignore_single_eof = line.Has("--ignore-single-eof");
  request.window = options.window;
  request.two_d = options.two_d;
  request.defaults = options.values;

  std::string error;
  std::unique_ptr<TapeDevice> tape = OpenTape(line.positionals()[0], false, error);
  if (!tape) {
    err << "tape-load: " << error << '\n';
    return 1;
  }
  std::vector<std::string> reels(line.positionals().begin() + 1, line.positionals().end());
  if (auto* image = dynamic_cast<TapeImage*>(tape.get())) {
    options.next_reel = [image, reels, next = std::size_t{0}]() mutable {
      return next < reels.size() && image->Open(reels[next++], false);
    };
  }
  BatchDecisions decisions(std::move(options), out);
  TerminalPrompter prompter(err);
  TerminalProgress progress(err, StderrIsTerminal());
  if (!ReadTapeHeaders(*tape, request.settings, request.headers, decisions, prompter)) return 1;
  LoadOutcome outcome;
  if (mode == "auto") outcome = ConvertTapeAuto(*tape, request, decisions, prompter, progress);
  if (mode == "manual") outcome = ConvertTapeManual(*tape, request, decisions, prompter, progress);
  if (mode == "copy") outcome = CopyTape(*tape, request, decisions, prompter, progress);
  return outcome.result == LoadResult::Done ? 0 : 1;
}

}  // namespace quarrix
