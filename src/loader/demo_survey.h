#pragma once
// The demo survey: a synthetic but plausible 3-D survey written as SEG-Y and
// loaded through the same conversion as "ingestor load".
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace quarrix {

struct DemoSurveySize {
  int lines = 240;    // in-lines, numbered from 1001
  int traces = 260;   // cross-lines, numbered from 2001
  int samples = 751;  // 3 s at 4 ms
};

// Writes the demo SEG-Y file (IBM floats; in-line at byte 189, cross-line at
// 193, CDP X/Y at 181 and 185 with scalar -10 at 71, source X/Y at 73 and 77).
bool WriteDemoSegy(const std::string& path, const DemoSurveySize& size);

// World X/Y of a line and trace of the demo (metres, UTM-like, rotated grid).
void DemoXy(int line_index, int trace_index, double& x, double& y);

// "quarrix-batch demo DIR [--lines N --traces N --samples N]": writes
// DIR/demo.sgy, loads it into DIR/demo/demo.hdr and writes its X/Y file.
int RunDemoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// A later step of the demo (interpretation made on the loaded survey), given
// the project header path; false stops the demo with a failure.
using DemoStep =
    std::function<bool(const std::string& header_path, std::ostream& out, std::ostream& err)>;
// The demo command followed by the given steps, in order.
int RunDemoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const std::vector<DemoStep>& later_steps);

}  // namespace quarrix
