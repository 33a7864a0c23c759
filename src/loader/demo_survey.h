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

// The model's interface times (ms) at a bin, shallowest first: the true
// times of the reflectors a picked horizon should follow.
std::vector<double> DemoReflectorTimes(const DemoSurveySize& size, int line_index, int trace_index);

// Of the model's interfaces, the one nearest time_ms at a bin, as a function
// of any bin: its time there, on either side of the fault (the correlation an
// interpreter makes across it).
std::function<double(int line_index, int trace_index)> DemoReflectorThrough(
    const DemoSurveySize& size, int line_index, int trace_index, double time_ms);

// "quarrix-batch demo DIR [--lines N --traces N --samples N]": writes
// DIR/demo.sgy, loads it into DIR/demo/demo.hdr and writes its X/Y file.
int RunDemoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// The same, then a further step on the loaded project (the interpretation the
// demo gains), whose status becomes the command's.
using DemoFollowUp = int (*)(const std::string& header_path, std::ostream& out, std::ostream& err);
int RunDemoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   DemoFollowUp follow_up);

}  // namespace quarrix
