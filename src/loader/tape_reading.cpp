#include "loader/tape_reading.h"

#include <vector>

#include "loader/ebcdic.h"
#include "loader/load_decisions.h"
#include "platform/progress.h"
#include "platform/prompter.h"
#include "platform/tape_device.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

// Bad blocks used as data before the user is asked whether to read on.
constexpr int kBadBlocksBeforeAsking = 101;

bool WaitUntilReady(TapeDevice& tape, LoadDecisions& decisions) {
  while (tape.TestUnitReady() != kTapeOk)
    if (!decisions.RetryTapeNotReady()) return false;
  return true;
}

}  // namespace

bool ReadTapeHeaders(TapeDevice& tape, const TapeSettings& settings, TapeHeaders& headers,
                     LoadDecisions& decisions, Prompter& prompter) {
  if (!WaitUntilReady(tape, decisions)) return false;
  if (settings.skip_eof_count > 0) {
    std::uint32_t status = tape.SpaceFileMarks(settings.skip_eof_count);
    if (status == kTapeEndOfData) {
      prompter.Tell("End of Data on Skip File.", "", MessageIcon::Warning);
      return false;
    }
    if (status != kTapeOk) {
      prompter.Tell(FormatText("Error %X lstat", status), "", MessageIcon::Warning);
      return false;
    }
  }
  std::size_t got = 0;
  headers.raw_text.assign(3200, '\0');
  if (tape.ReadVariableBlock(headers.raw_text.data(), 3200, got) == kTapeInvalidBlock) {
    prompter.Tell("Not valid SEGY header 3200", "", MessageIcon::Warning);
    return false;
  }
  headers.raw_binary.assign(400, '\0');
  if (tape.ReadVariableBlock(headers.raw_binary.data(), 400, got) == kTapeInvalidBlock) {
    prompter.Tell("Not valid SEGY header 400", "", MessageIcon::Warning);
    return false;
  }
  headers.text = DecodeTextHeader(headers.raw_text);
  headers.info = DecodeBinaryHeader(headers.raw_binary);
  for (const std::string& line : SegyHeaderMessages(headers.text, headers.info))
    decisions.AddMessage(line);
  return true;
}

TapeTraceReader::TapeTraceReader(TapeDevice& tape, const TapeSettings& settings,
                                 std::size_t record_bytes, TapeOperation operation,
                                 LoadDecisions& decisions, Progress& progress)
    : tape_(tape),
      settings_(settings),
      record_bytes_(record_bytes),
      operation_(operation),
      decisions_(decisions),
      progress_(progress) {}

std::string TapeTraceReader::ReelQuestion() {
  bool first = !asked_reel_;
  asked_reel_ = true;
  if (operation_ == TapeOperation::AutoConvert)
    return "End of File Detected!!\nInsert new Tape.\nYES to continue\n NO to End Tape Read";
  if (operation_ == TapeOperation::Copy && first)
    return "End of Tape Detected!!\nInsert new Tape.\nYES to continue \nNO to End Tape Read";
  return "End of Tape Detected!!\nInsert new Tape.\nYES to continue\n NO to End Tape Read";
}

bool TapeTraceReader::ChangeReel() {
  if (!WaitUntilReady(tape_, decisions_)) return false;
  // The new reel's header blocks are read over; their contents are not used.
  std::vector<unsigned char> header(3600);
  std::size_t got;
  tape_.ReadVariableBlock(header.data(), 3200, got);
  tape_.ReadVariableBlock(header.data(), 400, got);
  return true;
}

void TapeTraceReader::CountTrace() {
  if (traces_ % 10 == 0) progress_.SetPosition(++bar_);
  ++traces_;
  if (traces_ % 1000 == 0) {
    std::string text = FormatText(
        operation_ == TapeOperation::ManualConvert ? "Reading %lld Traces" : "%lld Traces",
        traces_);
    decisions_.AddMessage(text);
    progress_.SetLabel(text);
    progress_.SetPosition(bar_ = 0);
  }
}

TapeTraceReader::Result TapeTraceReader::Next(unsigned char* record) {
  for (;;) {
    if (progress_.Cancelled()) return Result::End;
    std::size_t got = 0;
    std::uint32_t status = tape_.ReadVariableBlock(record, record_bytes_, got);
    if (status == kTapeOk) {
      CountTrace();
      return Result::Block;
    }
    if (status == kTapeInvalidBlock) continue;
    if (status == kTapeFileMark || status == kTapeEndOfData) {
      if (settings_.ignore_single_eof && !seen_eof_) {
        decisions_.AddMessage("End of File Detected");
        seen_eof_ = true;
        continue;
      }
      if (!decisions_.ContinueWithNewReel(ReelQuestion())) return Result::End;
      if (!ChangeReel()) return Result::Abandon;
      continue;
    }
    std::string text = FormatText("Bad Status %X  Count %d  Length %zu", status,
                                  static_cast<int>(traces_ % 1000), record_bytes_);
    decisions_.AddMessage(text);
    if (++bad_blocks_ <= kBadBlocksBeforeAsking) {
      // A block read with errors is used as it came: most of it is usually good.
      if (got < record_bytes_) std::fill(record + got, record + record_bytes_, 0);
      CountTrace();
      return Result::Block;
    }
    bad_blocks_ = 0;
    if (!decisions_.RetryAfterBadBlocks(text)) return Result::End;
  }
}

void RewindTape(TapeDevice& tape, Progress& progress) {
  progress.SetLabel("Tape is Rewinding.");
  tape.Rewind();
}

}  // namespace quarrix
