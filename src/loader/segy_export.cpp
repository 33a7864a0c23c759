#include "loader/segy_export.h"

#include <cstdio>
#include <memory>

#include "loader/ebcdic.h"
#include "loader/load_decisions.h"
#include "loader/segy_encoding.h"
#include "platform/atomic_file.h"
#include "platform/byte_order.h"
#include "platform/file_message.h"
#include "platform/numeric.h"
#include "platform/paths.h"
#include "platform/progress.h"
#include "platform/prompter.h"
#include "platform/safe_write.h"
#include "platform/tape_device.h"
#include "platform/text_util.h"
#include "project/amp_file.h"
#include "project/header_file.h"
#include "project/line_block_reader.h"
#include "project/trace_file_check.h"

namespace quarrix {
namespace {

int WholeMs(const SurveyHeader& h) {
  return Trunc32(h.sample_rate);
}

// The X/Y file held whole: one record per line and trace number.
class XyRecords {
 public:
  void Load(const std::string& path) { ReadWholeFile(path, bytes_); }
  bool Has() const { return !bytes_.empty(); }
  // The record of a line and trace number; (0, 0) when the file has none.
  void At(const SurveyHeader& h, int line, int trace, std::int32_t& x, std::int32_t& y) const {
    x = y = 0;
    long long per_line = static_cast<long long>(h.last_trace) - h.first_trace + 1;
    long long index = (static_cast<long long>(line) - h.first_line) * per_line +
                      (static_cast<long long>(trace) - h.first_trace);
    if (index < 0 || (index + 1) * 8 > static_cast<long long>(bytes_.size())) return;
    auto* p = reinterpret_cast<const unsigned char*>(bytes_.data()) + index * 8;
    x = LoadLittle<std::int32_t>(p);
    y = LoadLittle<std::int32_t>(p + 4);
  }

 private:
  std::string bytes_;
};

// A 32-bit value as two 16-bit big-endian halves, low half first.
void PutHalvesLowFirst(unsigned char* p, std::int32_t value) {
  auto u = static_cast<std::uint32_t>(value);
  WriteBig16(p, static_cast<std::int32_t>(u & 0xFFFFu));
  WriteBig16(p + 2, static_cast<std::int32_t>(u >> 16));
}

class TapeBlockSink : public BlockSink {
 public:
  explicit TapeBlockSink(TapeDevice& tape) : tape_(tape) {
    tape_.TestUnitReady();
    tape_.TestUnitReady();
    tape_.Rewind();
  }
  std::uint32_t WriteBlock(const void* data, std::size_t length) override {
    return tape_.WriteVariableBlock(data, length);
  }
  bool Finish() override {
    std::uint32_t marks = tape_.WriteFilemarks(2);
    tape_.Rewind();
    return marks == kTapeOk;
  }
  bool StopOnWriteError() const override { return false; }

 private:
  TapeDevice& tape_;
};

// A SEG-Y disk file, written under a temporary name and renamed into place
// only when the whole export succeeded.
class FileBlockSink : public BlockSink {
 public:
  explicit FileBlockSink(const std::string& path) : file_(path) { open_ = file_.Open(); }
  std::uint32_t WriteBlock(const void* data, std::size_t length) override {
    return open_ && file_.Write(std::string_view(static_cast<const char*>(data), length))
               ? kTapeOk
               : kTapeIoError;
  }
  bool Finish() override { return open_ && file_.Commit(); }
  bool StopOnWriteError() const override { return true; }

