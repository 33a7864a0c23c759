#pragma once
// Writing a project back out as SEG-Y: an EBCDIC textual header whose cards
// describe the project, a binary header, and one block per trace with IBM
// floating-point samples and the trace's line, trace and X/Y in its header.
// The blocks go to a tape (one tape block each) or to a disk file.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "project/survey_header.h"

namespace quarrix {

class LoadDecisions;
class Progress;
class Prompter;
class TapeDevice;

// Where the export's blocks go.
class BlockSink {
 public:
  virtual ~BlockSink() = default;
  // 0 when written, else a status.
  virtual std::uint32_t WriteBlock(const void* data, std::size_t length) = 0;
  // Ends the output (file marks and rewind on tape); false on failure.
  virtual bool Finish() = 0;
  // Whether a failed write ends the export (a disk file) or is reported and
  // passed (a tape, whose next block may well succeed).
  virtual bool StopOnWriteError() const = 0;
};

// The inclusive ranges of line and trace numbers to export.
struct ExportRange {
  int first_line = 0, last_line = 0, first_trace = 0, last_trace = 0;
};

// The 3200 translated bytes of the textual header and the 400 of the binary header.
std::string BuildExportTextHeader(const SurveyHeader& header);
std::string BuildExportBinaryHeader(const SurveyHeader& header);

// The 240-byte header of one exported trace.
struct ExportTraceFields {
  std::int32_t sequence = 0, ensemble = 0, line = 0, trace = 0, x = 0, y = 0;
};
void FillExportTraceHeader(unsigned char* header, const ExportTraceFields& fields,
                           const SurveyHeader& survey);

// Exports the project of header_path (header, NAME.amp, NAME.x_y when
// present) over the range. Messages go to the "Messages" list of decisions.
bool ExportProject(const std::string& header_path, const ExportRange& range, BlockSink& sink,
                   LoadDecisions& decisions, Prompter& prompter, Progress& progress);

// The two sinks: a tape (rewound before; two file marks and a rewind after)
// and a SEG-Y disk file written under a temporary name and moved into place.
std::unique_ptr<BlockSink> TapeSink(TapeDevice& tape);
std::unique_ptr<BlockSink> FileSink(const std::string& path);

}  // namespace quarrix
