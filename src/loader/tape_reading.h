#pragma once
// Reading SEG-Y from tape: the two header blocks, and the loop over trace
// blocks shared by every tape operation (bad-block counting, file marks,
// reel changes, progress).
#include <cstdint>
#include <string>

#include "loader/disk_conversion.h"

namespace quarrix {

class LoadDecisions;
class Progress;
class Prompter;
class TapeDevice;

struct TapeSettings {
  int skip_eof_count = 0;          // file marks spaced over before the headers
  bool ignore_single_eof = false;  // pass one file mark inside the data
};

// The headers as read from tape: decoded, and the raw blocks for a copy.
struct TapeHeaders : SegyFileHeaders {
  std::string raw_text, raw_binary;
};

// Waits until the unit is ready (asking "Tape Not Ready!!"), spaces over the
// file marks to skip, reads and decodes the 3200- and 400-byte header blocks
// and adds them to the "Messages" list. False when the operation is abandoned.
bool ReadTapeHeaders(TapeDevice& tape, const TapeSettings& settings, TapeHeaders& headers,
                     LoadDecisions& decisions, Prompter& prompter);

// Which operation reads: the texts of the loop differ a little.
enum class TapeOperation { AutoConvert, ManualConvert, Copy };

class TapeTraceReader {
 public:
  TapeTraceReader(TapeDevice& tape, const TapeSettings& settings, std::size_t record_bytes,
                  TapeOperation operation, LoadDecisions& decisions, Progress& progress);

  enum class Result { Block, End, Abandon };
  // Reads until a block to use (Block), the end of the reading (End: the
  // user's No, Cancel, or Cancel of the bad-block box) or Abandon (Cancel in
  // "Tape Not Ready!!" during a reel change, which ends the whole operation).
  Result Next(unsigned char* record);
  long long traces() const { return traces_; }

 private:
  bool ChangeReel();
  std::string ReelQuestion();
  void CountTrace();

  TapeDevice& tape_;
  TapeSettings settings_;
  std::size_t record_bytes_;
  TapeOperation operation_;
  LoadDecisions& decisions_;
  Progress& progress_;
  long long traces_ = 0;
  int bad_blocks_ = 0;
  int bar_ = 0;
  bool seen_eof_ = false;
  bool asked_reel_ = false;
};

// "Please Wait" / "Tape is Rewinding.": rewinds at the end of an operation.
void RewindTape(TapeDevice& tape, Progress& progress);

}  // namespace quarrix