 private:
  OutputFile file_;
  bool open_ = false;
};

}  // namespace

std::unique_ptr<BlockSink> TapeSink(TapeDevice& tape) {
  return std::make_unique<TapeBlockSink>(tape);
}

std::unique_ptr<BlockSink> FileSink(const std::string& path) {
  return std::make_unique<FileBlockSink>(path);
}

std::string BuildExportTextHeader(const SurveyHeader& h) {
  std::string text(3200, ' ');
  std::vector<std::string> cards = {
      FormatText("C%02d  QUARRIX3D HEADER", 1),
      FormatText("C%02d  OWNER - %s", 2, LabelText(h.owner).c_str()),
      FormatText("C%02d  LINE -  %s", 3, LabelText(h.line_name).c_str()),
      FormatText("C%02d  COLLECTOR %s", 4, LabelText(h.collector).c_str()),
      FormatText("C%02d  LINE SPACING %d  LINE INCREMENT %d", 5, Trunc32(h.line_spacing),
                 Trunc32(h.line_increment)),
      FormatText("C%02d  START LINE %d  END LINE %d", 6, h.first_line, h.last_line),
      FormatText("C%02d  TRACE SPACING %d  TRACE INCREMENT %d", 7, Trunc32(h.trace_spacing),
                 Trunc32(h.trace_increment)),
      FormatText("C%02d  START TRACE %d  END TRACE %d", 8, h.first_trace, h.last_trace),
      FormatText("C%02d  SAMPLE RATE %d  NO. SAMPLES %d", 9, WholeMs(h), h.num_samples),
      FormatText("C%02d  START TIME %d", 10, h.start_time),
      FormatText("C%02d  CORNER %d", 11, h.corner_index),
  };
  for (std::size_t n = 0; n < cards.size(); ++n) {
    std::string card = cards[n].substr(0, 79);  // with its NUL, a card fills at most 80 bytes
    text.replace(80 * n, card.size() + 1, card + '\0');
  }
  return EncodeExportText(text);
}

std::string BuildExportBinaryHeader(const SurveyHeader& h) {
  return EncodeBinaryHeader({h.num_samples, WholeMs(h) * 1000, kFormatIbmFloat});
}

void FillExportTraceHeader(unsigned char* p, const ExportTraceFields& f,
                           const SurveyHeader& survey) {
  std::fill(p, p + 240, 0);
  PutWord32(p, 1, f.sequence);
  PutWord32(p, 9, f.trace);
  PutWord32(p, 13, f.line);
  PutWord32(p, 21, f.ensemble);
  PutWord16(p, 31, f.line);
  PutWord32(p, 73, f.x);
  PutWord32(p, 77, f.y);
  PutWord32(p, 81, f.x);
  PutWord32(p, 85, f.y);
  PutWord16(p, 93, f.trace);
  PutWord16(p, 115, survey.num_samples);
  PutWord16(p, 117, WholeMs(survey) * 1000);
  PutHalvesLowFirst(p + 152, f.x);
  PutHalvesLowFirst(p + 156, f.y);
}

namespace {

// What writing the trace blocks came to.
struct TraceExport {
  ExportTraceFields fields;  // of the last trace written; `sequence` counts them
  long long unread = 0;      // traces of the range the trace file could not give
  bool stopped = false;      // a write error that stops the export
};

// Writes one block per trace of the range, line by line, until cancelled. A
// short read ends its line; the line's remaining traces are counted as unread.
template <typename Write>
TraceExport WriteTraceBlocks(const SurveyHeader& h, AmpFile& amp, const XyRecords& xy,
                             const ExportRange& range, Write& write, Progress& progress) {
  TraceExport run;
  std::vector<std::int16_t> samples(static_cast<std::size_t>(h.num_samples));
  std::vector<float> floats(samples.size());
  std::vector<unsigned char> block(240 + 4 * samples.size());
  LineBlockReader traces(amp, h);
  bool cancelled = false;
  for (int i = 0; i < h.num_lines && !cancelled; ++i) {
    const int line = h.LineNumber(i);
    const bool in_range = line >= range.first_line && line <= range.last_line;
    bool line_ended = false;
    for (int j = 0; in_range && j < h.traces_per_line; ++j) {
      const int trace = h.TraceNumber(j);
      if (trace < range.first_trace || trace > range.last_trace) continue;
      if (line_ended || traces.Read(samples.data(), i, j, h.trace_bytes) != 0) {
        line_ended = true;
        ++run.unread;
        continue;
      }
      for (std::size_t n = 0; n < samples.size(); ++n) floats[n] = samples[n];
      EncodeSamples(floats.data(), h.num_samples, kFormatIbmFloat, block.data() + 240);
      ExportTraceFields& f = run.fields;
      f.sequence++;
      f.ensemble = i * h.traces_per_line + j + 1;
      f.line = line;
      f.trace = trace;
      xy.At(h, line, trace, f.x, f.y);
      FillExportTraceHeader(block.data(), f, h);
      if (!write(block.data(), block.size())) {
        run.stopped = true;
        return run;
      }
    }
    cancelled = progress.Cancelled();
    progress.SetPosition(i + 1);
  }
  return run;
}

}  // namespace

bool ExportProject(const std::string& header_path, const ExportRange& range, BlockSink& sink,
                   LoadDecisions& decisions, Prompter& prompter, Progress& progress) {
  SurveyHeader h;
  if (!LoadHeader(header_path, h, prompter, HeaderReader::Interpretation)) return false;
  AmpFile amp;
  if (!TraceFileAgrees(h, BaseWithDot(header_path) + "amp", prompter)) return false;
  if (!amp.Open(BaseWithDot(header_path) + "amp", AmpOpenMode::Read)) {
    prompter.Tell(NamingFile("Cannot Open AMP File", BaseWithDot(header_path) + "amp"), "",
                  MessageIcon::Warning);
    return false;
  }
  XyRecords xy;
  xy.Load(BaseWithDot(header_path) + "x_y");

  int write_errors = 0;
  auto write = [&](const void* data, std::size_t length) {
    if (sink.WriteBlock(data, length) == kTapeOk) return true;
    if (++write_errors == 1) prompter.Tell("Tape Write Error", "", MessageIcon::Warning);
    return !sink.StopOnWriteError();
  };
  std::string text = BuildExportTextHeader(h), binary = BuildExportBinaryHeader(h);
  if (!write(text.data(), text.size()) || !write(binary.data(), binary.size())) return false;

  progress.SetRange(0, h.num_lines);
  progress.SetLabel("Writing Traces to Tape");
  decisions.AddMessage("Writing Traces to Tape");
  const TraceExport run = WriteTraceBlocks(h, amp, xy, range, write, progress);
  if (run.stopped) return false;
  // A trace file shorter than the header says makes a partial export, which is
  // a failure: a disk file is then not put in place (as after a failed write);
  // a tape is still closed with its file marks.
  const std::string unread = FormatText(
      "%lld traces could not be read from %s; only %d were written and the export is incomplete",
      run.unread, amp.path().c_str(), run.fields.sequence);
  if (run.unread > 0 && sink.StopOnWriteError()) {
    prompter.Tell(unread, "", MessageIcon::Error);
    return false;
  }
  if (!sink.Finish()) {
    prompter.Tell("The export could not be completed", "", MessageIcon::Error);
    return false;
  }
  if (write_errors > 0) {
    prompter.Tell(FormatText("%d blocks could not be written", write_errors), "",
                  MessageIcon::Error);
    return false;
  }
  if (run.unread > 0) {
    prompter.Tell(unread, "", MessageIcon::Error);
    return false;
  }
  decisions.AddMessage(FormatText("%d Traces Written", run.fields.sequence));
  prompter.Message("End of Conversion!!", "", MessageIcon::Information, MessageButtons::Ok);
  return true;
}

}  // namespace quarrix
